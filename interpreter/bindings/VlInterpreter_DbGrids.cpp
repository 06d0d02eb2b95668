// The DbGrids unit for scripts: the data grid, its columns and their titles, and the members of
// the grid's drawing, editors and row selection this system does not have ("not implemented").
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterMissingMembers.h"

#include "components/db/VlDbField.h"
#include "components/db/VlDbGrids.h"

namespace {

void ColumnsDefault(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(VlSelf<TDBGridColumns>(a)->Items(ValueToInteger(a.Values[0])));
}
void ColumnsSetDefault(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TDBGridColumns>(a)->Items(ValueToInteger(a.Values[0]))->Assign(VlArgAs<TColumn>(v));
}
// csDefault 0: one column per field, made by the grid; csCustomized 1: the columns given.
void ColumnsState(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(VlSelf<TDBGridColumns>(a)->Count() > 0); }

void GridValidFieldIndex(TVlValue &r, TVlInterpreterArgs &a)
{
    const int index = ValueToInteger(a.Values[0]);
    r = TVlValue::Boolean(index >= 0 && index < VlSelf<TDBGrid>(a)->FieldCount());
}

void TitleColumn(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(VlSelf<TColumnTitle>(a)->Column); }
// The caption a title shows when none is given: the field's label, else the column's field name.
void TitleDefaultCaption(TVlValue &r, TVlInterpreterArgs &a)
{
    const TColumn *column = VlSelf<TColumnTitle>(a)->Column;
    const TField *field = column ? column->Field() : nullptr;
    r = TVlValue::String(field ? field->DisplayLabel() : column ? column->FieldName() : std::string());
}

void BookmarksDefault(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TBookmarkList.Items"); }

const TVlMemberBinding GridMembers[] = {
    VlMethod<&TDBGrid::Columns>("Columns"), VlMethod<&TDBGrid::FieldCount>("FieldCount"),
    VlIndexed<&TDBGrid::Fields>("Fields"), VlMethod<&TDBGrid::SelectedField>("SelectedField"),
    VlWriter<&TDBGrid::SetSelectedField>("SelectedField"), VlMethod<&TDBGrid::SelectedIndex>("SelectedIndex"),
    VlWriter<&TDBGrid::SetSelectedIndex>("SelectedIndex"), VlIndexed<&TDBGrid::CellText>("CellText"),
    VlMethod<&TDBGrid::RowCount>("RowCount"), VlMethod<&TDBGrid::DataSource>("DataSource"),
    VlWriter<&TDBGrid::SetDataSource>("DataSource"), VlMethod<&TDBGrid::Options>("Options"),
    VlWriter<&TDBGrid::SetOptions>("Options"), VlMethod<&TDBGrid::ReadOnly>("ReadOnly"),
    VlWriter<&TDBGrid::SetReadOnly>("ReadOnly"), VlGet("ValidFieldIndex", GridValidFieldIndex, "."),
};
const char *const GridMissingGetters[] = {"DefaultDrawColumnCell", "DefaultDrawDataCell", "SelectedRows", "TitleFont",
                                          "DefaultDrawing", "EditorMode", "FixedColor"};
const char *const GridMissingSetters[] = {"DefaultDrawing", "EditorMode", "FixedColor", "OnCellClick", "OnColEnter",
                                          "OnColExit", "OnDrawColumnCell", "OnTitleClick"};

const TVlMemberBinding ColumnsMembers[] = {
    VlMethod<&TDBGridColumns::Count>("Count"), VlIndexed<&TDBGridColumns::Items>("Items"),
    VlIndexedSet("Items", ColumnsSetDefault), VlDefaultGet(ColumnsDefault), VlDefaultSet(ColumnsSetDefault),
    VlMethod<&TDBGridColumns::Add>("Add"), VlMethod<&TDBGridColumns::Clear>("Clear"),
    VlMethod<&TDBGridColumns::RebuildColumns>("RebuildColumns"), VlMethod<&TDBGridColumns::Grid>("Grid"),
    VlGet("State", ColumnsState),
};
const char *const ColumnsMissingGetters[] = {"RestoreDefaults", "LoadFromFile", "SaveToFile"};

const TVlMemberBinding ColumnMembers[] = {
    VlMethod<&TColumn::Field>("Field"), VlMethod<&TColumn::Grid>("Grid"), VlMethod<&TColumn::Index>("Index"),
    VlMethod<&TColumn::FieldName>("FieldName"), VlWriter<&TColumn::SetFieldName>("FieldName"),
    VlMethod<&TColumn::Title>("Title"), VlMethod<&TColumn::Width>("Width"), VlWriter<&TColumn::SetWidth>("Width"),
    VlMethod<&TColumn::Visible>("Visible"), VlWriter<&TColumn::SetVisible>("Visible"),
    VlMethod<&TColumn::ReadOnly>("ReadOnly"), VlWriter<&TColumn::SetReadOnly>("ReadOnly"),
    VlMethod<&TColumn::Alignment>("Alignment"), VlWriter<&TColumn::SetAlignment>("Alignment"),
    VlMethod<&TColumn::GetDisplayName>("DisplayName"),
};
const char *const ColumnMissingGetters[] = {"Color", "Font", "ButtonStyle", "PickList", "DropDownRows", "DefaultWidth",
                                            "RestoreDefaults", "DefaultAlignment", "DefaultColor", "DefaultFont",
                                            "DefaultReadOnly", "AssignedValues"};
const char *const ColumnMissingSetters[] = {"Color", "ButtonStyle"};

const TVlMemberBinding TitleMembers[] = {
    VlMethod<&TColumnTitle::Caption>("Caption"), VlWriter<&TColumnTitle::SetCaption>("Caption"),
    VlGet("Column", TitleColumn), VlGet("DefaultCaption", TitleDefaultCaption),
};
const char *const TitleMissingGetters[] = {"Alignment", "Color", "Font", "RestoreDefaults", "DefaultAlignment"};
const char *const TitleMissingSetters[] = {"Alignment"};

// The rows a grid with dgMultiSelect has chosen, which this grid does not keep.
VL_NAMED_CLASS(BookmarkListInfo, "TBookmarkList", TObject, "DbGrids")
const TVlMemberBinding BookmarkListMembers[] = {VlDefaultGet(BookmarksDefault)};
const char *const BookmarkListMissing[] = {"Count", "CurrentRowSelected", "Delete", "Find", "IndexOf", "Refresh"};

const TVlClassBinding DbGridsClasses[] = {
    {TCustomDBGrid::StaticClassInfo, {}},
    {TDBGrid::StaticClassInfo, GridMembers, TVlCreate::WithOwner},
    {TDBGridColumns::StaticClassInfo, ColumnsMembers},
    {TColumn::StaticClassInfo, ColumnMembers},
    {TColumnTitle::StaticClassInfo, TitleMembers},
    {BookmarkListInfo, BookmarkListMembers},
};

const TVlMissingMembers DbGridsMissing[] = {
    {TDBGrid::StaticClassInfo, GridMissingGetters, GridMissingSetters},
    {TDBGridColumns::StaticClassInfo, ColumnsMissingGetters, {}},
    {TColumn::StaticClassInfo, ColumnMissingGetters, ColumnMissingSetters},
    {TColumnTitle::StaticClassInfo, TitleMissingGetters, TitleMissingSetters},
    {BookmarkListInfo, BookmarkListMissing, {}},
};

// What a column sets itself, the styles of its cell button, and whether columns were given.
const TVlIntConstant DbGridsConstants[] = {
    {"cvColor", 0}, {"cvWidth", 1}, {"cvFont", 2}, {"cvAlignment", 3}, {"cvReadOnly", 4}, {"cvTitleColor", 5},
    {"cvTitleCaption", 6}, {"cvTitleAlignment", 7}, {"cvTitleFont", 8}, {"cvImeMode", 9}, {"cvImeName", 10},
    {"cbsAuto", 0}, {"cbsEllipsis", 1}, {"cbsNone", 2}, {"csDefault", 0}, {"csCustomized", 1},
};

} // namespace

void VlRegisterDbGrids(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbGrids", DbGridsClasses);
    VlRegisterMissingMembers(adapter, "DbGrids", DbGridsMissing);
    VlRegisterEnumConstants(adapter, "DbGrids", {&DBGridOptionEnumInfo()});
    VlRegisterIntConstants(adapter, "DbGrids", DbGridsConstants);
}
