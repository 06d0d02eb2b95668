// TParams and TParam: the ":name" parameters of a query's SQL text, their values and types.
#pragma once

#include "VlDbValue.h"

#include "rtl/VlObject.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };
const TEnumInfo &ParamTypeEnumInfo();

class TField;

class TParam : public TObject {
    VL_CLASS(TParam)
    const std::string &Name() const { return FName; }
    void SetName(const std::string &name) { FName = name; }
    // ftUnknown until a value or a type is given; the value's kind decides then.
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType type) { FDataType = type; }
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType type) { FParamType = type; }
    const TVarValue &Value() const { return FValue; }
    void SetValue(const TVarValue &value);
    bool IsNull() const { return DbIsNull(FValue); }
    void Clear() { FValue = DbNull(); }
    bool Bound() const { return FBound; }
    void SetBound(bool value) { FBound = value; }

    std::string AsString() const { return DbValueToString(FValue); }
    void SetAsString(const std::string &v) { Assign(DbString(v), ftString); }
    int32_t AsInteger() const { return static_cast<int32_t>(DbValueToInteger(FValue)); }
    void SetAsInteger(int32_t v) { Assign(DbInteger(v), ftInteger); }
    double AsFloat() const { return DbValueToFloat(FValue); }
    void SetAsFloat(double v) { Assign(DbFloat(v), ftFloat); }
    bool AsBoolean() const { return DbValueToBoolean(FValue); }
    void SetAsBoolean(bool v) { Assign(DbBoolean(v), ftBoolean); }
    double AsDateTime() const { return DbValueToDateTime(FValue); }
    void SetAsDateTime(double v) { Assign(DbFloat(v), ftDateTime); }
    void SetAsDate(double v) { Assign(DbFloat(v), ftDate); }
    void SetAsMemo(const std::string &v) { Assign(DbString(v), ftMemo); }
    void SetAsSmallInt(int32_t v) { Assign(DbInteger(v), ftSmallint); }
    void SetAsWord(int32_t v) { Assign(DbInteger(v), ftWord); }
    void SetAsCurrency(double v) { Assign(DbFloat(v), ftCurrency); }
    void SetAsBCD(double v) { Assign(DbFloat(v), ftBCD); }
    void SetAsTime(double v) { Assign(DbFloat(v), ftTime); }
    // Bytes held in a string.
    void SetAsBlob(const std::string &v) { Assign(DbString(v), ftBlob); }
    // The value and type of a field's current record.
    void AssignField(const TField *field);
    void AssignFieldValue(const TField *field, const TVarValue &value);
    // The whole file as a binary value (EFOpenError when it cannot be read).
    void LoadFromFile(const std::string &fileName, TFieldType blobType);
    // The bytes the value takes.
    int GetDataSize() const;

    // The engine's value.
    QVariant EngineValue() const;

private:
    void Assign(const TVarValue &value, TFieldType type);
    std::string FName;
    TFieldType FDataType = ftUnknown;
    TParamType FParamType = ptInput;
    TVarValue FValue = DbNull();
    bool FBound = false;
};

class TParams : public TObject {
    VL_CLASS(TParams)
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TParam *Items(int index) const;
    TParam *FindParam(const std::string &name) const;
    // EDatabaseError "Parameter '%s' not found".
    TParam *ParamByName(const std::string &name) const;
    TParam *CreateParam(TFieldType type, const std::string &name, TParamType paramType);
    // Takes over a parameter made elsewhere / lets one go (the caller owns it then).
    void AddParam(TParam *param);
    void RemoveParam(TParam *param);
    void Clear() { FItems.clear(); }
    // The values of the parameters named (';' between names) / set in the same order.
    std::vector<TVarValue> ParamValues(const std::string &names) const;
    void SetParamValues(const std::string &names, const std::vector<TVarValue> &values);
    // Values of the parameters of the same names in source.
    void AssignValues(const TParams *source);
    // Same names, types and values in the same order.
    bool IsEqual(const TParams *other) const;
    // The SQL text with its ":name" markers as '?'; with doCreate the list becomes its parameters.
    std::string ParseSQL(const std::string &sql, bool doCreate);
    // Makes the list match the names, keeping the values of names that stay.
    void Rebuild(const std::vector<std::string> &names);

private:
    std::vector<std::unique_ptr<TParam>> FItems;
};

// An SQL text with its ":name" parameters replaced by '?' (quotes, comments and "::" casts left
// alone), and the names in the order they occur (a name may occur more than once).
struct TParsedSql {
    QString Sql;
    std::vector<std::string> Names;
};
TParsedSql ParseSqlParams(const QString &sql);
