// Reads RTF into styled runs: a byte scanner with a stack of group states, no recursion.
#include "VlRtfDocument.h"
#include "VlCp1251.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace {

enum class TDestination { Text, FontTable, ColorTable, Skip };

struct TGroupState {
    TVlRtfStyle Style;
    int FontIndex = -1;
    int UnicodeSkip = 1; // fallback characters that follow \uN
    TDestination Destination = TDestination::Text;
};

struct TFontEntry {
    std::u16string Name;
    int Charset = 0;
};

// Destinations whose content is never text the user typed.
bool IsSkippedDestination(std::string_view word)
{
    static const std::string_view skipped[] = {
        "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "object", "fldinst", "listtable", "listoverridetable",
        "rsidtbl", "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
        "generator", "pgdsctbl", "filetbl", "revtbl", "nonshppict", "shpinst", "bkmkstart", "bkmkend",
        "mmathPr", "author", "operator", "title", "subject", "keywords", "comment", "doccomm",
        "private", "userprops", "wgrffmtfilter", "template", "pn", "pntext", "annotation", "atnid",
        "atnauthor", "xe", "tc", "listtext", "blipuid", "fchars", "lchars"};
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

class TRtfReader {
public:
    explicit TRtfReader(std::string_view bytes) : FBytes(bytes) {}
    TVlRtfDocument Read();

private:
    void ControlWord(std::string_view word, bool hasParam, long param);
    void ControlSymbol(char symbol);
    void Character(char16_t ch);
    void Byte(unsigned char byte);
    void EndFontName();
    TGroupState &State() { return FStack.back(); }

    std::string_view FBytes;
    std::size_t FPos = 0;
    std::vector<TGroupState> FStack{TGroupState{}};
    std::map<int, TFontEntry> FFonts;
    std::vector<std::optional<TVlRtfColor>> FColors;
    TVlRtfColor FColor;      // the colour table entry being read
    bool FColorSet = false;
    int FFontEntryIndex = 0; // the font table entry being read
    std::u16string FFontName;
    static constexpr std::size_t MaxDepth = 256; // word processors nest far less
    std::size_t FOverflowDepth = 0;
    int FPendingSkip = 0;   // fallback characters still to drop after \uN
    bool FCp1251 = false;   // \ansicpg1251
    bool FIgnoreNext = false; // "\*" seen: an unknown destination that follows is skipped
    TVlRtfDocument FDocument;
};

TVlRtfDocument TRtfReader::Read()
{
    while (FPos < FBytes.size()) {
        const char c = FBytes[FPos++];
        if (c == '{') {
            if (FStack.size() < MaxDepth)
                FStack.push_back(State());
            else
                ++FOverflowDepth; // deeper groups share the state of the deepest one kept
            FIgnoreNext = false;
        } else if (c == '}' && FOverflowDepth > 0) {
            --FOverflowDepth;
        } else if (c == '}') {
            if (State().Destination == TDestination::FontTable && FStack.size() >= 2 &&
                FStack[FStack.size() - 2].Destination == TDestination::FontTable && !FFontName.empty())
                EndFontName(); // a braced font entry without ";"
            FPendingSkip = 0;
            if (FStack.size() > 1)
                FStack.pop_back();
            else
                break; // the document's closing brace
        } else if (c == '\\') {
            if (FPos >= FBytes.size())
                break;
            if (std::isalpha(static_cast<unsigned char>(FBytes[FPos]))) {
                const std::size_t start = FPos;
                while (FPos < FBytes.size() && std::isalpha(static_cast<unsigned char>(FBytes[FPos])) &&
                       FPos - start < 32)
                    ++FPos;
                const std::string_view word = FBytes.substr(start, FPos - start);
                bool negative = false, hasParam = false;
                long param = 0;
                if (FPos < FBytes.size() && FBytes[FPos] == '-') {
                    negative = true;
                    ++FPos;
                }
                while (FPos < FBytes.size() && std::isdigit(static_cast<unsigned char>(FBytes[FPos]))) {
                    hasParam = true;
                    if (param < 100000000)
                        param = param * 10 + (FBytes[FPos] - '0');
                    ++FPos;
                }
                if (FPos < FBytes.size() && FBytes[FPos] == ' ')
                    ++FPos;
                ControlWord(word, hasParam, negative ? -param : param);
            } else {
                ControlSymbol(FBytes[FPos++]);
            }
        } else if (c != '\r' && c != '\n') {
            Byte(static_cast<unsigned char>(c));
        }
    }
    // The last paragraph mark ends the text; it is not an empty paragraph of its own.
    if (!FDocument.Runs.empty() && !FDocument.Runs.back().Text.empty() &&
        FDocument.Runs.back().Text.back() == u'\n') {
        FDocument.Runs.back().Text.pop_back();
        if (FDocument.Runs.back().Text.empty())
            FDocument.Runs.pop_back();
    }
    return std::move(FDocument);
}

void TRtfReader::ControlWord(std::string_view word, bool hasParam, long param)
{
    TGroupState &state = State();
    const bool ignoreNext = FIgnoreNext;
    FIgnoreNext = false;
    if (word == "bin" && hasParam) { // binary data, also inside skipped groups
        FPos += std::min<std::size_t>(static_cast<std::size_t>(std::max(0L, param)), FBytes.size() - FPos);
        return;
    }
    if (state.Destination == TDestination::Skip)
        return;
    if (word == "u" && hasParam) {
        Character(static_cast<char16_t>(param < 0 ? param + 65536 : param));
        FPendingSkip = state.UnicodeSkip;
        return;
    }
    if (FPendingSkip > 0) { // a control word stands for one fallback character
        --FPendingSkip;
        return;
    }
    if (word == "fonttbl") {
        state.Destination = TDestination::FontTable;
    } else if (word == "colortbl") {
        state.Destination = TDestination::ColorTable;
    } else if (IsSkippedDestination(word) || ignoreNext) {
        state.Destination = TDestination::Skip;
    } else if (state.Destination == TDestination::FontTable) {
        if (word == "f")
            FFontEntryIndex = static_cast<int>(param);
        else if (word == "fcharset")
            FFonts[FFontEntryIndex].Charset = static_cast<int>(param);
    } else if (state.Destination == TDestination::ColorTable) {
        const uint8_t value = static_cast<uint8_t>(std::clamp(param, 0L, 255L));
        if (word == "red")
            FColor.Red = value, FColorSet = true;
        else if (word == "green")
            FColor.Green = value, FColorSet = true;
        else if (word == "blue")
            FColor.Blue = value, FColorSet = true;
    } else if (word == "ansicpg") {
        FCp1251 = param == 1251;
    } else if (word == "uc") {
        state.UnicodeSkip = static_cast<int>(std::clamp(param, 0L, 8L));
    } else if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row") {
        Character(u'\n');
    } else if (word == "tab" || word == "cell") {
        Character(u'\t');
    } else if (word == "emdash") {
        Character(u'\u2014');
    } else if (word == "endash") {
        Character(u'\u2013');
    } else if (word == "bullet") {
        Character(u'\u2022');
    } else if (word == "lquote") {
        Character(u'\u2018');
    } else if (word == "rquote") {
        Character(u'\u2019');
    } else if (word == "ldblquote") {
        Character(u'\u201c');
    } else if (word == "rdblquote") {
        Character(u'\u201d');
    } else if (word == "plain") {
        state.Style = TVlRtfStyle{};
        state.FontIndex = -1;
    } else if (word == "b") {
        state.Style.Bold = !hasParam || param != 0;
    } else if (word == "i") {
        state.Style.Italic = !hasParam || param != 0;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" ||
               word == "uldash" || word == "ulwave") {
        state.Style.Underline = !hasParam || param != 0;
    } else if (word == "ulnone") {
        state.Style.Underline = false;
    } else if (word == "cf") {
        const bool known = param > 0 && static_cast<std::size_t>(param) < FColors.size();
        state.Style.Color = known ? FColors[static_cast<std::size_t>(param)] : std::nullopt;
    } else if (word == "f" && hasParam) {
        state.FontIndex = static_cast<int>(param);
        auto found = FFonts.find(state.FontIndex);
        state.Style.FontName = found != FFonts.end() ? found->second.Name : std::u16string();
    } else if (word == "fs" && hasParam) {
        state.Style.HalfPoints = static_cast<int>(std::clamp(param, 0L, 3276L));
    }
}

void TRtfReader::ControlSymbol(char symbol)
{
    FIgnoreNext = false;
    if (State().Destination == TDestination::Skip)
        return;
    if (symbol == '*') {
        FIgnoreNext = true;
    } else if (symbol == '\'') {
        if (FPos + 2 > FBytes.size())
            return;
        const std::string hex(FBytes.substr(FPos, 2));
        FPos += 2;
        if (std::isxdigit(static_cast<unsigned char>(hex[0])) &&
            std::isxdigit(static_cast<unsigned char>(hex[1])))
            Byte(static_cast<unsigned char>(std::stoi(hex, nullptr, 16)));
    } else if (symbol == '\\' || symbol == '{' || symbol == '}') {
        Byte(static_cast<unsigned char>(symbol));
    } else if (symbol == '~') {
        Character(u'\u00a0');
    } else if (symbol == '_') {
        Character(u'\u2011');
    } else if (symbol == '\n' || symbol == '\r') {
        Character(u'\n');
    } else if (FPendingSkip > 0) {
        --FPendingSkip;
    }
}

// A byte of text in the document's code page (or the current font's Cyrillic character set).
void TRtfReader::Byte(unsigned char byte)
{
    if (FPendingSkip > 0) {
        --FPendingSkip;
        return;
    }
    bool cp1251 = FCp1251;
    if (auto font = FFonts.find(State().FontIndex); font != FFonts.end() && font->second.Charset == 204)
        cp1251 = true;
    const char16_t ch = byte < 0x80 ? byte
                        : cp1251    ? static_cast<char16_t>(Cp1251ToUnicode(byte))
                                    : static_cast<char16_t>(byte);
    Character(ch);
}

void TRtfReader::Character(char16_t ch)
{
    TGroupState &state = State();
    switch (state.Destination) {
    case TDestination::Text:
        FDocument.Append(std::u16string_view(&ch, 1), state.Style);
        break;
    case TDestination::FontTable:
        if (ch == u';')
            EndFontName();
        else
            FFontName += ch;
        break;
    case TDestination::ColorTable:
        if (ch == u';') {
            FColors.push_back(FColorSet ? std::optional<TVlRtfColor>(FColor) : std::nullopt);
            FColor = {};
            FColorSet = false;
        }
        break;
    case TDestination::Skip:
        break;
    }
}

void TRtfReader::EndFontName()
{
    auto first = FFontName.find_first_not_of(u' ');
    FFonts[FFontEntryIndex].Name = first == std::u16string::npos ? u"" : FFontName.substr(first);
    FFontName.clear();
}

} // namespace

bool LooksLikeRtf(std::string_view bytes)
{
    if (bytes.size() < 5)
        return false;
    std::string head(bytes.substr(0, 5));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return head == "{\\rtf";
}

TVlRtfDocument ReadRtf(std::string_view bytes)
{
    if (!LooksLikeRtf(bytes))
        throw EVlRtfError("Failed to Load Stream");
    return TRtfReader(bytes).Read();
}
