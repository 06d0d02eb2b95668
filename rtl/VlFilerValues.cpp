// Tagged values of binary form streams (the host is little-endian, as the format).
#include "VlFilerValues.h"

#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlNameCompare.h"
#include "VlStreams.h"

#include <cmath>
#include <cstring>

namespace {

[[noreturn]] void InvalidValue()
{
    throw EReadError("Invalid property value");
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u16string ToUtf16(std::u32string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c > 0xFFFF ? 0xFFFD : c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string &units)
{
    std::string out;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace

std::u32string VlUtf8ToCodePoints(std::string_view utf8)
{
    std::u32string out;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? (byte & 0x1F) : length == 3 ? (byte & 0x0F) : (byte & 0x07);
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += length;
    }
    return out;
}

std::string VlCodePointsToUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

void LongDoubleToExtended(long double value, uint8_t bytes[10])
{
    uint64_t mantissa = 0;
    uint16_t exponent = 0;
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int binaryExponent = 0;
        const long double fraction = std::frexp(std::fabs(value), &binaryExponent); // [0.5, 1)
        int biased = binaryExponent - 1 + 16383;
        long double scaled = std::ldexp(fraction, 64);
        if (biased <= 0) { // denormal: shift the mantissa right
            scaled = std::ldexp(scaled, biased - 1);
            biased = 0;
        }
        mantissa = static_cast<uint64_t>(scaled);
        exponent = static_cast<uint16_t>(biased);
    }
    if (negative)
        exponent |= 0x8000;
    std::memcpy(bytes, &mantissa, 8);
    std::memcpy(bytes + 8, &exponent, 2);
}

long double ExtendedToLongDouble(const uint8_t bytes[10])
{
    uint64_t mantissa;
    uint16_t exponent;
    std::memcpy(&mantissa, bytes, 8);
    std::memcpy(&exponent, bytes + 8, 2);
    const bool negative = exponent & 0x8000;
    exponent &= 0x7FFF;
    long double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) ? NAN : INFINITY;
    else if (exponent == 0)
        value = std::ldexp(static_cast<long double>(mantissa), 1 - 16383 - 63);
    else
        value = std::ldexp(static_cast<long double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

void TValueReader::Read(void *buffer, int64_t count)
{
    FStream.ReadBuffer(buffer, count);
}

uint8_t TValueReader::ReadByte()
{
    uint8_t value;
    Read(&value, 1);
    return value;
}

uint8_t TValueReader::PeekByte()
{
    const uint8_t value = ReadByte();
    FStream.Seek(-1, TSeekOrigin::soCurrent);
    return value;
}

uint32_t TValueReader::ReadLength()
{
    uint32_t length;
    Read(&length, 4);
    // Checked before anything is allocated for it.
    if (length > FStream.Remaining())
        throw EReadError("Stream read error");
    return length;
}

std::string TValueReader::ReadStr()
{
    const uint8_t length = ReadByte();
    std::string text(length, '\0');
    Read(text.data(), length);
    return text;
}

TValueType TValueReader::ReadValue()
{
    const uint8_t tag = ReadByte();
    if (tag > VlLastValueType)
        InvalidValue();
    return static_cast<TValueType>(tag);
}

TValueType TValueReader::NextValue()
{
    const TValueType type = ReadValue();
    FStream.Seek(-1, TSeekOrigin::soCurrent);
    return type;
}

void TValueReader::CheckValue(TValueType expected)
{
    if (ReadValue() != expected) {
        FStream.Seek(-1, TSeekOrigin::soCurrent);
        InvalidValue();
    }
}

int64_t TValueReader::ReadIntegerPayload(TValueType type)
{
    switch (type) {
    case TValueType::vaInt8: {
        int8_t v;
        Read(&v, 1);
        return v;
    }
    case TValueType::vaInt16: {
        int16_t v;
        Read(&v, 2);
        return v;
    }
    case TValueType::vaInt32: {
        int32_t v;
        Read(&v, 4);
        return v;
    }
    case TValueType::vaInt64: {
        int64_t v;
        Read(&v, 8);
        return v;
    }
    default:
        InvalidValue();
    }
}

int32_t TValueReader::ReadInteger()
{
    const TValueType type = ReadValue();
    if (type == TValueType::vaInt64)
        InvalidValue();
    return static_cast<int32_t>(ReadIntegerPayload(type));
}

int64_t TValueReader::ReadInt64()
{
    return ReadIntegerPayload(ReadValue());
}

long double TValueReader::ReadFloat()
{
    const TValueType type = ReadValue();
    switch (type) {
    case TValueType::vaExtended: {
        uint8_t bytes[10];
        Read(bytes, 10);
        return ExtendedToLongDouble(bytes);
    }
    case TValueType::vaSingle: {
        float v;
        Read(&v, 4);
        return v;
    }
    case TValueType::vaCurrency: {
        int64_t v;
        Read(&v, 8);
        return static_cast<long double>(v) / 10000;
    }
    case TValueType::vaDate: {
        double v;
        Read(&v, 8);
        return v;
    }
    default:
        return static_cast<long double>(ReadIntegerPayload(type));
    }
}

std::string TValueReader::ReadStringPayload(TValueType type, bool asUtf8)
{
    switch (type) {
    case TValueType::vaString:
    case TValueType::vaLString: {
        const uint32_t length = type == TValueType::vaString ? ReadByte() : ReadLength();
        std::string text(length, '\0');
        Read(text.data(), length);
        return asUtf8 ? Cp1251ToUtf8(text) : text;
    }
    case TValueType::vaWString: {
        const uint32_t count = ReadLength();
        if (count > FStream.Remaining() / 2)
            throw EReadError("Stream read error");
        std::u16string units(count, u'\0');
        Read(units.data(), static_cast<int64_t>(count) * 2);
        const std::string utf8 = Utf16ToUtf8(units);
        return asUtf8 ? utf8 : Utf8ToCp1251(utf8);
    }
    case TValueType::vaUTF8String: {
        const uint32_t length = ReadLength();
        std::string text(length, '\0');
        Read(text.data(), length);
        return asUtf8 ? text : Utf8ToCp1251(text);
    }
    default:
        InvalidValue();
    }
}

std::string TValueReader::ReadString()
{
    return ReadStringPayload(ReadValue(), false);
}

std::string TValueReader::ReadUtf8String()
{
    return ReadStringPayload(ReadValue(), true);
}

char TValueReader::ReadChar()
{
    const std::string text = ReadString();
    if (text.size() != 1)
        InvalidValue();
    return text[0];
}

std::string TValueReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::vaIdent:
        return ReadStr();
    case TValueType::vaFalse:
        return "False";
    case TValueType::vaTrue:
        return "True";
    case TValueType::vaNil:
        return "nil";
    case TValueType::vaNull:
        return "Null";
    default:
        InvalidValue();
    }
}

bool TValueReader::ReadBoolean()
{
    const TValueType type = ReadValue();
    if (type != TValueType::vaFalse && type != TValueType::vaTrue)
        InvalidValue();
    return type == TValueType::vaTrue;
}

uint32_t TValueReader::ReadSet(const TEnumInfo &elements)
{
    CheckValue(TValueType::vaSet);
    uint32_t mask = 0;
    for (;;) {
        const std::string name = ReadStr();
        if (name.empty())
            return mask;
        const int ordinal = elements.Find(name);
        if (ordinal < 0 || ordinal >= 32)
            InvalidValue();
        mask |= 1u << ordinal;
    }
}

std::string TValueReader::ReadBinary()
{
    CheckValue(TValueType::vaBinary);
    const uint32_t length = ReadLength();
    std::string bytes(length, '\0');
    Read(bytes.data(), length);
    return bytes;
}

TVarValue TValueReader::ReadVariant()
{
    TVarValue value;
    const TValueType type = NextValue();
    switch (type) {
    case TValueType::vaNil:
        ReadValue();
        return value;
    case TValueType::vaNull:
        ReadValue();
        value.Kind = TVarValue::TKind::Null;
        return value;
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64:
        value.Kind = TVarValue::TKind::Integer;
        value.Int = ReadInt64();
        return value;
    case TValueType::vaExtended:
    case TValueType::vaSingle:
    case TValueType::vaCurrency:
    case TValueType::vaDate:
        value.Kind = TVarValue::TKind::Float;
        value.Float = static_cast<double>(ReadFloat());
        return value;
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaWString:
    case TValueType::vaUTF8String:
        value.Kind = TVarValue::TKind::String;
        value.Str = ReadString();
        return value;
    case TValueType::vaFalse:
    case TValueType::vaTrue:
        value.Kind = TVarValue::TKind::Boolean;
        value.Int = ReadBoolean() ? 1 : 0;
        return value;
    default:
        InvalidValue();
    }
}

void TValueReader::SkipValue()
{
    SkipValueAt(0);
}

void TValueReader::SkipValueAt(int depth)
{
    if (depth > VlMaxFormNesting)
        throw EReadError("Too deeply nested values");
    const TValueType type = ReadValue();
    switch (type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
        return;
    case TValueType::vaList:
        while (!EndOfList())
            SkipValueAt(depth + 1);
        ReadListEnd();
        return;
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64:
        ReadIntegerPayload(type);
        return;
    case TValueType::vaExtended:
        FStream.Seek(10, TSeekOrigin::soCurrent);
        break;
    case TValueType::vaSingle:
        FStream.Seek(4, TSeekOrigin::soCurrent);
        break;
    case TValueType::vaCurrency:
    case TValueType::vaDate:
        FStream.Seek(8, TSeekOrigin::soCurrent);
        break;
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaWString:
    case TValueType::vaUTF8String:
        ReadStringPayload(type, true);
        return;
    case TValueType::vaIdent:
        ReadStr();
        return;
    case TValueType::vaBinary:
        FStream.Seek(ReadLength(), TSeekOrigin::soCurrent);
        return;
    case TValueType::vaSet:
        while (!ReadStr().empty()) {
        }
        return;
    case TValueType::vaCollection:
        while (!EndOfList()) {
            const TValueType next = NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32)
                ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValueAt(depth + 1);
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    }
    if (FStream.Position() > FStream.Size())
        throw EReadError("Stream read error");
}

void TValueWriter::Write(const void *buffer, int64_t count)
{
    FStream.WriteBuffer(buffer, count);
}

void TValueWriter::WriteStr(std::string_view text)
{
    if (text.size() > 255)
        throw EWriteError("Stream write error");
    WriteByte(static_cast<uint8_t>(text.size()));
    Write(text.data(), static_cast<int64_t>(text.size()));
}

void TValueWriter::WriteInteger(int64_t value)
{
    if (value >= -128 && value <= 127) {
        WriteValue(TValueType::vaInt8);
        const int8_t v = static_cast<int8_t>(value);
        Write(&v, 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteValue(TValueType::vaInt16);
        const int16_t v = static_cast<int16_t>(value);
        Write(&v, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValue(TValueType::vaInt32);
        const int32_t v = static_cast<int32_t>(value);
        Write(&v, 4);
    } else {
        WriteValue(TValueType::vaInt64);
        Write(&value, 8);
    }
}

void TValueWriter::WriteFloat(long double value)
{
    WriteValue(TValueType::vaExtended);
    uint8_t bytes[10];
    LongDoubleToExtended(value, bytes);
    Write(bytes, 10);
}

void TValueWriter::WriteSingle(float value)
{
    WriteValue(TValueType::vaSingle);
    Write(&value, 4);
}

void TValueWriter::WriteCurrency(double value)
{
    WriteValue(TValueType::vaCurrency);
    const int64_t scaled = std::llround(value * 10000.0);
    Write(&scaled, 8);
}

void TValueWriter::WriteDate(double value)
{
    WriteValue(TValueType::vaDate);
    Write(&value, 8);
}

void TValueWriter::WriteString(std::string_view cp1251)
{
    std::u32string text;
    text.reserve(cp1251.size());
    for (char c : cp1251)
        text += Cp1251ToUnicode(static_cast<unsigned char>(c));
    WriteUnicodeString(text);
}

void TValueWriter::WriteUnicodeString(std::u32string_view text)
{
    const std::string utf8 = VlCodePointsToUtf8(text);
    const std::u16string utf16 = ToUtf16(text);
    if (utf8.size() >= 2 * utf16.size()) {
        WriteValue(TValueType::vaWString);
        WriteLength(static_cast<uint32_t>(utf16.size()));
        Write(utf16.data(), static_cast<int64_t>(utf16.size()) * 2);
    } else if (utf8.size() != text.size()) {
        WriteValue(TValueType::vaUTF8String);
        WriteLength(static_cast<uint32_t>(utf8.size()));
        Write(utf8.data(), static_cast<int64_t>(utf8.size()));
    } else if (utf8.size() < 256) {
        WriteValue(TValueType::vaString);
        WriteByte(static_cast<uint8_t>(utf8.size()));
        Write(utf8.data(), static_cast<int64_t>(utf8.size()));
    } else {
        WriteValue(TValueType::vaLString);
        WriteLength(static_cast<uint32_t>(utf8.size()));
        Write(utf8.data(), static_cast<int64_t>(utf8.size()));
    }
}

void TValueWriter::WriteIdent(std::string_view ident)
{
    if (VlSameName(ident, "False"))
        WriteValue(TValueType::vaFalse);
    else if (VlSameName(ident, "True"))
        WriteValue(TValueType::vaTrue);
    else if (VlSameName(ident, "Null"))
        WriteValue(TValueType::vaNull);
    else if (VlSameName(ident, "nil"))
        WriteValue(TValueType::vaNil);
    else {
        WriteValue(TValueType::vaIdent);
        WriteStr(ident);
    }
}

void TValueWriter::WriteSet(const TEnumInfo &elements, uint32_t mask)
{
    WriteValue(TValueType::vaSet);
    for (int i = 0; i < elements.Count() && i < 32; ++i)
        if (mask & (1u << i))
            WriteStr(elements.Name(i));
    WriteStr("");
}

void TValueWriter::WriteBinary(std::string_view bytes)
{
    WriteValue(TValueType::vaBinary);
    WriteLength(static_cast<uint32_t>(bytes.size()));
    Write(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TValueWriter::WriteVariant(const TVarValue &value)
{
    switch (value.Kind) {
    case TVarValue::TKind::Empty:
        WriteValue(TValueType::vaNil);
        return;
    case TVarValue::TKind::Null:
        WriteValue(TValueType::vaNull);
        return;
    case TVarValue::TKind::Integer:
        WriteInteger(value.Int);
        return;
    case TVarValue::TKind::Float:
        WriteFloat(value.Float);
        return;
    case TVarValue::TKind::String:
        WriteString(value.Str);
        return;
    case TVarValue::TKind::Boolean:
        WriteBoolean(value.Int != 0);
        return;
    }
}
