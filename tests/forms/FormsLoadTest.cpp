// Script forms from their units and form files: loading, handlers, fields, the form's name context,
// the failures of loading, and forms driven as a user drives them.
#include "FormsTestSupport.h"

#include "components/VlApplication.h"
#include "components/VlFormStream.h"
#include "components/VlFormText.h"
#include "components/VlStdCtrls.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"
#include "rtl/VlCp1251.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

std::string Cp(const char *utf8) { return Utf8ToCp1251(utf8); }

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

template <class T>
T *Child(TComponent *form, const char *name)
{
    auto *found = dynamic_cast<T *>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(ScriptForms, MakeFormRunsOnCreateAndBindsTheHandlers)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm(ScriptFormsDir() + "/Unit2.pas");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.CurrentForm(), form);
    EXPECT_EQ(form->Owner(), &Application());
    EXPECT_EQ(form->UnitName, "Unit2");
    EXPECT_EQ(form->ClassIdentifier, "TForm2");
    EXPECT_FALSE(form->Visible());
    auto *label = Child<TLabel>(form, "Label1");
    EXPECT_EQ(label->Caption(), Cp("Создана"));
    // A real click on the shown form runs the method, with the form as its context.
    form->Show();
    QTest::mouseClick(Child<TButton>(form, "Button1")->Widget(), Qt::LeftButton);
    EXPECT_EQ(label->Caption(), Cp("Нажата 1"));
    EXPECT_EQ(form->Caption(), Cp("Форма 1"));
    EXPECT_EQ(ValueToInteger(form->FormVars.LookupVar("Unit2", "Clicks")->Value), 1);
    delete form;
    EXPECT_EQ(program.CurrentForm(), nullptr);
}

TEST(ScriptForms, ADriverReadsComponentsFieldsAndMethodsOfTheForm)
{
    TFormsProgram program;
    EXPECT_EQ(RunText(program, "unit T;\r\n"
                               "function main: string;\r\n"
                               "var F: TObject;\r\n"
                               "begin\r\n"
                               "  F := VlInterpreterMakeForm('Unit2.pas');\r\n"
                               "  F.Button1.Click;\r\n"
                               "  F.Button1.Click;\r\n"
                               "  F.Clicks := F.Clicks + 10;\r\n"
                               "  Result := F.Label1.Caption + '|' + F.Caption + '|' + IntToStr(F.Clicks) + '|' + F.Describe;\r\n"
                               "  F.Free;\r\n"
                               "end;\r\n"
                               "end.\r\n"),
              Cp("Нажата 2|Форма 2|12|Button1/Форма 2/Форма 2"));
}

TEST(ScriptForms, TextAndBinaryFormFilesLoadAlike)
{
    const fs::path dir = fs::temp_directory_path() / ("vl_forms_binary_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(ScriptFormsDir() + "/Unit2.pas", dir / "Unit2.pas", fs::copy_options::overwrite_existing);
    const std::string binary = AddResourceHeader(ObjectTextToBinary(ReadFile(ScriptFormsDir() + "/Unit2.dfm")));
    std::ofstream(dir / "Unit2.dfm", std::ios::binary) << binary;

    TFormsProgram textProgram, binaryProgram;
    binaryProgram.OnGetUnitSource = nullptr;
    binaryProgram.OnGetDfmFileName = nullptr;
    TVlInterpreterForm *text = textProgram.MakeForm(ScriptFormsDir() + "/Unit2.pas");
    TVlInterpreterForm *bin = binaryProgram.MakeForm((dir / "Unit2.pas").string());
    ASSERT_EQ(text->ComponentCount(), bin->ComponentCount());
    for (int i = 0; i < text->ComponentCount(); ++i) {
        auto *a = dynamic_cast<TControl *>(text->Components(i));
        auto *b = dynamic_cast<TControl *>(bin->Components(i));
        EXPECT_EQ(a->Name(), b->Name());
        EXPECT_EQ(a->BoundsRect(), b->BoundsRect());
        EXPECT_EQ(a->Caption(), b->Caption());
    }
    Child<TButton>(bin, "Button1")->Click();
    EXPECT_EQ(bin->Caption(), Cp("Форма 1"));
    delete text;
    delete bin;
    fs::remove_all(dir);
}

TEST(ScriptForms, FailuresOfLoadingAreReportedAndLeaveNoForm)
{
    TFormsProgram program;
    const int before = Application().ComponentCount();
    EXPECT_EQ(FailureOf([&] { program.MakeForm("Unit3.pas"); }), "58: DFM 'Unit3' not found");
    EXPECT_EQ(FailureOf([&] { program.MakeForm("Nowhere.pas"); }), "56: Unit 'Nowhere' not found");
    EXPECT_EQ(FailureOf([&] { program.RunUnitFile("Nowhere.pas"); }), "56: Unit 'Nowhere.pas' not found");
    EXPECT_EQ(FailureOf([&] { program.MakeForm("Garbage.pas"); }), "exception: Invalid stream format");
    EXPECT_EQ(FailureOf([&] { program.MakeForm("BadEvent.pas"); }), "57: Event 'TSelectCellEvent' not registered");
    EXPECT_EQ(Application().ComponentCount(), before);
    // Through the form functions the error is located in the calling script.
    const std::string result = RunText(program, "unit T;\r\nfunction main: integer;\r\nbegin\r\n"
                                                "  VlInterpreterMakeForm('Unit3.pas');\r\nend;\r\nend.\r\n");
    EXPECT_EQ(result, "error 58: Error in unit 'T' on line 4 : DFM 'Unit3' not found");
}

TEST(ScriptForms, UnitsNamedInTheInterfaceAreEmptyUnlessInterfaceUsesIsSet)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Keys.pas");
    ASSERT_NE(form, nullptr);
    delete form;
    program.InterfaceUses = true;
    EXPECT_NE(FailureOf([&] { program.MakeForm("Keys.pas"); }).find("Unit 'MissingInterfaceUnit' not found"),
              std::string::npos);
}

TEST(ScriptForms, KeyPressesComeBackChangedFromTheHandler)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Keys.pas");
    form->Show();
    auto *edit = Child<TEdit>(form, "Edit1");
    edit->SetFocus();
    QTest::keyClicks(edit->Widget(), "axc");
    // 'a' became 'b'; 'x' was cleared to character 0 and typed nothing.
    EXPECT_EQ(edit->Text(), "bc");
    EXPECT_EQ(ValueToString(form->FormVars.LookupVar("Keys", "Pressed")->Value), "axc");
    int key = 113;  // VK_F2
    edit->KeyDown(key, 0);
    EXPECT_EQ(key, 114);
    delete form;
}

TEST(ScriptForms, ComponentsSharingAHandlerHaveBridgesOfTheirOwn)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Keys.pas");
    auto *a = Child<TButton>(form, "ButtonA");
    auto *b = Child<TButton>(form, "ButtonB");
    EXPECT_NE(a->OnClick().Data, b->OnClick().Data);
    a->Click();
    b->Click();
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "ButtonA;ButtonB;");
    delete form;
}

TEST(ScriptForms, CloseQueryCanRefuseToClose)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Keys.pas");
    form->Show();
    form->Close();
    EXPECT_TRUE(form->Visible());
    form->FormVars.LookupVar("Keys", "AllowClose")->Value = TVlValue::Boolean(true);
    form->Close();
    EXPECT_FALSE(form->Visible());
    delete form;
}

TEST(ScriptForms, RunFormModalAnswersTheModalResultAndFreesTheForm)
{
    TFormsProgram program;
    const int before = Application().ComponentCount();
    std::string caption;
    Later([&] {
        auto *form = dynamic_cast<TForm *>(TControl::FromWidget(QApplication::activeModalWidget()));
        ASSERT_NE(form, nullptr);
        Child<TButton>(form, "OkButton")->Click();
        caption = form->Caption();
    });
    EXPECT_EQ(RunText(program, "unit T;\r\nfunction main: integer;\r\nbegin\r\n"
                               "  Result := VlInterpreterRunFormModal('Modal.pas');\r\nend;\r\nend.\r\n"),
              "1");
    EXPECT_EQ(caption, "OK pressed");
    EXPECT_EQ(Application().ComponentCount(), before);
}

TEST(ScriptForms, AScriptFormClassMakesALoadedFormWithCreate)
{
    TFormsProgram program;
    EXPECT_EQ(RunText(program, "unit T;\r\nuses Unit2;\r\n"
                               "function main: string;\r\nvar F: TForm2;\r\nbegin\r\n"
                               "  F := TForm2.Create(Application);\r\n"
                               "  Result := F.Label1.Caption + ' ' + F.ClassName;\r\n"
                               "  F.Free;\r\nend;\r\nend.\r\n"),
              Cp("Создана TVlInterpreterForm"));
}

TEST(ScriptForms, AComponentNamedLikeALocalWinsInBothWaysOfRunning)
{
    for (bool direct : {true, false}) {
        TFormsProgram program;
        program.DirectStatements = direct;
        TVlInterpreterForm *form = program.MakeForm("Shadow.pas");
        TVlValue result;
        program.InvokeFunctionIn(form, "Shadow", "ReadShadowed", nullptr, {}, result);
        EXPECT_EQ(ValueToString(result), "Button1") << direct;
        program.InvokeFunctionIn(form, "Shadow", "LoopShadowed", nullptr, {}, result);
        EXPECT_EQ(ValueToString(result), "LLL6") << direct;
        program.InvokeFunctionIn(form, "Shadow", "CompareShadowed", nullptr, {}, result);
        // The component is no Integer: the comparison with 7 is false.
        EXPECT_EQ(ValueToString(result), "other2") << direct;
        delete form;
    }
}

TEST(ScriptForms, TheHostsApplicationIsUsedAsItIs)
{
    // The test program's application stands for the window's, or one the message-box library made.
    QCoreApplication *host = QCoreApplication::instance();
    ASSERT_NE(host, nullptr);
    TFormsProgram program;
    delete program.MakeForm(ScriptFormsDir() + "/Unit2.pas");
    EXPECT_EQ(QCoreApplication::instance(), host);
    EXPECT_FALSE(VlGuiApplicationCreatedHere());
}

} // namespace
