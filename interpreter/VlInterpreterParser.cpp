// Tokenizer: skips blanks and comments, cuts token texts, classifies them, tokenizes whole sources.
#include "VlInterpreterParser.h"

#include "VlInterpreterConst.h"
#include "VlInterpreterError.h"
#include "VlInterpreterNames.h"
#include "VlInterpreterQuick.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsBlank(char c) { return c == 9 || c == 10 || c == 13 || c == 32; }

// A failure raised while skipping or cutting, carried to the token array.
struct TCutFailure {
    int32_t Code;
    int32_t Position;
    std::string Message;
};

// Reads one token text starting at pos (text is NUL-terminated by std::string).
class TCutter {
public:
    TCutter(const std::string &text, bool extended)
        : Text(text), Size(static_cast<int32_t>(text.size())), Extended(extended) {}

    char At(int32_t i) const { return i < Size ? Text[static_cast<size_t>(i)] : '\0'; }

    // Skips blanks and comments; throws TCutFailure for bad comments.
    int32_t Skip(int32_t pos) const
    {
        for (;;) {
            int32_t start = pos;
            char c = At(pos);
            if (c == '{') {
                size_t close = Text.find('}', static_cast<size_t>(pos) + 1);
                if (close == std::string::npos || static_cast<int32_t>(close) >= EndOfText())
                    throw TCutFailure{erRemark, pos, {}};
                pos = static_cast<int32_t>(close) + 1;
            } else if (c == '(' && At(pos + 1) == '*') {
                int32_t i = pos + 2;
                while (i < EndOfText() && !(At(i) == '*' && At(i + 1) == ')'))
                    ++i;
                if (i >= EndOfText())
                    throw TCutFailure{erRemark, pos, {}};
                pos = i + 2;
            } else if (c == '/' && At(pos + 1) == '/') {
                while (pos < EndOfText() && At(pos) != '\r' && At(pos) != '\n')
                    ++pos;
            } else if (c == '}' || (c == '*' && At(pos + 1) == ')')) {
                throw TCutFailure{erRemark, pos, {}};
            }
            while (pos < EndOfText() && IsBlank(At(pos)))
                ++pos;
            if (pos == start)
                return pos;
        }
    }

    // The offset of the first NUL character (the end of the text for the reader).
    int32_t EndOfText() const
    {
        if (NulEnd < 0) {
            size_t nul = Text.find('\0');
            NulEnd = nul == std::string::npos ? Size : static_cast<int32_t>(nul);
        }
        return NulEnd;
    }

    // Cuts the token at pos; sets end to the cursor after it.
    std::string Cut(int32_t pos, int32_t &end) const
    {
        char c = At(pos);
        int32_t i = pos;
        if (pos >= EndOfText()) {
            end = pos;
            return std::string();
        }
        if (IsLetter(c)) {
            while (IsLetter(At(i)) || IsDigit(At(i)))
                ++i;
        } else if (IsDigit(c)) {
            while (IsDigit(At(i)) || (At(i) == '.' && At(i + 1) != '.'))
                ++i;
            if (Extended)
                i = ExponentEnd(i);
        } else if (Extended && c == '#' && At(pos + 1) == '$' && IsHexDigit(At(pos + 2))) {
            return CutHexCharacter(pos, end);
        } else if (c == '$' && IsHexDigit(At(pos + 1))) {
            ++i;
            while (IsHexDigit(At(i)))
                ++i;
        } else if (c == '\'') {
            return CutString(pos, end);
        } else if (c == '#' && IsDigit(At(pos + 1))) {
            ++i;
            while (IsDigit(At(i)))
                ++i;
            std::string digits = Text.substr(static_cast<size_t>(pos) + 1, static_cast<size_t>(i - pos - 1));
            size_t first = digits.find_first_not_of('0');
            std::string significant = first == std::string::npos ? "0" : digits.substr(first);
            long long code = significant.size() > 10 ? -1 : std::atoll(significant.c_str());
            if (code < 0 || code > 2147483647LL)
                throw TCutFailure{0, pos, "'" + digits + "' is not a valid integer value"};
            end = i;
            return std::string("'") + static_cast<char>(code % 256) + "'";
        } else if ((c == '.' && At(pos + 1) == '.') || (c == '>' && At(pos + 1) == '=') ||
                   (c == '<' && (At(pos + 1) == '=' || At(pos + 1) == '>'))) {
            i += 2;
        } else {
            i += 1;
        }
        end = i;
        return Text.substr(static_cast<size_t>(pos), static_cast<size_t>(i - pos));
    }

private:
    // "e5", "E-6", "e+10" after the digits of a number: the offset after it, or i when none.
    int32_t ExponentEnd(int32_t i) const
    {
        if (At(i) != 'e' && At(i) != 'E')
            return i;
        int32_t j = i + 1;
        if (At(j) == '+' || At(j) == '-')
            ++j;
        if (!IsDigit(At(j)))
            return i;
        while (IsDigit(At(j)))
            ++j;
        return j;
    }

    // #$41: the character of a hexadecimal code, as a one-character string constant.
    std::string CutHexCharacter(int32_t pos, int32_t &end) const
    {
        int32_t i = pos + 2;
        uint32_t code = 0;
        while (IsHexDigit(At(i))) {
            char h = At(i++);
            code = (code * 16 + static_cast<uint32_t>(IsDigit(h) ? h - '0' : (h | 0x20) - 'a' + 10)) & 0xFFFF;
        }
        end = i;
        return std::string("'") + static_cast<char>(code % 256) + "'";
    }

    std::string CutString(int32_t pos, int32_t &end) const
    {
        int32_t i = pos + 1;
        for (;;) {
            char c = At(i);
            if (i >= EndOfText()) {
                break;
            }
            if (c == '\r' || c == '\n') {
                ++i;  // the line break belongs to the text
                break;
            }
            if (c == '\'') {
                if (At(i + 1) == '\'') {
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            ++i;
        }
        end = i;
        std::string s = Text.substr(static_cast<size_t>(pos), static_cast<size_t>(i - pos));
        // Reduce doubled apostrophes: from the second character up to the last two.
        size_t k = 1;
        while (s.size() >= 2 && k < s.size() - 2) {
            if (s[k] == '\'')
                s.erase(k, 1);
            ++k;
        }
        return s;
    }

    const std::string &Text;
    int32_t Size;
    bool Extended;  // the fuller dialect: exponents and #$hex characters
    mutable int32_t NulEnd = -1;
};

// A number text with an exponent ("1.0e-6", "10E9"): only the fuller dialect cuts them.
bool HasExponent(const std::string &text)
{
    return !text.empty() && IsDigit(text[0]) && text.find_first_of("eE") != std::string::npos;
}

const std::unordered_map<std::string, int32_t> &ReservedWords()
{
    static const std::unordered_map<std::string, int32_t> words = {
        {"begin", tkBegin}, {"end", tkEnd}, {"if", tkIf}, {"then", tkThen}, {"else", tkElse},
        {"while", tkWhile}, {"do", tkDo}, {"repeat", tkRepeat}, {"until", tkUntil},
        {"procedure", tkProcedure}, {"function", tkFunction}, {"for", tkFor}, {"to", tkTo},
        {"break", tkBreak}, {"continue", tkContinue}, {"var", tkVar}, {"try", tkTry},
        {"finally", tkFinally}, {"except", tkExcept}, {"on", tkOn}, {"raise", tkRaise},
        {"external", tkExternal}, {"unit", tkUnit}, {"uses", tkUses}, {"const", tkConst},
        {"public", tkPublic}, {"private", tkPrivate}, {"protected", tkProtected},
        {"published", tkPublished}, {"property", tkProperty}, {"class", tkClass}, {"type", tkType},
        {"interface", tkInterface}, {"implementation", tkImplementation}, {"exit", tkExit},
        {"array", tkArray}, {"of", tkOf}, {"case", tkCase}, {"program", tkProgram}, {"in", tkIn},
        {"record", tkRecord}, {"downto", tkDownto}, {"not", tkNot}, {"div", tkDiv}, {"mod", tkMod},
        {"and", tkAnd}, {"or", tkOr}, {"shl", tkShl}, {"shr", tkShr}, {"xor", tkXor},
        {"false", tkFalse}, {"true", tkTrue},
    };
    return words;
}

int32_t ParseIntegerText(const std::string &text, bool &exact, double &wide)
{
    exact = true;
    if (!text.empty() && text[0] == '$') {
        uint32_t v = 0;
        for (size_t i = 1; i < text.size(); ++i) {
            char c = text[i];
            uint32_t d = IsDigit(c) ? static_cast<uint32_t>(c - '0')
                                    : static_cast<uint32_t>((c | 0x20) - 'a' + 10);
            v = v * 16 + d;  // wraps to 32 bits, as hexadecimal constants usually do
        }
        return static_cast<int32_t>(v);
    }
    wide = std::strtod(text.c_str(), nullptr);
    if (wide > 2147483647.0) {
        exact = false;
        return 0;
    }
    return static_cast<int32_t>(std::atol(text.c_str()));
}

// 'abc'#13#10'def': string constants and character codes written without blanks between them
// are one string constant in the fuller dialect; cut (a complete string constant) and end grow.
void FuseAdjacentStrings(const TCutter &cutter, std::string &cut, int32_t &end)
{
    while (cut.size() >= 2 && cut.back() == '\'' && (cutter.At(end) == '\'' || cutter.At(end) == '#')) {
        int32_t next = end;
        std::string piece;
        try {
            piece = cutter.Cut(end, next);
        } catch (const TCutFailure &) {
            return;  // read again as a token of its own, which reports it
        }
        if (piece.size() < 2 || TokenKindOf(piece) != tkString || piece.back() != '\'')
            return;
        cut = cut.substr(0, cut.size() - 1) + piece.substr(1);
        end = next;
    }
}

} // namespace

int32_t VlReservedWordKind(const std::string &lowerWord)
{
    auto found = ReservedWords().find(lowerWord);
    return found == ReservedWords().end() ? 0 : found->second;
}

int32_t TokenKindOf(const std::string &text)
{
    if (text.empty())
        return tkEof;
    if (text.size() == 1) {
        switch (text[0]) {
        case '(': return tkLParen;
        case ')': return tkRParen;
        case '*': return tkMul;
        case '+': return tkPlus;
        case ',': return tkComma;
        case '-': return tkMinus;
        case '.': return tkDot;
        case '/': return tkSlash;
        case ':': return tkColon;
        case ';': return tkSemicolon;
        case '<': return tkLess;
        case '=': return tkEqual;
        case '>': return tkGreater;
        case '[': return tkLBracket;
        case ']': return tkRBracket;
        case '"': return tkQuote;
        default:
            if (IsDigit(text[0]))
                return tkInteger;
            break;
        }
    } else {
        if (text[0] == '$' && std::all_of(text.begin() + 1, text.end(), IsHexDigit))
            return tkInteger;
        if (text == "..")
            return tkDotDot;
        if (text == "<=")
            return tkLessEqual;
        if (text == "<>")
            return tkNotEqual;
        if (text == ">=")
            return tkGreaterEqual;
    }
    size_t dots = 0;
    bool numeric = true;
    for (char c : text) {
        if (c == '.')
            ++dots;
        else if (!IsDigit(c))
            numeric = false;
    }
    if (numeric && dots <= 1 && text.size() > dots)
        return dots ? tkFloat : tkInteger;
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
        return tkString;
    if (int32_t reserved = VlReservedWordKind(VlLowerName(text)))
        return reserved;
    if (IsLetter(text[0]) && std::all_of(text.begin(), text.end(), [](char c) { return IsLetter(c) || IsDigit(c); }))
        return tkIdentifier;
    return tkUnknown;
}

int32_t OperatorPriority(int32_t kind)
{
    switch (kind) {
    case tkNot: return 8;
    case tkMul: case tkSlash: case tkDiv: case tkMod: case tkShl: case tkShr: return 6;
    case tkAnd: return 5;
    case tkPlus: case tkMinus: case tkOr: return 4;
    case tkEqual: case tkGreater: case tkLess: case tkNotEqual: case tkXor: return 3;
    case tkGreaterEqual: case tkLessEqual: return 2;
    default: return 0;
    }
}

std::shared_ptr<TVlSource> VlTokenize(const std::string &text, bool extended)
{
    auto source = std::make_shared<TVlSource>();
    source->Text = text;
    source->Extended = extended;
    TCutter cutter(source->Text, extended);
    int32_t pos = 0;
    for (;;) {
        TVlToken token{};
        std::string cut;
        int32_t start = 0, end = 0;
        try {
            start = cutter.Skip(pos);
            cut = cutter.Cut(start, end);
        } catch (const TCutFailure &failure) {
            token.Kind = tkFailure;
            token.Start = token.End = failure.Position;
            token.Index = static_cast<int32_t>(source->Failures.size());
            source->Failures.push_back({failure.Code, failure.Position, failure.Message});
            source->Tokens.push_back(token);
            break;
        }
        token.Kind = extended && HasExponent(cut) ? tkFloat : TokenKindOf(cut);
        if (extended && token.Kind == tkString)
            FuseAdjacentStrings(cutter, cut, end);
        token.Start = start;
        token.End = end;
        token.TextLen = static_cast<int32_t>(cut.size());
        token.Index = -1;
        switch (token.Kind) {
        case tkIdentifier:
            token.Atom = VlNames().Intern(cut);
            token.Index = static_cast<int32_t>(source->Texts.size());
            source->Texts.push_back(cut);
            break;
        case tkInteger: {
            bool exact = true;
            double wide = 0;
            int32_t v = ParseIntegerText(cut, exact, wide);
            token.Index = static_cast<int32_t>(source->Values.size());
            unsigned long long wider = cut[0] != '$' && cut.size() <= 19 ? std::strtoull(cut.c_str(), nullptr, 10) : 0;
            if (!exact && extended && wider > 0 && wider <= 9223372036854775807ULL)
                source->Values.push_back(TVlValue::Int64(static_cast<int64_t>(wider)));
            else
                source->Values.push_back(exact ? TVlValue::Integer(v) : TVlValue::Double(wide));
            break;
        }
        case tkFloat: {
            char *stop = nullptr;
            token.Index = static_cast<int32_t>(source->Values.size());
            if (extended) {
                // A real constant is a single when a single holds it exactly, else an extended.
                long double v = std::strtold(cut.c_str(), &stop);
                bool single = static_cast<long double>(static_cast<float>(v)) == v;
                source->Values.push_back(single ? TVlValue::Single(static_cast<float>(v)) : TVlValue::Extended(v));
                break;
            }
            double v = std::strtod(cut.c_str(), &stop);
            source->Values.push_back(TVlValue::Double(v));
            break;
        }
        case tkString:
            token.Index = static_cast<int32_t>(source->Values.size());
            source->Values.push_back(TVlValue::String(cut.substr(1, cut.size() - 2)));
            token.Atom = static_cast<int32_t>(source->Texts.size());
            source->Texts.push_back(cut);
            break;
        case tkArray:
            token.Index = static_cast<int32_t>(source->Values.size());
            source->Values.push_back(TVlValue::String(cut));
            break;
        case tkUnknown:
            token.Atom = static_cast<int32_t>(source->Texts.size());
            source->Texts.push_back(cut);
            break;
        default:
            if (token.Kind >= tkBegin || token.Kind == tkNot || (token.Kind >= tkDiv && token.Kind <= tkXor))
                token.Atom = 0;
            break;
        }
        source->Tokens.push_back(token);
        if (token.Kind == tkEof)
            break;
        pos = end;
    }
    source->Match.assign(source->Tokens.size(), -1);
    std::vector<int32_t> open;
    for (size_t i = 0; i < source->Tokens.size(); ++i) {
        if (source->Tokens[i].Kind == tkLBracket) {
            open.push_back(static_cast<int32_t>(i));
        } else if (source->Tokens[i].Kind == tkRBracket && !open.empty()) {
            source->Match[static_cast<size_t>(open.back())] = static_cast<int32_t>(i);
            open.pop_back();
        }
    }
    return source;
}

int32_t TVlSource::TokenAt(int32_t offset) const
{
    auto found = std::lower_bound(Tokens.begin(), Tokens.end(), offset,
                                  [](const TVlToken &token, int32_t value) { return token.Start < value; });
    if (found == Tokens.end())
        return static_cast<int32_t>(Tokens.size()) - 1;
    return static_cast<int32_t>(found - Tokens.begin());
}

std::string TVlSource::TokenText(const TVlToken &token) const
{
    if (token.Kind == tkString || token.Kind == tkUnknown)
        return Texts[static_cast<size_t>(token.Atom)];
    if (token.Kind == tkEof || token.Kind == tkFailure)
        return std::string();
    return Text.substr(static_cast<size_t>(token.Start), static_cast<size_t>(token.End - token.Start));
}

void TVlInterpreterParser::SetSourceText(const std::string &text)
{
    Source = VlTokenize(text);
    Cursor = 0;
}

std::string TVlInterpreterParser::ReadTokenText()
{
    const TVlToken &token = Source->Tokens[static_cast<size_t>(Source->TokenAt(Cursor))];
    if (token.Kind == tkFailure) {
        const TVlTokenFailure &failure = Source->Failures[static_cast<size_t>(token.Index)];
        if (failure.Code == 0)
            throw EVlRuntimeError("EConvertError", failure.Message);
        RaiseError(failure.Code, failure.Position);
    }
    Cursor = token.End;
    return Source->TokenText(token);
}
