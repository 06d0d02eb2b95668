// Value texts for the "Переменные" pane and the values beside code.
#include "VlValueText.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlObject.h"
#include "rtl/VlSysUtils.h"

#include <cstring>

namespace {

constexpr size_t kShownItems = 10;  // elements or fields written out in a one-line text
constexpr int kShownDepth = 2;      // nesting written out before "..."

std::shared_ptr<const TVlInterpreterRecord> RecordOf(TVlInterpreterRecHolder &holder, TVlInterpreterAdapter &types)
{
    if (!holder.RecordDesc)
        holder.RecordDesc = types.FindRecordType(holder.RecordName);
    if (!holder.RecordDesc)
        holder.RecordDesc = GlobalAdapter().FindRecordType(holder.RecordName);
    return holder.RecordDesc;
}

// A field as the script reads it; fields of host records of other storage read as Empty.
TVlValue FieldValue(const TVlInterpreterRecord &record, const TVlInterpreterRecField &field, const char *memory)
{
    auto fits = [&](size_t size) {
        return memory && field.Offset >= 0 && field.Offset + static_cast<int64_t>(size) <= record.RecordSize;
    };
    const char *at = memory + field.Offset;
    switch (field.FieldType) {
    case varEmpty: case varVariant:
        return fits(sizeof(TVlValue)) ? *reinterpret_cast<const TVlValue *>(at) : TVlValue();
    case varString: case varOleStr:
        return TVlValue::String(fits(sizeof(std::string)) ? *reinterpret_cast<const std::string *>(at) : std::string());
    case varInteger: case varBoolean: {
        int32_t v = 0;
        if (fits(4))
            std::memcpy(&v, at, 4);
        return field.FieldType == varBoolean ? TVlValue::Boolean(v != 0) : TVlValue::Integer(v);
    }
    case varDouble: {
        double v = 0;
        if (fits(8))
            std::memcpy(&v, at, 8);
        return TVlValue::Double(v);
    }
    default:
        return TVlValue();
    }
}

std::string Quoted(const std::string &cp1251)
{
    std::string text = "'";
    for (char c : cp1251) {
        text += c;
        if (c == '\'')
            text += '\'';
    }
    return Cp1251ToUtf8(text + "'");
}

std::string Text(const TVlValue &value, TVlInterpreterAdapter &types, int depth);

std::string ChildrenText(const TVlValue &value, TVlInterpreterAdapter &types, int depth, bool record)
{
    if (depth >= kShownDepth)
        return record ? "(...)" : "[...]";
    const std::vector<TVlValueChild> children = VlValueChildren(value, types, kShownItems + 1);
    std::string text = record ? "(" : "[";
    for (size_t i = 0; i < children.size() && i < kShownItems; ++i) {
        if (i)
            text += record ? "; " : ", ";
        if (record)
            text += children[i].Name + ": ";
        text += Text(children[i].Value, types, depth + 1);
    }
    if (children.size() > kShownItems)
        text += record ? "; ..." : ", ...";
    return text + (record ? ")" : "]");
}

std::string Text(const TVlValue &value, TVlInterpreterAdapter &types, int depth)
{
    switch (value.Kind()) {
    case varEmpty: return "(пусто)";
    case varNull: return "Null";
    case varBoolean: return value.RawInteger() ? "True" : "False";
    case varString: case varOleStr: return Quoted(value.RawString());
    case varVlObject: {
        auto *object = static_cast<TObject *>(ValueToObject(value));
        if (!object)
            return "nil";
        return VlIsLiveObject(object) ? "Object: " + object->ClassName() : "Object: (освобождён)";
    }
    case varVlClass: return "Class";
    case varVlSet: return "Set: " + std::to_string(ValueToSet(value));
    case varVlArray: return ChildrenText(value, types, depth, false);
    case varVlRecord: return ChildrenText(value, types, depth, true);
    default:
        break;
    }
    if (value.IsVariantArray())
        return ChildrenText(value, types, depth, false);
    try {
        return Cp1251ToUtf8(ValueToString(value));
    } catch (const std::exception &) {
        return "?";
    }
}

} // namespace

std::string VlValueText(const TVlValue &value, TVlInterpreterAdapter &types)
{
    return Text(value, types, 0);
}

std::string VlValueKindText(const TVlValue &value, uint16_t declaredKind)
{
    if (value.IsScriptArray() || value.IsVariantArray())
        return "array";
    if (value.IsRecord())
        return "record " + value.RawRecord()->RecordName;
    if (declaredKind != 0)
        return VlKindName(declaredKind);
    if (value.Kind() == varEmpty)
        return "";
    return VlKindName(value.Kind());
}

std::vector<TVlValueChild> VlValueChildren(const TVlValue &value, TVlInterpreterAdapter &types, size_t limit)
{
    std::vector<TVlValueChild> children;
    if (value.IsScriptArray()) {
        const TVlInterpreterArrayRec &array = *value.RawScriptArray();
        // Elements by their index; a multi-dimensional array lists its elements in storage order.
        const int32_t low = array.DimCount == 1 ? array.LowBounds[0] : 0;
        const uint16_t kind = array.ElementType ? array.ElementType->KindCode() : array.ElementKind;
        for (size_t i = 0; i < array.Items.size() && children.size() < limit; ++i)
            children.push_back({"[" + std::to_string(low + static_cast<int32_t>(i)) + "]", array.Items[i], kind});
    } else if (value.IsVariantArray()) {
        const TVlVariantArray &array = *value.RawVariantArray();
        for (size_t i = 0; i < array.Items.size() && children.size() < limit; ++i)
            children.push_back({"[" + std::to_string(array.LowBounds[0] + static_cast<int32_t>(i)) + "]", array.Items[i]});
    } else if (value.IsRecord()) {
        TVlInterpreterRecHolder &holder = *value.RawRecord();
        if (std::shared_ptr<const TVlInterpreterRecord> record = RecordOf(holder, types))
            for (const TVlInterpreterRecField &field : record->Fields) {
                if (children.size() >= limit)
                    break;
                children.push_back({Cp1251ToUtf8(field.Identifier),
                                    FieldValue(*record, field, static_cast<const char *>(holder.RecordData)),
                                    field.DataType ? field.DataType->KindCode() : uint16_t(0)});
            }
    }
    return children;
}
