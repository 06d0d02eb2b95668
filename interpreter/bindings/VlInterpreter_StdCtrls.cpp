// The StdCtrls unit for scripts: labels, edits, memos, buttons, check and radio buttons, list and
// combo boxes, group boxes and scroll bars, with their owner-draw and scroll event types.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_StdCtrlsEvent.h"

#include "components/VlCanvas.h"
#include "components/VlStdCtrls.h"

namespace {

const TVlMemberBinding EditMembers[] = {
    VlMethod<&TEdit::Clear>("Clear"), VlMethod<&TEdit::ClearSelection>("ClearSelection"),
    VlMethod<&TEdit::CopyToClipboard>("CopyToClipboard"), VlMethod<&TEdit::CutToClipboard>("CutToClipboard"),
    VlMethod<&TEdit::PasteFromClipboard>("PasteFromClipboard"), VlMethod<&TEdit::SelectAll>("SelectAll"),
    VlMethod<&TEdit::Undo>("Undo"), VlMethod<&TEdit::CanUndo>("CanUndo"), VlMethod<&TEdit::ClearUndo>("ClearUndo"),
    VlMethod<&TEdit::SelStart>("SelStart"), VlWriter<&TEdit::SetSelStart>("SelStart"),
    VlMethod<&TEdit::SelLength>("SelLength"), VlWriter<&TEdit::SetSelLength>("SelLength"),
    VlMethod<&TEdit::SelText>("SelText"), VlWriter<&TEdit::SetSelText>("SelText"),
    VlMethod<&TEdit::Modified>("Modified"), VlWriter<&TEdit::SetModified>("Modified"),
};

const TVlMemberBinding MemoMembers[] = {
    VlMethod<&TMemo::Clear>("Clear"), VlMethod<&TMemo::ClearSelection>("ClearSelection"),
    VlMethod<&TMemo::CopyToClipboard>("CopyToClipboard"), VlMethod<&TMemo::CutToClipboard>("CutToClipboard"),
    VlMethod<&TMemo::PasteFromClipboard>("PasteFromClipboard"), VlMethod<&TMemo::SelectAll>("SelectAll"),
    VlMethod<&TMemo::Undo>("Undo"), VlMethod<&TMemo::CanUndo>("CanUndo"), VlMethod<&TMemo::ClearUndo>("ClearUndo"),
    VlMethod<&TMemo::SelStart>("SelStart"), VlWriter<&TMemo::SetSelStart>("SelStart"),
    VlMethod<&TMemo::SelLength>("SelLength"), VlWriter<&TMemo::SetSelLength>("SelLength"),
    VlMethod<&TMemo::SelText>("SelText"), VlWriter<&TMemo::SetSelText>("SelText"),
    VlMethod<&TMemo::Modified>("Modified"), VlWriter<&TMemo::SetModified>("Modified"),
    VlMethod<&TMemo::CaretPos>("CaretPos"), VlWriter<&TMemo::SetCaretPos>("CaretPos"),
};

const TVlMemberBinding ComboBoxMembers[] = {
    VlMethod<&TComboBox::Clear>("Clear"), VlMethod<&TComboBox::SelectAll>("SelectAll"),
    VlMethod<&TComboBox::SelStart>("SelStart"), VlWriter<&TComboBox::SetSelStart>("SelStart"),
    VlMethod<&TComboBox::SelLength>("SelLength"), VlWriter<&TComboBox::SetSelLength>("SelLength"),
    VlMethod<&TComboBox::SelText>("SelText"), VlWriter<&TComboBox::SetSelText>("SelText"),
    VlMethod<&TComboBox::DroppedDown>("DroppedDown"), VlWriter<&TComboBox::SetDroppedDown>("DroppedDown"),
    VlMethod<&TComboBox::Canvas>("Canvas"),
};

void ListItemAtPos(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Integer(VlSelf<TListBox>(a)->ItemAtPos(VlGui::FromValue<TPoint>(a.Values[0]), ValueToBoolean(a.Values[1])));
}

const TVlMemberBinding ListBoxMembers[] = {
    VlMethod<&TListBox::Clear>("Clear"), VlGet("ItemAtPos", ListItemAtPos, ".."),
    VlMethod<&TListBox::ItemRect>("ItemRect"), VlIndexed<&TListBox::Selected>("Selected"),
    VlIndexedWriter<&TListBox::SetSelected>("Selected"), VlMethod<&TListBox::SelCount>("SelCount"),
    VlMethod<&TListBox::TopIndex>("TopIndex"), VlWriter<&TListBox::SetTopIndex>("TopIndex"),
    VlMethod<&TListBox::Canvas>("Canvas"), VlMethod<&TListBox::ItemIndex>("ItemIndex"),
    VlWriter<&TListBox::SetItemIndex>("ItemIndex"),
};

const TVlMemberBinding ButtonMembers[] = {
    VlMethod<&TButton::Click>("Click"),
};

const TVlMemberBinding ScrollBarMembers[] = {
    VlMethod<&TScrollBar::SetParams>("SetParams"),
};

const TVlClassBinding StdCtrlsClasses[] = {
    {TGroupBox::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TLabel::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TEdit::StaticClassInfo, EditMembers, TVlCreate::WithOwner},
    {TMemo::StaticClassInfo, MemoMembers, TVlCreate::WithOwner},
    {TComboBox::StaticClassInfo, ComboBoxMembers, TVlCreate::WithOwner},
    {TButton::StaticClassInfo, ButtonMembers, TVlCreate::WithOwner},
    {TCheckBox::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TRadioButton::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TListBox::StaticClassInfo, ListBoxMembers, TVlCreate::WithOwner},
    {TScrollBar::StaticClassInfo, ScrollBarMembers, TVlCreate::WithOwner},
};

} // namespace

void VlRegisterStdCtrls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "StdCtrls", StdCtrlsClasses);
    VlRegisterEnumConstants(adapter, "StdCtrls",
                            {&TextLayoutEnumInfo(), &EditCharCaseEnumInfo(), &ScrollStyleEnumInfo(),
                             &CheckBoxStateEnumInfo(), &ComboBoxStyleEnumInfo(), &ScrollBarKindEnumInfo(),
                             &ScrollCodeEnumInfo(), &ListBoxStyleEnumInfo(), &OwnerDrawStateEnumInfo()});
    TVlInterpreterStdCtrlsEvent::Register(adapter);
}
