// The Db unit for scripts: data sets and their navigation and editing, fields and their
// conversions, field and index definitions, parameters, data sources, and EDatabaseError.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterMissingMembers.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreter_DbEvent.h"
#include "VlInterpreter_DbValues.h"

#include "components/db/VlDbDataSet.h"
#include "components/db/VlDbDataSource.h"
#include "components/db/VlDbParams.h"
#include "rtl/VlStreams.h"
#include "rtl/VlStrings.h"
#include "rtl/VlStringList.h"

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

// AppendRecord([..]), InsertRecord([..]), SetFields([..]).
template <void (TDataSet::*Step)(const std::vector<TVarValue> &)>
void DataSetRecord(TVlValue &, TVlInterpreterArgs &a)
{
    (VlSelf<TDataSet>(a)->*Step)(VlScriptToDbArray(a, 0));
}

void DataSetIsLinkedTo(TVlValue &r, TVlInterpreterArgs &a)
{
    const TDataSource *source = VlArgAs<TDataSource>(a.Values[0]);
    r = TVlValue::Boolean(source && source->DataSet() == VlSelf<TDataSet>(a));
}

// Resync: the records in memory are the data set's own, so only the controls need to hear of it.
void DataSetResync(TVlValue &, TVlInterpreterArgs &a) { VlSelf<TDataSet>(a)->DataEvent(deDataSetChange); }
void AlwaysTrue(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(true); }
void AlwaysFalse(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(false); }
void NilObject(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(nullptr); }
// Fields made from the data set's columns (fkData 0): no calculated or lookup fields here.
void DataFieldKind(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Integer(0); }

void FieldIsValidChar(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::string text = Str(a, 0);
    r = TVlValue::Boolean(!text.empty() && VlSelf<TField>(a)->IsValidChar(text[0]));
}
void FieldAssignValue(TVlValue &, TVlInterpreterArgs &a) { VlSelf<TField>(a)->SetValue(VlScriptToDbValue(a.Values[0])); }

void BlobLoadFromStream(TVlValue &, TVlInterpreterArgs &a)
{
    TStream *stream = VlArgAs<TStream>(a.Values[0]);
    std::string bytes(size_t(std::max<int64_t>(0, stream->Remaining())), '\0');
    stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    VlSelf<TBlobField>(a)->SetValue(DbString(bytes));
}
void BlobSaveToStream(TVlValue &, TVlInterpreterArgs &a)
{
    const std::string bytes = VlSelf<TBlobField>(a)->AsString();
    VlArgAs<TStream>(a.Values[0])->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void FieldsIndexOf(TVlValue &r, TVlInterpreterArgs &a)
{
    const TField *field = VlArgAs<TField>(a.Values[0]);
    TFields *fields = VlSelf<TFields>(a);
    int index = -1;
    for (int i = 0; i < fields->Count() && index < 0; ++i)
        if (fields->Fields(i) == field)
            index = i;
    r = TVlValue::Integer(index);
}
void FieldsGetFieldNames(TVlValue &, TVlInterpreterArgs &a)
{
    TFields *fields = VlSelf<TFields>(a);
    TStrings *list = VlArgAs<TStrings>(a.Values[0]);
    list->Clear();
    for (int i = 0; i < fields->Count(); ++i)
        list->Add(fields->Fields(i)->FieldName());
}
void FieldsCheckFieldName(TVlValue &, TVlInterpreterArgs &a)
{
    if (VlSelf<TFields>(a)->FindField(Str(a, 0)))
        DatabaseError("Duplicate field name '" + Str(a, 0) + "'");
}
void FieldsCheckFieldNames(TVlValue &, TVlInterpreterArgs &a)
{
    for (const std::string &name : SplitFieldNames(Str(a, 0)))
        VlSelf<TFields>(a)->FieldByName(name);
}

void FieldDefAttributes(TVlValue &r, TVlInterpreterArgs &a)
{
    const TFieldDef *def = VlSelf<TFieldDef>(a);
    r = SetToValue(def->Attributes | (def->Required ? 1u << faRequired : 0u));
}
void FieldDefSetAttributes(const TVlValue &v, TVlInterpreterArgs &a)
{
    TFieldDef *def = VlSelf<TFieldDef>(a);
    const uint32_t mask = ValueToSet(v);
    def->Required = (mask & (1u << faRequired)) != 0;
    def->Attributes = mask & ~(1u << faRequired);
}
void FieldDefsAddFieldDef(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(VlSelf<TFieldDefs>(a)->Add("", ftUnknown)); }
void IndexDefsAddIndexDef(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(VlSelf<TIndexDefs>(a)->Add("", "", 0)); }
// Fields of an index that is no expression.
void IndexDefFieldExpression(TVlValue &r, TVlInterpreterArgs &a)
{
    const TIndexDef *def = VlSelf<TIndexDef>(a);
    r = TVlValue::String(def->Options & (1u << ixExpression) ? std::string() : def->Fields);
}

void ParamAssignField(TVlValue &, TVlInterpreterArgs &a) { VlSelf<TParam>(a)->AssignField(VlArgAs<TField>(a.Values[0])); }
void ParamAssignFieldValue(TVlValue &, TVlInterpreterArgs &a)
{
    VlSelf<TParam>(a)->AssignFieldValue(VlArgAs<TField>(a.Values[0]), VlScriptToDbValue(a.Values[1]));
}

void ParamsParamValues(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlDbToScriptValues(VlSelf<TParams>(a)->ParamValues(Str(a, 0)));
}
void ParamsSetParamValues(const TVlValue &v, TVlInterpreterArgs &a)
{
    VlSelf<TParams>(a)->SetParamValues(Str(a, 0), VlScriptToDbValues(v));
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
    VlMethod<&TDataSet::Active>("Active"), VlWriter<&TDataSet::SetActive>("Active"),
    VlMethod<&TDataSet::Filtered>("Filtered"), VlWriter<&TDataSet::SetFiltered>("Filtered"),
    VlGet("AppendRecord", DataSetRecord<&TDataSet::AppendRecord>, "."),
    VlGet("InsertRecord", DataSetRecord<&TDataSet::InsertRecord>, "."),
    VlGet("SetFields", DataSetRecord<&TDataSet::SetFields>, "."), VlMethod<&TDataSet::ClearFields>("ClearFields"),
    VlMethod<&TDataSet::FindFirst>("FindFirst"), VlMethod<&TDataSet::FindLast>("FindLast"),
    VlMethod<&TDataSet::FindNext>("FindNext"), VlMethod<&TDataSet::FindPrior>("FindPrior"),
    VlMethod<&TDataSet::Found>("Found"), VlGet("IsLinkedTo", DataSetIsLinkedTo, "."),
    VlGet("DefaultFields", AlwaysTrue), VlGet("IsSequenced", AlwaysTrue), VlGet("Resync", DataSetResync, "."),
    // The flat lists of fields and definitions are the data set's own lists here; none is nested.
    VlMethod<&TDataSet::Fields>("FieldList"), VlMethod<&TDataSet::FieldDefs>("FieldDefList"),
    VlGet("DataSetField", NilObject),
};

const char *const DataSetMissingGetters[] = {
    "GetBookmark", "GotoBookmark", "FreeBookmark", "Bookmark", "BookmarkValid", "CompareBookmarks",
    "GetCurrentRecord", "CreateBlobStream", "Filter", "FilterOptions", "AutoCalcFields", "DataSource",
    "RecordSize", "UpdateStatus", "GetFieldList",
};
const char *const DataSetMissingSetters[] = {"Bookmark", "Filter", "FilterOptions", "AutoCalcFields"};

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
    VlMethod<&TField::FieldName>("FieldName"), VlWriter<&TField::SetFieldName>("FieldName"),
    VlMethod<&TField::DisplayLabel>("DisplayLabel"), VlWriter<&TField::SetDisplayLabel>("DisplayLabel"),
    VlMethod<&TField::DisplayLabel>("DisplayName"), VlMethod<&TField::FieldName>("FullName"),
    VlMethod<&TField::DisplayWidth>("DisplayWidth"), VlWriter<&TField::SetDisplayWidth>("DisplayWidth"),
    VlMethod<&TField::Size>("Size"), VlWriter<&TField::SetSize>("Size"), VlMethod<&TField::Index>("Index"),
    VlMethod<&TField::Visible>("Visible"), VlWriter<&TField::SetVisible>("Visible"),
    VlMethod<&TField::ReadOnly>("ReadOnly"), VlWriter<&TField::SetReadOnly>("ReadOnly"),
    VlMethod<&TField::Required>("Required"), VlWriter<&TField::SetRequired>("Required"),
    VlMethod<&TField::Alignment>("Alignment"), VlWriter<&TField::SetAlignment>("Alignment"),
    VlMethod<&TField::Origin>("Origin"), VlWriter<&TField::SetOrigin>("Origin"),
    VlMethod<&TField::DataSize>("DataSize"), VlMethod<&TField::CanModify>("CanModify"),
    VlGet("IsValidChar", FieldIsValidChar, "."), VlGet("AssignValue", FieldAssignValue, "."),
    VlGet("FieldKind", DataFieldKind), VlGet("Calculated", AlwaysFalse), VlGet("Lookup", AlwaysFalse),
    VlGet("HasConstraints", AlwaysFalse), VlGet("ParentField", NilObject),
};

const char *const FieldMissingGetters[] = {
    "FocusControl", "OldValue", "CurValue", "NewValue", "EditMask", "IsIndexField", "LookupDataSet",
    "LookupKeyFields", "LookupResultField", "ValidChars", "GetData", "SetData", "Validate",
};
const char *const FieldMissingSetters[] = {
    "EditMask", "FieldKind", "Calculated", "Lookup", "LookupDataSet", "LookupKeyFields", "LookupResultField", "Index",
};

void StringFieldFixedChar(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(VlSelf<TStringField>(a)->DataType() == ftFixedChar);
}

const TVlMemberBinding StringFieldMembers[] = {
    VlGet("FixedChar", StringFieldFixedChar),
    // Texts always cross between the script's code page and the engine's.
    VlGet("Transliterate", AlwaysTrue),
};

const TVlMemberBinding NumericFieldMembers[] = {
    VlMethod<&TNumericField::DisplayFormat>("DisplayFormat"), VlWriter<&TNumericField::SetDisplayFormat>("DisplayFormat"),
    VlMethod<&TNumericField::EditFormat>("EditFormat"), VlWriter<&TNumericField::SetEditFormat>("EditFormat"),
};

const TVlMemberBinding IntegerFieldMembers[] = {
    VlMethod<&TIntegerField::MinValue>("MinValue"), VlWriter<&TIntegerField::SetMinValue>("MinValue"),
    VlMethod<&TIntegerField::MaxValue>("MaxValue"), VlWriter<&TIntegerField::SetMaxValue>("MaxValue"),
};

const TVlMemberBinding LargeintFieldMembers[] = {VlGet("AsLargeInt", FieldValue), VlSet("AsLargeInt", FieldSetValue)};

const TVlMemberBinding FloatFieldMembers[] = {
    VlMethod<&TFloatField::MinValue>("MinValue"), VlWriter<&TFloatField::SetMinValue>("MinValue"),
    VlMethod<&TFloatField::MaxValue>("MaxValue"), VlWriter<&TFloatField::SetMaxValue>("MaxValue"),
    VlMethod<&TFloatField::Precision>("Precision"), VlWriter<&TFloatField::SetPrecision>("Precision"),
    VlMethod<&TFloatField::Currency>("Currency"), VlWriter<&TFloatField::SetCurrency>("Currency"),
};

const TVlMemberBinding BooleanFieldMembers[] = {
    VlMethod<&TBooleanField::DisplayValues>("DisplayValues"), VlWriter<&TBooleanField::SetDisplayValues>("DisplayValues"),
};

const TVlMemberBinding DateTimeFieldMembers[] = {
    VlMethod<&TDateTimeField::DisplayFormat>("DisplayFormat"),
    VlWriter<&TDateTimeField::SetDisplayFormat>("DisplayFormat"),
};

const TVlMemberBinding BlobFieldMembers[] = {
    VlMethod<&TBlobField::BlobSize>("BlobSize"), VlMethod<&TBlobField::LoadFromFile>("LoadFromFile"),
    VlMethod<&TBlobField::SaveToFile>("SaveToFile"), VlGet("LoadFromStream", BlobLoadFromStream, "."),
    VlGet("SaveToStream", BlobSaveToStream, "."), VlMethod<&TBlobField::DataType>("BlobType"),
};
const char *const BlobFieldMissingGetters[] = {"Modified"};
const char *const BlobFieldMissingSetters[] = {"BlobType", "Modified"};

const TVlMemberBinding FieldsMembers[] = {
    VlMethod<&TFields::Count>("Count"), VlIndexed<&TFields::Fields>("Fields"), VlDefaultGet(FieldsDefault),
    VlMethod<&TFields::FindField>("FindField"), VlMethod<&TFields::FieldByName>("FieldByName"),
    VlGet("IndexOf", FieldsIndexOf, "."), VlGet("GetFieldNames", FieldsGetFieldNames, "."),
    VlGet("CheckFieldName", FieldsCheckFieldName, "."), VlGet("CheckFieldNames", FieldsCheckFieldNames, "."),
};
// The fields belong to their data set, which makes them when it opens.
const char *const FieldsMissingGetters[] = {"Add", "Remove", "Clear"};

const TVlMemberBinding FieldDefMembers[] = {
    VlMethod<&TFieldDef::Name>("Name"), VlWriter<&TFieldDef::Name>("Name"),
    VlMethod<&TFieldDef::DataType>("DataType"), VlWriter<&TFieldDef::DataType>("DataType"),
    VlMethod<&TFieldDef::Size>("Size"), VlWriter<&TFieldDef::Size>("Size"),
    VlMethod<&TFieldDef::Required>("Required"), VlWriter<&TFieldDef::Required>("Required"),
    VlMethod<&TFieldDef::FieldNo>("FieldNo"), VlMethod<&TFieldDef::Name>("DisplayName"),
    VlMethod<&TFieldDef::Precision>("Precision"), VlWriter<&TFieldDef::Precision>("Precision"),
    VlGet("Attributes", FieldDefAttributes), VlSet("Attributes", FieldDefSetAttributes),
    VlGet("InternalCalcField", AlwaysFalse),
};
const char *const FieldDefMissingGetters[] = {"FieldClass", "CreateField"};
const char *const FieldDefMissingSetters[] = {"InternalCalcField"};

const TVlMemberBinding FieldDefsMembers[] = {
    VlMethod<&TFieldDefs::Count>("Count"), VlIndexed<&TFieldDefs::Items>("Items"),
    VlDefaultReader<&TFieldDefs::Items>(), VlGet("Add", FieldDefsAdd, "*"), VlMethod<&TFieldDefs::Clear>("Clear"),
    VlMethod<&TFieldDefs::IndexOf>("IndexOf"), VlMethod<&TFieldDefs::Find>("Find"),
    VlGet("AddFieldDef", FieldDefsAddFieldDef),
};
const char *const FieldDefsMissingGetters[] = {"Update"};

const TVlMemberBinding IndexDefMembers[] = {
    VlMethod<&TIndexDef::Name>("Name"), VlWriter<&TIndexDef::Name>("Name"), VlMethod<&TIndexDef::Fields>("Fields"),
    VlWriter<&TIndexDef::Fields>("Fields"), VlMethod<&TIndexDef::Options>("Options"),
    VlWriter<&TIndexDef::Options>("Options"), VlGet("FieldExpression", IndexDefFieldExpression),
    VlMethod<&TIndexDef::Name>("DisplayName"),
};
const char *const IndexDefMissing[] = {"Expression", "CaseInsFields", "DescFields"};

const TVlMemberBinding IndexDefsMembers[] = {
    VlMethod<&TIndexDefs::Count>("Count"), VlIndexed<&TIndexDefs::Items>("Items"),
    VlDefaultReader<&TIndexDefs::Items>(), VlMethod<&TIndexDefs::Add>("Add"), VlMethod<&TIndexDefs::Clear>("Clear"),
    VlMethod<&TIndexDefs::IndexOf>("IndexOf"), VlMethod<&TIndexDefs::Find>("Find"),
    VlMethod<&TIndexDefs::FindIndexForFields>("FindIndexForFields"),
    VlMethod<&TIndexDefs::GetIndexForFields>("GetIndexForFields"), VlGet("AddIndexDef", IndexDefsAddIndexDef),
};
const char *const IndexDefsMissingGetters[] = {"Update"};

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
    VlMethod<&TParam::Clear>("Clear"), VlMethod<&TParam::Bound>("Bound"), VlWriter<&TParam::SetBound>("Bound"),
    VlMethod<&TParam::AsInteger>("AsSmallInt"), VlMethod<&TParam::AsInteger>("AsWord"),
    VlWriter<&TParam::SetAsWord>("AsWord"), VlMethod<&TParam::AsFloat>("AsCurrency"),
    VlMethod<&TParam::AsFloat>("AsBCD"), VlWriter<&TParam::SetAsBCD>("AsBCD"),
    VlGet("AsDate", [](TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(VlSelf<TParam>(a)->AsDateTime()); }),
    VlGet("AsTime", [](TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(VlSelf<TParam>(a)->AsDateTime()); }),
    VlWriter<&TParam::SetAsTime>("AsTime"), VlMethod<&TParam::AsString>("AsMemo"),
    VlMethod<&TParam::AsString>("AsBlob"), VlWriter<&TParam::SetAsBlob>("AsBlob"),
    VlMethod<&TParam::AsString>("Text"), VlWriter<&TParam::SetAsString>("Text"),
    VlMethod<&TParam::Name>("Name"), VlWriter<&TParam::SetName>("Name"), VlMethod<&TParam::Name>("DisplayName"),
    VlMethod<&TParam::DataType>("DataType"), VlWriter<&TParam::SetDataType>("DataType"),
    VlMethod<&TParam::ParamType>("ParamType"), VlWriter<&TParam::SetParamType>("ParamType"),
    VlGet("AssignField", ParamAssignField, "."), VlGet("AssignFieldValue", ParamAssignFieldValue, ".."),
    VlMethod<&TParam::LoadFromFile>("LoadFromFile"), VlMethod<&TParam::GetDataSize>("GetDataSize"),
};
const char *const ParamMissingGetters[] = {"SetBlobData", "GetData", "SetData", "NativeStr"};
const char *const ParamMissingSetters[] = {"NativeStr"};

const TVlMemberBinding ParamsMembers[] = {
    VlMethod<&TParams::Count>("Count"), VlIndexed<&TParams::Items>("Items"), VlDefaultGet(ParamsDefault),
    VlMethod<&TParams::ParamByName>("ParamByName"), VlMethod<&TParams::FindParam>("FindParam"),
    VlMethod<&TParams::CreateParam>("CreateParam"), VlMethod<&TParams::Clear>("Clear"),
    VlMethod<&TParams::AddParam>("AddParam"), VlMethod<&TParams::RemoveParam>("RemoveParam"),
    VlIndexedGet("ParamValues", ParamsParamValues), VlIndexedSet("ParamValues", ParamsSetParamValues),
    VlMethod<&TParams::AssignValues>("AssignValues"), VlMethod<&TParams::IsEqual>("IsEqual"),
    VlMethod<&TParams::ParseSQL>("ParseSQL"),
};
const char *const ParamsMissingGetters[] = {"GetParamList"};

const TVlMemberBinding DataSourceMembers[] = {
    VlMethod<&TDataSource::State>("State"), VlMethod<&TDataSource::Edit>("Edit"),
    VlMethod<&TDataSource::IsLinkedTo>("IsLinkedTo"), VlMethod<&TDataSource::DataSet>("DataSet"),
    VlWriter<&TDataSource::SetDataSet>("DataSet"), VlMethod<&TDataSource::AutoEdit>("AutoEdit"),
    VlWriter<&TDataSource::SetAutoEdit>("AutoEdit"), VlMethod<&TDataSource::Enabled>("Enabled"),
    VlWriter<&TDataSource::SetEnabled>("Enabled"),
};

const TVlMissingMembers DbMissing[] = {
    {TDataSet::StaticClassInfo, DataSetMissingGetters, DataSetMissingSetters},
    {TField::StaticClassInfo, FieldMissingGetters, FieldMissingSetters},
    {TBlobField::StaticClassInfo, BlobFieldMissingGetters, BlobFieldMissingSetters},
    {TFields::StaticClassInfo, FieldsMissingGetters, {}},
    {TFieldDef::StaticClassInfo, FieldDefMissingGetters, FieldDefMissingSetters},
    {TFieldDefs::StaticClassInfo, FieldDefsMissingGetters, {}},
    {TIndexDef::StaticClassInfo, IndexDefMissing, IndexDefMissing},
    {TIndexDefs::StaticClassInfo, IndexDefsMissingGetters, {}},
    {TParam::StaticClassInfo, ParamMissingGetters, ParamMissingSetters},
    {TParams::StaticClassInfo, ParamsMissingGetters, {}},
};

// The kinds of fields, filter options and resync modes, as their ordinals.
const TVlIntConstant DbConstants[] = {
    {"fkData", 0}, {"fkCalculated", 1}, {"fkLookup", 2}, {"fkInternalCalc", 3}, {"fkAggregate", 4},
    {"foCaseInsensitive", 0}, {"foNoPartialCompare", 1}, {"rmExact", 0}, {"rmCenter", 1},
};

const TVlClassBinding DbClasses[] = {
    {TDataSet::StaticClassInfo, DataSetMembers},
    {TField::StaticClassInfo, FieldMembers},
    {TStringField::StaticClassInfo, StringFieldMembers},
    {TNumericField::StaticClassInfo, NumericFieldMembers},
    {TIntegerField::StaticClassInfo, IntegerFieldMembers},
    {TSmallintField::StaticClassInfo, {}},
    {TWordField::StaticClassInfo, {}},
    {TAutoIncField::StaticClassInfo, {}},
    {TLargeintField::StaticClassInfo, LargeintFieldMembers},
    {TFloatField::StaticClassInfo, FloatFieldMembers},
    {TCurrencyField::StaticClassInfo, {}},
    {TBCDField::StaticClassInfo, {}},
    {TBooleanField::StaticClassInfo, BooleanFieldMembers},
    {TDateTimeField::StaticClassInfo, DateTimeFieldMembers},
    {TDateField::StaticClassInfo, {}},
    {TTimeField::StaticClassInfo, {}},
    {TBlobField::StaticClassInfo, BlobFieldMembers},
    {TBytesField::StaticClassInfo, {}},
    {TVarBytesField::StaticClassInfo, {}},
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
    VlRegisterMissingMembers(adapter, "Db", DbMissing);
    for (const TClassInfo *cls : VlExceptionClassesOf("Db")) {
        VlRegisterClass(adapter, "Db", *cls);
        VlRegisterExceptionConstructors(adapter, *cls);
    }
    VlRegisterEnumConstants(adapter, "Db",
                            {&DataSetStateEnumInfo(), &FieldTypeEnumInfo(), &DataActionEnumInfo(),
                             &LocateOptionEnumInfo(), &ParamTypeEnumInfo(), &IndexOptionEnumInfo(),
                             &DataEventEnumInfo(), &FieldAttributeEnumInfo()});
    VlRegisterIntConstants(adapter, "Db", DbConstants);
    TVlInterpreterDbEvent::Register(adapter);
}
