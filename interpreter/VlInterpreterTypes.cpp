// Declared types, script arrays, records and variable lists.
#include "VlInterpreterTypes.h"

#include "VlInterpreterAdapter.h"
#include "VlInterpreterArgs.h"
#include "VlInterpreterError.h"
#include "VlInterpreterNames.h"
#include "VlInterpreterOperations.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Largest script array the interpreter creates (elements), so that a script cannot exhaust memory.
constexpr int64_t MaxArrayElements = 16 * 1024 * 1024;

bool IsWholeValueField(uint16_t kind) { return kind == varEmpty || kind == varVariant; }

int32_t ElementSizeOf(uint16_t kind)
{
    switch (kind) {
    case 0: case varOleStr: case varDispatch: case varVariant: case varUnknown: return 16;
    case varSmallint: return 2;
    case varInteger: return 4;
    case varDouble: case varDate: return 8;
    case varByte: return 1;
    case varVlObject: return 4;
    default: return 0;
    }
}

// The value an element of a kind holds before anything is stored in it.
TVlValue ZeroElement(uint16_t kind, const TVlDataTypePtr &type)
{
    TVlValue v;
    switch (kind) {
    case 0:
        if (type)
            type->InitValue(v);
        return v;
    case varSmallint: return TVlValue::Smallint(0);
    case varInteger: return TVlValue::Integer(0);
    case varByte: return TVlValue::Byte(0);
    case varDouble: return TVlValue::Double(0);
    case varDate: return TVlValue::Date(0);
    case varString: return TVlValue::String(std::string());
    case varVlObject: return ObjectToValue(nullptr);
    default: return ConvertToKind(TVlValue(), kind);
    }
}

void StoreElement(TVlValue &item, uint16_t kind, const TVlValue &value)
{
    switch (kind) {
    case 0: AssignValue(item, value); break;
    case varSmallint: item = TVlValue::Smallint(static_cast<int16_t>(ValueToInt64(value))); break;
    case varInteger: item = TVlValue::Integer(static_cast<int32_t>(ValueToInt64(value))); break;
    case varByte: item = TVlValue::Byte(static_cast<uint8_t>(ValueToInt64(value))); break;
    case varDouble: item = TVlValue::Double(ValueToDouble(value)); break;
    case varDate: item = TVlValue::Date(ValueToDouble(value)); break;
    case varString: item = TVlValue::String(ValueToString(value)); break;
    case varVlObject: item = ObjectToValue(ValueToObject(value)); break;
    default: item = ConvertToKind(value, kind); break;
    }
}

[[noreturn]] void OneDimensionalOnly()
{
    throw EVlRuntimeError("EVlException", "Sorry, for one-dimensional arrays only");
}

// Storage of a record field inside the record memory, or nullptr when it does not fit.
template <typename T>
T *FieldAt(const TVlInterpreterRecord &record, void *memory, const TVlInterpreterRecField &field)
{
    if (field.Offset < 0 || field.Offset + static_cast<int32_t>(sizeof(T)) > record.RecordSize)
        return nullptr;
    return reinterpret_cast<T *>(static_cast<char *>(memory) + field.Offset);
}

int32_t FieldStorageSize(uint16_t kind)
{
    switch (kind) {
    case varSmallint: return 2;
    case varInteger: case varSingle: case varBoolean: return 4;
    case varDouble: case varCurrency: case varDate: return 8;
    case varShortInt: case varByte: return 1;
    case varWord: return 2;
    case varLongWord: return 4;
    case varVlObject: case varVlClass: case varVlPointer: return static_cast<int32_t>(sizeof(void *));
    case varVlSet: return 4;
    default: return 0;
    }
}

} // namespace

void TVlInterpreterSimpleDataType::InitValue(TVlValue &value) const
{
    value.Clear();
    if (ExactZero)
        value = VlZeroOfKind(Kind);
    else if (Kind != 0 && Kind != varVlObject)
        value = ConvertToKind(TVlValue(), Kind, true);
}

void TVlInterpreterOrdinalDataType::InitValue(TVlValue &value) const
{
    value = ValueOf(0);
}

TVlValue TVlInterpreterOrdinalDataType::ValueOf(int64_t n) const
{
    if (EnumId >= 0)
        return VlEnumValue(n, EnumId);
    switch (Kind) {
    case varString: return TVlValue::String(std::string(1, static_cast<char>(n & 0xFF)));
    case varBoolean: return TVlValue::Boolean(n != 0);
    case varInteger: return TVlValue::Integer(static_cast<int32_t>(n));
    default: return ConvertToKind(TVlValue::Int64(n), Kind);
    }
}

TVlValue VlZeroOfKind(uint16_t kind)
{
    // The core dialect's zeros (the Byte 0 of integers, the Currency 0 of doubles) print as the
    // zeros of their kinds do; a single's does not.
    switch (kind) {
    case varSingle: return TVlValue::Single(0);
    case 0: case varVlObject: return TVlValue();
    default: return ConvertToKind(TVlValue(), kind, true);
    }
}

bool VlOrdinalOf(const TVlValue &value, int64_t &ordinal)
{
    switch (value.Kind()) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
        ordinal = ValueToInt64(value);
        return true;
    case varVlEnum:
        ordinal = value.RawInteger();
        return true;
    case varBoolean:
        ordinal = value.RawInteger() ? 1 : 0;
        return true;
    case varString:
        if (value.RawString().size() != 1)
            return false;
        ordinal = static_cast<unsigned char>(value.RawString()[0]);
        return true;
    default:
        return false;
    }
}

TVlValue VlOrdinalLike(const TVlValue &model, int64_t n)
{
    if (model.IsString())
        return TVlValue::String(std::string(1, static_cast<char>(n & 0xFF)));
    if (model.Kind() == varBoolean)
        return TVlValue::Boolean(n != 0);
    if (model.Kind() == varVlEnum)
        return VlEnumValue(n, VlEnumId(model));
    return TVlValue::Integer(static_cast<int32_t>(n));
}

const TVlInterpreterOrdinalDataType *VlOrdinalTypeOf(const TVlValue &typeValue)
{
    if (typeValue.Kind() != varVlType)
        return nullptr;
    return dynamic_cast<const TVlInterpreterOrdinalDataType *>(
        static_cast<const IVlInterpreterDataType *>(typeValue.RawPointer()));
}

uint16_t VlExtendedKindOfTypeName(const std::string &name)
{
    static const struct { const char *Name; uint16_t Kind; } table[] = {
        {"word", varWord}, {"cardinal", varLongWord}, {"longword", varLongWord}, {"dword", varLongWord},
        {"int64", varInt64}, {"qword", varInt64}, {"uint64", varInt64}, {"shortint", varShortInt},
        {"real", varDouble}, {"extended", varVlExtended}, {"single", varSingle}, {"currency", varCurrency},
        {"comp", varInt64}, {"nativeint", varInt64}, {"sizeint", varInt64},
    };
    if (name.size() <= 11) {
        std::string lower = VlLowerName(name);
        for (const auto &entry : table)
            if (lower == entry.Name)
                return entry.Kind;
    }
    return KindOfTypeName(name);
}

std::shared_ptr<const TVlInterpreterOrdinalDataType> VlStandardOrdinalType(const std::string &name)
{
    using TType = TVlInterpreterOrdinalDataType;
    static const struct { const char *Name; std::shared_ptr<const TType> Type; } table[] = {
        {"integer", std::make_shared<TType>(varInteger, INT32_MIN, INT32_MAX)},
        {"longint", std::make_shared<TType>(varInteger, INT32_MIN, INT32_MAX)},
        {"byte", std::make_shared<TType>(varByte, 0, 255)},
        {"shortint", std::make_shared<TType>(varShortInt, -128, 127)},
        {"smallint", std::make_shared<TType>(varSmallint, -32768, 32767)},
        {"word", std::make_shared<TType>(varWord, 0, 65535)},
        {"cardinal", std::make_shared<TType>(varLongWord, 0, UINT32_MAX)},
        {"longword", std::make_shared<TType>(varLongWord, 0, UINT32_MAX)},
        {"int64", std::make_shared<TType>(varInt64, INT64_MIN, INT64_MAX)},
        {"char", std::make_shared<TType>(varString, 0, 255)},
        {"boolean", std::make_shared<TType>(varBoolean, 0, 1)},
    };
    if (name.size() > 8)
        return nullptr;
    std::string lower = VlLowerName(name);
    for (const auto &entry : table)
        if (lower == entry.Name)
            return entry.Type;
    return nullptr;
}

void TVlInterpreterVarList::StoreConverted(TVlInterpreterVar &var, const TVlValue &value)
{
    var.Value = ConvertToKind(value, var.DeclaredKind);
    if (var.DeclaredKind == varVlShortString) {
        // A string[N] variable keeps at most N characters; its type name is "string[N]".
        size_t open = var.TypeName.find('[');
        size_t limit = open == std::string::npos ? 255 : std::strtoul(var.TypeName.c_str() + open + 1, nullptr, 10);
        if (var.Value.RawString().size() > limit)
            var.Value.MutableString().resize(limit);
    }
}

void TVlInterpreterArrayDataType::InitValue(TVlValue &value) const
{
    value = NewScriptArray(*this);
}

void TVlInterpreterRecordDataType::InitValue(TVlValue &value) const
{
    value = NewRecordValue(Record);
}

uint16_t KindOfTypeName(const std::string &name)
{
    static const struct { const char *Name; uint16_t Kind; } table[] = {
        {"ansistring", varString}, {"string", varString}, {"shortstring", varString},
        {"pchar", varString}, {"char", varString}, {"boolean", varBoolean}, {"bool", varBoolean},
        {"longbool", varBoolean}, {"wordbool", varBoolean}, {"byte", varByte},
        {"integer", varInteger}, {"longint", varInteger}, {"dword", varInteger},
        {"smallint", varSmallint}, {"word", varSmallint}, {"double", varDouble},
        {"tdatetime", varDate}, {"tobject", varVlObject},
    };
    if (name.size() > 11)
        return 0;
    std::string lower = VlLowerName(name);
    for (const auto &entry : table)
        if (lower == entry.Name)
            return entry.Kind;
    return 0;
}

TVlValue NewScriptArray(const TVlInterpreterArrayDataType &type)
{
    if (type.DimCount < 1 || type.DimCount > 10)
        RaiseError(erInvalidDimension, -1);
    auto *array = new TVlInterpreterArrayRec;
    TVlValue result = TVlValue::AdoptScriptArray(array);
    array->DimCount = type.DimCount;
    array->OrdinalIndexes = type.OrdinalIndexes;
    array->Dynamic = type.Dynamic;
    array->ElementKind = type.ElementKind;
    array->ElementType = type.ElementType;
    array->ElementSize = ElementSizeOf(type.ElementKind);
    int64_t count = 1;
    for (int d = 0; d < type.DimCount; ++d) {
        int32_t low = type.LowBounds[d], high = type.HighBounds[d];
        if (high < low && !(type.DimCount == 1 || low == 0 || high == -1))
            RaiseError(erInvalidRange, -1);
        array->LowBounds[d] = low;
        array->HighBounds[d] = high;
        int64_t extent = static_cast<int64_t>(high) - low + 1;
        count *= extent < 0 ? 0 : extent;
        if (count > MaxArrayElements)
            throw EVlRuntimeError("EOutOfMemory", "Out of memory");
    }
    array->ElementCount = static_cast<int32_t>(count);
    array->Items.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        array->Items.push_back(ZeroElement(type.ElementKind, type.ElementType));
    return result;
}

TVlValue NewRecordValue(const std::shared_ptr<const TVlInterpreterRecord> &record)
{
    void *memory = nullptr;
    if (record->CreateFunc) {
        memory = record->CreateFunc();
    } else {
        memory = std::calloc(1, record->RecordSize > 0 ? static_cast<size_t>(record->RecordSize) : 1);
        if (!memory)
            throw std::bad_alloc();
        for (const TVlInterpreterRecField &field : record->Fields) {
            if (field.FieldType == varString) {
                if (auto *s = FieldAt<std::string>(*record, memory, field))
                    new (s) std::string();
            } else if (IsWholeValueField(field.FieldType)) {
                if (auto *v = FieldAt<TVlValue>(*record, memory, field)) {
                    new (v) TVlValue(TVlValue::Null());
                    if (field.DataType)
                        field.DataType->InitValue(*v);
                }
            }
        }
    }
    auto *holder = new TVlInterpreterRecHolder;
    holder->RecordName = record->Identifier;
    holder->RecordDesc = record;
    holder->RecordData = memory;
    return TVlValue::AdoptRecord(holder);
}

TVlInterpreterRecHolder::~TVlInterpreterRecHolder()
{
    if (!OwnsData || !RecordData || !RecordDesc)
        return;
    if (RecordDesc->DestroyFunc) {
        RecordDesc->DestroyFunc(RecordData);
        return;
    }
    if (!RecordDesc->CreateFunc) {
        for (const TVlInterpreterRecField &field : RecordDesc->Fields) {
            if (field.FieldType == varString) {
                if (auto *s = FieldAt<std::string>(*RecordDesc, RecordData, field))
                    s->~basic_string();
            } else if (IsWholeValueField(field.FieldType)) {
                if (auto *v = FieldAt<TVlValue>(*RecordDesc, RecordData, field))
                    v->~TVlValue();
            }
        }
    }
    std::free(RecordData);
}

TVlValue RecordToValue(const std::string &recordName, void *memory)
{
    auto *holder = new TVlInterpreterRecHolder;
    holder->RecordName = recordName;
    holder->RecordData = memory;
    holder->OwnsData = false;
    return TVlValue::AdoptRecord(holder);
}

void *ValueToRecord(const TVlValue &v)
{
    if (!v.IsRecord() || !v.RawRecord())
        RaiseError(erStructRequired, -1);
    return v.RawRecord()->RecordData;
}

static void CopyRecordFields(TVlInterpreterRecHolder &destination, const TVlInterpreterRecHolder &source)
{
    const TVlInterpreterRecord *record = source.RecordDesc.get();
    if (!record || !destination.RecordData || !source.RecordData || destination.RecordData == source.RecordData)
        return;
    if (record->CopyFunc) {
        record->CopyFunc(destination.RecordData, source.RecordData);
        return;
    }
    for (const TVlInterpreterRecField &field : record->Fields) {
        if (field.FieldType == varString) {
            auto *d = FieldAt<std::string>(*record, destination.RecordData, field);
            auto *s = FieldAt<std::string>(*record, source.RecordData, field);
            if (d && s)
                *d = *s;
        } else if (IsWholeValueField(field.FieldType)) {
            auto *d = FieldAt<TVlValue>(*record, destination.RecordData, field);
            auto *s = FieldAt<TVlValue>(*record, source.RecordData, field);
            if (d && s)
                AssignValue(*d, *s);
        } else {
            int32_t size = FieldStorageSize(field.FieldType);
            if (size > 0 && field.Offset >= 0 && field.Offset + size <= record->RecordSize)
                std::memcpy(static_cast<char *>(destination.RecordData) + field.Offset,
                            static_cast<const char *>(source.RecordData) + field.Offset, static_cast<size_t>(size));
        }
    }
}

TVlValue VlCopyScriptArray(const TVlInterpreterArrayRec &array, bool rebase)
{
    auto *copy = new TVlInterpreterArrayRec(array);
    TVlValue result = TVlValue::AdoptScriptArray(copy);
    copy->Refs = 1;
    if (rebase && copy->DimCount == 1) {
        copy->HighBounds[0] -= copy->LowBounds[0];
        copy->LowBounds[0] = 0;
    }
    for (TVlValue &item : copy->Items) {
        if (item.IsScriptArray() && item.RawScriptArray()->OrdinalIndexes && !item.RawScriptArray()->Dynamic)
            item = VlCopyScriptArray(*item.RawScriptArray());
        else if (item.IsRecord()) {
            TVlValue own;
            AssignComposite(own, item);
            item = std::move(own);
        }
    }
    return result;
}

void AssignComposite(TVlValue &destination, const TVlValue &source)
{
    if (source.IsScriptArray()) {
        // Arrays of the fuller dialect are values: a static one is copied, a dynamic one shared.
        const TVlInterpreterArrayRec &array = *source.RawScriptArray();
        if (array.OrdinalIndexes) {
            destination = array.Dynamic ? source : VlCopyScriptArray(array);
            return;
        }
        RaiseError(erInternal, -1, "Array to array assignment" "not implemented");
    }
    if (source.IsRecord()) {
        if (destination.IsRecord() && destination.RawRecord() != source.RawRecord() &&
            destination.RawRecord()->RecordDesc == source.RawRecord()->RecordDesc) {
            CopyRecordFields(*destination.RawRecord(), *source.RawRecord());
            return;
        }
        // No record of that type to copy into: the destination gets a copy of its own.
        const TVlInterpreterRecHolder &from = *source.RawRecord();
        if (from.RecordDesc && destination.RawRecord() != source.RawRecord()) {
            TVlValue copy = NewRecordValue(from.RecordDesc);
            CopyRecordFields(*copy.RawRecord(), from);
            destination = std::move(copy);
            return;
        }
    }
    destination = source;
}

TVlValue ConvertToKind(const TVlValue &value, uint16_t kind, bool forInit)
{
    kind &= static_cast<uint16_t>(~(varByRef | varConstFlag));
    if (value.IsEmpty() || value.IsNull()) {
        switch (kind) {
        case varSmallint: case varInteger: case varByte: return TVlValue::Byte(0);
        case varSingle: case varDouble: case varCurrency: case varDate: return TVlValue::Currency(0);
        case varOleStr: case varString: return TVlValue::String(std::string());
        case varBoolean: return TVlValue::Boolean(false);
        case varVariant: return TVlValue::Null();
        case 0: return value;
        case varShortInt: return TVlValue::ShortInt(0);
        case varWord: return TVlValue::Word(0);
        case varLongWord: return TVlValue::LongWord(0);
        case varInt64: return TVlValue::Int64(0);
        case varVlShortString: return TVlValue::String(std::string());
        case varVlObject: case varVlClass: case varVlPointer: return TVlValue::Pointer(kind, nullptr);
        case varVlSet: return SetToValue(0);
        case varVlWideSet: return TVlValue::WideSet(std::string());
        case varVlExtended: return TVlValue::Extended(0);
        default:
            if (value.IsEmpty())
                return value;
            throw EVlVariantError("Could not convert variant of type (Null) into type (" + VlKindName(kind) + ")");
        }
    }
    if (kind == 0 || kind == varVariant || kind == value.Kind())
        return value;
    if (value.IsScriptArray() || value.IsRecord() || kind == varVlArray || kind == varVlRecord)
        throw EVlVariantError("Could not convert variant of type (" + VlKindName(value.Kind()) +
                              ") into type (" + VlKindName(kind) + ")");
    switch (kind) {
    case varSmallint: return TVlValue::Smallint(static_cast<int16_t>(ValueToInt64(value)));
    case varInteger:
        if (forInit && value.Kind() == varBoolean)
            return TVlValue::ShortInt(value.RawInteger() ? 1 : 0);
        return TVlValue::Integer(static_cast<int32_t>(ValueToInt64(value)));
    case varShortInt: return TVlValue::ShortInt(static_cast<int8_t>(ValueToInt64(value)));
    case varByte: return TVlValue::Byte(static_cast<uint8_t>(ValueToInt64(value)));
    case varWord: return TVlValue::Word(static_cast<uint16_t>(ValueToInt64(value)));
    case varLongWord: return TVlValue::LongWord(static_cast<uint32_t>(ValueToInt64(value)));
    case varInt64: return TVlValue::Int64(ValueToInt64(value));
    case varVlShortString: return TVlValue::String(ValueToString(value));
    case varVlExtended: return TVlValue::Extended(VlToLongDouble(value));
    case varSingle: return TVlValue::Single(static_cast<float>(ValueToDouble(value)));
    case varDouble: return TVlValue::Double(ValueToDouble(value));
    case varDate: return TVlValue::Date(ValueToDouble(value));
    case varCurrency: return TVlValue::CurrencyScaled(ValueToCurrencyScaled(value));
    case varString: return TVlValue::String(ValueToString(value));
    case varOleStr: return TVlValue::OleStr(ValueToString(value));
    case varBoolean: return TVlValue::Boolean(ValueToBoolean(value));
    case varVlObject: case varVlClass: case varVlPointer:
        if (value.Kind() == varVlObject || value.Kind() == varVlClass || value.Kind() == varVlPointer)
            return TVlValue::Pointer(kind, value.RawPointer());
        break;
    case varVlWideSet:
        if (value.Kind() == varVlSet)
            return VlWideSetOp(tkPlus, value, TVlValue());
        if (value.IsVariantArray()) {
            // [a, b] given as an argument for a set parameter
            std::string mask(32, '\0');
            for (const TVlValue &item : value.RawVariantArray()->Items) {
                int64_t e = 0;
                if (!VlOrdinalOf(item, e) || e < 0 || e > 255)
                    throw EVlVariantError("Invalid set element");
                mask[static_cast<size_t>(e / 8)] = static_cast<char>(mask[static_cast<size_t>(e / 8)] | (1 << (e % 8)));
            }
            return TVlValue::WideSet(std::move(mask));
        }
        break;
    case varVlSet:
        if (value.IsVariantArray() || value.Kind() == varVlWideSet)
            return SetToValue(ValueToSet(value));
        return SetToValue(static_cast<uint32_t>(ValueToInt64(value)));
    default:
        break;
    }
    throw EVlVariantError("Could not convert variant of type (" + VlKindName(value.Kind()) +
                          ") into type (" + VlKindName(kind) + ")");
}

// Position of the element addressed by the indexes in args (codes 171 to 173).
static size_t ElementPosition(int32_t dimCount, const int32_t *low, const int32_t *high,
                              const TVlInterpreterArgs &args, bool ordinal = false)
{
    if (args.Count > dimCount)
        RaiseError(erTooManyBounds, -1);
    if (args.Count < dimCount)
        RaiseError(erNotEnoughBounds, -1);
    int64_t position = 0, multiplier = 1;
    for (int d = 0; d < dimCount; ++d) {
        int32_t index = ordinal ? VlIndexOf(args.Values[d], true) : ValueToInteger(args.Values[d]);
        if (index < low[d] || index > high[d])
            RaiseError(erIndexOutOfBounds, -1);
        position += (static_cast<int64_t>(index) - low[d]) * multiplier;
        multiplier *= static_cast<int64_t>(high[d]) - low[d] + 1;
    }
    return static_cast<size_t>(position);
}

static size_t StringIndex(const std::string &text, const TVlInterpreterArgs &args)
{
    if (args.Count > 1)
        RaiseError(erTooManyBounds, -1);
    int32_t index = ValueToInteger(args.Values[0]);
    if (text.empty() || index < 1 || index > static_cast<int32_t>(text.size()))
        throw EVlRuntimeError("ERangeError", "Range check error");
    return static_cast<size_t>(index - 1);
}

size_t ScriptArrayPosition(const TVlInterpreterArrayRec &array, const int32_t *indexes, int32_t count)
{
    if (count > array.DimCount)
        RaiseError(erTooManyBounds, -1);
    if (count < array.DimCount)
        RaiseError(erNotEnoughBounds, -1);
    int64_t position = 0, multiplier = 1;
    for (int d = 0; d < array.DimCount; ++d) {
        int32_t index = indexes[d];
        if (index < array.LowBounds[d] || index > array.HighBounds[d])
            RaiseError(erIndexOutOfBounds, -1);
        position += (static_cast<int64_t>(index) - array.LowBounds[d]) * multiplier;
        multiplier *= static_cast<int64_t>(array.HighBounds[d]) - array.LowBounds[d] + 1;
    }
    return static_cast<size_t>(position);
}

void StoreScriptArrayElement(TVlInterpreterArrayRec &array, size_t position, const TVlValue &value)
{
    StoreElement(array.Items[position], array.ElementKind, value);
}

bool GetElement(const TVlValue &container, TVlValue &result, const TVlInterpreterArgs &args,
                int32_t readerPos)
{
    if (args.Count == 0)
        return false;
    if (container.IsString()) {
        const std::string &text = container.RawString();
        result = TVlValue::String(std::string(1, text[StringIndex(text, args)]));
        return true;
    }
    if (container.IsScriptArray()) {
        const TVlInterpreterArrayRec &array = *container.RawScriptArray();
        result = array.Items[ElementPosition(array.DimCount, array.LowBounds, array.HighBounds, args,
                                             array.OrdinalIndexes)];
        return true;
    }
    if (container.IsVariantArray()) {
        const TVlVariantArray &array = *container.RawVariantArray();
        size_t position = ElementPosition(array.DimCount, array.LowBounds, array.HighBounds, args);
        if (position >= array.Items.size())
            RaiseError(erIndexOutOfBounds, -1);
        result = array.Items[position];
        return true;
    }
    RaiseError(erArrayRequired, readerPos);
}

bool SetElement(TVlValue &container, const TVlValue &value, const TVlInterpreterArgs &args,
                int32_t readerPos)
{
    if (args.Count == 0)
        return false;
    if (container.IsString()) {
        size_t index = StringIndex(container.RawString(), args);
        std::string text = ValueToString(value);
        container.MutableString()[index] = text.empty() ? '\0' : text[0];
        return true;
    }
    if (container.IsScriptArray()) {
        TVlInterpreterArrayRec &array = *container.RawScriptArray();
        size_t position =
            ElementPosition(array.DimCount, array.LowBounds, array.HighBounds, args, array.OrdinalIndexes);
        StoreElement(array.Items[position], array.ElementKind, value);
        return true;
    }
    if (container.IsVariantArray()) {
        size_t position = ElementPosition(container.RawVariantArray()->DimCount,
                                          container.RawVariantArray()->LowBounds,
                                          container.RawVariantArray()->HighBounds, args);
        TVlVariantArray &array = container.MutableVariantArray();
        if (position >= array.Items.size())
            RaiseError(erIndexOutOfBounds, -1);
        array.Items[position] = value;
        return true;
    }
    RaiseError(erArrayRequired, readerPos);
}

void ResizeScriptArray(TVlInterpreterArrayRec &array, int32_t count)
{
    if (array.DimCount != 1)
        throw EVlRuntimeError("EVlException", "Sorry. Dynamic arrays support is made for one-dimensional arrays only");
    if (count < 0)
        count = 0;
    if (count > MaxArrayElements)
        throw EVlRuntimeError("EOutOfMemory", "Out of memory");
    int32_t old = static_cast<int32_t>(array.Items.size());
    if (count < old) {
        array.Items.resize(static_cast<size_t>(count));
    } else {
        array.Items.reserve(static_cast<size_t>(count));
        for (int32_t i = old; i < count; ++i)
            array.Items.push_back(ZeroElement(array.ElementKind, array.ElementType));
    }
    array.ElementCount = count;
    array.HighBounds[0] = array.LowBounds[0] + count - 1;
}

int32_t ScriptArrayLength(const TVlInterpreterArrayRec &array)
{
    if (array.DimCount != 1)
        OneDimensionalOnly();
    return static_cast<int32_t>(array.Items.size());
}

int32_t ScriptArrayLow(const TVlInterpreterArrayRec &array)
{
    if (array.DimCount != 1)
        OneDimensionalOnly();
    return array.LowBounds[0];
}

int32_t ScriptArrayHigh(const TVlInterpreterArrayRec &array)
{
    if (array.DimCount != 1)
        OneDimensionalOnly();
    return array.HighBounds[0];
}

void DeleteFromScriptArray(TVlInterpreterArrayRec &array, int32_t index)
{
    if (array.DimCount != 1)
        OneDimensionalOnly();
    if (index < array.LowBounds[0] || index > array.HighBounds[0])
        RaiseError(erIndexOutOfBounds, -1);
    array.Items.erase(array.Items.begin() + (index - array.LowBounds[0]));
    array.ElementCount = static_cast<int32_t>(array.Items.size());
    --array.HighBounds[0];
}

void InsertIntoScriptArray(TVlInterpreterArrayRec &array, int32_t index, const TVlValue &value)
{
    if (array.DimCount != 1)
        OneDimensionalOnly();
    if (index < array.LowBounds[0] || index > array.HighBounds[0])
        RaiseError(erIndexOutOfBounds, -1);
    if (static_cast<int64_t>(array.Items.size()) + 1 > MaxArrayElements)
        throw EVlRuntimeError("EOutOfMemory", "Out of memory");
    auto at = array.Items.insert(array.Items.begin() + (index - array.LowBounds[0]),
                                 ZeroElement(array.ElementKind, array.ElementType));
    StoreElement(*at, array.ElementKind, value);
    array.ElementCount = static_cast<int32_t>(array.Items.size());
    ++array.HighBounds[0];
}

TVlInterpreterVar &TVlInterpreterVarList::DeclareVar(const std::string &unitName, const std::string &name,
                                                     const TVlValue &value, uint16_t declaredKind,
                                                     const std::string &typeName)
{
    if (LookupVar(unitName, name))
        RaiseError(erRedeclared, -1, name);
    TVlInterpreterVar &var = NewVar();
    var.UnitName = unitName;
    var.Identifier = name;
    var.TypeName = typeName;
    var.DeclaredKind = declaredKind;
    var.Value = value;
    var.NameAtom = VlNames().Intern(name);
    var.UnitAtom = unitName.empty() ? 0 : VlNames().Intern(unitName);
    return var;
}

TVlInterpreterVar &TVlInterpreterVarList::NewVar()
{
    if (Used == Vars.size())
        Vars.emplace_back();
    return Vars[Used++];
}

TVlInterpreterVar &TVlInterpreterVarList::DeclareAtom(int32_t unitAtom, int32_t nameAtom, const std::string &unitName,
                                                     const std::string &name, const TVlValue &value,
                                                     uint16_t declaredKind, const std::string &typeName)
{
    if (LookupAtom(unitAtom, nameAtom))
        RaiseError(erRedeclared, -1, name);
    TVlInterpreterVar &var = NewVar();
    // Records are reused: a routine called again finds its names already in place.
    auto assign = [](std::string &to, const std::string &from) {
        if (to.size() != from.size() || to != from)
            to = from;
    };
    assign(var.UnitName, unitName);
    assign(var.Identifier, name);
    assign(var.TypeName, typeName);
    var.DeclaredKind = declaredKind;
    var.Value = value;
    var.NameAtom = nameAtom;
    var.UnitAtom = unitAtom;
    return var;
}

TVlInterpreterVar *TVlInterpreterVarList::LookupVar(const std::string &unitName, const std::string &name)
{
    int32_t nameAtom = VlNames().Find(name);
    if (nameAtom == 0)
        return nullptr;
    int32_t unitAtom = 0;
    if (!unitName.empty()) {
        unitAtom = VlNames().Find(unitName);
        if (unitAtom == 0)
            return nullptr;
    }
    return LookupAtom(unitAtom, nameAtom);
}

void TVlInterpreterVarList::RemoveVar(const std::string &unitName, const std::string &name)
{
    TVlInterpreterVar *var = LookupVar(unitName, name);
    if (!var)
        return;
    size_t index = static_cast<size_t>(var - Vars.data());
    var->Value.Clear();
    std::rotate(Vars.begin() + static_cast<ptrdiff_t>(index), Vars.begin() + static_cast<ptrdiff_t>(index) + 1,
                Vars.begin() + static_cast<ptrdiff_t>(Used));
    --Used;
}

bool TVlInterpreterVarList::ReadVar(const std::string &name, TVlValue &result, const TVlInterpreterArgs &args)
{
    if (args.Obj)
        return false;
    TVlInterpreterVar *var = LookupVar(std::string(), name);
    if (!var)
        return false;
    result = var->Value;
    return true;
}

bool TVlInterpreterVarList::WriteVar(const std::string &name, const TVlValue &value, const TVlInterpreterArgs &args)
{
    if (args.Obj)
        return false;
    TVlInterpreterVar *var = LookupVar(std::string(), name);
    if (!var)
        return false;
    StoreInto(*var, value);
    return true;
}

