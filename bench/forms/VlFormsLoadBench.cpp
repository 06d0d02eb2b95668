// Times making a script form of 200 controls: reading and running its unit, reading its form file,
// creating the controls, binding their handlers and running OnCreate.
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"
#include "interpreter/bindings/VlInterpreterGui_all.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "interpreter/forms/VlInterpreterForm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const int ControlCount = 200;

// Five kinds of control in turn, forty of each; buttons, edits and check boxes have handlers.
const char *const Kinds[] = {"TButton", "TLabel", "TEdit", "TCheckBox", "TPanel"};

std::string NameOf(int i) { return std::string(Kinds[i % 5] + 1) + std::to_string(i); }

std::string UnitText()
{
    std::string s = "unit Bench200;\r\n\r\ninterface\r\n\r\nuses\r\n  SysUtils, Classes, Controls, Forms, StdCtrls, "
                    "ExtCtrls;\r\n\r\ntype\r\n  TBenchForm = class(TForm)\r\n";
    for (int i = 0; i < ControlCount; ++i)
        s += "    " + NameOf(i) + ": " + Kinds[i % 5] + ";\r\n";
    s += "    procedure FormCreate(Sender: TObject);\r\n"
         "    procedure ButtonClick(Sender: TObject);\r\n"
         "    procedure EditChange(Sender: TObject);\r\n"
         "    procedure CheckClick(Sender: TObject);\r\n"
         "  public\r\n    Clicks: Integer;\r\n  end;\r\n\r\nimplementation\r\n\r\n"
         "procedure TBenchForm.FormCreate(Sender: TObject);\r\nbegin\r\n  Clicks := 0;\r\n"
         "  Label1.Caption := 'Готово';\r\nend;\r\n\r\n"
         "procedure TBenchForm.ButtonClick(Sender: TObject);\r\nbegin\r\n  Clicks := Clicks + 1;\r\nend;\r\n\r\n"
         "procedure TBenchForm.EditChange(Sender: TObject);\r\nbegin\r\n  Caption := TEdit(Sender).Text;\r\nend;\r\n\r\n"
         "procedure TBenchForm.CheckClick(Sender: TObject);\r\nbegin\r\n  Clicks := Clicks + 10;\r\nend;\r\n\r\n"
         "end.\r\n";
    return s;
}

std::string FormText()
{
    std::string s = "object BenchForm: TBenchForm\r\n  Left = 0\r\n  Top = 0\r\n  Width = 800\r\n  Height = 600\r\n"
                    "  Caption = 'Двести элементов'\r\n  OnCreate = FormCreate\r\n";
    for (int i = 0; i < ControlCount; ++i) {
        const std::string kind = Kinds[i % 5];
        s += "  object " + NameOf(i) + ": " + kind + "\r\n";
        s += "    Left = " + std::to_string(8 + (i % 10) * 78) + "\r\n";
        s += "    Top = " + std::to_string(8 + (i / 10) * 28) + "\r\n";
        s += "    Width = 74\r\n    Height = 24\r\n";
        if (kind == "TEdit")
            s += "    Text = 'Поле " + std::to_string(i) + "'\r\n    OnChange = EditChange\r\n";
        else
            s += "    Caption = 'Элемент " + std::to_string(i) + "'\r\n";
        if (kind == "TButton")
            s += "    OnClick = ButtonClick\r\n";
        if (kind == "TCheckBox")
            s += "    OnClick = CheckClick\r\n";
        s += "  end\r\n";
    }
    return s + "end\r\n";
}

} // namespace

int main()
{
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };

    VlEnsureGuiApplication();
    VlRegisterAllGuiBindings(GlobalAdapter());
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vl_bench_forms_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Bench200.pas", std::ios::binary) << UnitText();
    std::ofstream(dir / "Bench200.dfm", std::ios::binary) << FormText();

    double cold = 0, best = 1e9;
    bool ok = true;
    for (int round = 0; round < 6; ++round) {
        TVlInterpreterFm program;
        const auto start = Clock::now();
        TVlInterpreterForm *form = nullptr;
        try {
            form = program.MakeForm((dir / "Bench200.pas").string());
        } catch (const EVlInterpreterError &e) {
            std::fprintf(stderr, "bench forms.load200: %s\n", e.Message.c_str());
            ok = false;
            break;
        }
        const double elapsed = ms(Clock::now() - start);
        if (round == 0)
            cold = elapsed;
        else
            best = std::min(best, elapsed);
        if (!form || form->ComponentCount() != ControlCount) {
            std::fprintf(stderr, "bench forms.load200: the form has %d components\n",
                         form ? form->ComponentCount() : -1);
            ok = false;
        }
        delete form;
    }
    std::filesystem::remove_all(dir);
    if (ok) {
        std::printf("bench forms.load200: %.1f ms\n", cold);
        std::printf("bench forms.load200_warm: %.1f ms\n", best);
    }
    VlShutdownGuiApplication();
    return ok ? 0 : 1;
}
