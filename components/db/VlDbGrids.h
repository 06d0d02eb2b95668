// TDBGrid: the records of a data source as a table, one row per record and one column per field
// (or per TColumn of Columns), following the current record and editing it in place.
#pragma once

#include "VlDbDataSource.h"

#include "components/VlControls.h"
#include "rtl/VlCollection.h"

#include <memory>
#include <string>
#include <vector>

class QTableView;
class TDBGrid;
class TDBGridModel;
class TField;

class TColumnTitle : public TPersistent {
    VL_CLASS(TColumnTitle)
    const std::string &Caption() const { return FCaption; }
    void SetCaption(const std::string &text);
    void Assign(const TPersistent *source) override;
    class TColumn *Column = nullptr;

private:
    std::string FCaption;
};

class TColumn : public TCollectionItem {
    VL_CLASS(TColumn)
    explicit TColumn(TCollection *collection = nullptr);
    ~TColumn() override;
    const std::string &FieldName() const { return FFieldName; }
    void SetFieldName(const std::string &name);
    // The field of the grid's data set; null when it is closed or has no such field.
    TField *Field() const;
    TColumnTitle *Title() const { return FTitle.get(); }
    void SetTitle(TColumnTitle *title) { FTitle->Assign(title); }
    // -1: as wide as the field's display width asks.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // taLeftJustify 0, taRightJustify 1, taCenter 2; the field's own until one is set.
    int Alignment() const;
    void SetAlignment(int value);
    TDBGrid *Grid() const;
    void Assign(const TPersistent *source) override;
    std::string GetDisplayName() const override { return FFieldName.empty() ? ClassName() : FFieldName; }
    void TitleChanged() { Changed(false); }

private:
    std::string FFieldName;
    std::unique_ptr<TColumnTitle> FTitle;
    int FWidth = -1, FAlignment = -1;
    bool FVisible = true, FReadOnly = false;
};

class TDBGridColumns : public TCollection {
    VL_CLASS(TDBGridColumns)
    explicit TDBGridColumns(TDBGrid *grid = nullptr);
    TColumn *Items(int index) const { return static_cast<TColumn *>(TCollection::Items(index)); }
    TColumn *Add() { return static_cast<TColumn *>(TCollection::Add()); }
    TDBGrid *Grid() const { return FGrid; }
    // Fills the columns with one per field of the data set.
    void RebuildColumns();

protected:
    void Update(TCollectionItem *item) override;

private:
    TDBGrid *FGrid;
};

enum TDBGridOption { dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines,
                     dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect };
using TDBGridOptions = uint32_t;
const TEnumInfo &DBGridOptionEnumInfo();

// The ancestor scripts know the data grid's members by.
class TCustomDBGrid : public TWinControl {
    VL_CLASS(TCustomDBGrid)
    using TWinControl::TWinControl;
};

class TDBGrid : public TCustomDBGrid {
    VL_CLASS(TDBGrid)
    explicit TDBGrid(TComponent *owner = nullptr);
    ~TDBGrid() override;
    TDataSource *DataSource() const;
    void SetDataSource(TDataSource *source);
    TDBGridColumns *Columns() const { return FColumns.get(); }
    void SetColumns(TDBGridColumns *columns) { FColumns->Assign(columns); }
    TDBGridOptions Options() const { return FOptions; }
    void SetOptions(TDBGridOptions value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // The columns shown: the visible Columns, or one per visible field when Columns is empty.
    int FieldCount() const { return static_cast<int>(FShown.size()); }
    TField *Fields(int index) const;
    // The column of the cell cursor (0-based among the shown ones) and its field.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);
    TField *SelectedField() const;
    void SetSelectedField(TField *field);
    // What a cell shows (row: the record's 0-based place; column among the shown ones).
    std::string CellText(int row, int column) const;
    std::string ColumnTitle(int column) const;
    // How the cells of a shown column stand (taLeftJustify 0, taRightJustify 1, taCenter 2).
    int ColumnAlignment(int column) const;
    int RowCount() const;
    // The widths the columns get, in pixels.
    int ColumnWidth(int column) const;
    void Notification(TComponent *component, TOperation operation) override;
    void Loaded() override;

    // The grid's model and link call these.
    void LayoutChanged();
    void RecordMoved();
    void RowChanged();
    bool CanEditCell(int row, int column) const;
    void EditCell(int row, int column, const std::string &text);
    void ViewRowChosen(int row);

private:
    class TGridLink;
    struct TShownColumn {
        TField *Field;
        TColumn *Column;  // null for a column made for a field
    };
    QTableView *View() const;
    void ApplyOptions();
    std::unique_ptr<TGridLink> FLink;
    std::unique_ptr<TDBGridColumns> FColumns;
    TDBGridModel *FModel = nullptr;
    std::vector<TShownColumn> FShown;
    TDBGridOptions FOptions;
    bool FReadOnly = false, FSyncing = false;
};
