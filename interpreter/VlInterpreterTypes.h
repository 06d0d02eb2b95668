// Declared types, script arrays, records, variables and the value operations that follow them.
#pragma once

#include "VlInterpreterValue.h"

#include <memory>
#include <string>
#include <vector>

class TVlInterpreterAdapter;
class TVlInterpreterRecord;
struct TVlInterpreterArgs;

// A declared type: gives variables their initial value and the kind recorded for them.
class IVlInterpreterDataType {
public:
    virtual ~IVlInterpreterDataType() = default;
    virtual void InitValue(TVlValue &value) const = 0;
    virtual uint16_t KindCode() const = 0;
};
using TVlDataTypePtr = std::shared_ptr<const IVlInterpreterDataType>;

class TVlInterpreterSimpleDataType : public IVlInterpreterDataType {
public:
    explicit TVlInterpreterSimpleDataType(uint16_t kind, bool exactZero = false) : Kind(kind), ExactZero(exactZero) {}
    void InitValue(TVlValue &value) const override;
    uint16_t KindCode() const override { return Kind; }
    uint16_t Kind;
    bool ExactZero;  // the fuller dialect: start as VlZeroOfKind (a single as Single 0)
};

// The fuller dialect's ordinal types: subranges, enumerations and the bounded standard types.
// Values are Integers (Strings of one character for chars, Booleans for booleans).
class TVlInterpreterOrdinalDataType : public IVlInterpreterDataType {
public:
    TVlInterpreterOrdinalDataType(uint16_t kind, int64_t low, int64_t high) : Kind(kind), Low(low), High(high) {}
    void InitValue(TVlValue &value) const override;
    // Enumeration values keep their own kind wherever they are stored.
    uint16_t KindCode() const override { return EnumId >= 0 ? 0 : Kind; }
    // The value of ordinal number n in this type's kind.
    TVlValue ValueOf(int64_t n) const;
    uint16_t Kind;
    int64_t Low, High;
    std::vector<std::string> Names;  // the members of an enumeration
    int32_t EnumId = -1;  // values are members of this enumeration (enumerations and their subranges)
};

// string[N]: a String of at most N characters.
class TVlInterpreterShortStringDataType : public IVlInterpreterDataType {
public:
    explicit TVlInterpreterShortStringDataType(int32_t maxLength) : MaxLength(maxLength) {}
    void InitValue(TVlValue &value) const override { value = TVlValue::String(std::string()); }
    uint16_t KindCode() const override { return varVlShortString; }
    int32_t MaxLength;
};

// set of T: a wide set (elements 0..255).
class TVlInterpreterSetDataType : public IVlInterpreterDataType {
public:
    void InitValue(TVlValue &value) const override { value = TVlValue::WideSet(std::string()); }
    uint16_t KindCode() const override { return varVlWideSet; }
};

// The value a variable of a kind starts with in the fuller dialect: the core dialect's, except
// that a single starts as Single 0 (which prints as singles do).
TVlValue VlZeroOfKind(uint16_t kind);
// A member of enumeration id (varVlEnum) and the enumeration of one.
inline TVlValue VlEnumValue(int64_t ordinal, int32_t id)
{
    TVlValue v = TVlValue::Int64(static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(id)) << 32) |
                                                      static_cast<uint32_t>(ordinal)));
    v.ForceKind(varVlEnum);
    return v;
}
inline int32_t VlEnumId(const TVlValue &value) { return static_cast<int32_t>(value.RawInt64() >> 32); }
// The ordinal number of a value: integers, one-character Strings (their code), Booleans,
// enumeration members; false for other values.
bool VlOrdinalOf(const TVlValue &value, int64_t &ordinal);
// The value of ordinal number n of the kind of model: a character, a Boolean or an Integer.
TVlValue VlOrdinalLike(const TVlValue &model, int64_t n);
// The ordinal type a type value (varVlType) stands for, or null.
const TVlInterpreterOrdinalDataType *VlOrdinalTypeOf(const TVlValue &typeValue);
// KindOfTypeName in the fuller dialect: the sized integer and real types have kinds of their own.
uint16_t VlExtendedKindOfTypeName(const std::string &name);
// The standard ordinal type of a name (integer, byte, char, boolean, ...), or null.
std::shared_ptr<const TVlInterpreterOrdinalDataType> VlStandardOrdinalType(const std::string &name);

class TVlInterpreterArrayDataType : public IVlInterpreterDataType {
public:
    void InitValue(TVlValue &value) const override;
    uint16_t KindCode() const override { return varVlArray; }
    bool OrdinalIndexes = false;  // see TVlInterpreterArrayRec
    bool Dynamic = false;         // "array of T"
    int32_t DimCount = 1;
    int32_t LowBounds[10] = {};
    int32_t HighBounds[10] = {};
    uint16_t ElementKind = 0;
    TVlDataTypePtr ElementType;
};

class TVlInterpreterRecordDataType : public IVlInterpreterDataType {
public:
    explicit TVlInterpreterRecordDataType(std::shared_ptr<const TVlInterpreterRecord> record)
        : Record(std::move(record)) {}
    void InitValue(TVlValue &value) const override;
    uint16_t KindCode() const override { return 0; }
    std::shared_ptr<const TVlInterpreterRecord> Record;
};

// One script array (reference counted; copies of the value share it).
struct TVlInterpreterArrayRec {
    int32_t Refs = 1;
    int32_t DimCount = 1;
    int32_t LowBounds[10] = {};
    int32_t HighBounds[10] = {};
    uint16_t ElementKind = 0;
    TVlDataTypePtr ElementType;
    int32_t ElementSize = 0;
    int32_t ElementCount = 0;
    std::vector<TVlValue> Items;  // every element, whatever its kind
    // Made by the fuller dialect: characters and booleans index it by their ordinal number, and
    // storing it whole copies it (a dynamic array, "array of T", is shared instead).
    bool OrdinalIndexes = false;
    bool Dynamic = false;
};

// A copy of a script array of the fuller dialect with elements of its own (nested arrays and
// records copied too); lowBound moves a one-dimensional copy (open array parameters see 0).
TVlValue VlCopyScriptArray(const TVlInterpreterArrayRec &array, bool rebase = false);

// Payload of a Record value: the record type's name, its registration and its memory.
struct TVlInterpreterRecHolder {
    int32_t Refs = 1;
    std::string RecordName;
    std::shared_ptr<const TVlInterpreterRecord> RecordDesc;  // set once the type is known
    void *RecordData = nullptr;
    bool OwnsData = true;  // false for memory handed in by a host through RecordToValue
    ~TVlInterpreterRecHolder();
};

// Maps a simple type name to its kind (0 for names that are not simple types).
uint16_t KindOfTypeName(const std::string &name);

// Creates a script array of the given shape (codes 174 and 175 for bad shapes).
TVlValue NewScriptArray(const TVlInterpreterArrayDataType &type);
// Creates a record value of a registered record type.
TVlValue NewRecordValue(const std::shared_ptr<const TVlInterpreterRecord> &record);

// ShareValue: every kind copies its reference (arrays and records then share storage).
inline void ShareValue(TVlValue &destination, const TVlValue &source) { destination = source; }
// AssignValue: arrays cannot be stored whole (code 2); records are copied field by field into
// the record the destination already holds.
void AssignComposite(TVlValue &destination, const TVlValue &source);  // the array and record cases
inline void AssignValue(TVlValue &destination, const TVlValue &source)
{
    if (source.IsScriptArray() || source.IsRecord())
        AssignComposite(destination, source);
    else
        destination = source;
}
// ConvertToKind with the zero-value rule for Empty and Null; forInit selects the initial-value
// variant (a Boolean converted to Integer gives the ShortInt 1 or 0).
TVlValue ConvertToKind(const TVlValue &value, uint16_t kind, bool forInit = false);
// ReleaseValue: drops the value's reference and makes it Empty.
inline void ReleaseValue(TVlValue &value) { value.Clear(); }

// Record payloads for host bindings. ValueToRecord raises code 109 for a non-record value.
TVlValue RecordToValue(const std::string &recordName, void *memory);
void *ValueToRecord(const TVlValue &v);

// Element access: answer false when no index is given.
// Strings, script arrays and variant arrays; anything else raises 176 at readerPos.
bool GetElement(const TVlValue &container, TVlValue &result, const TVlInterpreterArgs &args,
                int32_t readerPos = -1);
bool SetElement(TVlValue &container, const TVlValue &value, const TVlInterpreterArgs &args,
                int32_t readerPos = -1);

// An index value as a number: with ordinal set (arrays of the fuller dialect), characters and
// booleans give their ordinal number.
inline int32_t VlIndexOf(const TVlValue &index, bool ordinal)
{
    if (index.Kind() == varInteger)
        return index.RawInteger();
    int64_t n;
    if (ordinal && VlOrdinalOf(index, n))
        return static_cast<int32_t>(n);
    return ValueToInteger(index);
}

// An array of arrays, whose a[i, j] the general path reads as a[i][j].
inline bool HoldsArrays(const TVlInterpreterArrayRec &array)
{
    return !array.Items.empty() && array.Items[0].IsScriptArray();
}
// Position of an element (codes 171 to 173) and storing by element kind.
size_t ScriptArrayPosition(const TVlInterpreterArrayRec &array, const int32_t *indexes, int32_t count);
void StoreScriptArrayElement(TVlInterpreterArrayRec &array, size_t position, const TVlValue &value);

// One-dimensional script array operations ("Sorry, ..." EVlRuntimeError otherwise).
void ResizeScriptArray(TVlInterpreterArrayRec &array, int32_t count);
int32_t ScriptArrayLength(const TVlInterpreterArrayRec &array);
int32_t ScriptArrayLow(const TVlInterpreterArrayRec &array);
int32_t ScriptArrayHigh(const TVlInterpreterArrayRec &array);
void DeleteFromScriptArray(TVlInterpreterArrayRec &array, int32_t index);
void InsertIntoScriptArray(TVlInterpreterArrayRec &array, int32_t index, const TVlValue &value);

// A variable: a script global, a routine local or parameter, or a field of a script class.
struct TVlInterpreterVar {
    std::string UnitName;
    std::string Identifier;
    std::string TypeName;
    uint16_t DeclaredKind = 0;
    TVlValue Value;
    int32_t NameAtom = 0;  // interned Identifier
    int32_t UnitAtom = 0;  // interned UnitName, 0 when empty
};

// Where a name was last found in a variable list: lookups from the same place in the source
// meet the same list layout, so the slot is tried before the list is searched.
struct TVlSlotHint {
    int32_t Slot = -1;
    int32_t Used = -1;  // size of the list when the slot was found
};

// One scope; newest declarations come first in lookups.
class TVlInterpreterVarList {
public:
    // Raises code 111 when (unit, name) is already declared.
    TVlInterpreterVar &DeclareVar(const std::string &unitName, const std::string &name,
                                  const TVlValue &value, uint16_t declaredKind,
                                  const std::string &typeName);
    TVlInterpreterVar *LookupVar(const std::string &unitName, const std::string &name);
    TVlInterpreterVar *LookupAtom(int32_t unitAtom, int32_t nameAtom)
    {
        for (size_t i = Used; i-- > 0;) {
            TVlInterpreterVar &var = Vars[i];
            if (var.NameAtom == nameAtom && (unitAtom == 0 || var.UnitAtom == unitAtom))
                return &var;
        }
        return nullptr;
    }
    // LookupAtom(0, nameAtom) that first tries the hinted slot; a list of the same size with the
    // name at that slot has the layout the hint was taken from.
    TVlInterpreterVar *LookupHinted(int32_t nameAtom, TVlSlotHint &hint)
    {
        if (hint.Used == static_cast<int32_t>(Used) && static_cast<size_t>(hint.Slot) < Used &&
            Vars[static_cast<size_t>(hint.Slot)].NameAtom == nameAtom)
            return &Vars[static_cast<size_t>(hint.Slot)];
        TVlInterpreterVar *var = LookupAtom(0, nameAtom);
        if (var) {
            hint.Slot = static_cast<int32_t>(var - Vars.data());
            hint.Used = static_cast<int32_t>(Used);
        }
        return var;
    }
    // DeclareVar with the names already interned.
    TVlInterpreterVar &DeclareAtom(int32_t unitAtom, int32_t nameAtom, const std::string &unitName,
                                   const std::string &name, const TVlValue &value, uint16_t declaredKind,
                                   const std::string &typeName);
    void RemoveVar(const std::string &unitName, const std::string &name);
    bool ReadVar(const std::string &name, TVlValue &result, const TVlInterpreterArgs &args);
    bool WriteVar(const std::string &name, const TVlValue &value, const TVlInterpreterArgs &args);
    // Stores into a found variable by the declared-kind rules.
    static void StoreInto(TVlInterpreterVar &var, const TVlValue &value)
    {
        // A var parameter stores as a variable of its type does: an array or record given to it is copied.
        uint16_t kind = var.DeclaredKind & static_cast<uint16_t>(~(varByRef | varConstFlag));
        if (kind == 0 || kind == varVariant || kind == value.Kind())
            AssignValue(var.Value, value);
        else
            StoreConverted(var, value);
    }
    static void StoreConverted(TVlInterpreterVar &var, const TVlValue &value);
    // Empties the list; the variable records are kept for reuse by later declarations.
    void Clear()
    {
        for (size_t i = 0; i < Used; ++i)
            Vars[i].Value.Clear();
        Used = 0;
    }
    size_t Count() const { return Used; }
    // Declared variables by position, oldest first (index < Count()).
    const TVlInterpreterVar &Var(size_t index) const { return Vars[index]; }

private:
    TVlInterpreterVar &NewVar();
    // Oldest first; lookups walk from the back. Pointers stay valid until the next declaration.
    std::vector<TVlInterpreterVar> Vars;
    size_t Used = 0;
};
