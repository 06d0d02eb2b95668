// The DbGrids unit for scripts: the data grid, its columns and their titles.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/db/VlDbField.h"
#include "components/db/VlDbGrids.h"

namespace {

void ColumnsDefault(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(VlSelf<TDBGridColumns>(a)->Items(ValueToInteger(a.Values[0])));
}

const TVlMemberBinding GridMembers[] = {
    VlMethod<&TDBGrid::Columns>("Columns"), VlMethod<&TDBGrid::FieldCount>("FieldCount"),
    VlIndexed<&TDBGrid::Fields>("Fields"), VlMethod<&TDBGrid::SelectedField>("SelectedField"),
    VlWriter<&TDBGrid::SetSelectedField>("SelectedField"), VlMethod<&TDBGrid::SelectedIndex>("SelectedIndex"),
    VlWriter<&TDBGrid::SetSelectedIndex>("SelectedIndex"), VlIndexed<&TDBGrid::CellText>("CellText"),
    VlMethod<&TDBGrid::RowCount>("RowCount"),
    VL_NOT_IMPLEMENTED("DefaultDrawColumnCell", "TDBGrid.DefaultDrawColumnCell"),
    VL_NOT_IMPLEMENTED("SelectedRows", "TDBGrid.SelectedRows"),
};

const TVlMemberBinding ColumnsMembers[] = {
    VlMethod<&TDBGridColumns::Count>("Count"), VlIndexed<&TDBGridColumns::Items>("Items"),
    VlDefaultGet(ColumnsDefault), VlMethod<&TDBGridColumns::Add>("Add"), VlMethod<&TDBGridColumns::Clear>("Clear"),
    VlMethod<&TDBGridColumns::RebuildColumns>("RebuildColumns"), VlMethod<&TDBGridColumns::Grid>("Grid"),
};

const TVlMemberBinding ColumnMembers[] = {
    VlMethod<&TColumn::Field>("Field"), VlMethod<&TColumn::Grid>("Grid"), VlMethod<&TColumn::Index>("Index"),
};

const TVlClassBinding DbGridsClasses[] = {
    {TDBGrid::StaticClassInfo, GridMembers, TVlCreate::WithOwner},
    {TDBGridColumns::StaticClassInfo, ColumnsMembers},
    {TColumn::StaticClassInfo, ColumnMembers},
    {TColumnTitle::StaticClassInfo, {}},
};

} // namespace

void VlRegisterDbGrids(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbGrids", DbGridsClasses);
    VlRegisterEnumConstants(adapter, "DbGrids", {&DBGridOptionEnumInfo()});
}
