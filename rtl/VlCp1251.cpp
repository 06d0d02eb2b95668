// Code page 1251 <-> Unicode conversion and the rules for reading and writing text files.
#include "VlCp1251.h"

#include <algorithm>
#include <array>

namespace {

// Upper half of the code page; 0x98 has no character and maps to U+0098 so bytes round-trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos`, advancing it; kInvalid (one byte consumed) when malformed.
char32_t NextUtf8(std::string_view s, size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t ch = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, ch = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, ch = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, ch = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kInvalid;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return kInvalid;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += extra + 1;
    return ch;
}

void AppendUtf8(std::string &out, char32_t ch)
{
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Keeps well-formed characters and turns each malformed byte into U+FFFD.
std::string ReplaceMalformedUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        const char32_t ch = NextUtf8(bytes, pos);
        AppendUtf8(out, ch == kInvalid ? char32_t(0xFFFD) : ch);
    }
    return out;
}

// How DecodeFileText reads these bytes: a BOM or non-ASCII content says UTF-8 only when the bytes
// (after the BOM) are valid UTF-8.
TVlTextEncoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        return IsValidUtf8(bytes.substr(kUtf8Bom.size())) ? TVlTextEncoding::Utf8 : TVlTextEncoding::Cp1251;
    const bool hasNonAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return hasNonAscii && IsValidUtf8(bytes) ? TVlTextEncoding::Utf8 : TVlTextEncoding::Cp1251;
}

} // namespace

char32_t Cp1251ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

int UnicodeToCp1251(char32_t ch)
{
    if (ch < 0x80)
        return static_cast<int>(ch);
    // The Russian letters, nearly every non-ASCII character met, lie in one run.
    if (ch >= 0x0410 && ch <= 0x044F)
        return static_cast<int>(ch - 0x0410 + 0xC0);
    for (size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string Cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8, char replacement)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = NextUtf8(utf8, pos);
        const int byte = ch == kInvalid ? -1 : UnicodeToCp1251(ch);
        out += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return out;
}

bool CanEncodeCp1251(std::string_view utf8)
{
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = NextUtf8(utf8, pos);
        if (ch == kInvalid || UnicodeToCp1251(ch) < 0)
            return false;
    }
    return true;
}

std::string Utf16ToCp1251(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) {
        const int byte = UnicodeToCp1251(unit);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::u16string Cp1251ToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (size_t pos = 0; pos < bytes.size();) {
        if (NextUtf8(bytes, pos) == kInvalid)
            return false;
    }
    return true;
}

std::string DecodeFileText(std::string_view bytes, TVlTextEncoding *detected)
{
    const TVlTextEncoding encoding = DetectEncoding(bytes);
    if (detected)
        *detected = encoding;
    if (encoding == TVlTextEncoding::Cp1251)
        return Cp1251ToUtf8(bytes);
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    return std::string(bytes);
}

std::string EncodeFileText(std::string_view utf8, TVlTextEncoding *used)
{
    const auto report = [used](TVlTextEncoding encoding) {
        if (used)
            *used = encoding;
    };
    if (CanEncodeCp1251(utf8)) {
        std::string bytes = Utf8ToCp1251(utf8);
        if (DetectEncoding(bytes) == TVlTextEncoding::Cp1251) {
            report(TVlTextEncoding::Cp1251);
            return bytes;
        }
        // These CP1251 bytes would be read back as UTF-8: the BOM says what they are.
        report(TVlTextEncoding::Utf8);
        return std::string(kUtf8Bom) + std::string(utf8);
    }
    report(TVlTextEncoding::Utf8);
    // A text that itself begins with U+FEFF keeps it only behind a BOM, which reading drops.
    const std::string bom = utf8.starts_with(kUtf8Bom) ? std::string(kUtf8Bom) : std::string();
    return bom + ReplaceMalformedUtf8(utf8);
}

std::string ToCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ReadTextFile(const std::string &path)
{
    return DecodeFileText(ReadFileBytes(path));
}

void WriteTextFile(const std::string &path, std::string_view utf8Text)
{
    WriteFileBytesAtomically(path, EncodeFileText(ToCrLf(utf8Text)));
}
