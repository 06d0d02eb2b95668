// The interpreter's dynamically typed value: a kind code and a 8-byte payload, cheap to copy.
#pragma once

#include "VlInterpreterConst.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class TVlValue;
struct TVlInterpreterArrayRec;
struct TVlInterpreterRecHolder;

// Host classes are opaque to the interpreter: the bindings describe them through
// TVlHostObjectModel (VlInterpreterAdapter.h). A class is identified by any stable pointer.
using TVlHostClass = const void *;

// Shared, reference-counted text of String values; a sole owner may append in place.
struct TVlStringBuf {
    int32_t Refs = 1;
    std::string Text;
};

// Reference-counted variant array (kind flag varArrayFlag): elements with per-dimension bounds.
struct TVlVariantArray {
    int32_t Refs = 1;
    int32_t DimCount = 1;
    int32_t LowBounds[10] = {};
    int32_t HighBounds[10] = {};
    std::vector<TVlValue> Items;
};

// A failed value conversion or operation; expression evaluation turns it into "Type mismatch".
class EVlVariantError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A library-level failure that is not an interpreter error (division by zero, range check,
// conversion of text to a number in a host routine). ClassName is the exception class a
// script sees ("EDivByZero", "ERangeError", "EConvertError", "EVlException").
class EVlRuntimeError : public std::runtime_error {
public:
    EVlRuntimeError(std::string className, const std::string &message)
        : std::runtime_error(message), ClassName(std::move(className)) {}
    std::string ClassName;
};

class TVlValue {
public:
    TVlValue() : VType(varEmpty), VInt64(0) {}
    TVlValue(const TVlValue &other) : VType(other.VType), VInt64(other.VInt64) { AddRef(); }
    TVlValue(TVlValue &&other) noexcept : VType(other.VType), VInt64(other.VInt64)
    {
        other.VType = varEmpty;
        other.VInt64 = 0;
    }
    ~TVlValue() { ReleaseRef(); }
    TVlValue &operator=(const TVlValue &other)
    {
        if (this != &other) {
            other.AddRef();
            ReleaseRef();
            VType = other.VType;
            VInt64 = other.VInt64;
        }
        return *this;
    }
    TVlValue &operator=(TVlValue &&other) noexcept
    {
        if (this != &other) {
            ReleaseRef();
            VType = other.VType;
            VInt64 = other.VInt64;
            other.VType = varEmpty;
            other.VInt64 = 0;
        }
        return *this;
    }

    // Makes the value Empty, dropping its reference.
    void Clear()
    {
        ReleaseRef();
        VType = varEmpty;
        VInt64 = 0;
    }

    uint16_t Kind() const { return VType; }
    bool IsEmpty() const { return VType == varEmpty; }
    bool IsNull() const { return VType == varNull; }
    bool IsString() const { return VType == varString || VType == varOleStr; }
    bool IsVariantArray() const { return (VType & varArrayFlag) != 0; }
    bool IsScriptArray() const { return VType == varVlArray; }
    bool IsRecord() const { return VType == varVlRecord; }
    bool IsObjectLike() const { return VType == varVlObject || VType == varVlClass; }

    // Raw payload access; the caller knows the kind.
    int32_t RawInteger() const { return VInteger; }
    double RawDouble() const { return VDouble; }
    int64_t RawInt64() const { return VInt64; }
    void *RawPointer() const { return VPointer; }
    uint32_t RawSet() const { return static_cast<uint32_t>(VInteger); }
    const std::string &RawString() const;  // String, OleStr, wide set and extended values only
    long double RawExtended() const;       // extended values only
    TVlVariantArray *RawVariantArray() const { return VArray; }
    TVlInterpreterArrayRec *RawScriptArray() const { return VScriptArray; }
    TVlInterpreterRecHolder *RawRecord() const { return VRecord; }

    // Changes the kind code and keeps the payload bits (typecasts between kinds of one storage).
    void ForceKind(uint16_t kind) { VType = kind; }

    // Appends text to a String value, in place when this value is the buffer's only owner.
    void AppendString(const std::string &tail);
    void AppendString(const char *data, size_t size);
    // Gives a String value a buffer of its own (copy on write) and returns its text.
    std::string &MutableString();
    // Gives a variant array value storage of its own and returns it.
    TVlVariantArray &MutableVariantArray();

    // Factories for the standard kinds.
    static TVlValue Null();
    static TVlValue Integer(int32_t v) { return MakeInt(varInteger, v); }
    static TVlValue Smallint(int16_t v) { return MakeInt(varSmallint, v); }
    static TVlValue ShortInt(int8_t v) { return MakeInt(varShortInt, v); }
    static TVlValue Byte(uint8_t v) { return MakeInt(varByte, v); }
    static TVlValue Word(uint16_t v) { return MakeInt(varWord, v); }
    static TVlValue LongWord(uint32_t v) { return MakeInt(varLongWord, static_cast<int32_t>(v)); }
    static TVlValue Int64(int64_t v)
    {
        TVlValue r;
        r.VType = varInt64;
        r.VInt64 = v;
        return r;
    }
    static TVlValue Boolean(bool v) { return MakeInt(varBoolean, v ? -1 : 0); }
    static TVlValue Double(double v);
    static TVlValue Single(float v);
    static TVlValue Date(double v);
    static TVlValue Currency(double v);            // rounded to four decimals
    static TVlValue CurrencyScaled(int64_t scaled);  // value times 10000
    static TVlValue String(std::string text);
    static TVlValue String(const char *text) { return String(std::string(text)); }
    static TVlValue OleStr(std::string text);
    // A one-dimensional variant array of Variant elements with bounds low..high, all Empty.
    static TVlValue VariantArray(int32_t low, int32_t high);
    // An interpreter kind with a plain pointer or 32-bit payload.
    static TVlValue Pointer(uint16_t kind, void *p);
    static TVlValue Mask(uint16_t kind, int32_t bits) { return MakeInt(kind, bits); }
    // A set of elements 0..255 from its 32-byte mask (bit e of byte e / 8 is element e).
    static TVlValue WideSet(std::string mask);
    static TVlValue Extended(long double v);
    // Takes over one reference of a script array or record holder.
    static TVlValue AdoptScriptArray(TVlInterpreterArrayRec *array);
    static TVlValue AdoptRecord(TVlInterpreterRecHolder *holder);

private:
    static TVlValue MakeInt(uint16_t kind, int32_t v)
    {
        TVlValue r;
        r.VType = kind;
        // One 64-bit store (the low half is VInteger): copies then read the payload without a
        // store-forwarding stall.
        r.VInt64 = static_cast<int64_t>(static_cast<uint32_t>(v));
        return r;
    }
    bool IsCounted() const
    {
        // Numbers, booleans and the other plain kinds are below varString; test them first.
        return VType == varOleStr || (VType >= varString && (VType == varString || (VType & varArrayFlag) ||
                                                             VType == varVlArray || VType == varVlRecord ||
                                                             VType == varVlWideSet || VType == varVlExtended));
    }
    void AddRef() const
    {
        if (IsCounted())
            AddRefSlow();
    }
    void ReleaseRef()
    {
        if (IsCounted())
            ReleaseSlow();
    }
    void AddRefSlow() const;
    void ReleaseSlow();

    uint16_t VType;
    union {
        int32_t VInteger;
        int64_t VInt64;  // Currency, scaled by 10000
        double VDouble;
        void *VPointer;
        TVlStringBuf *VString;
        TVlVariantArray *VArray;
        TVlInterpreterArrayRec *VScriptArray;
        TVlInterpreterRecHolder *VRecord;
    };
};

static_assert(sizeof(TVlValue) == 16, "record fields store whole values in 16-byte slots");
static_assert(varVlRecord >= varString && varVlArray >= varString && varArrayFlag >= varString &&
                  varVlWideSet >= varString && varVlExtended >= varString,
              "counted kinds other than OleStr lie at or above varString");

// Conversions used by the interpreter and by host routines; each throws EVlVariantError when
// the value cannot be converted (text that is not a number, an object as a number, ...).
int32_t ValueToInteger(const TVlValue &v);
int64_t ValueToInt64(const TVlValue &v);
double ValueToDouble(const TVlValue &v);
bool ValueToBoolean(const TVlValue &v);
std::string ValueToString(const TVlValue &v);
int64_t ValueToCurrencyScaled(const TVlValue &v);

// Payload constructors and readers for host bindings. The readers do not check the kind.
TVlValue ObjectToValue(void *object);
void *ValueToObject(const TVlValue &v);
TVlValue ClassToValue(TVlHostClass cls);
TVlHostClass ValueToClass(const TVlValue &v);
TVlValue PointerToValue(void *p);
void *ValueToPointer(const TVlValue &v);
TVlValue SetToValue(uint32_t mask);
// The mask of a Set value; for a variant array, the OR of (1 shl (element mod 32)).
uint32_t ValueToSet(const TVlValue &v);

// Text of a kind for messages ("Integer", "String", ...).
std::string VlKindName(uint16_t kind);
// Usual text of a number (15 significant digits, "." as decimal separator).
std::string VlFloatToText(double v);
