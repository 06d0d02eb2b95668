// The property grid's model.
#include "VlInspectorModel.h"

#include <stdexcept>

TVlInspectorModel::TVlInspectorModel(QObject *parent)
    : QObject(parent), FRoot(std::make_unique<TVlInspectorItem>(QString(), nullptr))
{
    FRoot->SetSortChildren(false);
    FRoot->SetExpanded(true);
    FPainters.push_back(ClassicInspectorPainter(QStringLiteral("Classic")));
}

TVlInspectorModel::~TVlInspectorModel() = default;

TVlInspectorItem *TVlInspectorModel::AddCategory(const QString &name, bool expanded, bool sortChildren)
{
    auto category = std::make_unique<TVlInspectorItem>(name, nullptr);
    category->SetExpanded(expanded);
    category->SetSortChildren(sortChildren);
    TVlInspectorItem *added = FRoot->Add(std::move(category));
    Changed();
    return added;
}

TVlInspectorItem *TVlInspectorModel::FindCategory(const QString &name) const
{
    for (int i = 0; i < FRoot->Count(); ++i)
        if (FRoot->Child(i)->DisplayName() == name)
            return FRoot->Child(i);
    return nullptr;
}

void TVlInspectorModel::CreatedItem(TVlInspectorItem &item)
{
    for (int i = 0; i < item.PartCount(); ++i)
        CreatedItem(*item.Part(i));
    if (OnItemCreated)
        OnItemCreated(item);
}

TVlInspectorItem *TVlInspectorModel::AddItem(TVlInspectorItem *parent, std::unique_ptr<TVlInspectorItem> item)
{
    TVlInspectorItem *added = (parent ? parent : FRoot.get())->Add(std::move(item));
    CreatedItem(*added);
    Changed();
    return added;
}

TVlInspectorItem *TVlInspectorModel::AddItem(TVlInspectorItem *parent, const QString &displayName,
                                             std::unique_ptr<TVlInspectorData> data)
{
    return AddItem(parent, std::make_unique<TVlInspectorItem>(displayName, std::move(data)));
}

void TVlInspectorModel::ClearItems(TVlInspectorItem *parent)
{
    if (!parent)
        return;
    parent->Clear();
    ++FGeneration;
    Changed();
}

void TVlInspectorModel::BeginUpdate()
{
    ++FUpdateCount;
}

void TVlInspectorModel::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && FPendingChange) {
        FPendingChange = false;
        emit ItemsChanged();
    }
}

void TVlInspectorModel::Changed()
{
    FRowsValid = false;
    if (FUpdateCount > 0) {
        FPendingChange = true;
        return;
    }
    emit ItemsChanged();
}

void TVlInspectorModel::ForEachItem(const std::function<void(TVlInspectorItem &)> &visit) const
{
    std::function<void(TVlInspectorItem &)> walk = [&](TVlInspectorItem &item) {
        visit(item);
        for (int i = 0; i < item.PartCount(); ++i)
            walk(*item.Part(i));
        for (int i = 0; i < item.Count(); ++i)
            walk(*item.Child(i));
    };
    for (int i = 0; i < FRoot->Count(); ++i)
        walk(*FRoot->Child(i));
}

void TVlInspectorModel::AddVisible(TVlInspectorItem *item) const
{
    FVisibleRows.push_back(item);
    if (item->Expanded())
        for (int i = 0; i < item->Count(); ++i)
            AddVisible(item->Child(i));
}

const std::vector<TVlInspectorItem *> &TVlInspectorModel::VisibleRows() const
{
    if (!FRowsValid) {
        FVisibleRows.clear();
        for (int i = 0; i < FRoot->Count(); ++i)
            AddVisible(FRoot->Child(i));
        FRowsValid = true;
    }
    return FVisibleRows;
}

bool TVlInspectorModel::SetItemValue(TVlInspectorItem *item, const QString &text)
{
    if (!item || !item->Data())
        return false;
    return EditItem(item, [item, &text] { item->Data()->SetValue(text); });
}

bool TVlInspectorModel::EditItem(TVlInspectorItem *item, const std::function<void()> &change)
{
    if (!item || item->ReadOnly())
        return false;
    try {
        if (OnEdit)
            OnEdit(change);
        else
            change();
    } catch (const std::exception &error) {
        Changed();
        if (OnError)
            OnError(QString::fromUtf8(error.what()));
        return false;
    }
    Changed();
    return true;
}

void TVlInspectorModel::SetUseBands(bool value)
{
    FUseBands = value;
    Changed();
}

void TVlInspectorModel::SetWantTabs(bool value)
{
    FWantTabs = value;
    Changed();
}

void TVlInspectorModel::SetPainters(std::vector<TVlInspectorPainter> painters)
{
    if (painters.empty())
        return;
    FPainters = std::move(painters);
    FPainterIndex = 0;
    Changed();
}

const TVlInspectorPainter &TVlInspectorModel::Painter() const
{
    return FPainters.at(size_t(FPainterIndex));
}

void TVlInspectorModel::SetPainterName(const QString &name)
{
    for (size_t i = 0; i < FPainters.size(); ++i) {
        if (FPainters[i].Name == name) {
            FPainterIndex = static_cast<int>(i);
            Changed();
            return;
        }
    }
    throw std::invalid_argument(("Нет такого стиля: " + name).toStdString());
}
