// TVlValue: reference counting, factories and conversions between the standard kinds.
#include "VlInterpreterValue.h"

#include "VlInterpreterTypes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

void TVlValue::AddRefSlow() const
{
    if (VType == varString || VType == varOleStr || VType == varVlWideSet || VType == varVlExtended)
        ++VString->Refs;
    else if (VType & varArrayFlag)
        ++VArray->Refs;
    else if (VType == varVlArray)
        ++VScriptArray->Refs;
    else if (VType == varVlRecord)
        ++VRecord->Refs;
}

void TVlValue::ReleaseSlow()
{
    if (VType == varString || VType == varOleStr || VType == varVlWideSet || VType == varVlExtended) {
        if (--VString->Refs == 0)
            delete VString;
    } else if (VType & varArrayFlag) {
        if (--VArray->Refs == 0)
            delete VArray;
    } else if (VType == varVlArray) {
        if (--VScriptArray->Refs == 0)
            delete VScriptArray;
    } else if (VType == varVlRecord) {
        if (--VRecord->Refs == 0)
            delete VRecord;
    }
}

const std::string &TVlValue::RawString() const
{
    return VString->Text;
}

std::string &TVlValue::MutableString()
{
    if (VString->Refs > 1) {
        TVlStringBuf *copy = new TVlStringBuf;
        copy->Text = VString->Text;
        --VString->Refs;
        VString = copy;
    }
    return VString->Text;
}

void TVlValue::AppendString(const char *data, size_t size)
{
    if (!IsString()) {
        std::string text = ValueToString(*this);
        text.append(data, size);
        *this = String(std::move(text));
        return;
    }
    if (VString->Refs > 1) {
        TVlStringBuf *copy = new TVlStringBuf;
        copy->Text.reserve((VString->Text.size() + size) * 2);
        copy->Text = VString->Text;
        --VString->Refs;
        VString = copy;
    }
    VString->Text.append(data, size);
}

void TVlValue::AppendString(const std::string &tail)
{
    AppendString(tail.data(), tail.size());
}

TVlVariantArray &TVlValue::MutableVariantArray()
{
    if (VArray->Refs > 1) {
        TVlVariantArray *copy = new TVlVariantArray(*VArray);
        copy->Refs = 1;
        --VArray->Refs;
        VArray = copy;
    }
    return *VArray;
}

TVlValue TVlValue::Null()
{
    TVlValue r;
    r.VType = varNull;
    return r;
}

TVlValue TVlValue::Double(double v)
{
    TVlValue r;
    r.VType = varDouble;
    r.VDouble = v;
    return r;
}

TVlValue TVlValue::Single(float v)
{
    TVlValue r;
    r.VType = varSingle;
    r.VDouble = v;
    return r;
}

TVlValue TVlValue::Date(double v)
{
    TVlValue r;
    r.VType = varDate;
    r.VDouble = v;
    return r;
}

TVlValue TVlValue::Currency(double v)
{
    return CurrencyScaled(static_cast<int64_t>(std::llround(v * 10000.0)));
}

TVlValue TVlValue::CurrencyScaled(int64_t scaled)
{
    TVlValue r;
    r.VType = varCurrency;
    r.VInt64 = scaled;
    return r;
}

TVlValue TVlValue::String(std::string text)
{
    TVlValue r;
    r.VType = varString;
    r.VString = new TVlStringBuf;
    r.VString->Text = std::move(text);
    return r;
}

// The ten significant bytes of the x87 format (sign, exponent, 64-bit mantissa).
constexpr size_t ExtendedBytes = 10;

TVlValue TVlValue::Extended(long double v)
{
    char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &v, sizeof v);
    TVlValue r = String(std::string(bytes, ExtendedBytes));
    r.VType = varVlExtended;
    return r;
}

long double TVlValue::RawExtended() const
{
    long double v = 0;
    std::memcpy(&v, VString->Text.data(), ExtendedBytes);
    return v;
}

TVlValue TVlValue::WideSet(std::string mask)
{
    mask.resize(32, '\0');
    TVlValue r = String(std::move(mask));
    r.VType = varVlWideSet;
    return r;
}

TVlValue TVlValue::OleStr(std::string text)
{
    TVlValue r = String(std::move(text));
    r.VType = varOleStr;
    return r;
}

TVlValue TVlValue::VariantArray(int32_t low, int32_t high)
{
    TVlValue r;
    r.VType = varArrayFlag | varVariant;
    r.VArray = new TVlVariantArray;
    r.VArray->LowBounds[0] = low;
    r.VArray->HighBounds[0] = high;
    if (high >= low)
        r.VArray->Items.resize(static_cast<size_t>(high - low + 1));
    return r;
}

TVlValue TVlValue::Pointer(uint16_t kind, void *p)
{
    TVlValue r;
    r.VType = kind;
    r.VPointer = p;
    return r;
}

TVlValue TVlValue::AdoptScriptArray(TVlInterpreterArrayRec *array)
{
    TVlValue r;
    r.VType = varVlArray;
    r.VScriptArray = array;
    return r;
}

TVlValue TVlValue::AdoptRecord(TVlInterpreterRecHolder *holder)
{
    TVlValue r;
    r.VType = varVlRecord;
    r.VRecord = holder;
    return r;
}

std::string VlKindName(uint16_t kind)
{
    if (kind & varArrayFlag)
        return "Array " + VlKindName(kind & ~varArrayFlag);
    switch (kind) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varDispatch: return "Dispatch";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varUnknown: return "Unknown";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varVlEnum: return "Enumeration";
    case varVlExtended: return "Extended";
    case varString: return "String";
    case varVlObject: return "Object";
    case varVlClass: return "Class";
    case varVlRecord: return "Record";
    case varVlPointer: return "Pointer";
    case varVlSet: return "Set";
    case varVlArray: return "Array";
    case varVlWideSet: return "Set";
    default: return "Unknown";
    }
}

[[noreturn]] static void ConversionFailed(uint16_t from, const char *to)
{
    throw EVlVariantError("Could not convert variant of type (" + VlKindName(from) +
                          ") into type (" + to + ")");
}

// Parses script number text: optional blanks and sign, decimal or $hex integers, or a float
// with "." as decimal separator and an optional exponent.
static bool ParseNumber(const std::string &text, bool &isInteger, int64_t &integer, double &real)
{
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    if (b == e)
        return false;
    std::string body = text.substr(b, e - b);
    bool negative = false;
    size_t p = 0;
    if (body[p] == '+' || body[p] == '-') {
        negative = body[p] == '-';
        ++p;
    }
    if (p < body.size() && body[p] == '$') {
        ++p;
        if (p == body.size() || body.size() - p > 16)
            return false;
        uint64_t v = 0;
        for (; p < body.size(); ++p) {
            char c = body[p];
            int d = (c >= '0' && c <= '9') ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
            if (d < 0)
                return false;
            v = v * 16 + static_cast<uint64_t>(d);
        }
        isInteger = true;
        integer = negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
        return true;
    }
    bool digits = false, onlyDigits = true;
    for (size_t i = p; i < body.size(); ++i) {
        char c = body[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' || c == 'e' || c == 'E' || ((c == '+' || c == '-') && i > p &&
                                                      (body[i - 1] == 'e' || body[i - 1] == 'E')))
            onlyDigits = false;
        else
            return false;
    }
    if (!digits)
        return false;
    if (onlyDigits && body.size() - p <= 18) {
        isInteger = true;
        integer = std::strtoll(body.c_str() + p, nullptr, 10);
        if (negative)
            integer = -integer;
        return true;
    }
    char *end = nullptr;
    real = std::strtod(body.c_str(), &end);
    if (end != body.c_str() + body.size())
        return false;
    isInteger = false;
    return true;
}

static bool ParseBooleanText(const std::string &text, bool &result)
{
    std::string lower;
    for (char c : text)
        lower += static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c);
    if (lower == "true") {
        result = true;
        return true;
    }
    if (lower == "false") {
        result = false;
        return true;
    }
    return false;
}

static int64_t RoundToInt64(double v, uint16_t from)
{
    if (!(v >= -9.2e18 && v <= 9.2e18))
        ConversionFailed(from, "Integer");
    return static_cast<int64_t>(std::nearbyint(v));
}

int64_t ValueToInt64(const TVlValue &v)
{
    switch (v.Kind()) {
    case varEmpty: return 0;
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord:
    case varBoolean:
        return v.RawInteger();
    case varLongWord: return static_cast<uint32_t>(v.RawInteger());
    case varInt64: return v.RawInt64();
    case varSingle: case varDouble: case varDate:
        return RoundToInt64(v.RawDouble(), v.Kind());
    case varCurrency: return RoundToInt64(static_cast<double>(v.RawInt64()) / 10000.0, varCurrency);
    case varString: case varOleStr: {
        bool isInteger = false;
        int64_t i = 0;
        double d = 0;
        if (ParseNumber(v.RawString(), isInteger, i, d))
            return isInteger ? i : RoundToInt64(d, varString);
        bool b = false;
        if (ParseBooleanText(v.RawString(), b))
            return b ? -1 : 0;
        ConversionFailed(v.Kind(), "Integer");
    }
    case varVlSet: return static_cast<uint32_t>(v.RawInteger());
    case varVlWideSet: return ValueToSet(v);
    case varVlEnum: return v.RawInteger();
    case varVlExtended: return RoundToInt64(static_cast<double>(v.RawExtended()), varDouble);
    default: ConversionFailed(v.Kind(), "Integer");
    }
}

int32_t ValueToInteger(const TVlValue &v)
{
    if (v.Kind() == varInteger)
        return v.RawInteger();
    return static_cast<int32_t>(ValueToInt64(v));
}

double ValueToDouble(const TVlValue &v)
{
    switch (v.Kind()) {
    case varSingle: case varDouble: case varDate: return v.RawDouble();
    case varCurrency: return static_cast<double>(v.RawInt64()) / 10000.0;
    case varVlExtended: return static_cast<double>(v.RawExtended());
    case varString: case varOleStr: {
        bool isInteger = false;
        int64_t i = 0;
        double d = 0;
        if (ParseNumber(v.RawString(), isInteger, i, d))
            return isInteger ? static_cast<double>(i) : d;
        ConversionFailed(v.Kind(), "Double");
    }
    default:
        try {
            return static_cast<double>(ValueToInt64(v));
        } catch (const EVlVariantError &) {
            ConversionFailed(v.Kind(), "Double");
        }
    }
}

int64_t ValueToCurrencyScaled(const TVlValue &v)
{
    if (v.Kind() == varCurrency)
        return v.RawInt64();
    double d = ValueToDouble(v);
    if (!(d > -9.2e14 && d < 9.2e14))
        ConversionFailed(v.Kind(), "Currency");
    return static_cast<int64_t>(std::llround(d * 10000.0));
}

bool ValueToBoolean(const TVlValue &v)
{
    switch (v.Kind()) {
    case varString: case varOleStr: {
        bool b = false;
        if (ParseBooleanText(v.RawString(), b))
            return b;
        return ValueToDouble(v) != 0;
    }
    case varSingle: case varDouble: case varDate: return v.RawDouble() != 0;
    case varVlExtended: return v.RawExtended() != 0;
    case varCurrency: return v.RawInt64() != 0;
    default:
        try {
            return ValueToInt64(v) != 0;
        } catch (const EVlVariantError &) {
            ConversionFailed(v.Kind(), "Boolean");
        }
    }
}

std::string VlFloatToText(double v)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    std::string text = buffer;
    size_t e = text.find('E');
    if (e == std::string::npos)
        return text;
    // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5".
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    size_t d = (exponent[0] == '+' || exponent[0] == '-') ? 1 : 0;
    while (d + 1 < exponent.size() && exponent[d] == '0')
        ++d;
    return mantissa + "E" + (negative ? "-" : "") + exponent.substr(d);
}

static std::string DateToText(double v)
{
    // Days since 30 December 1899 -> civil date (proleptic Gregorian).
    double whole = std::floor(v);
    int64_t days = static_cast<int64_t>(whole) - 25569 + 719468;  // to days since 0000-03-01
    int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    int64_t doe = days - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2)
        ++y;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", static_cast<int>(d), static_cast<int>(m),
                  static_cast<int>(y));
    std::string text = buffer;
    int64_t seconds = std::llround((v - whole) * 86400.0);
    if (seconds > 0 && seconds < 86400) {
        std::snprintf(buffer, sizeof buffer, " %d:%02d:%02d", static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
        text += buffer;
    }
    return text;
}

std::string ValueToString(const TVlValue &v)
{
    switch (v.Kind()) {
    case varEmpty: case varNull: return std::string();
    case varString: case varOleStr: return v.RawString();
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord:
        return std::to_string(v.RawInteger());
    case varLongWord: return std::to_string(static_cast<uint32_t>(v.RawInteger()));
    case varInt64: return std::to_string(v.RawInt64());
    case varVlEnum: return std::to_string(v.RawInteger());
    case varVlExtended: return VlFloatToText(static_cast<double>(v.RawExtended()));
    case varBoolean: return v.RawInteger() ? "True" : "False";
    case varSingle: case varDouble: return VlFloatToText(v.RawDouble());
    case varCurrency: return VlFloatToText(static_cast<double>(v.RawInt64()) / 10000.0);
    case varDate: return DateToText(v.RawDouble());
    default: ConversionFailed(v.Kind(), "String");
    }
}

TVlValue ObjectToValue(void *object) { return TVlValue::Pointer(varVlObject, object); }
void *ValueToObject(const TVlValue &v) { return v.RawPointer(); }
TVlValue ClassToValue(TVlHostClass cls) { return TVlValue::Pointer(varVlClass, const_cast<void *>(cls)); }
TVlHostClass ValueToClass(const TVlValue &v) { return v.RawPointer(); }
TVlValue PointerToValue(void *p) { return TVlValue::Pointer(varVlPointer, p); }
void *ValueToPointer(const TVlValue &v) { return v.RawPointer(); }
TVlValue SetToValue(uint32_t mask) { return TVlValue::Mask(varVlSet, static_cast<int32_t>(mask)); }

uint32_t ValueToSet(const TVlValue &v)
{
    if (v.IsVariantArray()) {
        uint32_t mask = 0;
        for (const TVlValue &item : v.RawVariantArray()->Items)
            mask |= 1u << (static_cast<uint32_t>(ValueToInteger(item)) % 32);
        return mask;
    }
    if (v.Kind() == varVlWideSet) {
        uint32_t mask = 0;
        for (size_t i = 0; i < 4; ++i)
            mask |= static_cast<uint32_t>(static_cast<unsigned char>(v.RawString()[i])) << (8 * i);
        return mask;
    }
    return v.RawSet();
}
