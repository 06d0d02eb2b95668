// Tree nodes as objects: navigation, insertion, deletion, expanding, editing and sorting, with the
// tree view's node events around each.
#include "VlComCtrls.h"

#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlWidgetBridge.h"

#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {

QTreeWidgetItem *ItemOf(const void *item) { return static_cast<QTreeWidgetItem *>(const_cast<void *>(item)); }

} // namespace

// The tree widget of a tree view: editing asks OnEditing first.
class TTreeView::TVlTreeWidget : public QTreeWidget {
public:
    explicit TVlTreeWidget(TTreeView *view) : FView(view) { setHeaderHidden(true); }
    bool Editing() const { return state() == EditingState; }

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        if (trigger == QAbstractItemView::NoEditTriggers || FView->ReadOnly())
            return false;
        if (trigger != QAbstractItemView::AllEditTriggers) {
            bool allowed = true;
            VlGuard([&] { allowed = FView->CanEdit(FView->NodeOf(itemFromIndex(index))); });
            if (!allowed)
                return false;
        }
        return QTreeWidget::edit(index, trigger, event);
    }

private:
    TTreeView *FView;
};

// TTreeNode -----------------------------------------------------------------------------------------------

TTreeNode *TTreeNode::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FChildren[size_t(index)].get();
}

TTreeNodes *TTreeNode::Owner() const { return FOwner->Items(); }

int TTreeNode::Index() const
{
    const auto &level = FOwner->Items()->LevelOf(FParent);
    for (size_t i = 0; i < level.size(); ++i)
        if (level[i].get() == this)
            return int(i);
    return -1;
}

int TTreeNode::AbsoluteIndex() const
{
    int index = 0;
    for (const TTreeNode *node = FOwner->Items()->GetFirstNode(); node; node = node->GetNext(), ++index)
        if (node == this)
            return index;
    return -1;
}

TTreeNode *TTreeNode::GetNextSibling() const
{
    const auto &level = FOwner->Items()->LevelOf(FParent);
    const int index = Index();
    return index >= 0 && index + 1 < int(level.size()) ? level[size_t(index + 1)].get() : nullptr;
}

TTreeNode *TTreeNode::GetPrevSibling() const
{
    const auto &level = FOwner->Items()->LevelOf(FParent);
    const int index = Index();
    return index > 0 ? level[size_t(index - 1)].get() : nullptr;
}

TTreeNode *TTreeNode::GetNext() const
{
    if (!FChildren.empty())
        return FChildren.front().get();
    for (const TTreeNode *node = this; node; node = node->FParent)
        if (TTreeNode *sibling = node->GetNextSibling())
            return sibling;
    return nullptr;
}

TTreeNode *TTreeNode::GetPrev() const
{
    TTreeNode *previous = GetPrevSibling();
    if (!previous)
        return FParent;
    while (previous->HasChildren())
        previous = previous->GetLastChild();
    return previous;
}

void TTreeNode::SetExpanded(bool value)
{
    if (value == Expanded() || !FOwner->CanExpand(this, value))
        return;
    ItemOf(FItem)->setExpanded(value);
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (const auto &child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (const auto &child : FChildren)
            child->Collapse(true);
}

bool TTreeNode::Selected() const { return FOwner->Selected() == this; }

void TTreeNode::SetSelected(bool value)
{
    if (value)
        FOwner->SetSelected(this);
    else if (Selected())
        FOwner->SetSelected(nullptr);
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode *p = FParent; p; p = p->FParent)
        if (!p->Expanded())
            return false;
    return true;
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode *p = FParent; p; p = p->FParent)
        p->SetExpanded(true);
    FOwner->Tree()->scrollToItem(ItemOf(FItem));
}

bool TTreeNode::EditText()
{
    if (FOwner->ReadOnly() || !FOwner->CanEdit(this))
        return false;
    QTreeWidget *tree = FOwner->Tree();
    tree->setCurrentItem(ItemOf(FItem));
    // Asked already: the widget's own check is skipped.
    tree->editItem(ItemOf(FItem));
    return true;
}

void TTreeNode::Delete() { FOwner->Items()->Delete(this); }

void TTreeNode::DeleteChildren()
{
    while (!FChildren.empty())
        FOwner->Items()->Delete(FChildren.back().get());
}

TRect TTreeNode::DisplayRect(bool) const
{
    const QRect r = FOwner->Tree()->visualItemRect(ItemOf(FItem));
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

// TTreeNodes ----------------------------------------------------------------------------------------------

std::vector<std::unique_ptr<TTreeNode>> &TTreeNodes::LevelOf(TTreeNode *parent)
{
    return parent ? parent->FChildren : FTop;
}

TTreeNode *TTreeNodes::InsertAt(TTreeNode *parent, int index, const std::string &text)
{
    auto &level = LevelOf(parent);
    if (index < 0 || index > int(level.size()))
        index = int(level.size());
    auto *item = new QTreeWidgetItem;
    item->setText(0, VlToQString(text));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    if (parent)
        ItemOf(parent->FItem)->insertChild(index, item);
    else
        FOwner->Tree()->insertTopLevelItem(index, item);
    auto node = std::make_unique<TTreeNode>(FOwner, parent, item);
    TTreeNode *result = node.get();
    level.insert(level.begin() + index, std::move(node));
    return result;
}

TTreeNode *TTreeNodes::AddFirst(TTreeNode *sibling, const std::string &text)
{
    return InsertAt(sibling ? sibling->Parent() : nullptr, 0, text);
}

TTreeNode *TTreeNodes::AddChildFirst(TTreeNode *parent, const std::string &text)
{
    return InsertAt(parent, 0, text);
}

TTreeNode *TTreeNodes::Insert(TTreeNode *sibling, const std::string &text)
{
    if (!sibling)
        return InsertAt(nullptr, -1, text);
    return InsertAt(sibling->Parent(), sibling->Index(), text);
}

void TTreeNodes::Delete(TTreeNode *node)
{
    if (!node)
        return;
    // Children first, each announced by OnDeletion while it still exists.
    while (node->HasChildren())
        Delete(node->GetLastChild());
    FOwner->Deleting(node);
    auto &level = LevelOf(node->Parent());
    auto it = std::find_if(level.begin(), level.end(), [node](const auto &n) { return n.get() == node; });
    if (it == level.end())
        return;
    QTreeWidgetItem *item = ItemOf(node->FItem);
    std::unique_ptr<TTreeNode> owned = std::move(*it);
    level.erase(it);
    delete item;
}

void TTreeNodes::BeginUpdate() { FOwner->Tree()->setUpdatesEnabled(false); }
void TTreeNodes::EndUpdate() { FOwner->Tree()->setUpdatesEnabled(true); }

// TTreeView ----------------------------------------------------------------------------------------------

void TTreeView::ConnectTree(QTreeWidget *)
{
    auto *tree = new TVlTreeWidget(this);
    tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    SetWidget(tree);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, Bridge(), [this](QTreeWidgetItem *item, QTreeWidgetItem *previous) {
        if (FReverting)
            return;
        VlGuard([&] {
            TTreeNode *node = NodeOf(item);
            if (!CanChange(node)) {
                FReverting = true;
                Tree()->setCurrentItem(previous);
                FReverting = false;
                return;
            }
            NodeEvent(FOnChange, "OnChange", "TTVChangedEvent", node);
        });
    });
    auto expansion = [this](QTreeWidgetItem *item, bool expanded) {
        if (FReverting)
            return;
        VlGuard([&] {
            TTreeNode *node = NodeOf(item);
            // The widget changed it already: a refusal turns it back.
            if (!CanExpand(node, expanded)) {
                FReverting = true;
                item->setExpanded(!expanded);
                FReverting = false;
                return;
            }
            Expanded(node, expanded);
        });
    };
    QObject::connect(tree, &QTreeWidget::itemExpanded, Bridge(), [expansion](QTreeWidgetItem *item) { expansion(item, true); });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, Bridge(), [expansion](QTreeWidgetItem *item) { expansion(item, false); });
    QObject::connect(tree, &QTreeWidget::itemChanged, Bridge(), [this](QTreeWidgetItem *item, int) {
        if (FReverting)
            return;
        VlGuard([&] {
            TTreeNode *node = NodeOf(item);
            if (!node)
                return;
            std::string text = VlFromQString(item->text(0));
            Edited(node, text);
            FReverting = true;
            item->setText(0, VlToQString(text));
            FReverting = false;
        });
    });
}

bool TTreeView::NodeEvent(const TMethod &handler, std::string_view name, std::string_view typeName, TTreeNode *node,
                          bool allow)
{
    TVlEventArgs args;
    args.Item = node;
    args.Allow = allow;
    if (!FireEvent(handler, name, typeName, args))
        return allow;
    return args.Allow;
}

bool TTreeView::CanChange(TTreeNode *node)
{
    return NodeEvent(FOnChanging, "OnChanging", "TTVChangingEvent", node);
}

bool TTreeView::CanExpand(TTreeNode *node, bool expand)
{
    if (FReverting)
        return true;
    return expand ? NodeEvent(FOnExpanding, "OnExpanding", "TTVExpandingEvent", node)
                  : NodeEvent(FOnCollapsing, "OnCollapsing", "TTVCollapsingEvent", node);
}

void TTreeView::Expanded(TTreeNode *node, bool expanded)
{
    if (expanded)
        NodeEvent(FOnExpanded, "OnExpanded", "TTVExpandedEvent", node);
    else
        NodeEvent(FOnCollapsed, "OnCollapsed", "TTVExpandedEvent", node);
}

bool TTreeView::CanEdit(TTreeNode *node)
{
    return !FReadOnly && NodeEvent(FOnEditing, "OnEditing", "TTVEditingEvent", node);
}

void TTreeView::Edited(TTreeNode *node, std::string &text)
{
    TVlEventArgs args;
    args.Item = node;
    args.Text = text;
    if (FireEvent(FOnEdited, "OnEdited", "TTVEditedEvent", args))
        text = args.Text;
}

void TTreeView::Deleting(TTreeNode *node)
{
    if (!HasState(csDestroying))
        NodeEvent(FOnDeletion, "OnDeletion", "TTVExpandedEvent", node);
}

void TTreeView::AlphaSort()
{
    auto less = [this](const std::unique_ptr<TTreeNode> &a, const std::unique_ptr<TTreeNode> &b) {
        if (FOnCompare.IsAssigned()) {
            TVlEventArgs args;
            args.Item = a.get();
            args.Item2 = b.get();
            if (FireEvent(FOnCompare, "OnCompare", "TTVCompareEvent", args))
                return args.Value < 0;
        }
        return VlFromQString(ItemOf(a->FItem)->text(0).toLower()) < VlFromQString(ItemOf(b->FItem)->text(0).toLower());
    };
    std::function<void(TTreeNode *)> sortLevel = [&](TTreeNode *parent) {
        auto &level = FItems->LevelOf(parent);
        std::stable_sort(level.begin(), level.end(), less);
        // The widget's items follow the new order.
        FReverting = true;
        for (size_t i = 0; i < level.size(); ++i) {
            QTreeWidgetItem *item = ItemOf(level[i]->FItem);
            const bool expanded = item->isExpanded();
            if (parent) {
                QTreeWidgetItem *owner = ItemOf(parent->FItem);
                owner->insertChild(int(i), owner->takeChild(owner->indexOfChild(item)));
            } else {
                Tree()->insertTopLevelItem(int(i), Tree()->takeTopLevelItem(Tree()->indexOfTopLevelItem(item)));
            }
            item->setExpanded(expanded);
        }
        FReverting = false;
        for (const auto &node : level)
            sortLevel(node.get());
    };
    sortLevel(nullptr);
}

void TTreeView::FullExpand()
{
    for (TTreeNode *node = FItems->GetFirstNode(); node; node = node->GetNext())
        node->SetExpanded(true);
}

void TTreeView::FullCollapse()
{
    for (TTreeNode *node = FItems->GetFirstNode(); node; node = node->GetNext())
        node->SetExpanded(false);
}

TTreeNode *TTreeView::GetNodeAt(int x, int y) const
{
    return NodeOf(Tree()->itemAt(x, y));
}

TTreeNode *TTreeView::TopItem() const
{
    return NodeOf(Tree()->itemAt(0, 0));
}

void TTreeView::SetTopItem(TTreeNode *node)
{
    if (node)
        Tree()->scrollToItem(ItemOf(node->FItem), QAbstractItemView::PositionAtTop);
}

bool TTreeView::IsEditing() const
{
    return static_cast<TVlTreeWidget *>(Tree())->Editing();
}

void TTreeView::SaveToFile(const std::string &fileName) const
{
    std::string text;
    for (TTreeNode *node = FItems->GetFirstNode(); node; node = node->GetNext())
        text += std::string(size_t(node->Level()), '\t') + node->Text() + "\r\n";
    WriteTextFile(fileName, Cp1251ToUtf8(text));
}

void TTreeView::LoadFromFile(const std::string &fileName)
{
    const std::string text = Utf8ToCp1251(ReadTextFile(fileName));
    FItems->Clear();
    std::vector<TTreeNode *> path;  // the last node of each level
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = text.find_first_not_of("\r\n", end);
        if (start == std::string::npos)
            start = text.size();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        size_t level = line.find_first_not_of('\t');
        level = std::min(level, path.size());
        path.resize(level);
        TTreeNode *node = FItems->AddChild(level ? path.back() : nullptr, line.substr(line.find_first_not_of('\t')));
        path.push_back(node);
    }
}
