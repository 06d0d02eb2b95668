// TStringGrid: cell geometry, scrolling, cell objects, drawn cells; and TDrawGrid.
#include "VlGrids.h"

#include "VlOwnerDraw.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

TStringGrid::~TStringGrid() = default;

void TStringGrid::MouseToCell(int x, int y, int &col, int &row) const
{
    const QModelIndex index = Table()->indexAt(QPoint(x, y));
    col = index.isValid() ? index.column() : -1;
    row = index.isValid() ? index.row() : -1;
}

TRect TStringGrid::CellRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount)
        return TRect();
    const QRect r = Table()->visualRect(Table()->model()->index(row, col));
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

int TStringGrid::TopRow() const { return std::max(0, Table()->rowAt(0)); }

void TStringGrid::SetTopRow(int row)
{
    if (row >= 0 && row < FRowCount)
        Table()->scrollTo(Table()->model()->index(row, std::max(0, LeftCol())), QAbstractItemView::PositionAtTop);
}

int TStringGrid::LeftCol() const { return std::max(0, Table()->columnAt(0)); }

void TStringGrid::SetLeftCol(int col)
{
    if (col >= 0 && col < FColCount)
        Table()->horizontalScrollBar()->setValue(Table()->columnViewportPosition(col) +
                                                 Table()->horizontalScrollBar()->value());
}

int TStringGrid::VisibleColCount() const
{
    const int last = Table()->columnAt(Table()->viewport()->width() - 1);
    return (last < 0 ? FColCount - 1 : last) - LeftCol() + 1;
}

int TStringGrid::VisibleRowCount() const
{
    const int last = Table()->rowAt(Table()->viewport()->height() - 1);
    return (last < 0 ? FRowCount - 1 : last) - TopRow() + 1;
}

int TStringGrid::ColWidths(int col) const { return Table()->columnWidth(col); }
void TStringGrid::SetColWidths(int col, int width) { Table()->setColumnWidth(col, width); }
int TStringGrid::RowHeights(int row) const { return Table()->rowHeight(row); }
void TStringGrid::SetRowHeights(int row, int height) { Table()->setRowHeight(row, height); }

TObject *TStringGrid::Objects(int col, int row) const
{
    auto it = FObjects.find({col, row});
    return it == FObjects.end() ? nullptr : it->second;
}

void TStringGrid::SetObjects(int col, int row, TObject *object)
{
    if (object)
        FObjects[{col, row}] = object;
    else
        FObjects.erase({col, row});
}

bool TStringGrid::EditorMode() const
{
    // An open cell editor has the focus inside the table's viewport.
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->parentWidget() == Table()->viewport();
}

void TStringGrid::SetEditorMode(bool value)
{
    const QModelIndex current = Table()->currentIndex();
    if (value && current.isValid())
        Table()->edit(current);
    else if (!value)
        Table()->setCurrentIndex(current);
}

TCanvas *TStringGrid::Canvas() const
{
    if (!FOwnerDraw) {
        auto *self = const_cast<TStringGrid *>(this);
        TVlOwnerDraw::THooks hooks;
        hooks.Active = [self] { return self->FOnDrawCell.IsAssigned(); };
        hooks.Variable = [] { return false; };
        hooks.ItemHeight = [self] { return self->FDefaultRowHeight; };
        hooks.OnDrawItem = [self] { return self->FOnDrawCell; };
        hooks.OnMeasureItem = [] { return TMethod(); };
        hooks.Cells = true;
        hooks.DefaultDrawing = [self] { return self->FDefaultDrawing; };
        self->FOwnerDraw = std::make_unique<TVlOwnerDraw>(self, Table(), std::move(hooks));
    }
    return FOwnerDraw->Canvas();
}

void TStringGrid::SetOnDrawCell(const TMethod &h)
{
    FOnDrawCell = h;
    if (h.IsAssigned())
        Canvas();
    Table()->viewport()->update();
}

VL_IMPLEMENT_CLASS(TDrawGrid, TStringGrid, "Grids")

TDrawGrid::TDrawGrid(TComponent *owner) : TStringGrid(owner)
{
    // Cells of a draw grid show what OnDrawCell draws, not texts.
    SetDefaultDrawing(false);
}
