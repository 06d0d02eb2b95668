// The value encoding of binary form streams: tags, and readers and writers of tagged values over a TStream.
#pragma once

#include "VlTypInfo.h"

#include <cstdint>
#include <string>
#include <string_view>

class TStream;

// Tag bytes that open every value of a binary form stream.
enum class TValueType : uint8_t {
    vaNull = 0, // end of a list; Null as a value
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6, // 1-byte length
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12, // 4-byte length
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18, // 4-byte count of UTF-16 units
    vaInt64 = 19,
    vaUTF8String = 20,
};
constexpr int VlLastValueType = 20;
// Deeper nesting of lists, collections or objects is refused, so no input can exhaust the stack.
constexpr int VlMaxFormNesting = 200;

// 80-bit extended floats as they sit in streams (little-endian, explicit integer bit).
void LongDoubleToExtended(long double value, uint8_t bytes[10]);
long double ExtendedToLongDouble(const uint8_t bytes[10]);

// Reads tagged values. Truncated data raises EReadError "Stream read error"; a value of the
// wrong kind or an unknown tag raises EReadError "Invalid property value".
class TValueReader {
public:
    explicit TValueReader(TStream &stream) : FStream(stream) {}
    TStream &Stream() const { return FStream; }

    void Read(void *buffer, int64_t count);
    uint8_t ReadByte();
    // A 1-byte length and the characters (class, object and property names).
    std::string ReadStr();
    TValueType ReadValue();
    TValueType NextValue();
    // The next byte is a 0 (end of a list); names and object prefixes may follow instead of tags.
    bool EndOfList() { return PeekByte() == 0; }
    uint8_t PeekByte();
    void CheckValue(TValueType expected);
    void ReadListBegin() { CheckValue(TValueType::vaList); }
    void ReadListEnd() { CheckValue(TValueType::vaNull); }

    int32_t ReadInteger();
    int64_t ReadInt64();
    // Any numeric value.
    long double ReadFloat();
    // Text values as CP1251 (characters the code page lacks become '?').
    std::string ReadString();
    // As UTF-8, whatever the tag.
    std::string ReadUtf8String();
    char ReadChar();
    // Identifiers, including False, True, nil and Null.
    std::string ReadIdent();
    bool ReadBoolean();
    // A set's element names as a mask; unknown names raise EReadError "Invalid property value".
    uint32_t ReadSet(const TEnumInfo &elements);
    // The bytes of a binary value.
    std::string ReadBinary();
    TVarValue ReadVariant();
    // Skips one whole value of any kind.
    void SkipValue();

    // Payload readers for a tag already consumed with ReadValue.
    int64_t ReadIntegerPayload(TValueType type);
    std::string ReadStringPayload(TValueType type, bool asUtf8);
    uint32_t ReadLength();

private:
    void SkipValueAt(int depth);
    TStream &FStream;
};

// Writes tagged values.
class TValueWriter {
public:
    explicit TValueWriter(TStream &stream) : FStream(stream) {}
    TStream &Stream() const { return FStream; }

    void Write(const void *buffer, int64_t count);
    void WriteByte(uint8_t value) { Write(&value, 1); }
    // Names longer than 255 characters raise EWriteError "Stream write error".
    void WriteStr(std::string_view text);
    void WriteValue(TValueType type) { WriteByte(static_cast<uint8_t>(type)); }
    void WriteListBegin() { WriteValue(TValueType::vaList); }
    void WriteListEnd() { WriteValue(TValueType::vaNull); }

    // The smallest integer tag that holds the value; vaInt64 beyond 32 bits.
    void WriteInteger(int64_t value);
    void WriteFloat(long double value);
    void WriteSingle(float value);
    // The value times 10000, rounded.
    void WriteCurrency(double value);
    void WriteDate(double value);
    // CP1251 text, stored with the tag its characters call for (see WriteUnicodeString).
    void WriteString(std::string_view cp1251);
    // Unicode text: vaWString when its UTF-8 form is not shorter than twice its UTF-16 length
    // (the empty string included), else vaUTF8String with characters outside ASCII, else
    // vaString (vaLString from 256 characters on).
    void WriteUnicodeString(std::u32string_view text);
    void WriteChar(char value) { WriteString(std::string_view(&value, 1)); }
    // False, True, nil and Null (letter case ignored) get their own tags.
    void WriteIdent(std::string_view ident);
    void WriteBoolean(bool value) { WriteValue(value ? TValueType::vaTrue : TValueType::vaFalse); }
    void WriteSet(const TEnumInfo &elements, uint32_t mask);
    void WriteBinary(std::string_view bytes);
    void WriteVariant(const TVarValue &value);
    void WriteLength(uint32_t length) { Write(&length, 4); }

private:
    TStream &FStream;
};

// UTF-8 <-> code points, for the string tags.
std::u32string VlUtf8ToCodePoints(std::string_view utf8);
std::string VlCodePointsToUtf8(std::u32string_view text);
