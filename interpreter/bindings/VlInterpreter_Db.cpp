// The Db unit for scripts: data sets and their navigation and editing, fields and their
// conversions, field and index definitions, parameters, data sources, and EDatabaseError.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreter_DbEvent.h"
#include "VlInterpreter_DbValues.h"

#include "components/db/VlDbDataSet.h"
#include "components/db/VlDbDataSource.h"
#include "components/db/VlDbParams.h"
#include "rtl/VlStrings.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }

// Value / AsVariant of fields and parameters.
void FieldValue(TVlValue &r, TVlInterpreterArgs &a)
{
    TField *field = VlSelf<TField>(a);
    r = VlDbToScriptValue(field->Value(), field->DataType());
}
void FieldSetValue(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TField>(a)->SetValue(VlScriptToDbValue(v)); }
void ParamValue(TVlValue &r, TVlInterpreterArgs &a)
{
    TParam *param = VlSelf<TParam>(a);
    r = VlDbToScriptValue(param->Value(), param->DataType());
}
void ParamSetValue(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TParam>(a)->SetValue(VlScriptToDbValue(v)); }

// FieldValues['Name'] (and the data set's default property): one value, or a variant array for 'A;B'.
void DataSetFieldValues(TVlValue &r, TVlInterpreterArgs &a)
{
    TDataSet *dataSet = VlSelf<TDataSet>(a);
    const std::vector<TVarValue> values = dataSet->FieldValues(Str(a, 0));
    if (values.size() == 1)
        r = VlDbToScriptValue(values.front(), dataSet->FieldByName(Str(a, 0))->DataType());
    else
        r = VlDbToScriptValues(values);
}
void DataSetSetFieldValues(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TDataSet>(a)->SetFieldValues(Str(a, 0), VlScriptToDbValues(v));
}

// Locate(KeyFields, KeyValues, Options) and Lookup(KeyFields, KeyValues, ResultFields).
void DataSetLocate(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(
        VlSelf<TDataSet>(a)->Locate(Str(a, 0), VlScriptToDbValues(a.Values[1]), ValueToSet(a.Values[2])));
}
void DataSetLookup(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::vector<TVarValue> values = VlSelf<TDataSet>(a)->Lookup(Str(a, 0), VlScriptToDbValues(a.Values[1]), Str(a, 2));
    r = values.empty() ? TVlValue::Null() : VlDbToScriptValues(values);
}

// FieldDefs.Add(Name, DataType[, Size[, Required]]).
void FieldDefsAdd(TVlValue &r, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 2, 4);
    r = VlObjectValue(VlSelf<TFieldDefs>(a)->Add(Str(a, 0), static_cast<TFieldType>(ValueToInteger(a.Values[1])),
                                                 a.Count > 2 ? ValueToInteger(a.Values[2]) : 0,
                                                 a.Count > 3 && ValueToBoolean(a.Values[3])));
}

void FieldsDefault(TVlValue &r, TVlInterpreterArgs &a)
{
    TFields *fields = VlSelf<TFields>(a);
    r = VlObjectValue(a.Values[0].IsString() ? fields->FieldByName(Str(a, 0)) : fields->Fields(ValueToInteger(a.Values[0])));
}

void ParamsDefault(TVlValue &r, TVlInterpreterArgs &a)
{
    TParams *params = VlSelf<TParams>(a);
    r = VlObjectValue(a.Values[0].IsString() ? params->ParamByName(Str(a, 0)) : params->Items(ValueToInteger(a.Values[0])));
}

const TVlMemberBinding DataSetMembers[] = {
    VlMethod<&TDataSet::Open>("Open"), VlMethod<&TDataSet::Close>("Close"), VlMethod<&TDataSet::Refresh>("Refresh"),
    VlMethod<&TDataSet::First>("First"), VlMethod<&TDataSet::Last>("Last"), VlMethod<&TDataSet::Next>("Next"),
    VlMethod<&TDataSet::Prior>("Prior"), VlMethod<&TDataSet::MoveBy>("MoveBy"), VlMethod<&TDataSet::Eof>("Eof"),
    VlMethod<&TDataSet::Bof>("Bof"), VlMethod<&TDataSet::IsEmpty>("IsEmpty"),
    VlMethod<&TDataSet::RecordCount>("RecordCount"), VlMethod<&TDataSet::RecNo>("RecNo"),
    VlWriter<&TDataSet::SetRecNo>("RecNo"), VlMethod<&TDataSet::Append>("Append"),
    VlMethod<&TDataSet::Insert>("Insert"), VlMethod<&TDataSet::Edit>("Edit"), VlMethod<&TDataSet::Post>("Post"),
    VlMethod<&TDataSet::Cancel>("Cancel"), VlMethod<&TDataSet::Delete>("Delete"),
    VlMethod<&TDataSet::CheckBrowseMode>("CheckBrowseMode"), VlMethod<&TDataSet::UpdateRecord>("UpdateRecord"),
    VlMethod<&TDataSet::State>("State"), VlMethod<&TDataSet::Modified>("Modified"),
    VlMethod<&TDataSet::CanModify>("CanModify"), VlMethod<&TDataSet::DisableControls>("DisableControls"),
    VlMethod<&TDataSet::EnableControls>("EnableControls"), VlMethod<&TDataSet::ControlsDisabled>("ControlsDisabled"),
    VlMethod<&TDataSet::Fields>("Fields"), VlMethod<&TDataSet::FieldCount>("FieldCount"),
    VlMethod<&TDataSet::FieldDefs>("FieldDefs"), VlMethod<&TDataSet::FindField>("FindField"),
    VlMethod<&TDataSet::FieldByName>("FieldByName"), VlMethod<&TDataSet::GetFieldNames>("GetFieldNames"),
    VlIndexedGet("FieldValues", DataSetFieldValues), VlIndexedSet("FieldValues", DataSetSetFieldValues),
    VlDefaultGet(DataSetFieldValues), VlDefaultSet(DataSetSetFieldValues),
    VlGet("Locate", DataSetLocate, "..."), VlGet("Lookup", DataSetLookup, "..."),
    VL_NOT_IMPLEMENTED("GetBookmark", "TDataSet.GetBookmark"), VL_NOT_IMPLEMENTED("GotoBookmark", "TDataSet.GotoBookmark"),
    VL_NOT_IMPLEMENTED("FreeBookmark", "TDataSet.FreeBookmark"), VL_NOT_IMPLEMENTED("Bookmark", "TDataSet.Bookmark"),
    VL_NOT_IMPLEMENTED("GetCurrentRecord", "TDataSet.GetCurrentRecord"),
    VL_NOT_IMPLEMENTED("CreateBlobStream", "TDataSet.CreateBlobStream"),
};

const TVlMemberBinding FieldMembers[] = {
    VlMethod<&TField::AsString>("AsString"), VlWriter<&TField::SetAsString>("AsString"),
    VlMethod<&TField::AsInteger>("AsInteger"), VlWriter<&TField::SetAsInteger>("AsInteger"),
    VlMethod<&TField::AsFloat>("AsFloat"), VlWriter<&TField::SetAsFloat>("AsFloat"),
    VlMethod<&TField::AsCurrency>("AsCurrency"), VlWriter<&TField::SetAsCurrency>("AsCurrency"),
    VlMethod<&TField::AsBoolean>("AsBoolean"), VlWriter<&TField::SetAsBoolean>("AsBoolean"),
    VlGet("AsDateTime", [](TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(VlSelf<TField>(a)->AsDateTime()); }),
    VlWriter<&TField::SetAsDateTime>("AsDateTime"),
    VlGet("Value", FieldValue), VlSet("Value", FieldSetValue), VlGet("AsVariant", FieldValue),
    VlSet("AsVariant", FieldSetValue), VlMethod<&TField::Text>("Text"), VlWriter<&TField::SetText>("Text"),
    VlMethod<&TField::DisplayText>("DisplayText"), VlMethod<&TField::IsNull>("IsNull"),
    VlMethod<&TField::Clear>("Clear"), VlMethod<&TField::DataType>("DataType"), VlMethod<&TField::DataSet>("DataSet"),
    VlMethod<&TField::FieldNo>("FieldNo"), VlMethod<&TField::IsBlob>("IsBlob"),
    VL_NOT_IMPLEMENTED("FocusControl", "TField.FocusControl"), VL_NOT_IMPLEMENTED("OldValue", "TField.OldValue"),
};

const TVlMemberBinding NumericFieldMembers[] = {
    VlMethod<&TNumericField::DisplayFormat>("DisplayFormat"), VlWriter<&TNumericField::SetDisplayFormat>("DisplayFormat"),
};

const TVlMemberBinding BlobFieldMembers[] = {
    VlMethod<&TBlobField::BlobSize>("BlobSize"),
    VL_NOT_IMPLEMENTED("LoadFromFile", "TBlobField.LoadFromFile"), VL_NOT_IMPLEMENTED("SaveToFile", "TBlobField.SaveToFile"),
};

const TVlMemberBinding FieldsMembers[] = {
    VlMethod<&TFields::Count>("Count"), VlIndexed<&TFields::Fields>("Fields"), VlDefaultGet(FieldsDefault),
    VlMethod<&TFields::FindField>("FindField"), VlMethod<&TFields::FieldByName>("FieldByName"),
};

const TVlMemberBinding FieldDefMembers[] = {
    VlMethod<&TFieldDef::Name>("Name"), VlWriter<&TFieldDef::Name>("Name"),
    VlMethod<&TFieldDef::DataType>("DataType"), VlWriter<&TFieldDef::DataType>("DataType"),
    VlMethod<&TFieldDef::Size>("Size"), VlWriter<&TFieldDef::Size>("Size"),
    VlMethod<&TFieldDef::Required>("Required"), VlWriter<&TFieldDef::Required>("Required"),
    VlMethod<&TFieldDef::FieldNo>("FieldNo"),
};

const TVlMemberBinding FieldDefsMembers[] = {
    VlMethod<&TFieldDefs::Count>("Count"), VlIndexed<&TFieldDefs::Items>("Items"),
    VlDefaultReader<&TFieldDefs::Items>(), VlGet("Add", FieldDefsAdd, "*"), VlMethod<&TFieldDefs::Clear>("Clear"),
    VlMethod<&TFieldDefs::IndexOf>("IndexOf"), VlMethod<&TFieldDefs::Find>("Find"),
};

const TVlMemberBinding IndexDefMembers[] = {
    VlMethod<&TIndexDef::Name>("Name"), VlWriter<&TIndexDef::Name>("Name"), VlMethod<&TIndexDef::Fields>("Fields"),
    VlWriter<&TIndexDef::Fields>("Fields"), VlMethod<&TIndexDef::Options>("Options"),
    VlWriter<&TIndexDef::Options>("Options"),
};

const TVlMemberBinding IndexDefsMembers[] = {
    VlMethod<&TIndexDefs::Count>("Count"), VlIndexed<&TIndexDefs::Items>("Items"),
    VlDefaultReader<&TIndexDefs::Items>(), VlMethod<&TIndexDefs::Add>("Add"), VlMethod<&TIndexDefs::Clear>("Clear"),
    VlMethod<&TIndexDefs::IndexOf>("IndexOf"),
};

const TVlMemberBinding ParamMembers[] = {
    VlMethod<&TParam::AsString>("AsString"), VlWriter<&TParam::SetAsString>("AsString"),
    VlMethod<&TParam::AsInteger>("AsInteger"), VlWriter<&TParam::SetAsInteger>("AsInteger"),
    VlWriter<&TParam::SetAsInteger>("AsSmallInt"), VlMethod<&TParam::AsFloat>("AsFloat"),
    VlWriter<&TParam::SetAsFloat>("AsFloat"), VlWriter<&TParam::SetAsFloat>("AsCurrency"),
    VlMethod<&TParam::AsBoolean>("AsBoolean"), VlWriter<&TParam::SetAsBoolean>("AsBoolean"),
    VlGet("AsDateTime", [](TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(VlSelf<TParam>(a)->AsDateTime()); }),
    VlWriter<&TParam::SetAsDateTime>("AsDateTime"), VlWriter<&TParam::SetAsDate>("AsDate"),
    VlWriter<&TParam::SetAsMemo>("AsMemo"), VlGet("Value", ParamValue), VlSet("Value", ParamSetValue),
    VlGet("AsVariant", ParamValue), VlSet("AsVariant", ParamSetValue), VlMethod<&TParam::IsNull>("IsNull"),
    VlMethod<&TParam::Clear>("Clear"), VlMethod<&TParam::Bound>("Bound"),
};

const TVlMemberBinding ParamsMembers[] = {
    VlMethod<&TParams::Count>("Count"), VlIndexed<&TParams::Items>("Items"), VlDefaultGet(ParamsDefault),
    VlMethod<&TParams::ParamByName>("ParamByName"), VlMethod<&TParams::FindParam>("FindParam"),
    VlMethod<&TParams::CreateParam>("CreateParam"), VlMethod<&TParams::Clear>("Clear"),
};

const TVlMemberBinding DataSourceMembers[] = {
    VlMethod<&TDataSource::State>("State"), VlMethod<&TDataSource::Edit>("Edit"),
    VlMethod<&TDataSource::IsLinkedTo>("IsLinkedTo"),
};

const TVlClassBinding DbClasses[] = {
    {TDataSet::StaticClassInfo, DataSetMembers},
    {TField::StaticClassInfo, FieldMembers},
    {TStringField::StaticClassInfo, {}},
    {TNumericField::StaticClassInfo, NumericFieldMembers},
    {TIntegerField::StaticClassInfo, {}},
    {TSmallintField::StaticClassInfo, {}},
    {TWordField::StaticClassInfo, {}},
    {TAutoIncField::StaticClassInfo, {}},
    {TLargeintField::StaticClassInfo, {}},
    {TFloatField::StaticClassInfo, {}},
    {TCurrencyField::StaticClassInfo, {}},
    {TBCDField::StaticClassInfo, {}},
    {TBooleanField::StaticClassInfo, {}},
    {TDateTimeField::StaticClassInfo, {}},
    {TDateField::StaticClassInfo, {}},
    {TTimeField::StaticClassInfo, {}},
    {TBlobField::StaticClassInfo, BlobFieldMembers},
    {TMemoField::StaticClassInfo, {}},
    {TGraphicField::StaticClassInfo, {}},
    {TFields::StaticClassInfo, FieldsMembers},
    {TFieldDef::StaticClassInfo, FieldDefMembers},
    {TFieldDefs::StaticClassInfo, FieldDefsMembers},
    {TIndexDef::StaticClassInfo, IndexDefMembers},
    {TIndexDefs::StaticClassInfo, IndexDefsMembers},
    {TParam::StaticClassInfo, ParamMembers},
    {TParams::StaticClassInfo, ParamsMembers},
    {TDataSource::StaticClassInfo, DataSourceMembers, TVlCreate::WithOwner},
};

} // namespace

void VlRegisterDb(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Db", DbClasses);
    for (const TClassInfo *cls : VlExceptionClassesOf("Db")) {
        VlRegisterClass(adapter, "Db", *cls);
        VlRegisterExceptionConstructors(adapter, *cls);
    }
    VlRegisterEnumConstants(adapter, "Db",
                            {&DataSetStateEnumInfo(), &FieldTypeEnumInfo(), &DataActionEnumInfo(),
                             &LocateOptionEnumInfo(), &ParamTypeEnumInfo(), &IndexOptionEnumInfo(),
                             &DataEventEnumInfo()});
    TVlInterpreterDbEvent::Register(adapter);
}
