// Binary form stream -> text form: one object per "object ... end" block, values by their tags.
#include "VlFormText.h"

#include "VlExceptions.h"
#include "VlFilerValues.h"
#include "VlStreams.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int PieceLength = 64;
constexpr int BytesPerLine = 32;

// Up to 15 significant digits; exponent form (1.5E-6, 1E20) outside 1E-4 .. 1E15.
std::string FormatGeneral(double value)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
    char buffer[64];
    // d.dddddddddddddde[+-]xx, whatever the process locale says about decimal separators
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, written.ptr);
    const bool negative = text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string result;
    if (exponent >= 15 || exponent < -4) {
        result = digits.substr(0, 1);
        if (digits.size() > 1)
            result += "." + digits.substr(1);
        result += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        result = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits)
            result = digits + std::string(integerDigits - digits.size(), '0');
        else
            result = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
    return negative ? "-" + result : result;
}

std::string FormatExtended(long double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
    char buffer[5100];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 18);
    return std::string(buffer, result.ptr);
}

class TTextFormWriter {
public:
    explicit TTextFormWriter(std::string_view binary) : FInput(std::string(binary)), FReader(FInput) {}

    std::string Convert()
    {
        char signature[4];
        if (FInput.Size() < 4)
            throw EReadError("Invalid stream format");
        FReader.Read(signature, 4);
        if (std::string_view(signature, 4) != "TPF0")
            throw EReadError("Invalid stream format");
        ConvertObject(0);
        return FOut;
    }

private:
    void Indent(int level) { FOut.append(static_cast<size_t>(2 * level), ' '); }

    void NewLine(int level)
    {
        FOut += "\r\n";
        Indent(level);
    }

    static void CheckDepth(int level)
    {
        if (level > VlMaxFormNesting)
            throw EReadError("Too deeply nested values");
    }

    void ConvertObject(int level)
    {
        CheckDepth(level);
        int flags = 0;
        std::string position;
        if ((FReader.PeekByte() & 0xF0) == 0xF0) {
            flags = FReader.ReadByte() & 0x0F;
            if (flags & 2)
                position = std::to_string(FReader.ReadInt64());
        }
        const std::string className = FReader.ReadStr();
        const std::string objectName = FReader.ReadStr();
        Indent(level);
        FOut += (flags & 1) ? "inherited " : (flags & 4) ? "inline " : "object ";
        if (!objectName.empty())
            FOut += objectName + ": ";
        FOut += className;
        if (flags & 2)
            FOut += " [" + position + "]";
        FOut += "\r\n";
        while (!FReader.EndOfList())
            ConvertProperty(level + 1);
        FReader.ReadListEnd();
        while (!FReader.EndOfList())
            ConvertObject(level + 1);
        FReader.ReadListEnd();
        Indent(level);
        FOut += "end\r\n";
    }

    void ConvertProperty(int level)
    {
        Indent(level);
        FOut += FReader.ReadStr();
        FOut += " = ";
        ConvertValue(level);
        FOut += "\r\n";
    }

    void ConvertValue(int level)
    {
        CheckDepth(level);
        const TValueType type = FReader.ReadValue();
        switch (type) {
        case TValueType::vaList:
            FOut += "(";
            while (!FReader.EndOfList()) {
                NewLine(level + 1);
                ConvertValue(level + 1);
            }
            FReader.ReadListEnd();
            FOut += ")";
            return;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
        case TValueType::vaInt64:
            FOut += std::to_string(FReader.ReadIntegerPayload(type));
            return;
        case TValueType::vaExtended: {
            uint8_t bytes[10];
            FReader.Read(bytes, 10);
            FOut += FormatExtended(ExtendedToLongDouble(bytes));
            return;
        }
        case TValueType::vaSingle: {
            float value;
            FReader.Read(&value, 4);
            FOut += FormatGeneral(value) + "s";
            return;
        }
        case TValueType::vaCurrency: {
            int64_t value;
            FReader.Read(&value, 8);
            FOut += FormatGeneral(static_cast<double>(value) / 10000.0) + "c";
            return;
        }
        case TValueType::vaDate: {
            double value;
            FReader.Read(&value, 8);
            FOut += FormatGeneral(value) + "d";
            return;
        }
        case TValueType::vaString:
        case TValueType::vaLString:
            WriteBytesString(level, FReader.ReadStringPayload(type, false));
            return;
        case TValueType::vaWString:
        case TValueType::vaUTF8String:
            WriteWideString(level, VlUtf8ToCodePoints(FReader.ReadStringPayload(type, true)));
            return;
        case TValueType::vaIdent:
            FOut += FReader.ReadStr();
            return;
        case TValueType::vaFalse:
            FOut += "False";
            return;
        case TValueType::vaTrue:
            FOut += "True";
            return;
        case TValueType::vaNil:
            FOut += "nil";
            return;
        case TValueType::vaNull:
            FOut += "Null";
            return;
        case TValueType::vaBinary:
            WriteBinary(level);
            return;
        case TValueType::vaSet: {
            FOut += "[";
            bool first = true;
            for (std::string name = FReader.ReadStr(); !name.empty(); name = FReader.ReadStr()) {
                FOut += first ? "" : ", ";
                FOut += name;
                first = false;
            }
            FOut += "]";
            return;
        }
        case TValueType::vaCollection:
            WriteCollection(level);
            return;
        }
    }

    void WriteBinary(int level)
    {
        const uint32_t count = FReader.ReadLength();
        std::string bytes(count, '\0');
        FReader.Read(bytes.data(), count);
        static const char hex[] = "0123456789ABCDEF";
        FOut += "{";
        for (size_t start = 0; start < bytes.size(); start += BytesPerLine) {
            if (count >= BytesPerLine)
                NewLine(level + 1);
            const size_t end = std::min(bytes.size(), start + BytesPerLine);
            for (size_t i = start; i < end; ++i) {
                const auto byte = static_cast<uint8_t>(bytes[i]);
                FOut += hex[byte >> 4];
                FOut += hex[byte & 15];
            }
        }
        FOut += "}";
    }

    void WriteCollection(int level)
    {
        FOut += "<";
        while (!FReader.EndOfList()) {
            NewLine(level + 1);
            FOut += "item";
            const TValueType next = FReader.NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32) {
                FOut += " [" + std::to_string(FReader.ReadInteger()) + "]";
            }
            FOut += "\r\n";
            FReader.ReadListBegin();
            while (!FReader.EndOfList())
                ConvertProperty(level + 2);
            FReader.ReadListEnd();
            Indent(level + 1);
            FOut += "end";
        }
        FReader.ReadListEnd();
        FOut += ">";
    }

    // Texts in 64-character pieces of quoted runs and #codes joined by " +" line breaks.
    // wide: the characters are code points and those above 127 are written as codes.
    template <class TText>
    void WriteString(int level, const TText &text, bool wide)
    {
        const size_t length = text.size();
        if (length == 0) {
            FOut += "''";
            return;
        }
        auto code = [&](size_t i) { return static_cast<uint32_t>(static_cast<std::make_unsigned_t<typename TText::value_type>>(text[i])); };
        auto plain = [&](size_t i) { return code(i) >= ' ' && code(i) != '\'' && (!wide || code(i) <= 127); };
        if (length > PieceLength)
            NewLine(level + 1);
        size_t i = 0, pieceStart = 0;
        while (i < length) {
            bool lineBreak = false;
            if (plain(i)) {
                FOut += '\'';
                do {
                    FOut += static_cast<char>(code(i));
                    ++i;
                } while (i < length && plain(i) && i - pieceStart < PieceLength);
                FOut += '\'';
            } else {
                FOut += "#" + std::to_string(code(i));
                ++i;
            }
            lineBreak = i - pieceStart >= PieceLength;
            if (lineBreak && i < length) {
                FOut += " +";
                NewLine(level + 1);
                pieceStart = i;
            }
        }
    }

    void WriteBytesString(int level, const std::string &text) { WriteString(level, text, false); }
    void WriteWideString(int level, const std::u32string &text) { WriteString(level, text, true); }

    TStringStream FInput;
    TValueReader FReader;
    std::string FOut;
};

} // namespace

std::string ObjectBinaryToText(std::string_view binary)
{
    return TTextFormWriter(binary).Convert();
}
