// Query parameters and the parsing of ":name" markers.
#include "VlDbParams.h"

#include "VlDbField.h"

#include "rtl/VlExceptions.h"
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
