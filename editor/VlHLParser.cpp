// Pascal tokenizing and colouring, one line at a time.
#include "VlHLParser.h"

#include <QSet>
#include <algorithm>

namespace {
bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_';
}
bool IsDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return IsDigit(c) || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool StartsAt(QStringView line, int pos, QLatin1String text)
{
    return line.mid(pos).startsWith(text);
}

const char *const PascalReserved =
    "constructor destructor string record procedure with of repeat until try finally except for "
    "to downto case type interface implementation initialization finalization default private "
    "public protected published automated property program read write override object nil raise "
    "on set xor shr shl begin end args if then else endif goto while do var or and not mod div "
    "unit function uses external const class inherited register stdcall cdecl safecall pascal is "
    "as package program external overload platform deprecated implements export contains requires "
    "resourcestring message dispid assembler asm abstract absolute dispinterface file threadvar "
    "library interrupt inline near far operator strict final unsafe sealed static";

bool IsSymbolChar(QChar c)
{
    static const QString symbols = QStringLiteral("#%&'()*+,-./:;<=>@[]\\^{}|~");
    return c.unicode() < 128 && symbols.contains(c);
}

bool IsNumber(QStringView t)
{
    if (t.isEmpty())
        return false;
    if (t[0] == QLatin1Char('$'))
        return t.size() > 1 && std::all_of(t.begin() + 1, t.end(), IsHexDigit);
    QStringView body = t[0] == QLatin1Char('-') ? t.mid(1) : t;
    int digits = 0, points = 0;
    for (QChar c : body) {
        if (IsDigit(c))
            ++digits;
        else if (c == QLatin1Char('.'))
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

TVlTokenClass ClassOf(QStringView t)
{
    if (VlIsPascalReserved(t))
        return TVlTokenClass::Reserved;
    if (t.startsWith(QLatin1String("{$")) || t.startsWith(QLatin1String("(*$")))
        return TVlTokenClass::Preproc;
    if (t.startsWith(QLatin1Char('{')) || t.startsWith(QLatin1String("(*")) || t.startsWith(QLatin1String("//")))
        return TVlTokenClass::Comment;
    if (t.startsWith(QLatin1Char('\'')) || t.startsWith(QLatin1Char('"')))
        return TVlTokenClass::Strings;
    if (t.size() == 1 && IsSymbolChar(t[0]))
        return TVlTokenClass::Symbol;
    if (IsNumber(t))
        return TVlTokenClass::Number;
    return TVlTokenClass::Identifier;
}
} // namespace

bool VlIsPascalReserved(QStringView word)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const QString &w : QString::fromLatin1(PascalReserved).split(QLatin1Char(' ')))
            set.insert(w);
        return set;
    }();
    if (word.isEmpty() || word.size() > 14 || !IsAsciiLetter(word[0]))
        return false;
    return words.contains(word.toString().toLower());
}

bool TVlIParser::Next(TVlToken &token)
{
    const int n = static_cast<int>(fLine.size());
    while (fPos < n && (fLine[fPos] == QLatin1Char(' ') || fLine[fPos] == QLatin1Char('\r')
                        || fLine[fPos] == QLatin1Char('\n')))
        ++fPos;
    if (fPos >= n)
        return false;
    const int start = fPos;
    auto toEnd = [&] { fPos = n; };
    auto after = [&](QLatin1String closer, int from) {
        const qsizetype at = fLine.indexOf(closer, from);
        fPos = at < 0 ? n : static_cast<int>(at + closer.size());
    };
    const QChar c = fLine[fPos];
    if (StartsAt(fLine, fPos, QLatin1String("(*")))
        after(QLatin1String("*)"), fPos + 2);
    else if (c == QLatin1Char('{'))
        after(QLatin1String("}"), fPos + 1);
    else if (StartsAt(fLine, fPos, QLatin1String("//")) || c == QLatin1Char('}')
             || StartsAt(fLine, fPos, QLatin1String("*)")))
        toEnd();
    else if (IsDigit(c)) {
        while (fPos < n && (IsDigit(fLine[fPos]) || fLine[fPos] == QLatin1Char('.')))
            ++fPos;
    } else if (IsAsciiLetter(c)) {
        while (fPos < n && (IsAsciiLetter(fLine[fPos]) || IsDigit(fLine[fPos])))
            ++fPos;
    } else if (c == QLatin1Char('$') && fPos + 1 < n && IsHexDigit(fLine[fPos + 1])) {
        ++fPos;
        while (fPos < n && IsHexDigit(fLine[fPos]))
            ++fPos;
    } else if (c == QLatin1Char('\'')) {
        ++fPos;
        for (;;) {
            const qsizetype quote = fLine.indexOf(QLatin1Char('\''), fPos);
            if (quote < 0) {
                fPos = n;
                break;
            }
            fPos = static_cast<int>(quote) + 1;
            if (fPos < n && fLine[fPos] == QLatin1Char('\''))
                ++fPos; // a doubled quote stands for one
            else
                break;
        }
    } else {
        ++fPos;
    }
    token = {start, fPos};
    return true;
}

TVlLongState VlPascalScanLine(QStringView line, TVlLongState state)
{
    const int n = static_cast<int>(line.size());
    int i = 0;
    auto closeParen = [&](int from) { // index after the "*)" found from `from`, or -1
        for (int k = std::max(from, 1); k < n; ++k)
            if (line[k] == QLatin1Char(')') && line[k - 1] == QLatin1Char('*'))
                return k + 1;
        return -1;
    };
    while (i < n) {
        switch (state) {
        case TVlLongState::BraceComment:
        case TVlLongState::BraceDirective: {
            const qsizetype close = line.indexOf(QLatin1Char('}'), i);
            if (close < 0)
                return state;
            state = TVlLongState::None;
            i = static_cast<int>(close) + 1;
            continue;
        }
        case TVlLongState::ParenComment:
        case TVlLongState::ParenDirective: {
            const int after = closeParen(i);
            if (after < 0)
                return state;
            state = TVlLongState::None;
            i = after;
            continue;
        }
        default:
            break;
        }
        const QChar c = line[i];
        if (c == QLatin1Char('\'')) {
            int k = i + 1;
            for (;;) {
                const qsizetype quote = line.indexOf(QLatin1Char('\''), k);
                if (quote < 0)
                    return TVlLongState::None;
                k = static_cast<int>(quote) + 1;
                if (k < n && line[k] == QLatin1Char('\''))
                    ++k;
                else
                    break;
            }
            i = k;
        } else if (c == QLatin1Char('/') && i + 1 < n && line[i + 1] == QLatin1Char('/')) {
            return TVlLongState::None;
        } else if (c == QLatin1Char('{')) {
            const qsizetype close = line.indexOf(QLatin1Char('}'), i + 1);
            if (close < 0)
                return i + 1 < n && line[i + 1] == QLatin1Char('$') ? TVlLongState::BraceDirective
                                                                    : TVlLongState::BraceComment;
            i = static_cast<int>(close) + 1;
        } else if (c == QLatin1Char('(') && i + 1 < n && line[i + 1] == QLatin1Char('*')) {
            state = i + 2 < n && line[i + 2] == QLatin1Char('$') ? TVlLongState::ParenDirective
                                                                 : TVlLongState::ParenComment;
            // The closing ")" must follow a "*" other than the opening one.
            const int after = closeParen(i + 3);
            if (after < 0)
                return state;
            state = TVlLongState::None;
            i = after;
        } else {
            ++i;
        }
    }
    return state;
}

void VlColorPascalLine(QStringView line, TVlLongState start, TVlTokenClass *cells, int count)
{
    const int n = std::min(static_cast<int>(line.size()), count);
    // 1. The fill: plain text, or the colour of the comment the line begins in.
    TVlTokenClass fill = TVlTokenClass::PlainText;
    if (start == TVlLongState::BraceComment || start == TVlLongState::ParenComment)
        fill = TVlTokenClass::Comment;
    else if (start == TVlLongState::BraceDirective || start == TVlLongState::ParenDirective)
        fill = TVlTokenClass::Preproc;
    std::fill(cells, cells + count, fill);
    // 2. A comment carried in from above ends on this line, or covers all of it.
    int from = 0;
    if (fill != TVlTokenClass::PlainText) {
        const bool brace = start == TVlLongState::BraceComment || start == TVlLongState::BraceDirective;
        const qsizetype close = brace ? line.indexOf(QLatin1Char('}')) : line.indexOf(QLatin1String("*)"));
        if (close < 0)
            return;
        from = static_cast<int>(close) + (brace ? 1 : 2);
    }
    // 3. Each token gets the colour of its class over its whole span.
    TVlIParser parser(line, from);
    TVlToken token;
    while (parser.Next(token) && token.Start < n) {
        const TVlTokenClass cls = ClassOf(line.mid(token.Start, token.End - token.Start));
        std::fill(cells + token.Start, cells + std::min(token.End, n), cls);
    }
}
