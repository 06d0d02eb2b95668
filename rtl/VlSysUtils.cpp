// Integer conversion, case mapping, comparison and small string routines of VlSysUtils.
#include "VlSysUtils.h"

#include <array>
#include <cstring>

namespace VlSysUtils {

namespace {

TVlFormatSettings MakeRussianSettings()
{
    TVlFormatSettings s;
    s.CurrencyString = "\xF0.";
    s.ShortDateFormat = "dd.mm.yyyy";
    s.LongDateFormat = "d mmmm yyyy '\xE3.'";
    s.ShortTimeFormat = "h:nn";
    s.LongTimeFormat = "h:nn:ss";
    const char *longMonths[12] = {"\xDF\xED\xE2\xE0\xF0\xFC", "\xD4\xE5\xE2\xF0\xE0\xEB\xFC",
        "\xCC\xE0\xF0\xF2", "\xC0\xEF\xF0\xE5\xEB\xFC", "\xCC\xE0\xE9", "\xC8\xFE\xED\xFC",
        "\xC8\xFE\xEB\xFC", "\xC0\xE2\xE3\xF3\xF1\xF2", "\xD1\xE5\xED\xF2\xFF\xE1\xF0\xFC",
        "\xCE\xEA\xF2\xFF\xE1\xF0\xFC", "\xCD\xEE\xFF\xE1\xF0\xFC", "\xC4\xE5\xEA\xE0\xE1\xF0\xFC"};
    const char *shortMonths[12] = {"\xFF\xED\xE2", "\xF4\xE5\xE2", "\xEC\xE0\xF0", "\xE0\xEF\xF0",
        "\xEC\xE0\xE9", "\xE8\xFE\xED", "\xE8\xFE\xEB", "\xE0\xE2\xE3", "\xF1\xE5\xED",
        "\xEE\xEA\xF2", "\xED\xEE\xFF", "\xE4\xE5\xEA"};
    const char *longDays[7] = {"\xE2\xEE\xF1\xEA\xF0\xE5\xF1\xE5\xED\xFC\xE5",
        "\xEF\xEE\xED\xE5\xE4\xE5\xEB\xFC\xED\xE8\xEA", "\xE2\xF2\xEE\xF0\xED\xE8\xEA",
        "\xF1\xF0\xE5\xE4\xE0", "\xF7\xE5\xF2\xE2\xE5\xF0\xE3", "\xEF\xFF\xF2\xED\xE8\xF6\xE0",
        "\xF1\xF3\xE1\xE1\xEE\xF2\xE0"};
    const char *shortDays[7] = {"\xC2\xF1", "\xCF\xED", "\xC2\xF2", "\xD1\xF0", "\xD7\xF2",
        "\xCF\xF2", "\xD1\xE1"};
    for (int i = 0; i < 12; ++i) {
        s.LongMonthNames[i] = longMonths[i];
        s.ShortMonthNames[i] = shortMonths[i];
    }
    for (int i = 0; i < 7; ++i) {
        s.LongDayNames[i] = longDays[i];
        s.ShortDayNames[i] = shortDays[i];
    }
    return s;
}

// Upper and lower case of every CP1251 byte: ASCII, the Russian alphabet with Ё, and the
// other Cyrillic letters of the code page.
struct TCaseTables {
    std::array<unsigned char, 256> Upper{};
    std::array<unsigned char, 256> Lower{};
    TCaseTables()
    {
        for (int i = 0; i < 256; ++i)
            Upper[i] = Lower[i] = static_cast<unsigned char>(i);
        auto pair = [this](int lower, int upper) {
            Upper[lower] = static_cast<unsigned char>(upper);
            Lower[upper] = static_cast<unsigned char>(lower);
        };
        for (int c = 'a'; c <= 'z'; ++c)
            pair(c, c - 32);
        for (int c = 0xE0; c <= 0xFF; ++c)
            pair(c, c - 32);
        const int others[][2] = {{0xB8, 0xA8}, {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A},
            {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2},
            {0xB4, 0xA5}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
        for (const auto &p : others)
            pair(p[0], p[1]);
    }
};

const TCaseTables &CaseTables()
{
    static const TCaseTables tables;
    return tables;
}

// Alphabetical weight of a byte, case folded: Latin and Cyrillic letters in alphabet order, Ё
// right after Е, every other byte by its code before the letters of its range.
int AlphaWeight(unsigned char ch)
{
    unsigned char up = CaseTables().Upper[ch];
    if (up == 0xA8)                      // Ё
        return (0xC5 << 2) + 1;
    return up << 2;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool ParseInt64(std::string_view text, int64_t &value, int64_t minValue, int64_t maxValue,
                uint64_t maxHex)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return false;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        uint64_t next = magnitude * (hex ? 16 : 10) + digit;
        if (next / (hex ? 16 : 10) != magnitude || next > (hex ? maxHex : uint64_t(maxValue) + 1))
            return false;
        magnitude = next;
    }
    if (hex) {
        // Hex texts give the bit pattern: $FFFFFFFF is -1 for a 32-bit integer.
        int64_t v = magnitude > uint64_t(maxValue) ? int64_t(magnitude - maxHex - 1) : int64_t(magnitude);
        value = negative ? -v : v;
        return true;
    }
    if (!negative && magnitude > uint64_t(maxValue))
        return false;
    value = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
    return value >= minValue;
}

} // namespace

const TVlFormatSettings &FormatSettings()
{
    static const TVlFormatSettings settings = MakeRussianSettings();
    return settings;
}

std::string IntToStr(int64_t value)
{
    return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits)
{
    uint64_t bits = value < 0 && value >= INT32_MIN ? uint32_t(value) : uint64_t(value);
    std::string result;
    do {
        result.insert(result.begin(), "0123456789ABCDEF"[bits & 15]);
        bits >>= 4;
    } while (bits != 0);
    if (int(result.size()) < digits)
        result.insert(0, std::string(digits - result.size(), '0'));
    return result;
}

bool TryStrToInt(std::string_view text, int32_t &value)
{
    int64_t v;
    if (!ParseInt64(text, v, INT32_MIN, INT32_MAX, UINT32_MAX))
        return false;
    value = int32_t(v);
    return true;
}

int32_t StrToInt(std::string_view text)
{
    int32_t value;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int64_t StrToInt64(std::string_view text)
{
    int64_t value;
    if (!ParseInt64(text, value, INT64_MIN, INT64_MAX, UINT64_MAX))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(std::string_view text, int32_t defaultValue)
{
    int32_t value;
    return TryStrToInt(text, value) ? value : defaultValue;
}

std::string UpperCase(std::string_view text)
{
    std::string r(text);
    for (char &c : r)
        if (c >= 'a' && c <= 'z')
            c = char(c - 32);
    return r;
}

std::string LowerCase(std::string_view text)
{
    std::string r(text);
    for (char &c : r)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return r;
}

char AnsiUpperChar(char ch) { return char(CaseTables().Upper[static_cast<unsigned char>(ch)]); }
char AnsiLowerChar(char ch) { return char(CaseTables().Lower[static_cast<unsigned char>(ch)]); }

std::string AnsiUpperCase(std::string_view text)
{
    std::string r(text);
    for (char &c : r)
        c = AnsiUpperChar(c);
    return r;
}

std::string AnsiLowerCase(std::string_view text)
{
    std::string r(text);
    for (char &c : r)
        c = AnsiLowerChar(c);
    return r;
}

int CompareStr(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return int(static_cast<unsigned char>(a[i])) - int(static_cast<unsigned char>(b[i]));
    return int(a.size()) - int(b.size());
}

int CompareText(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return int(x) - int(y);
    }
    return int(a.size()) - int(b.size());
}

int AnsiCompareText(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int x = AlphaWeight(static_cast<unsigned char>(a[i]));
        int y = AlphaWeight(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int AnsiCompareStr(std::string_view a, std::string_view b)
{
    if (int r = AnsiCompareText(a, b))
        return r;
    // Equal but for case: the first difference decides, lower case first.
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return AnsiLowerChar(a[i]) == a[i] ? -1 : 1;
    return 0;
}

std::string Trim(std::string_view text)
{
    return TrimRight(TrimLeft(text));
}

std::string TrimLeft(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlankOrControl(text[i]))
        ++i;
    return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text)
{
    size_t n = text.size();
    while (n > 0 && IsBlankOrControl(text[n - 1]))
        --n;
    return std::string(text.substr(0, n));
}

std::string QuotedStr(std::string_view text)
{
    return AnsiQuotedStr(text, '\'');
}

std::string AnsiQuotedStr(std::string_view text, char quote)
{
    std::string r(1, quote);
    for (char c : text) {
        r += c;
        if (c == quote)
            r += c;
    }
    r += quote;
    return r;
}

std::string AnsiExtractQuotedStr(std::string &text, char quote)
{
    if (text.empty() || text[0] != quote)
        return {};
    std::string content;
    size_t i = 1;
    for (; i < text.size(); ++i) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                content += quote;
                ++i;
                continue;
            }
            ++i;
            break;
        }
        content += text[i];
    }
    text.erase(0, i);
    return content;
}

std::string AnsiDequotedStr(std::string_view text, char quote)
{
    std::string copy(text);
    if (copy.empty() || copy[0] != quote)
        return copy;
    std::string content = AnsiExtractQuotedStr(copy, quote);
    return copy.empty() ? content : std::string(text);
}

std::string AdjustLineBreaks(std::string_view text)
{
    std::string r;
    r.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            r += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            r += c;
        }
    }
    return r;
}

bool IsValidIdent(std::string_view text)
{
    if (text.empty())
        return false;
    auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!alpha(text[0]))
        return false;
    for (char c : text.substr(1))
        if (!alpha(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

bool IsDelimiter(std::string_view delimiters, std::string_view text, int index)
{
    if (index < 1 || index > int(text.size()))
        return false;
    return delimiters.find(text[index - 1]) != std::string_view::npos;
}

int LastDelimiter(std::string_view delimiters, std::string_view text)
{
    size_t p = text.find_last_of(delimiters);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}

bool IsPathDelimiter(std::string_view text, int index)
{
    return IsDelimiter("/\\", text, index);
}

int Pos(std::string_view sub, std::string_view text)
{
    if (sub.empty())
        return 0;
    size_t p = text.find(sub);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}

} // namespace VlSysUtils
