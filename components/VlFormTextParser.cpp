// Text form -> binary form stream: a tokenizer over the decoded text and a recursive converter.
#include "VlFormText.h"

#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlFilerValues.h"
#include "VlNameCompare.h"
#include "VlStreams.h"

#include <charconv>
#include <cmath>

namespace {

// A physical line longer than this is refused rather than read on and on.
constexpr size_t MaxLineLength = 65536;

enum class TToken { Eof, Symbol, String, Integer, Float, Char };

class TFormTextParser {
public:
    explicit TFormTextParser(std::string_view bytes) : FText(Decode(bytes)), FWriter(FOutput)
    {
        CheckLineLengths();
        NextToken();
    }

    std::string Convert()
    {
        FWriter.Write("TPF0", 4);
        ConvertObject(0);
        return FOutput.DataString();
    }

private:
    // Form files come as UTF-8 (BOM or not) or CP1251; either way the parser sees code points.
    static std::u32string Decode(std::string_view bytes)
    {
        // A BOM means UTF-8 only when the rest is UTF-8 too; a form file cannot begin with the
        // letters those bytes are in CP1251, so they are dropped either way.
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        if (IsValidUtf8(bytes))
            return VlUtf8ToCodePoints(bytes);
        std::u32string text;
        text.reserve(bytes.size());
        for (char c : bytes)
            text += Cp1251ToUnicode(static_cast<unsigned char>(c));
        return text;
    }

    void CheckLineLengths()
    {
        size_t line = 1, start = 0;
        for (size_t i = 0; i <= FText.size(); ++i) {
            const bool lineEnd = i == FText.size() || FText[i] == '\n' || (FText[i] == '\r' && At(i + 1) != '\n');
            if (lineEnd) {
                if (i - start > MaxLineLength)
                    Error("Line too long", line);
                ++line;
                start = i + 1;
            }
        }
    }

    [[noreturn]] void Error(const std::string &reason, size_t line) const
    {
        throw EParserError(reason + " on line " + std::to_string(line));
    }
    [[noreturn]] void Error(const std::string &reason) const { Error(reason, FTokenLine); }

    char32_t At(size_t pos) const { return pos < FText.size() ? FText[pos] : 0; }
    static bool IsLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    static bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
    static bool IsHexDigit(char32_t c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

    void SkipBlanks()
    {
        while (FPos < FText.size()) {
            const char32_t c = FText[FPos];
            if (c == '\n')
                ++FLine;
            else if (c == '\r') {
                if (At(FPos + 1) != '\n')
                    ++FLine;
            } else if (c != ' ' && c != '\t' && c != '\f' && c != '\v' && c != 0)
                break;
            ++FPos;
        }
    }

    void NextToken()
    {
        SkipBlanks();
        FTokenLine = FLine;
        FTokenText.clear();
        FTokenString.clear();
        if (FPos >= FText.size()) {
            FToken = TToken::Eof;
            return;
        }
        const char32_t c = FText[FPos];
        if (IsLetter(c)) {
            while (IsLetter(At(FPos)) || IsDigit(At(FPos)))
                FTokenText += static_cast<char>(FText[FPos++]);
            FToken = TToken::Symbol;
        } else if (c == '\'' || c == '#') {
            ScanString();
        } else if (c == '$') {
            FTokenText += '$';
            ++FPos;
            while (IsHexDigit(At(FPos)))
                FTokenText += static_cast<char>(FText[FPos++]);
            FToken = TToken::Integer;
        } else if (IsDigit(c) || (c == '-' && IsDigit(At(FPos + 1)))) {
            ScanNumber();
        } else {
            FToken = TToken::Char;
            FTokenChar = c;
            ++FPos;
        }
    }

    void ScanNumber()
    {
        FTokenText += static_cast<char>(FText[FPos++]);
        FToken = TToken::Integer;
        while (IsDigit(At(FPos)))
            FTokenText += static_cast<char>(FText[FPos++]);
        for (char32_t c = At(FPos); IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'; c = At(FPos)) {
            FTokenText += static_cast<char>(c);
            ++FPos;
            FToken = TToken::Float;
        }
        FFloatType = 0;
        const char32_t suffix = At(FPos);
        if (suffix == 's' || suffix == 'S' || suffix == 'c' || suffix == 'C' || suffix == 'd' || suffix == 'D') {
            FFloatType = static_cast<char>(suffix | 0x20);
            FToken = TToken::Float;
            ++FPos;
        }
    }

    // Quoted runs ('' for a quote) and #codes, concatenated directly.
    void ScanString()
    {
        FToken = TToken::String;
        for (;;) {
            const char32_t c = At(FPos);
            if (c == '#') {
                ++FPos;
                uint32_t code = 0;
                while (IsDigit(At(FPos))) {
                    code = code * 10 + static_cast<uint32_t>(FText[FPos++] - '0');
                    if (code > 0x10FFFF)
                        Error("Invalid string constant", FLine);
                }
                FTokenString += static_cast<char32_t>(code);
            } else if (c == '\'') {
                ++FPos;
                for (;;) {
                    const char32_t q = At(FPos);
                    if (FPos >= FText.size() || q == '\n' || q == '\r')
                        Error("Invalid string constant", FLine);
                    ++FPos;
                    if (q == '\'') {
                        if (At(FPos) != '\'')
                            break;
                        ++FPos;
                    }
                    FTokenString += q;
                }
            } else {
                return;
            }
        }
    }

    bool IsChar(char32_t c) const { return FToken == TToken::Char && FTokenChar == c; }
    bool IsSymbol(std::string_view word) const { return FToken == TToken::Symbol && VlSameName(FTokenText, word); }

    void CheckChar(char c)
    {
        if (!IsChar(static_cast<char32_t>(c)))
            Error(std::string("''") + c + "'' expected"); // the quotes are doubled in this message
    }

    std::string CheckSymbol()
    {
        if (FToken != TToken::Symbol)
            Error("Identifier expected");
        return FTokenText;
    }

    int64_t TokenInteger()
    {
        if (FToken != TToken::Integer)
            Error("Number expected");
        const bool hex = FTokenText[0] == '$';
        const char *first = FTokenText.data() + (hex ? 1 : 0);
        const char *last = FTokenText.data() + FTokenText.size();
        int64_t value = 0;
        const auto result = std::from_chars(first, last, value, hex ? 16 : 10);
        if (result.ec != std::errc() || result.ptr != last || first == last) {
            // Hexadecimal literals may use all 64 bits.
            uint64_t unsignedValue = 0;
            const auto retry = std::from_chars(first, last, unsignedValue, 16);
            if (!hex || retry.ec != std::errc() || retry.ptr != last || first == last)
                Error("Number expected");
            value = static_cast<int64_t>(unsignedValue);
        }
        return value;
    }

    long double TokenFloat()
    {
        long double value = 0;
        const char *first = FTokenText.data();
        const char *last = first + FTokenText.size();
        const auto result = std::from_chars(first, last, value, std::chars_format::general);
        if (result.ec != std::errc() || result.ptr != last)
            Error("Number expected");
        return value;
    }

    void CheckDepth(int depth) const
    {
        if (depth > VlMaxFormNesting)
            Error("Too deeply nested");
    }

    // object Name: TClass [position] <properties> <children> end
    void ConvertObject(int depth)
    {
        CheckDepth(depth);
        uint8_t flags = 0;
        if (IsSymbol("inherited"))
            flags |= 1;
        else if (IsSymbol("inline"))
            flags |= 4;
        else if (!IsSymbol("object"))
            Error("object expected");
        NextToken();
        std::string className = CheckSymbol();
        std::string objectName;
        NextToken();
        if (IsChar(':')) {
            NextToken();
            objectName = className;
            className = CheckSymbol();
            NextToken();
        }
        int64_t position = 0;
        if (IsChar('[')) {
            NextToken();
            position = TokenInteger();
            NextToken();
            CheckChar(']');
            NextToken();
            flags |= 2;
        }
        if (flags) {
            FWriter.WriteByte(0xF0 | flags);
            if (flags & 2)
                FWriter.WriteInteger(position);
        }
        WriteName(className);
        WriteName(objectName);
        while (!IsSymbol("end") && !IsSymbol("object") && !IsSymbol("inherited") && !IsSymbol("inline"))
            ConvertProperty(depth);
        FWriter.WriteListEnd();
        while (!IsSymbol("end"))
            ConvertObject(depth + 1);
        FWriter.WriteListEnd();
        NextToken();
    }

    void WriteName(const std::string &name)
    {
        if (name.size() > 255)
            Error("Line too long");
        FWriter.WriteStr(name);
    }

    // Name(.Name)* = value
    void ConvertProperty(int depth)
    {
        std::string name = CheckSymbol();
        NextToken();
        while (IsChar('.')) {
            NextToken();
            name += "." + CheckSymbol();
            NextToken();
        }
        WriteName(name);
        CheckChar('=');
        NextToken();
        ConvertValue(depth + 1);
    }

    void ConvertValue(int depth)
    {
        CheckDepth(depth);
        switch (FToken) {
        case TToken::Integer:
            FWriter.WriteInteger(TokenInteger());
            NextToken();
            return;
        case TToken::Float:
            WriteFloat();
            NextToken();
            return;
        case TToken::String:
            ConvertString();
            return;
        case TToken::Symbol:
            ConvertIdent();
            return;
        case TToken::Char:
            break;
        case TToken::Eof:
            Error("Invalid property value");
        }
        switch (FTokenChar) {
        case '[':
            ConvertSet();
            return;
        case '(':
            NextToken();
            FWriter.WriteListBegin();
            while (!IsChar(')')) {
                if (FToken == TToken::Eof)
                    CheckChar(')');
                ConvertValue(depth + 1);
            }
            FWriter.WriteListEnd();
            NextToken();
            return;
        case '{':
            ConvertBinary();
            return;
        case '<':
            ConvertCollection(depth);
            return;
        default:
            Error("Invalid property value");
        }
    }

    void WriteFloat()
    {
        const long double value = TokenFloat();
        switch (FFloatType) {
        case 's':
            FWriter.WriteSingle(static_cast<float>(value));
            return;
        case 'c':
            FWriter.WriteCurrency(static_cast<double>(value));
            return;
        case 'd':
            FWriter.WriteDate(static_cast<double>(value));
            return;
        default:
            FWriter.WriteFloat(value);
        }
    }

    // 'text' #13 'more' + 'next piece'
    void ConvertString()
    {
        std::u32string text = FTokenString;
        NextToken();
        while (IsChar('+')) {
            NextToken();
            if (FToken != TToken::String)
                Error("String expected");
            text += FTokenString;
            NextToken();
        }
        FWriter.WriteUnicodeString(text);
    }

    // alClient, Form1.Button1, and False/True/nil/Null with their own tags
    void ConvertIdent()
    {
        std::string ident = FTokenText;
        NextToken();
        while (IsChar('.')) {
            NextToken();
            ident += "." + CheckSymbol();
            NextToken();
        }
        if (ident.size() > 255)
            Error("Line too long");
        FWriter.WriteIdent(ident);
    }

    // [name, name]
    void ConvertSet()
    {
        NextToken();
        FWriter.WriteValue(TValueType::vaSet);
        if (!IsChar(']')) {
            for (;;) {
                WriteName(CheckSymbol());
                NextToken();
                if (IsChar(']'))
                    break;
                CheckChar(',');
                NextToken();
            }
        }
        FWriter.WriteStr("");
        NextToken();
    }

    // {hex digits, blanks and line ends allowed between them}
    void ConvertBinary()
    {
        std::string bytes;
        int pending = -1;
        for (;;) {
            SkipBlanks();
            const char32_t c = At(FPos);
            if (FPos >= FText.size())
                Error("Invalid binary value", FLine);
            ++FPos;
            if (c == '}')
                break;
            if (!IsHexDigit(c))
                Error("Invalid binary value", FLine);
            const int digit = IsDigit(c) ? static_cast<int>(c - '0') : static_cast<int>((c | 0x20) - 'a' + 10);
            if (pending < 0) {
                pending = digit;
            } else {
                bytes += static_cast<char>(pending * 16 + digit);
                pending = -1;
            }
        }
        if (pending >= 0)
            Error("Invalid binary value", FLine);
        FWriter.WriteBinary(bytes);
        NextToken();
    }

    // < item [order] properties end ... >
    void ConvertCollection(int depth)
    {
        NextToken();
        FWriter.WriteValue(TValueType::vaCollection);
        while (!IsChar('>')) {
            if (!IsSymbol("item"))
                Error("item expected");
            NextToken();
            if (IsChar('[')) {
                NextToken();
                FWriter.WriteInteger(TokenInteger());
                NextToken();
                CheckChar(']');
                NextToken();
            }
            FWriter.WriteListBegin();
            while (!IsSymbol("end"))
                ConvertProperty(depth + 1);
            FWriter.WriteListEnd();
            NextToken();
        }
        FWriter.WriteListEnd();
        NextToken();
    }

    std::u32string FText;
    size_t FPos = 0;
    size_t FLine = 1;
    TToken FToken = TToken::Eof;
    size_t FTokenLine = 1;
    std::string FTokenText;
    std::u32string FTokenString;
    char32_t FTokenChar = 0;
    char FFloatType = 0;
    TStringStream FOutput;
    TValueWriter FWriter;
};

} // namespace

std::string ObjectTextToBinary(std::string_view text)
{
    return TFormTextParser(text).Convert();
}
