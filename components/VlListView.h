// TListView: a list of items with sub-items shown in columns (report view) or as a plain list,
// with TListItem(s) and TListColumn(s).
#pragma once

#include "VlCollection.h"
#include "VlControls.h"
#include "VlStringList.h"

#include <memory>
#include <vector>

class QTreeWidget;
class TListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TSortType { stNone, stData, stText, stBoth };
enum TItemChange { ctText, ctImage, ctState };

class TListColumn : public TCollectionItem {
    VL_CLASS(TListColumn)
    explicit TListColumn(TCollection *collection = nullptr);
    const std::string &Caption() const { return FCaption; }
    void SetCaption(const std::string &text) { FCaption = text; Changed(false); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; Changed(false); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; Changed(false); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; Changed(false); }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; }
    void Assign(const TPersistent *source) override;

private:
    std::string FCaption;
    int FWidth = 50, FMinWidth = 0, FMaxWidth = 0;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
};

class TListColumns : public TCollection {
    VL_CLASS(TListColumns)
    explicit TListColumns(TListView *owner);
    TListColumn *Items(int index) const { return static_cast<TListColumn *>(TCollection::Items(index)); }
    TListColumn *Add() { return static_cast<TListColumn *>(TCollection::Add()); }
    TListView *Owner() const { return FListView; }

protected:
    void Update(TCollectionItem *item) override;

private:
    TListView *FListView;
};

class TListItem : public TObject {
    VL_CLASS(TListItem)
    TListItem(TListItems *owner, void *item);
    ~TListItem() override;
    std::string Caption() const;
    void SetCaption(const std::string &text);
    // The texts of the further columns.
    TStrings *SubItems() const { return FSubItems.get(); }
    void SetSubItems(TStrings *items) { FSubItems->Assign(items); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    int StateIndex() const { return FStateIndex; }
    void SetStateIndex(int value) { FStateIndex = value; }
    bool Checked() const;
    void SetChecked(bool value);
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const;
    void SetFocused(bool value);
    int Index() const;
    TListItems *Owner() const { return FOwner; }
    TListView *ListView() const;
    void Delete();
    void MakeVisible(bool partialOK);
    bool EditCaption();
    TRect DisplayRect() const;
    void *Data = nullptr;
    void *Item() const { return FItem; }

private:
    friend class TListItems;
    friend class TListView;
    void SubItemsChanged();
    TListItems *FOwner;
    void *FItem;  // the QTreeWidgetItem
    std::unique_ptr<TStringList> FSubItems;
    int FImageIndex = -1, FStateIndex = -1;
};

class TListItems : public TPersistent {
    VL_CLASS(TListItems)
    explicit TListItems(TListView *owner) : FOwner(owner) {}
    ~TListItems() override;
    TListItem *Add();
    TListItem *Insert(int index);
    // Frees the item (OnDeletion first).
    void Delete(int index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TListItem *Item(int index) const;
    void SetItem(int index, TListItem *value);
    int IndexOf(const TListItem *item) const;
    void BeginUpdate();
    void EndUpdate();
    TListView *Owner() const { return FOwner; }
    void Assign(const TPersistent *source) override;

private:
    friend class TListItem;
    friend class TListView;
    TListView *FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
};

class TListView : public TWinControl {
    VL_CLASS(TListView)
    explicit TListView(TComponent *owner = nullptr);
    ~TListView() override;
    TListColumns *Columns() const { return FColumns.get(); }
    void SetColumns(TListColumns *columns) { FColumns->Assign(columns); }
    TListItems *Items() const { return FItems.get(); }
    void SetItems(TListItems *items) { FItems->Assign(items); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    TListItem *Selected() const;
    void SetSelected(TListItem *item);
    TListItem *ItemFocused() const { return Selected(); }
    void SetItemFocused(TListItem *item) { SetSelected(item); }
    int SelCount() const;
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value) { FRowSelect = value; }
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool value);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool value) { FGridLines = value; }
    bool Checkboxes() const { return FCheckboxes; }
    void SetCheckboxes(bool value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    TSortType SortType() const { return FSortType; }
    // A sort type other than stNone sorts at once and after every change of the items.
    void SetSortType(TSortType value);
    // Sorts by OnCompare when assigned, else by caption.
    void AlphaSort();
    // The first item from StartIndex on whose caption is (or, with partial, begins with) value.
    TListItem *FindCaption(int startIndex, const std::string &value, bool partial, bool inclusive, bool wrap) const;
    TListItem *FindData(int startIndex, void *value, bool inclusive, bool wrap) const;
    TListItem *GetItemAt(int x, int y) const;
    TListItem *TopItem() const;
    int VisibleRowCount() const;
    void Scroll(int dx, int dy);
    bool IsEditing() const;

    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TMethod &h) { FOnChanging = h; }
    TMethod OnColumnClick() const { return FOnColumnClick; }
    void SetOnColumnClick(const TMethod &h) { FOnColumnClick = h; }
    TMethod OnCompare() const { return FOnCompare; }
    void SetOnCompare(const TMethod &h) { FOnCompare = h; }
    TMethod OnDeletion() const { return FOnDeletion; }
    void SetOnDeletion(const TMethod &h) { FOnDeletion = h; }
    TMethod OnInsert() const { return FOnInsert; }
    void SetOnInsert(const TMethod &h) { FOnInsert = h; }
    TMethod OnEditing() const { return FOnEditing; }
    void SetOnEditing(const TMethod &h) { FOnEditing = h; }
    TMethod OnEdited() const { return FOnEdited; }
    void SetOnEdited(const TMethod &h) { FOnEdited = h; }

    QTreeWidget *Tree() const;
    TListItem *ItemOf(const void *item) const;
    void SyncColumns();
    // The item events (what OnChanging and OnEditing let happen).
    bool CanChange(TListItem *item, TItemChange change);
    void Changed(TListItem *item, TItemChange change);
    bool CanEdit(TListItem *item);
    void Edited(TListItem *item, std::string &text);
    void ColumnClick(TListColumn *column);
    void Deleting(TListItem *item);
    void Inserted(TListItem *item);

protected:
    void ApplyColor() override;

private:
    friend class TListItem;
    friend class TListItems;
    class TVlListWidget;
    bool ItemEvent(const TMethod &handler, std::string_view name, std::string_view typeName, TListItem *item,
                   TItemChange change, bool allow = true);
    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TListItems> FItems;
    TViewStyle FViewStyle = vsIcon;
    TSortType FSortType = stNone;
    bool FMultiSelect = false, FReadOnly = false, FRowSelect = false, FShowColumnHeaders = true, FGridLines = false,
         FCheckboxes = false, FHideSelection = true, FReverting = false;
    TMethod FOnChange, FOnChanging, FOnColumnClick, FOnCompare, FOnDeletion, FOnInsert, FOnEditing, FOnEdited;
};

const TEnumInfo &ViewStyleEnumInfo();
const TEnumInfo &SortTypeEnumInfo();
const TEnumInfo &ItemChangeEnumInfo();
