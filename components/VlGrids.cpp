// TStringGrid: a grid of texts with fixed rows and columns over a Qt table.
#include "VlGrids.h"

#include "VlControlProps.h"
#include "VlOwnerDraw.h"
#include "VlExceptions.h"
#include "VlFormLimits.h"
#include "VlWidgetBridge.h"

#include <QHeaderView>
#include <QTableWidget>

const TEnumInfo &GridOptionEnumInfo()
{
    static const TEnumInfo info("TGridOption", {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",
                                                "goRangeSelect", "goDrawFocusSelected", "goRowSizing", "goColSizing",
                                                "goRowMoving", "goColMoving", "goEditing", "goTabs", "goRowSelect",
                                                "goAlwaysShowEditor", "goThumbTracking"});
    return info;
}

namespace {
constexpr TGridOptions DefaultGridOptions = (1u << goFixedVertLine) | (1u << goFixedHorzLine) | (1u << goVertLine) |
                                            (1u << goHorzLine) | (1u << goRangeSelect);
}

VL_IMPLEMENT_CLASS_PROPS(TStringGrid, TWinControl, "Grids",
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clWindow),
    {VlIntProp<&TStringGrid::ColCount, &TStringGrid::SetColCount>("ColCount").WithDefault(5),
     VlIntProp<&TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth>("DefaultColWidth").WithDefault(64),
     VlBoolProp<&TStringGrid::DefaultDrawing, &TStringGrid::SetDefaultDrawing>("DefaultDrawing", true),
     VlIntProp<&TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight>("DefaultRowHeight").WithDefault(24)},
    VlProps::Enabled(),
    {VlIntProp<&TStringGrid::FixedCols, &TStringGrid::SetFixedCols>("FixedCols").WithDefault(1),
     VlIntProp<&TStringGrid::RowCount, &TStringGrid::SetRowCount>("RowCount").WithDefault(5),
     VlIntProp<&TStringGrid::FixedRows, &TStringGrid::SetFixedRows>("FixedRows").WithDefault(1)},
    VlProps::Font(),
    {VlSetProp<&TStringGrid::Options, &TStringGrid::SetOptions>("Options", "TGridOptions", GridOptionEnumInfo(), DefaultGridOptions)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(),
    VlProps::TabStop(true), VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(),
    VlProps::MouseEvents(),
    {VlMethodProp<&TStringGrid::OnDrawCell, &TStringGrid::SetOnDrawCell>("OnDrawCell", "TDrawCellEvent"),
     VlMethodProp<&TStringGrid::OnSelectCell, &TStringGrid::SetOnSelectCell>("OnSelectCell", "TSelectCellEvent")})

TStringGrid::TStringGrid(TComponent *owner) : TWinControl(owner), FOptions(DefaultGridOptions)
{
    auto *table = new QTableWidget;
    // Fixed rows and columns are ordinary cells drawn in the button colour, so Cells[0, 0] exists.
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    SetWidget(table);
    QObject::connect(table, &QTableWidget::currentCellChanged, Bridge(), [this](int row, int col) {
        VlGuard([&] {
            TVlEventArgs args;
            args.X = col;
            args.Y = row;
            args.Allow = true;
            FireEvent(FOnSelectCell, "OnSelectCell", "TSelectCellEvent", args);
        });
    });
    SetTabStop(true);
    SetColor(clWindow);
    ApplyStructure();
    SetOptions(DefaultGridOptions);
    SetDefaultSize(320, 120);
}

QTableWidget *TStringGrid::Table() const { return static_cast<QTableWidget *>(Widget()); }

void TStringGrid::ApplyStructure()
{
    QTableWidget *table = Table();
    table->setColumnCount(FColCount);
    table->setRowCount(FRowCount);
    table->horizontalHeader()->setDefaultSectionSize(FDefaultColWidth);
    table->verticalHeader()->setDefaultSectionSize(FDefaultRowHeight);
    for (int r = 0; r < FRowCount; ++r)
        for (int c = 0; c < FColCount; ++c) {
            QTableWidgetItem *item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(r, c, item);
            }
            const bool fixed = r < FFixedRows || c < FFixedCols;
            item->setBackground(fixed ? ColorToQColor(clBtnFace) : QBrush());
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (!fixed)
                flags |= Qt::ItemIsSelectable;
            if (!fixed && (FOptions & (1u << goEditing)))
                flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
        }
}

void TStringGrid::SetColCount(int value)
{
    VlCheckFormLimit("Grid cells", int64_t(std::max(1, value)) * FRowCount, VlMaxGridCells);
    FColCount = std::max(1, value);
    ApplyStructure();
}
void TStringGrid::SetRowCount(int value)
{
    VlCheckFormLimit("Grid cells", int64_t(std::max(1, value)) * FColCount, VlMaxGridCells);
    FRowCount = std::max(1, value);
    ApplyStructure();
}
void TStringGrid::SetFixedCols(int value) { FFixedCols = std::clamp(value, 0, FColCount - 1); ApplyStructure(); }
void TStringGrid::SetFixedRows(int value) { FFixedRows = std::clamp(value, 0, FRowCount - 1); ApplyStructure(); }
void TStringGrid::SetDefaultColWidth(int value) { FDefaultColWidth = std::max(0, value); ApplyStructure(); }
void TStringGrid::SetDefaultRowHeight(int value) { FDefaultRowHeight = std::max(0, value); ApplyStructure(); }

void TStringGrid::SetOptions(TGridOptions value)
{
    FOptions = value;
    Table()->setShowGrid(value & ((1u << goVertLine) | (1u << goHorzLine)));
    Table()->setSelectionBehavior(value & (1u << goRowSelect) ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    ApplyStructure();
}

std::string TStringGrid::Cells(int col, int row) const
{
    QTableWidgetItem *item = Table()->item(row, col);
    return item ? VlFromQString(item->text()) : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string &text)
{
    QTableWidgetItem *item = Table()->item(row, col);
    if (!item)
        throw EInvalidOperation(VlSprintf("Grid index out of range"));
    item->setText(VlToQString(text));
}

int TStringGrid::Col() const { return std::max(FFixedCols, Table()->currentColumn()); }
void TStringGrid::SetCol(int value) { Table()->setCurrentCell(Row(), value); }
int TStringGrid::Row() const { return std::max(FFixedRows, Table()->currentRow()); }
void TStringGrid::SetRow(int value) { Table()->setCurrentCell(value, Col()); }

void TStringGrid::ApplyColor()
{
    TWinControl::ApplyColor();
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color()));
    Widget()->setPalette(palette);
}
