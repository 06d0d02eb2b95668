// Event bridges never dangle: a control whose handler's bridge went (a new run, a freed program, a
// handler assigning its own event, a form freed by its own handler) neither calls it nor touches
// freed memory. The AddressSanitizer build runs these too.
#include "FormsTestSupport.h"

#include "components/VlApplication.h"
#include "components/VlStdCtrls.h"

namespace {

template <class T>
T *Child(TComponent *form, const char *name)
{
    return dynamic_cast<T *>(form->FindComponent(name));
}

const char *const AssignScript =
    "unit Main;\r\n"
    "var Clicks: Integer;\r\n"
    "procedure Clicked(Sender: TObject);\r\n"
    "begin\r\n"
    "  Clicks := Clicks + 1;\r\n"
    "end;\r\n"
    "function main: TObject;\r\n"
    "var B: TButton;\r\n"
    "begin\r\n"
    "  B := TButton.Create(nil);\r\n"
    "  B.OnClick := Clicked;\r\n"
    "  Result := B;\r\n"
    "end;\r\n"
    "end.\r\n";

TButton *AssignedButton(TVlInterpreterProgram &program)
{
    program.SetSourceText(AssignScript);
    program.Execute();
    return static_cast<TButton *>(ValueToObject(program.ResultValue));
}

TEST(BridgeLifetime, ANewRunTakesTheHandlerAway)
{
    TFormsProgram program;
    TButton *button = AssignedButton(program);
    ASSERT_TRUE(button->OnClick().IsAssigned());
    button->Click();
    program.SetSourceText("begin Result := 0 end;");
    program.Execute();
    EXPECT_FALSE(button->OnClick().IsAssigned());
    button->Click();
    delete button;
}

TEST(BridgeLifetime, AFreedProgramLeavesItsHandlersInert)
{
    auto program = std::make_unique<TFormsProgram>();
    TButton *button = AssignedButton(*program);
    TVlInterpreterForm *form = program->MakeForm("Unit2.pas");
    program.reset();
    // Neither the assigned handler nor the form file's handlers run, and nothing breaks.
    EXPECT_FALSE(button->OnClick().IsAssigned());
    button->Click();
    Child<TButton>(form, "Button1")->Click();
    EXPECT_EQ(form->OwnerProgram, nullptr);
    delete button;
    delete form;
}

TEST(BridgeLifetime, AHandlerAssigningItsOwnEventGoesOnSafely)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Life.pas");
    auto *button = Child<TButton>(form, "Button1");
    button->Click();
    button->Click();
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "one;still;other;");
    delete form;
}

TEST(BridgeLifetime, AComponentFreedByAHandlerTakesItsBridgesAlong)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Life.pas");
    Child<TButton>(form, "Button2")->Click();
    EXPECT_EQ(form->FindComponent("Button1"), nullptr);
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "freed");
    delete form;
}

TEST(BridgeLifetime, AFormFreedByItsOwnHandlerFreesItsProgramAfterwards)
{
    RegisterGuiOnce();
    auto *program = new TFormsProgram;
    TVlInterpreterForm *form = program->MakeForm("Life.pas");
    form->FreeProgramWithForm = true;
    // The form's program goes with the form once the handler has returned (a leak otherwise,
    // which the AddressSanitizer build reports).
    const int before = Application().ComponentCount();
    TVlValue result;
    program->InvokeFunctionIn(form, "Life", "FreeMeClick", nullptr, {}, result);
    EXPECT_EQ(Application().ComponentCount(), before - 1);
}

TEST(BridgeLifetime, ReleaseFreesTheFormOnceTheEventLoopRuns)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Unit2.pas");
    form->Release();
    EXPECT_EQ(program.CurrentForm(), form);
    QApplication::processEvents();
    EXPECT_EQ(program.CurrentForm(), nullptr);
}

} // namespace
