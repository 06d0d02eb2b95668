// Fields: conversions on reading and writing, texts for controls, and the field list.
#include "VlDbField.h"

#include "VlDbDataSet.h"

#include "rtl/VlDateTime.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlFileIO.h"
#include "rtl/VlNameCompare.h"
#include "rtl/VlSysUtils.h"

#include <algorithm>
#include <cmath>

using namespace VlSysUtils;

namespace {

std::vector<TPropInfo> FieldProps()
{
    return {VlStrProp<&TField::FieldName, &TField::SetFieldName>("FieldName"),
            VlStrProp<&TField::DisplayLabel, &TField::SetDisplayLabel>("DisplayLabel"),
            VlIntProp<&TField::DisplayWidth, &TField::SetDisplayWidth>("DisplayWidth"),
            VlIntProp<&TField::Size, &TField::SetSize>("Size"),
            VlIntProp<&TField::Index>("Index"),
            VlBoolProp<&TField::Visible, &TField::SetVisible>("Visible", true),
            VlBoolProp<&TField::ReadOnly, &TField::SetReadOnly>("ReadOnly", false),
            VlBoolProp<&TField::Required, &TField::SetRequired>("Required", false),
            VlMethodProp<&TField::OnChange, &TField::SetOnChange>("OnChange", "TFieldNotifyEvent"),
            VlMethodProp<&TField::OnValidate, &TField::SetOnValidate>("OnValidate", "TFieldNotifyEvent"),
            VlMethodProp<&TField::OnGetText, &TField::SetOnGetText>("OnGetText", "TFieldGetTextEvent"),
            VlMethodProp<&TField::OnSetText, &TField::SetOnSetText>("OnSetText", "TFieldSetTextEvent")};
}

const TVarValue NullValue = DbNull();

} // namespace

const TClassInfo &TField::StaticClassInfo()
{
    static const TClassInfo info("TField", &TComponent::StaticClassInfo(), "Db", nullptr, FieldProps());
    return info;
}

VL_IMPLEMENT_CLASS(TStringField, TField, "Db")
VL_IMPLEMENT_CLASS(TNumericField, TField, "Db")
VL_IMPLEMENT_CLASS(TIntegerField, TNumericField, "Db",
    VlStrProp<&TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat>("DisplayFormat"))
VL_IMPLEMENT_CLASS(TSmallintField, TIntegerField, "Db")
VL_IMPLEMENT_CLASS(TWordField, TIntegerField, "Db")
VL_IMPLEMENT_CLASS(TAutoIncField, TIntegerField, "Db")
VL_IMPLEMENT_CLASS(TLargeintField, TIntegerField, "Db")
VL_IMPLEMENT_CLASS(TFloatField, TNumericField, "Db",
    VlStrProp<&TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat>("DisplayFormat"))
VL_IMPLEMENT_CLASS(TCurrencyField, TFloatField, "Db")
VL_IMPLEMENT_CLASS(TBCDField, TFloatField, "Db")
VL_IMPLEMENT_CLASS(TBooleanField, TField, "Db",
    VlStrProp<&TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues>("DisplayValues"))
VL_IMPLEMENT_CLASS(TDateTimeField, TField, "Db",
    VlStrProp<&TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat>("DisplayFormat"))
VL_IMPLEMENT_CLASS(TDateField, TDateTimeField, "Db")
VL_IMPLEMENT_CLASS(TTimeField, TDateTimeField, "Db")
VL_IMPLEMENT_CLASS(TBlobField, TField, "Db")
VL_IMPLEMENT_CLASS(TBytesField, TField, "Db")
VL_IMPLEMENT_CLASS(TVarBytesField, TBytesField, "Db")
VL_IMPLEMENT_CLASS(TMemoField, TBlobField, "Db")
VL_IMPLEMENT_CLASS(TGraphicField, TBlobField, "Db")
VL_IMPLEMENT_CLASS(TFields, TObject, "Db")

void DatabaseError(const std::string &message, const TComponent *component)
{
    if (component && !component->Name().empty())
        throw EDatabaseError(component->Name() + ": " + message);
    throw EDatabaseError(message);
}

TField::TField(TComponent *owner) : TComponent(owner) {}

void TField::Bind(TDataSet *dataSet, int index, TFieldType type)
{
    FDataSet = dataSet;
    FIndex = index;
    FDataType = type;
}

int TField::DisplayWidth() const
{
    if (FDisplayWidth > 0)
        return FDisplayWidth;
    if (IsNumeric())
        return 10;
    return std::clamp(FSize > 0 ? FSize : 20, static_cast<int>(DisplayLabel().size()), 40);
}

bool TField::IsNumeric() const
{
    switch (FDataType) {
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency: case ftBCD: case ftAutoInc:
    case ftLargeint: return true;
    default: return false;
    }
}

std::string TField::Origin() const
{
    if (!FOrigin.empty() || !FDataSet)
        return FOrigin;
    const std::string table = FDataSet->UpdateTableName();
    return table.empty() ? std::string() : table + "." + FFieldName;
}

int TField::DataSize() const
{
    switch (FDataType) {
    case ftString: case ftFixedChar: case ftWideString: return FSize + 1;
    case ftSmallint: case ftWord: case ftBoolean: return 2;
    case ftInteger: case ftAutoInc: case ftDate: case ftTime: return 4;
    case ftLargeint: case ftFloat: case ftCurrency: case ftDateTime: return 8;
    case ftBCD: return 34;
    case ftBytes: case ftVarBytes: return FSize;
    default: return 0;
    }
}

bool TField::CanModify() const
{
    return !FReadOnly && FDataSet && FDataSet->CanModify();
}

const TVarValue &TField::Value() const
{
    return FDataSet ? FDataSet->FieldCell(FIndex) : NullValue;
}

void TField::SetValue(const TVarValue &value)
{
    if (!FDataSet)
        DatabaseError("Field '" + FFieldName + "' has no dataset");
    if (FReadOnly)
        DatabaseError("Field '" + FFieldName + "' cannot be modified", FDataSet);
    FDataSet->SetFieldCell(this, DbIsNull(value) ? DbNull() : Coerce(value));
}

std::string TField::AsString() const
{
    return DbValueToString(Value());
}

void TField::SetAsString(const std::string &text)
{
    SetValue(text.empty() && FDataType != ftString && FDataType != ftMemo ? DbNull() : DbString(text));
}

std::string TField::FormatValue(const TVarValue &value, bool) const
{
    return DbValueToString(value);
}

std::string TField::GetText(bool display) const
{
    if (FOnGetText.IsAssigned()) {
        TVlEventArgs args;
        args.Sender = const_cast<TField *>(this);
        args.Name = "OnGetText";
        args.TypeName = "TFieldGetTextEvent";
        args.Text = FormatValue(Value(), display);
        args.Done = display;
        DispatchVlEvent(FOnGetText, args);
        return args.Text;
    }
    return FormatValue(Value(), display);
}

void TField::SetText(const std::string &text)
{
    if (!FOnSetText.IsAssigned()) {
        SetAsString(text);
        return;
    }
    TVlEventArgs args;
    args.Sender = this;
    args.Name = "OnSetText";
    args.TypeName = "TFieldSetTextEvent";
    args.Text = text;
    DispatchVlEvent(FOnSetText, args);
}

TVarValue TStringField::Coerce(const TVarValue &value) const
{
    return DbString(DbValueToString(value));
}

std::string TNumericField::FormatValue(const TVarValue &value, bool display) const
{
    if (DbIsNull(value))
        return {};
    const std::string &format = display ? FDisplayFormat : FEditFormat;
    if (!format.empty())
        return FormatFloat(format, DbValueToFloat(value));
    return DbValueToString(value);
}

bool TNumericField::IsValidChar(char c) const
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

bool TIntegerField::IsValidChar(char c) const
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-';
}

TVarValue TIntegerField::Coerce(const TVarValue &value) const
{
    if (value.Kind == TVarValue::TKind::String)
        return DbInteger(StrToInt64(value.Str));
    if (value.Kind == TVarValue::TKind::Float && value.Float != std::floor(value.Float))
        throw EConvertError("'" + FloatToStr(value.Float) + "' is not a valid integer value");
    const int64_t number = DbValueToInteger(value);
    if ((FMinValue != 0 || FMaxValue != 0) && (number < FMinValue || number > FMaxValue))
        DatabaseError(VlSprintf("%lld is not a valid value for field '%s'. The allowed range is %lld to %lld",
                                static_cast<long long>(number), FieldName().c_str(), static_cast<long long>(FMinValue),
                                static_cast<long long>(FMaxValue)));
    return DbInteger(number);
}

TVarValue TFloatField::Coerce(const TVarValue &value) const
{
    const double number = DbValueToFloat(value);
    if ((FMinValue != 0 || FMaxValue != 0) && (number < FMinValue || number > FMaxValue))
        DatabaseError(FloatToStr(number) + " is not a valid value for field '" + FieldName() + "'. The allowed range is "
                      + FloatToStr(FMinValue) + " to " + FloatToStr(FMaxValue));
    return DbFloat(number);
}

std::string TFloatField::FormatValue(const TVarValue &value, bool display) const
{
    if (DbIsNull(value) || !(display ? DisplayFormat() : EditFormat()).empty())
        return TNumericField::FormatValue(value, display);
    const double number = DbValueToFloat(value);
    if (FCurrency && display)
        return FloatToStrF(number, TFloatFormat::ffFixed, FPrecision, 2);
    return FloatToStrF(number, TFloatFormat::ffGeneral, FPrecision, 0);
}

TVarValue TBooleanField::Coerce(const TVarValue &value) const
{
    if (value.Kind == TVarValue::TKind::String) {
        const size_t semicolon = FDisplayValues.find(';');
        if (VlSameName(value.Str, FDisplayValues.substr(0, semicolon)))
            return DbBoolean(true);
        if (semicolon != std::string::npos && VlSameName(value.Str, FDisplayValues.substr(semicolon + 1)))
            return DbBoolean(false);
    }
    return DbBoolean(DbValueToBoolean(value));
}

std::string TBooleanField::FormatValue(const TVarValue &value, bool) const
{
    if (DbIsNull(value))
        return {};
    const size_t semicolon = FDisplayValues.find(';');
    if (DbValueToBoolean(value))
        return FDisplayValues.substr(0, semicolon);
    return semicolon == std::string::npos ? std::string() : FDisplayValues.substr(semicolon + 1);
}

TVarValue TDateTimeField::Coerce(const TVarValue &value) const
{
    return DbFloat(DbValueToDateTime(value));
}

std::string TDateTimeField::FormatValue(const TVarValue &cell, bool display) const
{
    if (DbIsNull(cell))
        return {};
    const double value = DbValueToDateTime(cell);
    if (display && !FDisplayFormat.empty())
        return FormatDateTime(FDisplayFormat, value);
    if (DataType() == ftDate)
        return DateToStr(value);
    if (DataType() == ftTime)
        return TimeToStr(value);
    return DateTimeToStr(value);
}

TVarValue TBlobField::Coerce(const TVarValue &value) const
{
    return DbString(DbValueToString(value));
}

void TBlobField::LoadFromFile(const std::string &fileName)
{
    std::string bytes;
    try {
        bytes = ReadFileBytes(fileName);
    } catch (const EVlFileError &e) {
        throw EFOpenError(e.what());
    }
    SetValue(DbString(bytes));
}

void TBlobField::SaveToFile(const std::string &fileName) const
{
    try {
        WriteFileBytesAtomically(fileName, AsString());
    } catch (const EVlFileError &e) {
        throw EFCreateError(e.what());
    }
}

TVarValue TBytesField::Coerce(const TVarValue &value) const
{
    return DbString(DbValueToString(value));
}

std::unique_ptr<TField> CreateFieldOfType(TFieldType type)
{
    switch (type) {
    case ftSmallint: return std::make_unique<TSmallintField>();
    case ftInteger: return std::make_unique<TIntegerField>();
    case ftWord: return std::make_unique<TWordField>();
    case ftAutoInc: return std::make_unique<TAutoIncField>();
    case ftLargeint: return std::make_unique<TLargeintField>();
    case ftFloat: return std::make_unique<TFloatField>();
    case ftCurrency: return std::make_unique<TCurrencyField>();
    case ftBCD: return std::make_unique<TBCDField>();
    case ftBoolean: return std::make_unique<TBooleanField>();
    case ftDate: return std::make_unique<TDateField>();
    case ftTime: return std::make_unique<TTimeField>();
    case ftDateTime: return std::make_unique<TDateTimeField>();
    case ftBytes: return std::make_unique<TBytesField>();
    case ftVarBytes: return std::make_unique<TVarBytesField>();
    case ftBlob: case ftTypedBinary: return std::make_unique<TBlobField>();
    case ftMemo: case ftFmtMemo: return std::make_unique<TMemoField>();
    case ftGraphic: return std::make_unique<TGraphicField>();
    default: return std::make_unique<TStringField>();
    }
}

TField *TFields::Fields(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FItems[size_t(index)].get();
}

TField *TFields::FindField(const std::string &name) const
{
    for (const auto &field : FItems)
        if (VlSameName(field->FieldName(), name))
            return field.get();
    return nullptr;
}

TField *TFields::FieldByName(const std::string &name) const
{
    TField *field = FindField(name);
    if (!field)
        DatabaseError("Field '" + std::string(name) + "' not found",
                      FItems.empty() ? nullptr : FItems.front()->DataSet());
    return field;
}
