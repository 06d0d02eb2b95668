// TStringGrid: a grid of texts with fixed rows and columns over a Qt table.
#pragma once

#include "VlControls.h"

class QTableWidget;

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                   goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
                   goAlwaysShowEditor, goThumbTracking };
using TGridOptions = uint32_t;

class TStringGrid : public TWinControl {
    VL_CLASS(TStringGrid)
    explicit TStringGrid(TComponent *owner = nullptr);
    int ColCount() const { return FColCount; }
    void SetColCount(int value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    // Cells[col, row]; outside the grid reads '' and raises on writing.
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string &text);
    int Col() const;
    void SetCol(int value);
    int Row() const;
    void SetRow(int value);
    TMethod OnSelectCell() const { return FOnSelectCell; }
    void SetOnSelectCell(const TMethod &h) { FOnSelectCell = h; }

protected:
    void ApplyColor() override;

private:
    QTableWidget *Table() const;
    void ApplyStructure();
    int FColCount = 5, FRowCount = 5, FFixedCols = 1, FFixedRows = 1, FDefaultColWidth = 64, FDefaultRowHeight = 24;
    TGridOptions FOptions;
    TMethod FOnSelectCell;
};

const TEnumInfo &GridOptionEnumInfo();
