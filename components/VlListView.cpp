// TListView over QTreeWidget: items with sub-items in columns, their events, sorting and searching.
#include "VlListView.h"

#include "VlControlProps.h"
#include "VlExceptions.h"
#include "VlWidgetBridge.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

namespace {

QTreeWidgetItem *ItemWidget(const void *item) { return static_cast<QTreeWidgetItem *>(const_cast<void *>(item)); }

} // namespace

const TEnumInfo &ViewStyleEnumInfo()
{
    static const TEnumInfo info("TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
    return info;
}

const TEnumInfo &SortTypeEnumInfo()
{
    static const TEnumInfo info("TSortType", {"stNone", "stData", "stText", "stBoth"});
    return info;
}

const TEnumInfo &ItemChangeEnumInfo()
{
    static const TEnumInfo info("TItemChange", {"ctText", "ctImage", "ctState"});
    return info;
}

// The tree widget of a list view: editing a caption asks OnEditing first.
class TListView::TVlListWidget : public QTreeWidget {
public:
    explicit TVlListWidget(TListView *view) : FView(view) { setRootIsDecorated(false); }
    bool Editing() const { return state() == EditingState; }

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        if (trigger == QAbstractItemView::NoEditTriggers || index.column() != 0 || FView->ReadOnly())
            return false;
        bool allowed = true;
        VlGuard([&] { allowed = FView->CanEdit(FView->ItemOf(itemFromIndex(index))); });
        return allowed && QTreeWidget::edit(index, trigger, event);
    }

private:
    TListView *FView;
};

// TListColumn(s) -------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TListColumn, TCollectionItem, "ComCtrls",
    VlEnumProp<&TListColumn::Alignment, &TListColumn::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify),
    VlBoolProp<&TListColumn::AutoSize, &TListColumn::SetAutoSize>("AutoSize", false),
    VlStrProp<&TListColumn::Caption, &TListColumn::SetCaption>("Caption"),
    VlIntProp<&TListColumn::MaxWidth, &TListColumn::SetMaxWidth>("MaxWidth").WithDefault(0),
    VlIntProp<&TListColumn::MinWidth, &TListColumn::SetMinWidth>("MinWidth").WithDefault(0),
    VlIntProp<&TListColumn::Width, &TListColumn::SetWidth>("Width").WithDefault(50))

TListColumn::TListColumn(TCollection *collection) : TCollectionItem(collection) {}

void TListColumn::Assign(const TPersistent *source)
{
    if (auto *other = dynamic_cast<const TListColumn *>(source)) {
        FCaption = other->FCaption;
        FWidth = other->FWidth;
        FMinWidth = other->FMinWidth;
        FMaxWidth = other->FMaxWidth;
        FAlignment = other->FAlignment;
        FAutoSize = other->FAutoSize;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

VL_IMPLEMENT_CLASS(TListColumns, TCollection, "ComCtrls")

TListColumns::TListColumns(TListView *owner) : TCollection(TListColumn::StaticClassInfo(), owner), FListView(owner)
{
    SetPropName("Columns");
}

void TListColumns::Update(TCollectionItem *)
{
    FListView->SyncColumns();
}

// TListItem ------------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TListItem, TObject, "ComCtrls")

TListItem::TListItem(TListItems *owner, void *item) : FOwner(owner), FItem(item), FSubItems(std::make_unique<TStringList>())
{
    FSubItems->OnChange = [this](TObject *) { VlGuard([this] { SubItemsChanged(); }); };
}

TListItem::~TListItem()
{
    FSubItems->OnChange = nullptr;
}

std::string TListItem::Caption() const { return VlFromQString(ItemWidget(FItem)->text(0)); }

void TListItem::SetCaption(const std::string &text)
{
    TListView *view = ListView();
    if (!view->CanChange(this, ctText))
        return;
    view->FReverting = true;
    ItemWidget(FItem)->setText(0, VlToQString(text));
    view->FReverting = false;
    view->Changed(this, ctText);
}

void TListItem::SubItemsChanged()
{
    QTreeWidgetItem *item = ItemWidget(FItem);
    TListView *view = ListView();
    view->FReverting = true;
    const int columns = std::max(item->columnCount(), FSubItems->Count() + 1);
    for (int i = 1; i < columns; ++i)
        item->setText(i, i - 1 < FSubItems->Count() ? VlToQString(FSubItems->Get(i - 1)) : QString());
    view->FReverting = false;
}

bool TListItem::Checked() const { return ItemWidget(FItem)->checkState(0) == Qt::Checked; }

void TListItem::SetChecked(bool value)
{
    ItemWidget(FItem)->setCheckState(0, value ? Qt::Checked : Qt::Unchecked);
}

bool TListItem::Selected() const { return ItemWidget(FItem)->isSelected(); }

void TListItem::SetSelected(bool value)
{
    if (value && !ListView()->MultiSelect())
        ListView()->Tree()->setCurrentItem(ItemWidget(FItem));
    ItemWidget(FItem)->setSelected(value);
}

bool TListItem::Focused() const { return ListView()->Tree()->currentItem() == ItemWidget(FItem); }

void TListItem::SetFocused(bool value)
{
    if (value)
        ListView()->Tree()->setCurrentItem(ItemWidget(FItem));
}

int TListItem::Index() const { return FOwner->IndexOf(this); }

TListView *TListItem::ListView() const { return FOwner->Owner(); }

void TListItem::Delete() { FOwner->Delete(Index()); }

void TListItem::MakeVisible(bool) { ListView()->Tree()->scrollToItem(ItemWidget(FItem)); }

bool TListItem::EditCaption()
{
    TListView *view = ListView();
    if (view->ReadOnly() || !view->CanEdit(this))
        return false;
    view->Tree()->setCurrentItem(ItemWidget(FItem));
    view->Tree()->editItem(ItemWidget(FItem), 0);
    return true;
}

TRect TListItem::DisplayRect() const
{
    const QRect r = ListView()->Tree()->visualItemRect(ItemWidget(FItem));
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

// TListItems -----------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TListItems, TPersistent, "ComCtrls")

TListItems::~TListItems()
{
    // Items go without events (the view is being destroyed).
    FItems.clear();
}

TListItem *TListItems::Add() { return Insert(Count()); }

TListItem *TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    auto *widgetItem = new QTreeWidgetItem;
    widgetItem->setFlags(widgetItem->flags() | Qt::ItemIsEditable);
    if (FOwner->Checkboxes())
        widgetItem->setCheckState(0, Qt::Unchecked);
    FOwner->FReverting = true;
    FOwner->Tree()->insertTopLevelItem(index, widgetItem);
    FOwner->FReverting = false;
    auto item = std::make_unique<TListItem>(this, widgetItem);
    TListItem *result = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    FOwner->Inserted(result);
    return result;
}

void TListItems::Delete(int index)
{
    TListItem *item = Item(index);
    FOwner->Deleting(item);
    // The deletion handler may have changed the list.
    auto it = std::find_if(FItems.begin(), FItems.end(), [item](const auto &i) { return i.get() == item; });
    if (it == FItems.end())
        return;
    std::unique_ptr<TListItem> owned = std::move(*it);
    FItems.erase(it);
    FOwner->FReverting = true;
    delete ItemWidget(owned->FItem);
    FOwner->FReverting = false;
}

void TListItems::Clear()
{
    while (!FItems.empty())
        Delete(Count() - 1);
}

TListItem *TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FItems[size_t(index)].get();
}

void TListItems::SetItem(int index, TListItem *value)
{
    TListItem *item = Item(index);
    if (!value)
        return;
    item->SetCaption(value->Caption());
    item->SubItems()->Assign(value->SubItems());
    item->SetImageIndex(value->ImageIndex());
    item->Data = value->Data;
}

int TListItems::IndexOf(const TListItem *item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item)
            return int(i);
    return -1;
}

void TListItems::BeginUpdate() { FOwner->Tree()->setUpdatesEnabled(false); }
void TListItems::EndUpdate() { FOwner->Tree()->setUpdatesEnabled(true); }

void TListItems::Assign(const TPersistent *source)
{
    auto *other = dynamic_cast<const TListItems *>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Clear();
    for (const auto &item : other->FItems) {
        TListItem *copy = Add();
        copy->SetCaption(item->Caption());
        copy->SubItems()->Assign(item->SubItems());
        copy->SetImageIndex(item->ImageIndex());
        copy->Data = item->Data;
    }
}

// TListView ------------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TListView, TWinControl, "ComCtrls",
    VlProps::Align(), VlProps::Anchors(),
    {VlBoolProp<&TListView::Checkboxes, &TListView::SetCheckboxes>("Checkboxes", false)},
    VlProps::Color(clWindow),
    {VlClassProp<&TListView::Columns, &TListView::SetColumns>("Columns", "TListColumns")},
    VlProps::Enabled(), VlProps::Font(),
    {VlBoolProp<&TListView::GridLines, &TListView::SetGridLines>("GridLines", false),
     VlBoolProp<&TListView::HideSelection, &TListView::SetHideSelection>("HideSelection", true),
     VlBoolProp<&TListView::MultiSelect, &TListView::SetMultiSelect>("MultiSelect", false)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TListView::ReadOnly, &TListView::SetReadOnly>("ReadOnly", false),
     VlBoolProp<&TListView::RowSelect, &TListView::SetRowSelect>("RowSelect", false),
     VlBoolProp<&TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders>("ShowColumnHeaders", true),
     VlEnumProp<&TListView::SortType, &TListView::SetSortType>("SortType", SortTypeEnumInfo(), stNone)},
    VlProps::TabOrder(), VlProps::TabStop(true),
    {VlEnumProp<&TListView::ViewStyle, &TListView::SetViewStyle>("ViewStyle", ViewStyleEnumInfo(), vsIcon)},
    VlProps::Visible(),
    {VlMethodProp<&TListView::OnChange, &TListView::SetOnChange>("OnChange", "TLVChangeEvent"),
     VlMethodProp<&TListView::OnChanging, &TListView::SetOnChanging>("OnChanging", "TLVChangingEvent")},
    VlProps::OnClick(),
    {VlMethodProp<&TListView::OnColumnClick, &TListView::SetOnColumnClick>("OnColumnClick", "TLVColumnClickEvent"),
     VlMethodProp<&TListView::OnCompare, &TListView::SetOnCompare>("OnCompare", "TLVCompareEvent")},
    VlProps::OnDblClick(),
    {VlMethodProp<&TListView::OnDeletion, &TListView::SetOnDeletion>("OnDeletion", "TLVDeletedEvent"),
     VlMethodProp<&TListView::OnEdited, &TListView::SetOnEdited>("OnEdited", "TLVEditedEvent"),
     VlMethodProp<&TListView::OnEditing, &TListView::SetOnEditing>("OnEditing", "TLVEditingEvent"),
     VlMethodProp<&TListView::OnInsert, &TListView::SetOnInsert>("OnInsert", "TLVDeletedEvent")},
    VlProps::KeyEvents(), VlProps::MouseEvents())

TListView::TListView(TComponent *owner)
    : TWinControl(owner), FColumns(std::make_unique<TListColumns>(this)), FItems(std::make_unique<TListItems>(this))
{
    auto *tree = new TVlListWidget(this);
    tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree->setColumnCount(1);
    SetWidget(tree);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, Bridge(), [this](QTreeWidgetItem *item, QTreeWidgetItem *previous) {
        if (FReverting)
            return;
        VlGuard([&] {
            TListItem *listItem = ItemOf(item);
            if (!CanChange(listItem, ctState)) {
                FReverting = true;
                Tree()->setCurrentItem(previous);
                FReverting = false;
                return;
            }
            Changed(listItem, ctState);
        });
    });
    QObject::connect(tree, &QTreeWidget::itemChanged, Bridge(), [this](QTreeWidgetItem *item, int column) {
        if (FReverting || column != 0)
            return;
        VlGuard([&] {
            TListItem *listItem = ItemOf(item);
            if (!listItem)
                return;
            std::string text = VlFromQString(item->text(0));
            Edited(listItem, text);
            FReverting = true;
            item->setText(0, VlToQString(text));
            FReverting = false;
            Changed(listItem, ctText);
        });
    });
    QObject::connect(tree, &QTreeWidget::itemClicked, Bridge(), [this] { VlGuard([this] { Click(); }); });
    QObject::connect(tree->header(), &QHeaderView::sectionClicked, Bridge(), [this](int index) {
        if (index >= 0 && index < FColumns->Count())
            VlGuard([&] { ColumnClick(FColumns->Items(index)); });
    });
    SetViewStyle(vsIcon);
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(250, 150);
}

TListView::~TListView()
{
    DetachWidget();
    Destroying();
    FItems.reset();
}

QTreeWidget *TListView::Tree() const { return static_cast<QTreeWidget *>(Widget()); }

TListItem *TListView::ItemOf(const void *item) const
{
    for (const auto &i : FItems->FItems)
        if (i->FItem == item)
            return i.get();
    return nullptr;
}

void TListView::SyncColumns()
{
    QTreeWidget *tree = Tree();
    if (!tree)
        return;
    const int count = std::max(1, FColumns->Count());
    tree->setColumnCount(count);
    QStringList labels;
    for (int i = 0; i < FColumns->Count(); ++i) {
        const TListColumn *column = FColumns->Items(i);
        labels << VlToQString(column->Caption());
        if (column->AutoSize())
            tree->resizeColumnToContents(i);
        else
            tree->setColumnWidth(i, column->Width());
    }
    if (!labels.isEmpty())
        tree->setHeaderLabels(labels);
    for (const auto &item : FItems->FItems)
        item->SubItemsChanged();
}

void TListView::SetViewStyle(TViewStyle value)
{
    FViewStyle = value;
    Tree()->setHeaderHidden(value != vsReport || !FShowColumnHeaders);
}

void TListView::SetShowColumnHeaders(bool value)
{
    FShowColumnHeaders = value;
    SetViewStyle(FViewStyle);
}

void TListView::SetMultiSelect(bool value)
{
    FMultiSelect = value;
    Tree()->setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::SetCheckboxes(bool value)
{
    FCheckboxes = value;
    FReverting = true;
    for (const auto &item : FItems->FItems)
        if (value)
            ItemWidget(item->FItem)->setCheckState(0, Qt::Unchecked);
        else
            ItemWidget(item->FItem)->setData(0, Qt::CheckStateRole, QVariant());
    FReverting = false;
}

TListItem *TListView::Selected() const { return ItemOf(Tree()->currentItem()); }

void TListView::SetSelected(TListItem *item)
{
    Tree()->setCurrentItem(item ? ItemWidget(item->FItem) : nullptr);
}

int TListView::SelCount() const { return int(Tree()->selectedItems().size()); }

void TListView::SetSortType(TSortType value)
{
    FSortType = value;
    if (value != stNone)
        AlphaSort();
}

void TListView::AlphaSort()
{
    auto &items = FItems->FItems;
    std::stable_sort(items.begin(), items.end(), [this](const auto &a, const auto &b) {
        if (FOnCompare.IsAssigned()) {
            TVlEventArgs args;
            args.Item = a.get();
            args.Item2 = b.get();
            if (FireEvent(FOnCompare, "OnCompare", "TLVCompareEvent", args))
                return args.Value < 0;
        }
        return ItemWidget(a->FItem)->text(0).compare(ItemWidget(b->FItem)->text(0), Qt::CaseInsensitive) < 0;
    });
    FReverting = true;
    QTreeWidgetItem *current = Tree()->currentItem();
    for (size_t i = 0; i < items.size(); ++i) {
        QTreeWidgetItem *item = ItemWidget(items[i]->FItem);
        Tree()->insertTopLevelItem(int(i), Tree()->takeTopLevelItem(Tree()->indexOfTopLevelItem(item)));
    }
    Tree()->setCurrentItem(current);
    FReverting = false;
}

TListItem *TListView::FindCaption(int startIndex, const std::string &value, bool partial, bool inclusive, bool wrap) const
{
    const int count = FItems->Count();
    const QString wanted = VlToQString(value);
    for (int n = 0; n < count; ++n) {
        int i = startIndex + n + (inclusive ? 0 : 1);
        if (i >= count) {
            if (!wrap)
                return nullptr;
            i -= count;
        }
        const QString caption = ItemWidget(FItems->Item(i)->FItem)->text(0);
        if (partial ? caption.startsWith(wanted, Qt::CaseInsensitive) : caption.compare(wanted, Qt::CaseInsensitive) == 0)
            return FItems->Item(i);
    }
    return nullptr;
}

TListItem *TListView::FindData(int startIndex, void *value, bool inclusive, bool wrap) const
{
    const int count = FItems->Count();
    for (int n = 0; n < count; ++n) {
        int i = startIndex + n + (inclusive ? 0 : 1);
        if (i >= count) {
            if (!wrap)
                return nullptr;
            i -= count;
        }
        if (FItems->Item(i)->Data == value)
            return FItems->Item(i);
    }
    return nullptr;
}

TListItem *TListView::GetItemAt(int x, int y) const { return ItemOf(Tree()->itemAt(x, y)); }

TListItem *TListView::TopItem() const { return ItemOf(Tree()->itemAt(0, 0)); }

int TListView::VisibleRowCount() const
{
    const int row = std::max(1, Tree()->sizeHintForRow(0));
    return Tree()->viewport()->height() / row;
}

void TListView::Scroll(int dx, int dy)
{
    Tree()->horizontalScrollBar()->setValue(Tree()->horizontalScrollBar()->value() + dx);
    Tree()->verticalScrollBar()->setValue(Tree()->verticalScrollBar()->value() + dy);
}

bool TListView::IsEditing() const { return static_cast<TVlListWidget *>(Tree())->Editing(); }

bool TListView::ItemEvent(const TMethod &handler, std::string_view name, std::string_view typeName, TListItem *item,
                          TItemChange change, bool allow)
{
    TVlEventArgs args;
    args.Item = item;
    args.State = change;
    args.Allow = allow;
    if (!FireEvent(handler, name, typeName, args))
        return allow;
    return args.Allow;
}

bool TListView::CanChange(TListItem *item, TItemChange change)
{
    return FReverting || ItemEvent(FOnChanging, "OnChanging", "TLVChangingEvent", item, change);
}

void TListView::Changed(TListItem *item, TItemChange change)
{
    ItemEvent(FOnChange, "OnChange", "TLVChangeEvent", item, change);
    if (change == ctText && FSortType != stNone && FSortType != stData)
        AlphaSort();
}

bool TListView::CanEdit(TListItem *item)
{
    return !FReadOnly && ItemEvent(FOnEditing, "OnEditing", "TLVEditingEvent", item, ctText);
}

void TListView::Edited(TListItem *item, std::string &text)
{
    TVlEventArgs args;
    args.Item = item;
    args.Text = text;
    if (FireEvent(FOnEdited, "OnEdited", "TLVEditedEvent", args))
        text = args.Text;
}

void TListView::ColumnClick(TListColumn *column)
{
    TVlEventArgs args;
    args.Item = column;
    FireEvent(FOnColumnClick, "OnColumnClick", "TLVColumnClickEvent", args);
}

void TListView::Deleting(TListItem *item)
{
    if (!HasState(csDestroying))
        ItemEvent(FOnDeletion, "OnDeletion", "TLVDeletedEvent", item, ctState);
}

void TListView::Inserted(TListItem *item)
{
    ItemEvent(FOnInsert, "OnInsert", "TLVDeletedEvent", item, ctState);
}

void TListView::ApplyColor()
{
    TWinControl::ApplyColor();
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color()));
    Widget()->setPalette(palette);
}
