// TField and its descendants: one column of a data set, read and written through As* conversions;
// TFields, the list a data set keeps of them.
#pragma once

#include "VlDbValue.h"

#include "components/VlEvents.h"
#include "rtl/VlComponent.h"

#include <memory>
#include <string>
#include <vector>

class TDataSet;

class TField : public TComponent {
    VL_CLASS(TField)
    explicit TField(TComponent *owner = nullptr);

    TDataSet *DataSet() const { return FDataSet; }
    const std::string &FieldName() const { return FFieldName; }
    void SetFieldName(const std::string &name) { FFieldName = name; }
    TFieldType DataType() const { return FDataType; }
    int Size() const { return FSize; }
    void SetSize(int value) { FSize = value; }
    // 0-based position in the data set's Fields; FieldNo is 1-based.
    int Index() const { return FIndex; }
    int FieldNo() const { return FIndex + 1; }
    std::string DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const std::string &text) { FDisplayLabel = text; }
    int DisplayWidth() const;
    void SetDisplayWidth(int value) { FDisplayWidth = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool value) { FRequired = value; }
    bool IsNumeric() const;
    // taLeftJustify 0, taRightJustify 1, taCenter 2; numbers stand right unless told otherwise.
    int Alignment() const { return FAlignment >= 0 ? FAlignment : IsNumeric() ? 1 : 0; }
    void SetAlignment(int value) { FAlignment = value; }
    // Where the value comes from: "table.column" for a table's own fields, else what was set.
    std::string Origin() const;
    void SetOrigin(const std::string &origin) { FOrigin = origin; }
    // The bytes a value of the field takes in a record buffer.
    int DataSize() const;
    bool CanModify() const;
    // Whether the character may be typed into the field (numbers take digits, signs, a point).
    virtual bool IsValidChar(char c) const { return c != '\0'; }
    bool IsBlob() const { return FDataType == ftBlob || FDataType == ftMemo || FDataType == ftGraphic; }

    // The value of the current record (the edit buffer while editing); Null when there is none.
    const TVarValue &Value() const;
    // Converts to the field's type and stores it in the edit buffer: the data set must be editing
    // or inserting (EDatabaseError "Dataset not in edit or insert mode"); OnValidate may refuse it,
    // OnChange follows.
    void SetValue(const TVarValue &value);
    bool IsNull() const { return DbIsNull(Value()); }
    void Clear() { SetValue(DbNull()); }

    virtual std::string AsString() const;
    virtual void SetAsString(const std::string &text);
    int32_t AsInteger() const { return static_cast<int32_t>(DbValueToInteger(Value())); }
    void SetAsInteger(int32_t value) { SetValue(DbInteger(value)); }
    double AsFloat() const { return DbValueToFloat(Value()); }
    void SetAsFloat(double value) { SetValue(DbFloat(value)); }
    double AsCurrency() const { return AsFloat(); }
    void SetAsCurrency(double value) { SetAsFloat(value); }
    bool AsBoolean() const { return DbValueToBoolean(Value()); }
    void SetAsBoolean(bool value) { SetValue(DbBoolean(value)); }
    double AsDateTime() const { return DbValueToDateTime(Value()); }
    void SetAsDateTime(double value) { SetValue(DbFloat(value)); }

    // What controls show: OnGetText when assigned, else the formatted value (DisplayText for
    // display, Text for editing); setting Text goes through OnSetText when assigned.
    std::string DisplayText() const { return GetText(true); }
    std::string Text() const { return GetText(false); }
    void SetText(const std::string &text);

    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnValidate() const { return FOnValidate; }
    void SetOnValidate(const TMethod &h) { FOnValidate = h; }
    TMethod OnGetText() const { return FOnGetText; }
    void SetOnGetText(const TMethod &h) { FOnGetText = h; }
    TMethod OnSetText() const { return FOnSetText; }
    void SetOnSetText(const TMethod &h) { FOnSetText = h; }

    // The data set binds its fields when it opens.
    void Bind(TDataSet *dataSet, int index, TFieldType type);
    // The value converted to this field's type (EConvertError for text that is no number).
    virtual TVarValue Coerce(const TVarValue &value) const { return value; }
    // A value of this field as text: for display (formats applied) or for editing.
    virtual std::string FormatValue(const TVarValue &value, bool display) const;

private:
    std::string GetText(bool display) const;
    TDataSet *FDataSet = nullptr;
    std::string FFieldName, FDisplayLabel;
    TFieldType FDataType = ftUnknown;
    std::string FOrigin;
    int FSize = 0, FIndex = -1, FDisplayWidth = 0, FAlignment = -1;
    bool FVisible = true, FReadOnly = false, FRequired = false;
    TMethod FOnChange, FOnValidate, FOnGetText, FOnSetText;
};

class TStringField : public TField {
    VL_CLASS(TStringField)
    using TField::TField;
    TVarValue Coerce(const TVarValue &value) const override;
};

class TNumericField : public TField {
    VL_CLASS(TNumericField)
    using TField::TField;
    const std::string &DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string &format) { FDisplayFormat = format; }
    // The format of the text being edited (empty: the plain number).
    const std::string &EditFormat() const { return FEditFormat; }
    void SetEditFormat(const std::string &format) { FEditFormat = format; }
    std::string FormatValue(const TVarValue &value, bool display) const override;
    bool IsValidChar(char c) const override;

private:
    std::string FDisplayFormat, FEditFormat;
};

class TIntegerField : public TNumericField {
    VL_CLASS(TIntegerField)
    using TNumericField::TNumericField;
    // Both 0: any value; else values outside are refused.
    int64_t MinValue() const { return FMinValue; }
    void SetMinValue(int64_t value) { FMinValue = value; }
    int64_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int64_t value) { FMaxValue = value; }
    TVarValue Coerce(const TVarValue &value) const override;
    bool IsValidChar(char c) const override;

private:
    int64_t FMinValue = 0, FMaxValue = 0;
};
class TSmallintField : public TIntegerField {
    VL_CLASS(TSmallintField)
    using TIntegerField::TIntegerField;
};
class TWordField : public TIntegerField {
    VL_CLASS(TWordField)
    using TIntegerField::TIntegerField;
};
class TAutoIncField : public TIntegerField {
    VL_CLASS(TAutoIncField)
    using TIntegerField::TIntegerField;
};
class TLargeintField : public TIntegerField {
    VL_CLASS(TLargeintField)
    using TIntegerField::TIntegerField;
};

class TFloatField : public TNumericField {
    VL_CLASS(TFloatField)
    using TNumericField::TNumericField;
    double MinValue() const { return FMinValue; }
    void SetMinValue(double value) { FMinValue = value; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double value) { FMaxValue = value; }
    // Significant digits shown without a display format; Currency shows two decimals.
    int Precision() const { return FPrecision; }
    void SetPrecision(int value) { FPrecision = value; }
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool value) { FCurrency = value; }
    TVarValue Coerce(const TVarValue &value) const override;
    std::string FormatValue(const TVarValue &value, bool display) const override;

private:
    double FMinValue = 0, FMaxValue = 0;
    int FPrecision = 15;
    bool FCurrency = false;
};
class TCurrencyField : public TFloatField {
    VL_CLASS(TCurrencyField)
    explicit TCurrencyField(TComponent *owner = nullptr) : TFloatField(owner) { SetCurrency(true); }
};
class TBCDField : public TFloatField {
    VL_CLASS(TBCDField)
    using TFloatField::TFloatField;
};

class TBooleanField : public TField {
    VL_CLASS(TBooleanField)
    using TField::TField;
    TVarValue Coerce(const TVarValue &value) const override;
    // "True;False" by default: the texts shown for the two values.
    const std::string &DisplayValues() const { return FDisplayValues; }
    void SetDisplayValues(const std::string &values) { FDisplayValues = values; }
    std::string FormatValue(const TVarValue &value, bool display) const override;

private:
    std::string FDisplayValues = "True;False";
};

class TDateTimeField : public TField {
    VL_CLASS(TDateTimeField)
    using TField::TField;
    TVarValue Coerce(const TVarValue &value) const override;
    const std::string &DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string &format) { FDisplayFormat = format; }
    std::string FormatValue(const TVarValue &value, bool display) const override;

private:
    std::string FDisplayFormat;
};
class TDateField : public TDateTimeField {
    VL_CLASS(TDateField)
    using TDateTimeField::TDateTimeField;
};
class TTimeField : public TDateTimeField {
    VL_CLASS(TTimeField)
    using TDateTimeField::TDateTimeField;
};

class TBlobField : public TField {
    VL_CLASS(TBlobField)
    using TField::TField;
    TVarValue Coerce(const TVarValue &value) const override;
    int BlobSize() const { return static_cast<int>(AsString().size()); }
    // The whole file as the field's value, and the value as a file (EFOpenError when it cannot).
    void LoadFromFile(const std::string &fileName);
    void SaveToFile(const std::string &fileName) const;
};
// Binary values of a fixed (TBytesField) or varying (TVarBytesField) size.
class TBytesField : public TField {
    VL_CLASS(TBytesField)
    using TField::TField;
    TVarValue Coerce(const TVarValue &value) const override;
};
class TVarBytesField : public TBytesField {
    VL_CLASS(TVarBytesField)
    using TBytesField::TBytesField;
};

class TMemoField : public TBlobField {
    VL_CLASS(TMemoField)
    using TBlobField::TBlobField;
};
class TGraphicField : public TBlobField {
    VL_CLASS(TGraphicField)
    using TBlobField::TBlobField;
};

// The field class for a column type.
std::unique_ptr<TField> CreateFieldOfType(TFieldType type);

// The fields of a data set, in column order; it owns them.
class TFields : public TObject {
    VL_CLASS(TFields)
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TField *Fields(int index) const;
    // Letter case ignored; null (FindField) or EDatabaseError "Field '%s' not found" (FieldByName).
    TField *FindField(const std::string &name) const;
    TField *FieldByName(const std::string &name) const;
    void Add(std::unique_ptr<TField> field) { FItems.push_back(std::move(field)); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TField>> FItems;
};

// Raises EDatabaseError with the message, naming the component when it has a name ("Query1: ...").
[[noreturn]] void DatabaseError(const std::string &message, const TComponent *component = nullptr);
