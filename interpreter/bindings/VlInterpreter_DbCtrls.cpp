// The DbCtrls unit for scripts: data-aware edits, labels, memos, check boxes, lookup boxes and the
// navigator, and the names of the data-aware controls this system does not have.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_DbValues.h"

#include "components/db/VlDbCtrls.h"
#include "components/db/VlDbField.h"

namespace {

void LookupKeyValue(TVlValue &r, TVlInterpreterArgs &a) { r = VlDbToScriptValue(VlSelf<TDBLookupComboBox>(a)->KeyValue()); }
void LookupSetKeyValue(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TDBLookupComboBox>(a)->SetKeyValue(VlScriptToDbValue(v));
}

const TVlMemberBinding EditMembers[] = {VlMethod<&TDBEdit::Field>("Field")};
const TVlMemberBinding TextMembers[] = {VlMethod<&TDBText::Field>("Field")};
const TVlMemberBinding MemoMembers[] = {VlMethod<&TDBMemo::Field>("Field")};
const TVlMemberBinding CheckBoxMembers[] = {VlMethod<&TDBCheckBox::Field>("Field")};
const TVlMemberBinding LookupMembers[] = {
    VlMethod<&TDBLookupComboBox::Field>("Field"), VlGet("KeyValue", LookupKeyValue), VlSet("KeyValue", LookupSetKeyValue),
    VlMethod<&TDBLookupComboBox::Text>("Text"), VlMethod<&TDBLookupComboBox::ItemCount>("ItemCount"),
};
const TVlMemberBinding NavigatorMembers[] = {
    VlMethod<&TDBNavigator::BtnClick>("BtnClick"), VlMethod<&TDBNavigator::ButtonEnabled>("ButtonEnabled"),
};

const TVlClassBinding DbCtrlsClasses[] = {
    {TDBEdit::StaticClassInfo, EditMembers, TVlCreate::WithOwner},
    {TDBText::StaticClassInfo, TextMembers, TVlCreate::WithOwner},
    {TDBMemo::StaticClassInfo, MemoMembers, TVlCreate::WithOwner},
    {TDBCheckBox::StaticClassInfo, CheckBoxMembers, TVlCreate::WithOwner},
    {TDBLookupComboBox::StaticClassInfo, LookupMembers, TVlCreate::WithOwner},
    {TDBNavigator::StaticClassInfo, NavigatorMembers, TVlCreate::WithOwner},
};

void MissingClass(TVlValue &, TVlInterpreterArgs &a) { VlNotImplemented(a.Identifier); }

const TVlFunctionBinding MissingControls[] = {
    {"TDBImage", MissingClass, "*"}, {"TDBListBox", MissingClass, "*"}, {"TDBComboBox", MissingClass, "*"},
    {"TDBRadioGroup", MissingClass, "*"}, {"TDBRichEdit", MissingClass, "*"},
    {"TDBLookupListBox", MissingClass, "*"},
};

} // namespace

void VlRegisterDbCtrls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbCtrls", DbCtrlsClasses);
    VlRegisterFunctions(adapter, "DbCtrls", MissingControls);
    VlRegisterEnumConstants(adapter, "DbCtrls", {&NavigateBtnEnumInfo()});
}
