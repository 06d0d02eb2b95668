// The Grids unit for scripts: string grids and draw grids, their cells, geometry and options.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/VlGrids.h"

namespace {

int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }
TStringGrid *Grid(TVlInterpreterArgs &a) { return VlSelf<TStringGrid>(a); }

// MouseToCell(X, Y; var ACol, ARow)
void GridMouseToCell(TVlValue &, TVlInterpreterArgs &a)
{
    int col = -1, row = -1;
    Grid(a)->MouseToCell(Int(a, 0), Int(a, 1), col, row);
    a.Values[2] = TVlValue::Integer(col);
    a.Values[3] = TVlValue::Integer(row);
}

const TVlMemberBinding StringGridMembers[] = {
    VlIndexed<&TStringGrid::Cells>("Cells"), VlIndexedWriter<&TStringGrid::SetCells>("Cells"),
    VlIndexed<&TStringGrid::Objects>("Objects"), VlIndexedWriter<&TStringGrid::SetObjects>("Objects"),
    VlIndexed<&TStringGrid::ColWidths>("ColWidths"), VlIndexedWriter<&TStringGrid::SetColWidths>("ColWidths"),
    VlIndexed<&TStringGrid::RowHeights>("RowHeights"), VlIndexedWriter<&TStringGrid::SetRowHeights>("RowHeights"),
    VlGet("MouseToCell", GridMouseToCell, "..vv"), VlMethod<&TStringGrid::CellRect>("CellRect"),
    VlMethod<&TStringGrid::Col>("Col"), VlWriter<&TStringGrid::SetCol>("Col"), VlMethod<&TStringGrid::Row>("Row"),
    VlWriter<&TStringGrid::SetRow>("Row"), VlMethod<&TStringGrid::TopRow>("TopRow"),
    VlWriter<&TStringGrid::SetTopRow>("TopRow"), VlMethod<&TStringGrid::LeftCol>("LeftCol"),
    VlWriter<&TStringGrid::SetLeftCol>("LeftCol"), VlMethod<&TStringGrid::VisibleColCount>("VisibleColCount"),
    VlMethod<&TStringGrid::VisibleRowCount>("VisibleRowCount"), VlMethod<&TStringGrid::EditorMode>("EditorMode"),
    VlWriter<&TStringGrid::SetEditorMode>("EditorMode"), VlMethod<&TStringGrid::Canvas>("Canvas"),
};

const TVlClassBinding GridsClasses[] = {
    {TStringGrid::StaticClassInfo, StringGridMembers, TVlCreate::WithOwner},
    {TDrawGrid::StaticClassInfo, {}, TVlCreate::WithOwner},
};

const TVlIntConstant GridsConstants[] = {
    {"gdSelected", 0}, {"gdFocused", 1}, {"gdFixed", 2}, {"sdLeft", 0}, {"sdRight", 1}, {"sdUp", 2}, {"sdDown", 3},
    {"gsNormal", 0}, {"gsSelecting", 1}, {"gsRowSizing", 2}, {"gsColSizing", 3}, {"gsRowMoving", 4},
    {"gsColMoving", 5},
};

} // namespace

void VlRegisterGrids(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Grids", GridsClasses);
    VlRegisterEnumConstants(adapter, "Grids", {&GridOptionEnumInfo()});
    VlRegisterIntConstants(adapter, "Grids", GridsConstants);
}
