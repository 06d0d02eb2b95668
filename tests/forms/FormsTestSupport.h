// Helpers of the script-form tests: the GUI bindings registered once, programs that find their units
// and form files in tests/data/scriptforms, and the result text of runs.
#pragma once

#include "common/VlTestPaths.h"
#include "interpreter/bindings/VlInterpreterGui_all.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "interpreter/forms/VlInterpreterForm.h"
#include "rtl/VlCp1251.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

inline void RegisterGuiOnce()
{
    static bool registered = (VlRegisterAllGuiBindings(GlobalAdapter()), true);
    (void)registered;
}

inline std::string ScriptFormsDir()
{
    return VlTestDataDir() + "/scriptforms";
}

// A program whose relative unit and form-file names are taken from tests/data/scriptforms.
struct TFormsProgram : TVlInterpreterFm {
    TFormsProgram()
    {
        RegisterGuiOnce();
        FileName = ScriptFormsDir() + "/Driver.pas";
        // Units and form files of any program the form functions make come from there too.
        OnGetUnitSource = [](TVlInterpreterUnit &, const std::string &unit, std::string &source, bool &done) {
            const std::string file = ScriptFormsDir() + "/" + unit + ".pas";
            if (!std::filesystem::exists(file))
                return;
            source = Utf8ToCp1251(ToCrLf(ReadTextFile(file)));
            done = true;
        };
        OnGetDfmFileName = [](TVlInterpreterFm &, const std::string &unit, std::string &file, bool &done) {
            file = ScriptFormsDir() + "/" + unit + ".dfm";
            done = true;
        };
    }
};

// The value a run leaves, or "error <code>: <message>" (the message from LastFailure for host errors).
inline std::string RunText(TVlInterpreterProgram &program, const std::string &source)
{
    program.SetSourceText(source);
    try {
        program.Execute();
        return VlResultText(program.ResultValue);
    } catch (const EVlInterpreterError &e) {
        return "error " + std::to_string(e.Code) + ": " + e.Message;
    } catch (...) {
        return "error " + std::to_string(program.LastFailure.Code) + ": " + program.LastFailure.Message;
    }
}

// The message of a call that must fail with an interpreter error, or "no error".
inline std::string FailureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EVlInterpreterError &e) {
        return std::to_string(e.Code) + ": " + e.Message;
    } catch (const std::exception &e) {
        return std::string("exception: ") + e.what();
    }
    return "no error";
}

// Runs action once the event loop is running (a modal loop started meanwhile).
inline void Later(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}

// CP1251 text of a UTF-8 literal (Russian captions in scripts and forms).
std::string Cp(const char *utf8);
