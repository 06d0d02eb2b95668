// The DbCtrls unit for scripts: data-aware edits, labels, memos, check boxes, lookup boxes and the
// navigator, and the data-aware controls this system does not have, whose members answer
// "not implemented".
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterMissingMembers.h"
#include "VlInterpreter_DbValues.h"

#include "components/VlExtCtrls.h"
#include "components/VlPaintControls.h"
#include "components/VlRichEdit.h"
#include "components/db/VlDbCtrls.h"
#include "components/db/VlDbField.h"

namespace {

void LookupKeyValue(TVlValue &r, TVlInterpreterArgs &a) { r = VlDbToScriptValue(VlSelf<TDBLookupComboBox>(a)->KeyValue()); }
void LookupSetKeyValue(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TDBLookupComboBox>(a)->SetKeyValue(VlScriptToDbValue(v));
}

// DataSource, DataField and Field, which each single-field control declares.
template <class C>
constexpr TVlMemberBinding FieldControlMembers[] = {
    VlMethod<&C::DataSource>("DataSource"), VlWriter<&C::SetDataSource>("DataSource"),
    VlMethod<&C::DataField>("DataField"), VlWriter<&C::SetDataField>("DataField"), VlMethod<&C::Field>("Field"),
};

const TVlMemberBinding CheckBoxMembers[] = {
    VlMethod<&TDBCheckBox::ValueChecked>("ValueChecked"), VlWriter<&TDBCheckBox::SetValueChecked>("ValueChecked"),
    VlMethod<&TDBCheckBox::ValueUnchecked>("ValueUnchecked"),
    VlWriter<&TDBCheckBox::SetValueUnchecked>("ValueUnchecked"),
};
const TVlMemberBinding LookupMembers[] = {
    VlGet("KeyValue", LookupKeyValue), VlSet("KeyValue", LookupSetKeyValue),
    VlMethod<&TDBLookupComboBox::Text>("Text"), VlMethod<&TDBLookupComboBox::ItemCount>("ItemCount"),
    VlMethod<&TDBLookupComboBox::ListSource>("ListSource"), VlWriter<&TDBLookupComboBox::SetListSource>("ListSource"),
    VlMethod<&TDBLookupComboBox::KeyField>("KeyField"), VlWriter<&TDBLookupComboBox::SetKeyField>("KeyField"),
    VlMethod<&TDBLookupComboBox::ListField>("ListField"), VlWriter<&TDBLookupComboBox::SetListField>("ListField"),
};
const TVlMemberBinding NavigatorMembers[] = {
    VlMethod<&TDBNavigator::BtnClick>("BtnClick"), VlMethod<&TDBNavigator::ButtonEnabled>("ButtonEnabled"),
    VlMethod<&TDBNavigator::DataSource>("DataSource"), VlWriter<&TDBNavigator::SetDataSource>("DataSource"),
    VlMethod<&TDBNavigator::VisibleButtons>("VisibleButtons"),
    VlWriter<&TDBNavigator::SetVisibleButtons>("VisibleButtons"),
    VlMethod<&TDBNavigator::ConfirmDelete>("ConfirmDelete"), VlWriter<&TDBNavigator::SetConfirmDelete>("ConfirmDelete"),
};

const TVlClassBinding DbCtrlsClasses[] = {
    {TDBEdit::StaticClassInfo, FieldControlMembers<TDBEdit>, TVlCreate::WithOwner},
    {TDBText::StaticClassInfo, FieldControlMembers<TDBText>, TVlCreate::WithOwner},
    {TDBMemo::StaticClassInfo, FieldControlMembers<TDBMemo>, TVlCreate::WithOwner},
    {TDBCheckBox::StaticClassInfo, FieldControlMembers<TDBCheckBox>, TVlCreate::WithOwner},
    {TDBLookupComboBox::StaticClassInfo, FieldControlMembers<TDBLookupComboBox>, TVlCreate::WithOwner},
    {TDBNavigator::StaticClassInfo, NavigatorMembers, TVlCreate::WithOwner},
};
// Members of their own, besides the field ones.
const TVlClassBinding OwnMembers[] = {
    {TDBCheckBox::StaticClassInfo, CheckBoxMembers},
    {TDBLookupComboBox::StaticClassInfo, LookupMembers},
};

// The data-aware controls this system has no counterpart for, known by name only.
VL_NAMED_CLASS(DBImageInfo, "TDBImage", TCustomControl, "DbCtrls")
VL_NAMED_CLASS(DBListBoxInfo, "TDBListBox", TListBox, "DbCtrls")
VL_NAMED_CLASS(DBComboBoxInfo, "TDBComboBox", TComboBox, "DbCtrls")
VL_NAMED_CLASS(DBRadioGroupInfo, "TDBRadioGroup", TRadioGroup, "DbCtrls")
VL_NAMED_CLASS(DBRichEditInfo, "TDBRichEdit", TRichEdit, "DbCtrls")
VL_NAMED_CLASS(DBLookupListBoxInfo, "TDBLookupListBox", TWinControl, "DbCtrls")

const char *const MissingFieldGetters[] = {"Create", "DataSource", "DataField", "Field", "ReadOnly"};
const char *const MissingFieldSetters[] = {"DataSource", "DataField", "ReadOnly"};
const char *const ImageGetters[] = {"Picture", "AutoDisplay", "Stretch", "Center", "LoadPicture", "CopyToClipboard",
                                    "CutToClipboard", "PasteFromClipboard"};
const char *const ImageSetters[] = {"AutoDisplay", "Stretch", "Center"};
const char *const RadioGroupNames[] = {"Value", "Values"};
const char *const RichEditGetters[] = {"AutoDisplay", "LoadMemo"};
const char *const RichEditSetters[] = {"AutoDisplay"};
const char *const LookupListGetters[] = {"ListSource", "KeyField", "ListField", "KeyValue", "SelectedItem", "RowCount"};
const char *const LookupListSetters[] = {"ListSource", "KeyField", "ListField", "KeyValue", "RowCount"};

const TVlMissingMembers MissingControls[] = {
    {DBImageInfo, MissingFieldGetters, MissingFieldSetters},
    {DBImageInfo, ImageGetters, ImageSetters},
    {DBListBoxInfo, MissingFieldGetters, MissingFieldSetters},
    {DBComboBoxInfo, MissingFieldGetters, MissingFieldSetters},
    {DBRadioGroupInfo, MissingFieldGetters, MissingFieldSetters},
    {DBRadioGroupInfo, RadioGroupNames, RadioGroupNames},
    {DBRichEditInfo, MissingFieldGetters, MissingFieldSetters},
    {DBRichEditInfo, RichEditGetters, RichEditSetters},
    {DBLookupListBoxInfo, MissingFieldGetters, MissingFieldSetters},
    {DBLookupListBoxInfo, LookupListGetters, LookupListSetters},
};

const TVlClassBinding MissingClasses[] = {
    {DBImageInfo, {}}, {DBListBoxInfo, {}}, {DBComboBoxInfo, {}},
    {DBRadioGroupInfo, {}}, {DBRichEditInfo, {}}, {DBLookupListBoxInfo, {}},
};

} // namespace

void VlRegisterDbCtrls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbCtrls", DbCtrlsClasses);
    for (const TVlClassBinding &c : OwnMembers)
        VlRegisterMembers(adapter, "DbCtrls", c.Info(), c.Members);
    VlRegisterClassTable(adapter, "DbCtrls", MissingClasses);
    VlRegisterMissingMembers(adapter, "DbCtrls", MissingControls);
    VlRegisterEnumConstants(adapter, "DbCtrls", {&NavigateBtnEnumInfo()});
}
