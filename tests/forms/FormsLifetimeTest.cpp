// Event bridges never dangle: a control whose handler's bridge went (a new run, a freed program, a
// handler assigning its own event, a form freed by its own handler) neither calls it nor touches
// freed memory. The AddressSanitizer build runs these too.
#include "FormsTestSupport.h"

#include "components/VlApplication.h"
#include "components/VlEvents.h"
#include "components/VlStdCtrls.h"
#include "rtl/VlExceptions.h"

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
    // And a form whose handler replaced its own event by a bridge of the program.
    auto other = std::make_unique<TFormsProgram>();
    TVlInterpreterForm *life = other->MakeForm("Life.pas");
    Child<TButton>(life, "Button1")->Click();
    program.reset();
    other.reset();
    EXPECT_FALSE(Child<TButton>(life, "Button1")->OnClick().IsAssigned());
    Child<TButton>(life, "Button1")->Click();
    Child<TButton>(life, "Button3")->Click();
    EXPECT_EQ(Child<TLabel>(life, "Label1")->Caption(), "one;still;");
    delete life;
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

TEST(BridgeLifetime, FormFileHandlersClearingOrReplacingTheirOwnEventsGoOnSafely)
{
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Life.pas");
    auto *button = Child<TButton>(form, "Button3");
    form->Click();    // replaces the form's event by OtherClick
    form->Click();
    button->Click();  // clears its own event and the form's
    EXPECT_FALSE(button->OnClick().IsAssigned());
    EXPECT_FALSE(form->OnClick().IsAssigned());
    button->Click();
    form->Click();
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "form;other;cleared;");
    delete form;

    // Cleared while the form's event is still the form file's own.
    form = program.MakeForm("Life.pas");
    Child<TButton>(form, "Button3")->Click();
    form->Click();
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "cleared;");
    delete form;
}

TEST(BridgeLifetime, ANewRunWhileAFormLivesLeavesItsHandlersInert)
{
    std::vector<std::string> errors;
    const TVlExceptionHandler previous = SetVlExceptionHandler(
        [&errors](const std::exception_ptr &error) { errors.push_back(VlExceptionMessage(error)); });
    TFormsProgram program;
    TVlInterpreterForm *form = program.MakeForm("Life.pas");
    auto *button = Child<TButton>(form, "Button1");
    button->Click();  // the handler's new bridge belongs to this run
    form->Click();
    program.SetSourceText("begin Result := 0 end;");
    program.Execute();
    EXPECT_FALSE(button->OnClick().IsAssigned());
    EXPECT_FALSE(form->OnClick().IsAssigned());
    button->Click();
    form->Click();
    // The form file's handlers belong to the unit of the last run, which is gone.
    Child<TButton>(form, "Button3")->Click();
    EXPECT_EQ(Child<TLabel>(form, "Label1")->Caption(), "one;still;form;");
    EXPECT_TRUE(errors.empty()) << errors.front();
    delete form;
    SetVlExceptionHandler(previous);
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
