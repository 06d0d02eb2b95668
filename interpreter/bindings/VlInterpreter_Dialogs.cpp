// The Dialogs unit for scripts: the common dialogs, ShowMessage, MessageDlg, InputQuery and their kin,
// and the dialog constants.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterFormatArgs.h"
#include "VlInterpreterGui_all.h"

#include "components/VlDialogs.h"
#include "components/VlForms.h"
#include "components/VlMessageDialogs.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

// The dialogs' Execute and the other members that form files do not hold ----------------------------------

void DialogExecute(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = TVlValue::Boolean(VlSelf<TCommonDialog>(a)->Execute());
}

const TVlMemberBinding CommonDialogMembers[] = {
    VlGet("Execute", DialogExecute),
};

const TVlMemberBinding OpenDialogMembers[] = {
    VlMethod<&TOpenDialog::Files>("Files"),
};

void FindPosition(TVlValue &r, TVlInterpreterArgs &a) { r = VlGui::ToValue(a, VlSelf<TFindDialog>(a)->Position()); }
void FindSetPosition(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TFindDialog>(a)->SetPosition(VlGui::FromValue<TPoint>(v)); }

const TVlMemberBinding FindDialogMembers[] = {
    VlMethod<&TFindDialog::CloseDialog>("CloseDialog"), VlGet("Position", FindPosition),
    VlSet("Position", FindSetPosition), VlMethod<&TFindDialog::Left>("Left"), VlWriter<&TFindDialog::SetLeft>("Left"),
    VlMethod<&TFindDialog::Top>("Top"), VlWriter<&TFindDialog::SetTop>("Top"),
};

// Message boxes ---------------------------------------------------------------------------------------------------

void ShowMessageFn(TVlValue &, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    ShowMessage(Str(a, 0));
}
void ShowMessageFmt(TVlValue &, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    ShowMessage(VlFormatScriptArgs(a, 0, 1));
}
void ShowMessagePos(TVlValue &, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    ShowMessage(Str(a, 0), Int(a, 1), Int(a, 2));
}
void MessageDlgFn(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = TVlValue::Integer(MessageDlg(Str(a, 0), TMsgDlgType(Int(a, 1)), ValueToSet(a.Values[2])));
}
void MessageDlgPos(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = TVlValue::Integer(MessageDlg(Str(a, 0), TMsgDlgType(Int(a, 1)), ValueToSet(a.Values[2]), Int(a, 4), Int(a, 5)));
}
void MessageDlgPosHelp(TVlValue &r, TVlInterpreterArgs &a)
{
    // The help file (argument 6) has no viewer here; the dialog is the same.
    MessageDlgPos(r, a);
}
void InputBoxFn(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = TVlValue::String(InputBox(Str(a, 0), Str(a, 1), Str(a, 2)));
}
void InputQueryFn(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    std::string value = Str(a, 2);
    const bool accepted = InputQuery(Str(a, 0), Str(a, 1), value);
    if (accepted)
        a.Values[2] = TVlValue::String(value);
    r = TVlValue::Boolean(accepted);
}
void CreateMessageDialogFn(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    r = VlObjectValue(CreateMessageDialog(Str(a, 0), TMsgDlgType(Int(a, 1)), ValueToSet(a.Values[2])));
}

const TVlFunctionBinding DialogsFunctions[] = {
    {"ShowMessage", ShowMessageFn, "."}, {"ShowMessageFmt", ShowMessageFmt, ".."},
    {"ShowMessagePos", ShowMessagePos, "..."}, {"MessageDlg", MessageDlgFn, "...."},
    {"MessageDlgPos", MessageDlgPos, "......"}, {"MessageDlgPosHelp", MessageDlgPosHelp, "......."},
    {"InputBox", InputBoxFn, "..."}, {"InputQuery", InputQueryFn, "..v"},
    {"CreateMessageDialog", CreateMessageDialogFn, "..."},
};

const TVlClassBinding DialogsClasses[] = {
    {TCommonDialog::StaticClassInfo, CommonDialogMembers},
    {TOpenDialog::StaticClassInfo, OpenDialogMembers, TVlCreate::WithOwner},
    {TSaveDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TFontDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TColorDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TPrintDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TPrinterSetupDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TFindDialog::StaticClassInfo, FindDialogMembers, TVlCreate::WithOwner},
    {TReplaceDialog::StaticClassInfo, {}, TVlCreate::WithOwner},
};

const TVlIntConstant MessageConstants[] = {
    {"mtWarning", mtWarning}, {"mtError", mtError}, {"mtInformation", mtInformation},
    {"mtConfirmation", mtConfirmation}, {"mtCustom", mtCustom}, {"mbYes", mbYes}, {"mbNo", mbNo}, {"mbOK", mbOK},
    {"mbCancel", mbCancel}, {"mbAbort", mbAbort}, {"mbRetry", mbRetry}, {"mbIgnore", mbIgnore}, {"mbAll", mbAll},
    {"mbNoToAll", mbNoToAll}, {"mbYesToAll", mbYesToAll}, {"mbHelp", mbHelp},
};

} // namespace

void VlRegisterDialogs(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Dialogs", DialogsClasses);
    VlRegisterFunctions(adapter, "Dialogs", DialogsFunctions);
    VlRegisterIntConstants(adapter, "Dialogs", MessageConstants);
    // The button sets are set constants.
    const struct {
        const char *Name;
        TMsgDlgButtons Buttons;
    } sets[] = {
        {"mbYesNoCancel", mbYesNoCancel}, {"mbYesAllNoAllCancel", mbYesAllNoAllCancel},
        {"mbOKCancel", mbOKCancel}, {"mbAbortRetryIgnore", mbAbortRetryIgnore}, {"mbAbortIgnore", mbAbortIgnore},
    };
    for (const auto &set : sets)
        adapter.AddConstant("Dialogs", set.Name, SetToValue(set.Buttons));
    VlRegisterEnumConstants(adapter, "Dialogs",
                            {&OpenOptionEnumInfo(), &FontDialogOptionEnumInfo(), &FontDialogDeviceEnumInfo(),
                             &ColorDialogOptionEnumInfo(), &PrintDialogOptionEnumInfo(), &PrintRangeEnumInfo(),
                             &FindOptionEnumInfo()});
}
