// Query parameters and the parsing of ":name" markers.
#include "VlDbParams.h"

#include "VlDbDefs.h"
#include "VlDbField.h"

#include "rtl/VlExceptions.h"
#include "rtl/VlFileIO.h"
#include "rtl/VlNameCompare.h"

#include <algorithm>

VL_IMPLEMENT_CLASS(TParam, TObject, "Db",
    VlStrProp<&TParam::Name, &TParam::SetName>("Name"),
    VlEnumProp<&TParam::DataType, &TParam::SetDataType>("DataType", FieldTypeEnumInfo(), ftUnknown),
    VlEnumProp<&TParam::ParamType, &TParam::SetParamType>("ParamType", ParamTypeEnumInfo(), ptInput))
VL_IMPLEMENT_CLASS(TParams, TObject, "Db")

const TEnumInfo &ParamTypeEnumInfo()
{
    static const TEnumInfo info("TParamType", {"ptUnknown", "ptInput", "ptOutput", "ptInputOutput", "ptResult"});
    return info;
}

void TParam::Assign(const TVarValue &value, TFieldType type)
{
    FValue = value;
    FDataType = type;
    FBound = true;
}

void TParam::SetValue(const TVarValue &value)
{
    FValue = value;
    FBound = true;
    if (FDataType != ftUnknown || DbIsNull(value))
        return;
    switch (value.Kind) {
    case TVarValue::TKind::Integer: FDataType = ftInteger; break;
    case TVarValue::TKind::Float: FDataType = ftFloat; break;
    case TVarValue::TKind::Boolean: FDataType = ftBoolean; break;
    default: FDataType = ftString; break;
    }
}

void TParam::AssignField(const TField *field)
{
    AssignFieldValue(field, field->Value());
}

void TParam::AssignFieldValue(const TField *field, const TVarValue &value)
{
    if (FName.empty())
        FName = field->FieldName();
    Assign(value, field->DataType());
}

void TParam::LoadFromFile(const std::string &fileName, TFieldType blobType)
{
    try {
        Assign(DbString(ReadFileBytes(fileName)), blobType);
    } catch (const EVlFileError &e) {
        throw EFOpenError(e.what());
    }
}

int TParam::GetDataSize() const
{
    switch (FValue.Kind) {
    case TVarValue::TKind::String: return static_cast<int>(FValue.Str.size()) + (FDataType == ftBlob ? 0 : 1);
    case TVarValue::TKind::Integer: return FDataType == ftSmallint || FDataType == ftWord ? 2 : 4;
    case TVarValue::TKind::Float: return 8;
    case TVarValue::TKind::Boolean: return 2;
    default: return 0;
    }
}

QVariant TParam::EngineValue() const
{
    return DbToVariant(FValue, FDataType);
}

TParam *TParams::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FItems[size_t(index)].get();
}

TParam *TParams::FindParam(const std::string &name) const
{
    for (const auto &param : FItems)
        if (VlSameName(param->Name(), name))
            return param.get();
    return nullptr;
}

TParam *TParams::ParamByName(const std::string &name) const
{
    TParam *param = FindParam(name);
    if (!param)
        DatabaseError("Parameter '" + std::string(name) + "' not found");
    return param;
}

void TParams::AddParam(TParam *param)
{
    if (param)
        FItems.emplace_back(param);
}

void TParams::RemoveParam(TParam *param)
{
    for (auto it = FItems.begin(); it != FItems.end(); ++it)
        if (it->get() == param) {
            (void)it->release();
            FItems.erase(it);
            return;
        }
}

std::vector<TVarValue> TParams::ParamValues(const std::string &names) const
{
    std::vector<TVarValue> values;
    for (const std::string &name : SplitFieldNames(names))
        values.push_back(ParamByName(name)->Value());
    return values;
}

void TParams::SetParamValues(const std::string &names, const std::vector<TVarValue> &values)
{
    const std::vector<std::string> list = SplitFieldNames(names);
    for (size_t i = 0; i < list.size() && i < values.size(); ++i)
        ParamByName(list[i])->SetValue(values[i]);
}

void TParams::AssignValues(const TParams *source)
{
    if (!source)
        return;
    for (const auto &param : FItems)
        if (const TParam *from = source->FindParam(param->Name())) {
            param->SetDataType(from->DataType());
            param->SetValue(from->Value());
        }
}

bool TParams::IsEqual(const TParams *other) const
{
    if (!other || other->Count() != Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        const TParam *a = Items(i), *b = other->Items(i);
        if (!VlSameName(a->Name(), b->Name()) || a->DataType() != b->DataType() || !(a->Value() == b->Value()))
            return false;
    }
    return true;
}

std::string TParams::ParseSQL(const std::string &sql, bool doCreate)
{
    const TParsedSql parsed = ParseSqlParams(DbText(sql));
    if (doCreate)
        Rebuild(parsed.Names);
    return DbCp1251(parsed.Sql);
}

TParam *TParams::CreateParam(TFieldType type, const std::string &name, TParamType paramType)
{
    auto param = std::make_unique<TParam>();
    param->SetName(name);
    param->SetDataType(type);
    param->SetParamType(paramType);
    FItems.push_back(std::move(param));
    return FItems.back().get();
}

void TParams::Rebuild(const std::vector<std::string> &names)
{
    std::vector<std::unique_ptr<TParam>> kept;
    for (const std::string &name : names) {
        bool seen = false;
        for (const auto &param : kept)
            seen = seen || VlSameName(param->Name(), name);
        if (seen)
            continue;
        auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto &p) { return p && VlSameName(p->Name(), name); });
        if (it != FItems.end()) {
            kept.push_back(std::move(*it));
        } else {
            kept.push_back(std::make_unique<TParam>());
            kept.back()->SetName(name);
        }
    }
    FItems = std::move(kept);
}

TParsedSql ParseSqlParams(const QString &sql)
{
    TParsedSql parsed;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            parsed.Sql += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            parsed.Sql += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        } else if (c == QLatin1Char(':')) {
            if (i + 1 < sql.size() && sql[i + 1] == QLatin1Char(':')) {
                parsed.Sql += QLatin1String("::");
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == QLatin1Char('_')))
                ++end;
            if (end > i + 1) {
                parsed.Names.push_back(DbCp1251(sql.mid(i + 1, end - i - 1)));
                parsed.Sql += QLatin1Char('?');
                i = end - 1;
                continue;
            }
        }
        parsed.Sql += c;
    }
    return parsed;
}
