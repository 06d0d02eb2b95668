// The Forms unit for scripts: forms, scroll boxes, data modules, the Application and Screen objects,
// the form constants and the form and application event types.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreter_FormsEvent.h"

#include "components/VlApplication.h"
#include "components/VlForms.h"
#include "components/VlMenus.h"
#include "components/VlPicture.h"
#include "components/VlScrollBox.h"
#include "interpreter/VlInterpreter.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "interpreter/forms/VlInterpreterForm.h"
#include "rtl/VlExceptions.h"

#include <QPixmap>
#include <QWidget>

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

// TForm ---------------------------------------------------------------------------------------------------

TForm *Form(TVlInterpreterArgs &a) { return VlSelf<TForm>(a); }
void FormFocusControl(TVlValue &, TVlInterpreterArgs &a)
{
    if (TWinControl *control = VlArgAs<TWinControl>(a.Values[0]))
        control->SetFocus();
}
void FormDefocusControl(TVlValue &, TVlInterpreterArgs &a)
{
    TForm *form = Form(a);
    TWinControl *control = VlArgAs<TWinControl>(a.Values[0]);
    if (control && form->ActiveControl() == control)
        form->SetActiveControl(nullptr);
}
void FormActive(TVlValue &r, TVlInterpreterArgs &a)
{
    QWidget *window = Form(a)->Widget();
    r = TVlValue::Boolean(window && window->isActiveWindow());
}
void FormGetFormImage(TVlValue &r, TVlInterpreterArgs &a)
{
    // A new bitmap of the client area as it is drawn; the caller frees it.
    TForm *form = Form(a);
    auto *bitmap = new TBitmap;
    if (QWidget *client = form->ClientWidget())
        bitmap->SetImage(client->grab().toImage());
    r = VlObjectValue(bitmap);
}
void FormSetMenu(const TVlValue &v, TVlInterpreterArgs &a) { Form(a)->SetMenu(VlArgAs<TMainMenu>(v)); }
void FormSetActiveControl(const TVlValue &v, TVlInterpreterArgs &a) { Form(a)->SetActiveControl(VlArgAs<TWinControl>(v)); }

const TVlMemberBinding FormMembers[] = {
    VlMethod<&TForm::Close>("Close"), VlMethod<&TForm::Show>("Show"), VlMethod<&TForm::Hide>("Hide"),
    VlMethod<&TForm::ShowModal>("ShowModal"), VlMethod<&TForm::Release>("Release"),
    VlMethod<&TForm::CloseQuery>("CloseQuery"), VlMethod<&TForm::IsModal>("IsModal"),
    VlMethod<&TForm::ModalResult>("ModalResult"), VlWriter<&TForm::SetModalResult>("ModalResult"),
    VlMethod<&TForm::Canvas>("Canvas"), VlGet("Active", FormActive), VlGet("FocusControl", FormFocusControl, "."),
    VlGet("DefocusControl", FormDefocusControl, ".."), VlMethod<&TForm::SetFocus>("SetFocus"),
    VlGet("GetFormImage", FormGetFormImage), VlMethod<&TForm::Menu>("Menu"), VlSet("Menu", FormSetMenu),
    VlMethod<&TForm::ActiveControl>("ActiveControl"), VlSet("ActiveControl", FormSetActiveControl),
    VlMethod<&TForm::WindowState>("WindowState"), VlWriter<&TForm::SetWindowState>("WindowState"),
    VlMethod<&TForm::FormStyle>("FormStyle"), VlWriter<&TForm::SetFormStyle>("FormStyle"),
    VlMethod<&TForm::BorderStyle>("BorderStyle"), VlWriter<&TForm::SetBorderStyle>("BorderStyle"),
    VlMethod<&TForm::BorderIcons>("BorderIcons"), VlWriter<&TForm::SetBorderIcons>("BorderIcons"),
    VlMethod<&TForm::Position>("Position"), VlWriter<&TForm::SetPosition>("Position"),
    VlMethod<&TForm::KeyPreview>("KeyPreview"), VlWriter<&TForm::SetKeyPreview>("KeyPreview"),
    VlMethod<&TForm::PixelsPerInch>("PixelsPerInch"), VlMethod<&TForm::Scaled>("Scaled"),
    VlMethod<&TForm::DoCreate>("DoCreate"), VlMethod<&TForm::FrameWidth>("FrameWidth"),
    VlMethod<&TForm::FrameHeight>("FrameHeight"),
};

// TScrollBox, TDataModule ----------------------------------------------------------------------------------

const TVlMemberBinding ScrollBoxMembers[] = {
    VlMethod<&TScrollBox::ScrollInView>("ScrollInView"), VlMethod<&TScrollBox::HorzPosition>("HorzPosition"),
    VlWriter<&TScrollBox::SetHorzPosition>("HorzPosition"), VlMethod<&TScrollBox::VertPosition>("VertPosition"),
    VlWriter<&TScrollBox::SetVertPosition>("VertPosition"),
};

const TVlMemberBinding DataModuleMembers[] = {
    VlMethod<&TDataModule::DoCreate>("DoCreate"),
};

// TApplication ------------------------------------------------------------------------------------------------

TApplication *App(TVlInterpreterArgs &a) { return VlSelf<TApplication>(a); }

// CreateForm(InstanceClass; var Reference): a script form class loads a form of that class, a class
// of the widget set makes one of it; the first form made becomes the main form.
void AppCreateForm(TVlValue &, TVlInterpreterArgs &a)
{
    TApplication *app = App(a);
    VlEnsureGuiApplication();
    TObject *made = nullptr;
    const TVlValue &kind = a.Values[0];
    if (kind.Kind() == varVlObject) {
        TVlInterpreterForm *form = TVlInterpreterForm::FromAddress(ValueToObject(kind));
        auto *program = dynamic_cast<TVlInterpreterFm *>(a.Caller);
        if (!form || !program)
            VlRaiseInvalidCast();
        program->CreateScriptForm(*form, app);
        made = form;
    } else if (kind.Kind() == varVlClass) {
        made = static_cast<const TClassInfo *>(ValueToClass(kind))->CreateInstance(app);
    } else {
        VlRaiseInvalidCast();
    }
    a.Values[1] = VlObjectValue(made);
    if (auto *form = dynamic_cast<TForm *>(made); form && !app->MainForm())
        app->SetMainForm(form);
}
void AppHandleException(TVlValue &, TVlInterpreterArgs &a)
{
    // The exception an except part is handling (in the script that called).
    std::exception_ptr error = a.Caller ? a.Caller->HandledException() : nullptr;
    if (error)
        App(a)->HandleException(error);
}
void AppShowException(TVlValue &, TVlInterpreterArgs &a)
{
    auto *exception = dynamic_cast<TVlExceptionObject *>(VlArgAs<TObject>(a.Values[0]));
    App(a)->HandleException(std::make_exception_ptr(EVlRuntimeError("Exception", exception ? exception->Message : "")));
}
void AppMessageBox(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = TVlValue::Integer(App(a)->MessageBox(Str(a, 0), Str(a, 1), Int(a, 2)));
}
void AppSetMainForm(const TVlValue &v, TVlInterpreterArgs &a) { App(a)->SetMainForm(VlArgAs<TForm>(v)); }
void AppRun(TVlValue &, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    App(a)->Run();
}
void AppCancelHint(TVlValue &, TVlInterpreterArgs &a) { App(a)->SetHint(std::string()); }

const TVlMemberBinding ApplicationMembers[] = {
    VlMethod<&TApplication::Initialize>("Initialize"), VlGet("Run", AppRun),
    VlMethod<&TApplication::Terminate>("Terminate"), VlMethod<&TApplication::ProcessMessages>("ProcessMessages"),
    VlMethod<&TApplication::HandleMessage>("HandleMessage"), VlMethod<&TApplication::Minimize>("Minimize"),
    VlMethod<&TApplication::Restore>("Restore"), VlMethod<&TApplication::BringToFront>("BringToFront"),
    VlGet("HandleException", AppHandleException, "."), VlGet("ShowException", AppShowException, "."),
    VlGet("MessageBox", AppMessageBox, "..."), VlGet("CreateForm", AppCreateForm, ".v"),
    VlMethod<&TApplication::HelpContext>("HelpContext"), VlGet("CancelHint", AppCancelHint),
    VlGet("HideHint", AppCancelHint), VlMethod<&TApplication::Title>("Title"),
    VlWriter<&TApplication::SetTitle>("Title"), VlMethod<&TApplication::ExeName>("ExeName"),
    VlMethod<&TApplication::HelpFile>("HelpFile"), VlWriter<&TApplication::SetHelpFile>("HelpFile"),
    VlMethod<&TApplication::Hint>("Hint"), VlWriter<&TApplication::SetHint>("Hint"),
    VlMethod<&TApplication::ShowHint>("ShowHint"), VlWriter<&TApplication::SetShowHint>("ShowHint"),
    VlMethod<&TApplication::HintPause>("HintPause"), VlWriter<&TApplication::SetHintPause>("HintPause"),
    VlMethod<&TApplication::HintHidePause>("HintHidePause"),
    VlWriter<&TApplication::SetHintHidePause>("HintHidePause"), VlMethod<&TApplication::MainForm>("MainForm"),
    VlSet("MainForm", AppSetMainForm), VlMethod<&TApplication::Terminated>("Terminated"),
    VlMethod<&TApplication::Active>("Active"),
};

// TScreen ----------------------------------------------------------------------------------------------------

int ScreenDataModuleCount(const TScreen &)
{
    int count = 0;
    for (int i = 0; i < Application().ComponentCount(); ++i)
        count += Application().Components(i)->Is<TDataModule>();
    return count;
}
void ScreenDataModules(TVlValue &r, TVlInterpreterArgs &a)
{
    VlSelf<TScreen>(a);
    int index = Int(a, 0);
    for (int i = 0; i < Application().ComponentCount(); ++i)
        if (Application().Components(i)->Is<TDataModule>() && index-- == 0) {
            r = VlObjectValue(Application().Components(i));
            return;
        }
    throw EListError(VlSprintf("List index out of bounds (%d)", Int(a, 0)));
}
void ScreenDataModuleCountGet(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(ScreenDataModuleCount(*VlSelf<TScreen>(a))); }

const TVlMemberBinding ScreenMembers[] = {
    VlMethod<&TScreen::Width>("Width"), VlMethod<&TScreen::Height>("Height"),
    VlMethod<&TScreen::DesktopWidth>("DesktopWidth"), VlMethod<&TScreen::DesktopHeight>("DesktopHeight"),
    VlMethod<&TScreen::WorkAreaWidth>("WorkAreaWidth"), VlMethod<&TScreen::WorkAreaHeight>("WorkAreaHeight"),
    VlMethod<&TScreen::PixelsPerInch>("PixelsPerInch"), VlMethod<&TScreen::FormCount>("FormCount"),
    VlIndexed<&TScreen::Forms>("Forms"), VlMethod<&TScreen::ActiveForm>("ActiveForm"),
    VlMethod<&TScreen::ActiveControl>("ActiveControl"), VlMethod<&TScreen::Cursor>("Cursor"),
    VlWriter<&TScreen::SetCursor>("Cursor"), VlMethod<&TScreen::Fonts>("Fonts"),
    VlGet("DataModuleCount", ScreenDataModuleCountGet), VlIndexedGet("DataModules", ScreenDataModules, "."),
};

// Functions ----------------------------------------------------------------------------------------------------

void ApplicationFn(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(&Application()); }
void ScreenFn(TVlValue &r, TVlInterpreterArgs &)
{
    VlEnsureGuiApplication();
    r = VlObjectValue(&Screen());
}
void GetParentFormFn(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(GetParentForm(VlArgAs<TControl>(a.Values[0]))); }
void ValidParentForm(TVlValue &r, TVlInterpreterArgs &a)
{
    TControl *control = VlArgAs<TControl>(a.Values[0]);
    TForm *form = GetParentForm(control);
    if (!form)
        throw EInvalidOperation(VlSprintf("Control '%s' has no parent window", control ? control->Name().c_str() : ""));
    r = VlObjectValue(form);
}
void IsAccel(TVlValue &r, TVlInterpreterArgs &a)
{
    // The caption's accelerator ("&" before a letter) is that key.
    const std::string caption = Str(a, 1);
    const int key = Int(a, 0);
    bool found = false;
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const char c = caption[i + 1];
        found = (c >= 'a' && c <= 'z' ? c - 32 : c) == key;
        break;
    }
    r = TVlValue::Boolean(found);
}
void KeysToShiftState(TVlValue &r, TVlInterpreterArgs &a)
{
    const int keys = Int(a, 0);
    uint32_t shift = 0;
    if (keys & 0x04) shift |= ssShift;
    if (keys & 0x08) shift |= ssCtrl;
    if (keys & 0x01) shift |= ssLeft;
    if (keys & 0x02) shift |= ssRight;
    if (keys & 0x10) shift |= ssMiddle;
    r = SetToValue(shift);
}
void KeyDataToShiftState(TVlValue &r, TVlInterpreterArgs &a)
{
    // Bit 29 of a key message's data: Alt was held.
    r = SetToValue((Int(a, 0) & (1 << 29)) ? uint32_t(ssAlt) : 0u);
}
void FindGlobalComponent(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::string name = Str(a, 0);
    TComponent *found = Application().FindComponent(name);
    for (int i = 0; !found && i < Screen().FormCount(); ++i)
        if (VlSameName(Screen().Forms(i)->Name(), name))
            found = Screen().Forms(i);
    r = VlObjectValue(found);
}

const TVlFunctionBinding FormsFunctions[] = {
    {"Application", ApplicationFn, ""}, {"Screen", ScreenFn, ""}, {"GetParentForm", GetParentFormFn, "."},
    {"ValidParentForm", ValidParentForm, "."}, {"IsAccel", IsAccel, ".."},
    {"KeysToShiftState", KeysToShiftState, "."}, {"KeyDataToShiftState", KeyDataToShiftState, "."},
    {"FindGlobalComponent", FindGlobalComponent, "."},
};

const TVlIntConstant FormsConstants[] = {
    {"caNone", caNone}, {"caHide", caHide}, {"caFree", caFree}, {"caMinimize", caMinimize},
    {"poNone", 0}, {"poProportional", 1}, {"poPrintToFit", 2}, {"tbHorizontal", 0}, {"tbVertical", 1},
    {"fsCreating", 0}, {"fsVisible", 1}, {"fsShowing", 2}, {"fsModal", 3}, {"fsCreatedMDIChild", 4},
    {"fsActivated", 5}, {"ssRegular", 0}, {"ssFlat", 1}, {"ssHotTrack", 2},
};

const TVlClassBinding FormsClasses[] = {
    {TScrollBox::StaticClassInfo, ScrollBoxMembers, TVlCreate::WithOwner},
    {TForm::StaticClassInfo, FormMembers, TVlCreate::WithOwner},
    {TDataModule::StaticClassInfo, DataModuleMembers, TVlCreate::WithOwner},
    {TScreen::StaticClassInfo, ScreenMembers},
    {TApplication::StaticClassInfo, ApplicationMembers},
};

} // namespace

void VlRegisterForms(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Forms", FormsClasses);
    VlRegisterFunctions(adapter, "Forms", FormsFunctions);
    VlRegisterEnumConstants(adapter, "Forms",
                            {&FormBorderStyleEnumInfo(), &FormStyleEnumInfo(), &PositionEnumInfo(),
                             &WindowStateEnumInfo(), &BorderIconEnumInfo()});
    VlRegisterIntConstants(adapter, "Forms", FormsConstants);
    TVlInterpreterFormsEvent::Register(adapter);
}
