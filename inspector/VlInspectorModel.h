// The property grid's model: categories and items, updates, options and painters; no painting.
#pragma once

#include "VlInspectorItem.h"
#include "VlInspectorPainter.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class TVlInspectorModel : public QObject {
    Q_OBJECT
public:
    explicit TVlInspectorModel(QObject *parent = nullptr);
    ~TVlInspectorModel() override;

    TVlInspectorItem *Root() const { return FRoot.get(); }
    // Categories keep the order they are added in.
    TVlInspectorItem *AddCategory(const QString &name, bool expanded, bool sortChildren = true);
    TVlInspectorItem *FindCategory(const QString &name) const;
    // Adds an item and runs OnItemCreated on it (and on the parts of a compound one).
    TVlInspectorItem *AddItem(TVlInspectorItem *parent, std::unique_ptr<TVlInspectorItem> item);
    TVlInspectorItem *AddItem(TVlInspectorItem *parent, const QString &displayName, std::unique_ptr<TVlInspectorData> data);
    void ClearItems(TVlInspectorItem *parent);

    // Changes between BeginUpdate and the matching EndUpdate are announced once, at the end.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }
    // Announces changed values or items (now, or at the end of the update).
    void Changed();

    // Every item from the root, depth first: an item, then its children in order.
    void ForEachItem(const std::function<void(TVlInspectorItem &)> &visit) const;
    // The rows shown: categories and, under expanded ones, their items.
    const std::vector<TVlInspectorItem *> &VisibleRows() const;

    // Runs right after each item is created.
    std::function<void(TVlInspectorItem &)> OnItemCreated;
    // Runs a value change (the designer makes it undoable); the default just runs it.
    std::function<void(const std::function<void()> &change)> OnEdit;
    // Told the message of a value that was refused.
    std::function<void(const QString &message)> OnError;
    // Sets an item's value through OnEdit; false (and OnError) when it was refused.
    bool SetItemValue(TVlInspectorItem *item, const QString &text);
    // Runs another change of an item's value (a font from the font dialog) the same way.
    bool EditItem(TVlInspectorItem *item, const std::function<void()> &change);
    // Grows whenever items are removed, so views can drop what they hold of the old ones.
    int Generation() const { return FGeneration; }

    bool UseBands() const { return FUseBands; }
    void SetUseBands(bool value);
    // Whether Tab moves between rows (else it leaves the grid).
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    // The painters to choose from, and the one in use (none: the first).
    void SetPainters(std::vector<TVlInspectorPainter> painters);
    const std::vector<TVlInspectorPainter> &Painters() const { return FPainters; }
    const TVlInspectorPainter &Painter() const;
    int PainterIndex() const { return FPainterIndex; }
    // Raises std::invalid_argument for a name that is no painter's.
    void SetPainterName(const QString &name);

signals:
    void ItemsChanged();

private:
    void CreatedItem(TVlInspectorItem &item);
    void AddVisible(TVlInspectorItem *item) const;

    std::unique_ptr<TVlInspectorItem> FRoot;
    int FUpdateCount = 0;
    int FGeneration = 0;
    bool FPendingChange = false;
    bool FUseBands = false;
    bool FWantTabs = false;
    std::vector<TVlInspectorPainter> FPainters;
    int FPainterIndex = 0;
    mutable std::vector<TVlInspectorItem *> FVisibleRows;
    mutable bool FRowsValid = false;
};
