// The ComCtrls unit for scripts: page controls, status bars, header controls, tree views, list views,
// rich edits, track and progress bars, up-down buttons, and their 25 event types.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_ComCtrlsEvent.h"

#include "components/VlComCtrls.h"
#include "components/VlHeaderControl.h"
#include "components/VlListView.h"
#include "components/VlRichEdit.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

// An untyped pointer slot (Data of nodes and items): objects and pointers keep their address.
void *PointerOf(const TVlValue &v)
{
    switch (v.Kind()) {
    case varVlPointer: case varVlObject: case varVlClass: return v.RawPointer();
    case varEmpty: case varNull: return nullptr;
    default: return reinterpret_cast<void *>(intptr_t(ValueToInteger(v)));
    }
}

// TTabSheet, TPageControl ------------------------------------------------------------------------------------

void SheetSetPageControl(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TTabSheet>(a)->SetPageControl(VlArgAs<TPageControl>(v)); }

const TVlMemberBinding TabSheetMembers[] = {
    VlMethod<&TTabSheet::PageControl>("PageControl"), VlSet("PageControl", SheetSetPageControl),
    VlMethod<&TTabSheet::PageIndex>("PageIndex"), VlWriter<&TTabSheet::SetPageIndex>("PageIndex"),
};

void PagesSelectNextPage(TVlValue &, TVlInterpreterArgs &a)
{
    TPageControl *pages = VlSelf<TPageControl>(a);
    const int count = pages->PageCount();
    if (count == 0)
        return;
    const int step = ValueToBoolean(a.Values[0]) ? 1 : count - 1;
    pages->SetActivePageIndex((std::max(0, pages->ActivePageIndex()) + step) % count);
}

const TVlMemberBinding PageControlMembers[] = {
    VlMethod<&TPageControl::PageCount>("PageCount"), VlIndexed<&TPageControl::Pages>("Pages"),
    VlMethod<&TPageControl::ActivePageIndex>("ActivePageIndex"),
    VlWriter<&TPageControl::SetActivePageIndex>("ActivePageIndex"), VlGet("SelectNextPage", PagesSelectNextPage, "*"),
};

// TStatusPanel(s), TStatusBar, THeaderSection(s), THeaderControl ------------------------------------------------

const TVlMemberBinding StatusPanelsMembers[] = {
    VlMethod<&TStatusPanels::Add>("Add"), VlIndexed<&TStatusPanels::Items>("Items"),
    VlDefaultReader<&TStatusPanels::Items>(),
};

const TVlMemberBinding StatusBarMembers[] = {
    VlMethod<&TStatusBar::Canvas>("Canvas"),
};

const TVlMemberBinding HeaderSectionMembers[] = {
    VlMethod<&THeaderSection::Left>("Left"), VlMethod<&THeaderSection::Right>("Right"),
};

const TVlMemberBinding HeaderSectionsMembers[] = {
    VlMethod<&THeaderSections::Add>("Add"), VlIndexed<&THeaderSections::Items>("Items"),
    VlDefaultReader<&THeaderSections::Items>(),
};

const TVlMemberBinding HeaderControlMembers[] = {
    VlMethod<&THeaderControl::Canvas>("Canvas"),
};

// TTreeNode, TTreeNodes, TTreeView -----------------------------------------------------------------------------

TTreeNode *Node(TVlInterpreterArgs &a) { return VlSelf<TTreeNode>(a); }
void NodeData(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(Node(a)->Data); }
void NodeSetData(const TVlValue &v, TVlInterpreterArgs &a) { Node(a)->Data = PointerOf(v); }
void NodeCustomSort(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TTreeNode.CustomSort"); }
void NodeAlphaSort(TVlValue &, TVlInterpreterArgs &a) { Node(a)->TreeView()->AlphaSort(); }

const TVlMemberBinding TreeNodeMembers[] = {
    VlMethod<&TTreeNode::Text>("Text"), VlWriter<&TTreeNode::SetText>("Text"), VlMethod<&TTreeNode::Parent>("Parent"),
    VlMethod<&TTreeNode::Count>("Count"), VlIndexed<&TTreeNode::Item>("Item"), VlDefaultReader<&TTreeNode::Item>(),
    VlMethod<&TTreeNode::Level>("Level"), VlMethod<&TTreeNode::Expanded>("Expanded"),
    VlWriter<&TTreeNode::SetExpanded>("Expanded"), VlMethod<&TTreeNode::Expand>("Expand"),
    VlMethod<&TTreeNode::Collapse>("Collapse"), VlMethod<&TTreeNode::HasChildren>("HasChildren"),
    VlMethod<&TTreeNode::Index>("Index"), VlMethod<&TTreeNode::AbsoluteIndex>("AbsoluteIndex"),
    VlMethod<&TTreeNode::GetFirstChild>("GetFirstChild"), VlMethod<&TTreeNode::GetLastChild>("GetLastChild"),
    VlMethod<&TTreeNode::GetNextSibling>("GetNextSibling"), VlMethod<&TTreeNode::GetPrevSibling>("GetPrevSibling"),
    VlMethod<&TTreeNode::GetNext>("GetNext"), VlMethod<&TTreeNode::GetPrev>("GetPrev"),
    VlMethod<&TTreeNode::Selected>("Selected"), VlWriter<&TTreeNode::SetSelected>("Selected"),
    VlMethod<&TTreeNode::Focused>("Focused"), VlMethod<&TTreeNode::IsVisible>("IsVisible"),
    VlMethod<&TTreeNode::MakeVisible>("MakeVisible"), VlMethod<&TTreeNode::EditText>("EditText"),
    VlMethod<&TTreeNode::Delete>("Delete"), VlMethod<&TTreeNode::DeleteChildren>("DeleteChildren"),
    VlMethod<&TTreeNode::TreeView>("TreeView"), VlMethod<&TTreeNode::Owner>("Owner"),
    VlMethod<&TTreeNode::DisplayRect>("DisplayRect"), VlGet("Data", NodeData), VlSet("Data", NodeSetData),
    VlMethod<&TTreeNode::ImageIndex>("ImageIndex"), VlWriter<&TTreeNode::ImageIndex>("ImageIndex"),
    VlMethod<&TTreeNode::SelectedIndex>("SelectedIndex"), VlWriter<&TTreeNode::SelectedIndex>("SelectedIndex"),
    VlMethod<&TTreeNode::StateIndex>("StateIndex"), VlWriter<&TTreeNode::StateIndex>("StateIndex"),
    VlMethod<&TTreeNode::OverlayIndex>("OverlayIndex"), VlWriter<&TTreeNode::OverlayIndex>("OverlayIndex"),
    VlGet("AlphaSort", NodeAlphaSort), VlGet("CustomSort", NodeCustomSort, "*"),
};

const TVlMemberBinding TreeNodesMembers[] = {
    VlMethod<&TTreeNodes::Add>("Add"), VlMethod<&TTreeNodes::AddChild>("AddChild"),
    VlMethod<&TTreeNodes::AddFirst>("AddFirst"), VlMethod<&TTreeNodes::AddChildFirst>("AddChildFirst"),
    VlMethod<&TTreeNodes::Insert>("Insert"), VlMethod<&TTreeNodes::Delete>("Delete"),
    VlMethod<&TTreeNodes::Clear>("Clear"), VlMethod<&TTreeNodes::Count>("Count"),
    VlIndexed<&TTreeNodes::Item>("Item"), VlDefaultReader<&TTreeNodes::Item>(),
    VlMethod<&TTreeNodes::GetFirstNode>("GetFirstNode"), VlMethod<&TTreeNodes::BeginUpdate>("BeginUpdate"),
    VlMethod<&TTreeNodes::EndUpdate>("EndUpdate"), VlMethod<&TTreeNodes::Owner>("Owner"),
};

void TreeSetSelected(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TTreeView>(a)->SetSelected(VlArgAs<TTreeNode>(v)); }
void TreeSetTopItem(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TTreeView>(a)->SetTopItem(VlArgAs<TTreeNode>(v)); }
void TreeCustomSort(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TCustomTreeView.CustomSort"); }

const TVlMemberBinding TreeViewMembers[] = {
    VlMethod<&TTreeView::Selected>("Selected"), VlSet("Selected", TreeSetSelected),
    VlMethod<&TTreeView::FullExpand>("FullExpand"), VlMethod<&TTreeView::FullCollapse>("FullCollapse"),
    VlMethod<&TTreeView::AlphaSort>("AlphaSort"), VlGet("CustomSort", TreeCustomSort, "*"),
    VlMethod<&TTreeView::GetNodeAt>("GetNodeAt"), VlMethod<&TTreeView::TopItem>("TopItem"),
    VlSet("TopItem", TreeSetTopItem), VlMethod<&TTreeView::IsEditing>("IsEditing"),
    VlMethod<&TTreeView::SaveToFile>("SaveToFile"), VlMethod<&TTreeView::LoadFromFile>("LoadFromFile"),
};

// TTrackBar, TProgressBar, TUpDown -------------------------------------------------------------------------------

const TVlMemberBinding ProgressBarMembers[] = {
    VlMethod<&TProgressBar::StepIt>("StepIt"), VlMethod<&TProgressBar::StepBy>("StepBy"),
};

const TVlMemberBinding UpDownMembers[] = {
    VlMethod<&TUpDown::ClickButton>("ClickButton"),
};

// TListColumn(s), TListItem(s), TListView --------------------------------------------------------------------------

const TVlMemberBinding ListColumnsMembers[] = {
    VlMethod<&TListColumns::Add>("Add"), VlIndexed<&TListColumns::Items>("Items"),
    VlDefaultReader<&TListColumns::Items>(), VlMethod<&TListColumns::Owner>("Owner"),
};

TListItem *ListItem(TVlInterpreterArgs &a) { return VlSelf<TListItem>(a); }
void ItemData(TVlValue &r, TVlInterpreterArgs &a) { r = PointerToValue(ListItem(a)->Data); }
void ItemSetData(const TVlValue &v, TVlInterpreterArgs &a) { ListItem(a)->Data = PointerOf(v); }
void ItemSetSubItems(const TVlValue &v, TVlInterpreterArgs &a) { ListItem(a)->SetSubItems(VlArgAs<TStrings>(v)); }
void ItemMakeVisible(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 0, 1);
    ListItem(a)->MakeVisible(a.Count > 0 && ValueToBoolean(a.Values[0]));
}

const TVlMemberBinding ListItemMembers[] = {
    VlMethod<&TListItem::Caption>("Caption"), VlWriter<&TListItem::SetCaption>("Caption"),
    VlMethod<&TListItem::SubItems>("SubItems"), VlSet("SubItems", ItemSetSubItems),
    VlMethod<&TListItem::ImageIndex>("ImageIndex"), VlWriter<&TListItem::SetImageIndex>("ImageIndex"),
    VlMethod<&TListItem::StateIndex>("StateIndex"), VlWriter<&TListItem::SetStateIndex>("StateIndex"),
    VlMethod<&TListItem::Checked>("Checked"), VlWriter<&TListItem::SetChecked>("Checked"),
    VlMethod<&TListItem::Selected>("Selected"), VlWriter<&TListItem::SetSelected>("Selected"),
    VlMethod<&TListItem::Focused>("Focused"), VlWriter<&TListItem::SetFocused>("Focused"),
    VlMethod<&TListItem::Index>("Index"), VlMethod<&TListItem::Owner>("Owner"),
    VlMethod<&TListItem::ListView>("ListView"), VlMethod<&TListItem::Delete>("Delete"),
    VlGet("MakeVisible", ItemMakeVisible, "*"), VlMethod<&TListItem::EditCaption>("EditCaption"),
    VlMethod<&TListItem::DisplayRect>("DisplayRect"), VlGet("Data", ItemData), VlSet("Data", ItemSetData),
};

void ItemsSetItem(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TListItems>(a)->SetItem(ValueToInteger(a.Values[0]), VlArgAs<TListItem>(v));
}

const TVlMemberBinding ListItemsMembers[] = {
    VlMethod<&TListItems::Add>("Add"), VlMethod<&TListItems::Insert>("Insert"),
    VlMethod<&TListItems::Delete>("Delete"), VlMethod<&TListItems::Clear>("Clear"),
    VlMethod<&TListItems::Count>("Count"), VlIndexed<&TListItems::Item>("Item"),
    VlIndexedSet("Item", ItemsSetItem, "."), VlDefaultReader<&TListItems::Item>(), VlDefaultSet(ItemsSetItem, "."),
    VlMethod<&TListItems::IndexOf>("IndexOf"), VlMethod<&TListItems::BeginUpdate>("BeginUpdate"),
    VlMethod<&TListItems::EndUpdate>("EndUpdate"), VlMethod<&TListItems::Owner>("Owner"),
};

TListView *View(TVlInterpreterArgs &a) { return VlSelf<TListView>(a); }
void ViewSetSelected(const TVlValue &v, TVlInterpreterArgs &a) { View(a)->SetSelected(VlArgAs<TListItem>(v)); }
void ViewSetItemFocused(const TVlValue &v, TVlInterpreterArgs &a) { View(a)->SetItemFocused(VlArgAs<TListItem>(v)); }
void ViewCustomSort(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TCustomListView.CustomSort"); }
void ViewFindCaption(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(View(a)->FindCaption(Int(a, 0), Str(a, 1), ValueToBoolean(a.Values[2]),
                                           ValueToBoolean(a.Values[3]), ValueToBoolean(a.Values[4])));
}
void ViewFindData(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(View(a)->FindData(Int(a, 0), PointerOf(a.Values[1]), ValueToBoolean(a.Values[2]),
                                        ValueToBoolean(a.Values[3])));
}

const TVlMemberBinding ListViewMembers[] = {
    VlMethod<&TListView::Selected>("Selected"), VlSet("Selected", ViewSetSelected),
    VlMethod<&TListView::ItemFocused>("ItemFocused"), VlSet("ItemFocused", ViewSetItemFocused),
    VlMethod<&TListView::SelCount>("SelCount"), VlMethod<&TListView::AlphaSort>("AlphaSort"),
    VlGet("CustomSort", ViewCustomSort, "*"), VlGet("FindCaption", ViewFindCaption, "....."),
    VlGet("FindData", ViewFindData, "...."), VlMethod<&TListView::GetItemAt>("GetItemAt"),
    VlMethod<&TListView::TopItem>("TopItem"), VlMethod<&TListView::VisibleRowCount>("VisibleRowCount"),
    VlMethod<&TListView::Scroll>("Scroll"), VlMethod<&TListView::IsEditing>("IsEditing"),
};

// TRichEdit, TTextAttributes, TParaAttributes ---------------------------------------------------------------------

void RichSetSelAttributes(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TRichEdit>(a)->SetSelAttributes(VlArgAs<TTextAttributes>(v));
}
void RichSetDefAttributes(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TRichEdit>(a)->SetDefAttributes(VlArgAs<TTextAttributes>(v));
}
void RichFindText(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Integer(VlSelf<TRichEdit>(a)->FindText(Str(a, 0), Int(a, 1), Int(a, 2), ValueToSet(a.Values[3])));
}

const TVlMemberBinding RichEditMembers[] = {
    VlMethod<&TRichEdit::SelStart>("SelStart"), VlWriter<&TRichEdit::SetSelStart>("SelStart"),
    VlMethod<&TRichEdit::SelLength>("SelLength"), VlWriter<&TRichEdit::SetSelLength>("SelLength"),
    VlMethod<&TRichEdit::SelText>("SelText"), VlWriter<&TRichEdit::SetSelText>("SelText"),
    VlMethod<&TRichEdit::SelectAll>("SelectAll"), VlMethod<&TRichEdit::ClearSelection>("ClearSelection"),
    VlMethod<&TRichEdit::Clear>("Clear"), VlMethod<&TRichEdit::CopyToClipboard>("CopyToClipboard"),
    VlMethod<&TRichEdit::CutToClipboard>("CutToClipboard"), VlMethod<&TRichEdit::PasteFromClipboard>("PasteFromClipboard"),
    VlMethod<&TRichEdit::Undo>("Undo"), VlMethod<&TRichEdit::CanUndo>("CanUndo"),
    VlMethod<&TRichEdit::Modified>("Modified"), VlWriter<&TRichEdit::SetModified>("Modified"),
    VlGet("FindText", RichFindText, "...."), VlMethod<&TRichEdit::Print>("Print"),
    VlMethod<&TRichEdit::SelAttributes>("SelAttributes"), VlSet("SelAttributes", RichSetSelAttributes),
    VlMethod<&TRichEdit::DefAttributes>("DefAttributes"), VlSet("DefAttributes", RichSetDefAttributes),
    VlMethod<&TRichEdit::Paragraph>("Paragraph"),
};

const TVlMemberBinding TextAttributesMembers[] = {
    VlMethod<&TTextAttributes::Assign>("Assign"),
};

const TVlMemberBinding ParaAttributesMembers[] = {
    VlMethod<&TParaAttributes::Assign>("Assign"), VlIndexed<&TParaAttributes::Tab>("Tab"),
    VlIndexedWriter<&TParaAttributes::SetTab>("Tab"),
};

const TVlClassBinding ComCtrlsClasses[] = {
    {TTabSheet::StaticClassInfo, TabSheetMembers, TVlCreate::WithOwner},
    {TPageControl::StaticClassInfo, PageControlMembers, TVlCreate::WithOwner},
    {TStatusPanel::StaticClassInfo, {}},
    {TStatusPanels::StaticClassInfo, StatusPanelsMembers},
    {TStatusBar::StaticClassInfo, StatusBarMembers, TVlCreate::WithOwner},
    {THeaderSection::StaticClassInfo, HeaderSectionMembers},
    {THeaderSections::StaticClassInfo, HeaderSectionsMembers},
    {THeaderControl::StaticClassInfo, HeaderControlMembers, TVlCreate::WithOwner},
    {TTreeNode::StaticClassInfo, TreeNodeMembers},
    {TTreeNodes::StaticClassInfo, TreeNodesMembers},
    {TTreeView::StaticClassInfo, TreeViewMembers, TVlCreate::WithOwner},
    {TTrackBar::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TProgressBar::StaticClassInfo, ProgressBarMembers, TVlCreate::WithOwner},
    {TUpDown::StaticClassInfo, UpDownMembers, TVlCreate::WithOwner},
    {TListColumn::StaticClassInfo, {}},
    {TListColumns::StaticClassInfo, ListColumnsMembers},
    {TListItem::StaticClassInfo, ListItemMembers},
    {TListItems::StaticClassInfo, ListItemsMembers},
    {TListView::StaticClassInfo, ListViewMembers, TVlCreate::WithOwner},
    {TTextAttributes::StaticClassInfo, TextAttributesMembers},
    {TParaAttributes::StaticClassInfo, ParaAttributesMembers},
    {TRichEdit::StaticClassInfo, RichEditMembers, TVlCreate::WithOwner},
};

const TVlIntConstant ComCtrlsConstants[] = {
    {"trHorizontal", trHorizontal}, {"trVertical", trVertical}, {"udHorizontal", udHorizontal},
    {"udVertical", udVertical}, {"btNext", btNext}, {"btPrev", btPrev}, {"psText", psText},
    {"psOwnerDraw", psOwnerDraw}, {"pbNone", pbNone}, {"pbLowered", pbLowered}, {"pbRaised", pbRaised},
    {"stWholeWord", 0}, {"stMatchCase", 1}, {"tsNone", 0}, {"tsAuto", 1}, {"tsManual", 2},
    {"tmBottomRight", 0}, {"tmTopLeft", 1}, {"tmBoth", 2}, {"tpTop", 0}, {"tpBottom", 1}, {"tpLeft", 2},
    {"tpRight", 3}, {"tsTabs", 0}, {"tsButtons", 1}, {"tsFlatButtons", 2}, {"naAdd", 0}, {"naAddFirst", 1},
    {"naAddChild", 2}, {"naAddChildFirst", 3}, {"naInsert", 4}, {"taAddFirst", 0}, {"taAdd", 1}, {"taInsert", 2},
    {"iaTop", 0}, {"iaLeft", 1}, {"drBounds", 0}, {"drIcon", 1}, {"drLabel", 2}, {"drSelectBounds", 3},
    {"isNone", 0}, {"isCut", 1}, {"isDropHilited", 2}, {"isFocused", 3}, {"isSelected", 4},
    {"atSelected", atSelected}, {"atDefaultText", atDefaultText}, {"pbHorizontal", 0}, {"pbVertical", 1},
};

} // namespace

void VlRegisterComCtrls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "ComCtrls", ComCtrlsClasses);
    VlRegisterEnumConstants(adapter, "ComCtrls",
                            {&HeaderSectionStyleEnumInfo(), &SectionTrackStateEnumInfo(), &ViewStyleEnumInfo(),
                             &SortTypeEnumInfo(), &ItemChangeEnumInfo(), &NumberingStyleEnumInfo()});
    VlRegisterIntConstants(adapter, "ComCtrls", ComCtrlsConstants);
    TVlInterpreterComCtrlsEvent::Register(adapter);
}
