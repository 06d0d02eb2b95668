// TStringGrid: a grid of texts with fixed rows and columns over a Qt table.
#pragma once

#include "VlControls.h"

#include <map>
#include <memory>

class TVlOwnerDraw;

class QTableWidget;

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                   goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
                   goAlwaysShowEditor, goThumbTracking };
using TGridOptions = uint32_t;

class TStringGrid : public TWinControl {
    VL_CLASS(TStringGrid)
    explicit TStringGrid(TComponent *owner = nullptr);
    ~TStringGrid() override;
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
    // The cell at a client point (-1, -1 outside the cells) and the rectangle of a cell.
    void MouseToCell(int x, int y, int &col, int &row) const;
    TRect CellRect(int col, int row) const;
    int TopRow() const;
    void SetTopRow(int row);
    int LeftCol() const;
    void SetLeftCol(int col);
    int VisibleColCount() const;
    int VisibleRowCount() const;
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    // An object kept with a cell (not owned); nil when none.
    TObject *Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject *object);
    bool EditorMode() const;
    void SetEditorMode(bool value);
    // Cells drawn by OnDrawCell on Canvas (after the usual drawing while DefaultDrawing is on).
    TCanvas *Canvas() const;
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { FDefaultDrawing = value; }
    TMethod OnDrawCell() const { return FOnDrawCell; }
    void SetOnDrawCell(const TMethod &h);

protected:
    void ApplyColor() override;

private:
    QTableWidget *Table() const;
    void ApplyStructure();
    int FColCount = 5, FRowCount = 5, FFixedCols = 1, FFixedRows = 1, FDefaultColWidth = 64, FDefaultRowHeight = 24;
    TGridOptions FOptions;
    TMethod FOnSelectCell, FOnDrawCell;
    bool FDefaultDrawing = true;
    std::map<std::pair<int, int>, TObject *> FObjects;
    std::unique_ptr<TVlOwnerDraw> FOwnerDraw;
};

// A grid whose cells its OnDrawCell handler draws (no texts of its own are shown).
class TDrawGrid : public TStringGrid {
    VL_CLASS(TDrawGrid)
    explicit TDrawGrid(TComponent *owner = nullptr);
};

const TEnumInfo &GridOptionEnumInfo();
