// Conversions of field values between the script's kinds and the data sets' cells.
#include "VlInterpreter_DbValues.h"

#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterTypes.h"

#include <limits>

TVarValue VlScriptToDbValue(const TVlValue &value)
{
    switch (value.Kind()) {
    case varEmpty:
    case varNull: return DbNull();
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord: return DbInteger(ValueToInteger(value));
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate: return DbFloat(ValueToDouble(value));
    case varBoolean: return DbBoolean(ValueToBoolean(value));
    default: return DbString(ValueToString(value));
    }
}

TVlValue VlDbToScriptValue(const TVarValue &value, TFieldType type)
{
    switch (value.Kind) {
    case TVarValue::TKind::Integer:
        if (value.Int >= std::numeric_limits<int32_t>::min() && value.Int <= std::numeric_limits<int32_t>::max())
            return TVlValue::Integer(static_cast<int32_t>(value.Int));
        return TVlValue::Double(static_cast<double>(value.Int));
    case TVarValue::TKind::Float:
        if (type == ftDate || type == ftTime || type == ftDateTime)
            return TVlValue::Date(value.Float);
        if (type == ftCurrency)
            return TVlValue::Currency(value.Float);
        return TVlValue::Double(value.Float);
    case TVarValue::TKind::String: return TVlValue::String(value.Str);
    case TVarValue::TKind::Boolean: return TVlValue::Boolean(value.Int != 0);
    default: return TVlValue::Null();
    }
}

std::vector<TVarValue> VlScriptToDbValues(const TVlValue &value)
{
    std::vector<TVarValue> values;
    if (value.IsVariantArray()) {
        for (const TVlValue &item : value.RawVariantArray()->Items)
            values.push_back(VlScriptToDbValue(item));
    } else {
        values.push_back(VlScriptToDbValue(value));
    }
    return values;
}

std::vector<TVarValue> VlScriptToDbArray(TVlInterpreterArgs &args, int slot)
{
    const TVlValue &value = args.Values[slot];
    if (!value.IsScriptArray() && !value.IsVariantArray())
        return VlScriptToDbValues(value);
    std::vector<TVarValue> values;
    const TVlOpenArray &array = args.OpenArray(slot);
    for (int i = 0; i < array.Count; ++i)
        values.push_back(VlScriptToDbValue(array.Items[i]));
    return values;
}

TVlValue VlDbToScriptValues(const std::vector<TVarValue> &values)
{
    if (values.size() == 1)
        return VlDbToScriptValue(values.front());
    TVlValue array = TVlValue::VariantArray(0, static_cast<int32_t>(values.size()) - 1);
    TVlVariantArray &items = array.MutableVariantArray();
    for (size_t i = 0; i < values.size(); ++i)
        items.Items[i] = VlDbToScriptValue(values[i]);
    return array;
}
