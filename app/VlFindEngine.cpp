// The search rules shared by the find, replace and fast find-next agents.
#include "VlFindEngine.h"

#include <algorithm>

int VlPlainSearch(const QString &text, const QString &pattern, int from)
{
    if (pattern.isEmpty() || from < 0)
        return -1;
    return static_cast<int>(text.indexOf(pattern, from, Qt::CaseSensitive));
}

TVlBoyerMoore::TVlBoyerMoore(const QString &pattern) : fPattern(pattern), fLastAscii(256, -1)
{
    const int m = static_cast<int>(pattern.size());
    for (int i = 0; i < m; ++i)
        if (pattern[i].unicode() < 256)
            fLastAscii[pattern[i].unicode()] = i;
    // Good-suffix shifts (the strong rule), by the border table of the reversed suffixes.
    fGoodSuffix.assign(m + 1, 0);
    std::vector<int> border(m + 1, 0);
    int i = m, j = m + 1;
    border[i] = j;
    while (i > 0) {
        while (j <= m && pattern[i - 1] != pattern[j - 1]) {
            if (fGoodSuffix[j] == 0)
                fGoodSuffix[j] = j - i;
            j = border[j];
        }
        --i;
        --j;
        border[i] = j;
    }
    j = border[0];
    for (i = 0; i <= m; ++i) {
        if (fGoodSuffix[i] == 0)
            fGoodSuffix[i] = j;
        if (i == j)
            j = border[j];
    }
}

int TVlBoyerMoore::BadCharacterShift(char16_t c, int position) const
{
    int last = -1;
    if (c < 256) {
        last = fLastAscii[c];
    } else {
        for (int k = position - 1; k >= 0; --k)
            if (fPattern[k].unicode() == c) {
                last = k;
                break;
            }
    }
    return position - last;
}

int TVlBoyerMoore::Search(const QString &text, int from) const
{
    const int m = static_cast<int>(fPattern.size()), n = static_cast<int>(text.size());
    if (m == 0 || from < 0)
        return -1;
    int s = from;
    while (s <= n - m) {
        int j = m - 1;
        while (j >= 0 && fPattern[j] == text[s + j])
            --j;
        if (j < 0)
            return s;
        s += std::max({1, fGoodSuffix[j + 1], BadCharacterShift(text[s + j].unicode(), j)});
    }
    return -1;
}

namespace {
bool IsWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

// Whether the occurrence at `at` passes the match-case and whole-word tests.
bool Acceptable(const QString &text, const QString &pattern, int at, const TVlFindOptions &o)
{
    if (o.MatchCase && QStringView(text).mid(at, pattern.size()) != pattern)
        return false;
    if (o.WholeWord && pattern.size() < text.size()) {
        const QChar before = at > 0 ? text[at - 1] : QChar(' ');
        const qsizetype end = at + pattern.size();
        const QChar after = end < text.size() ? text[end] : QChar(' ');
        if (IsWordChar(before) || IsWordChar(after))
            return false;
    }
    return true;
}

// Upper case character by character, so that offsets stay those of the original text.
QString Upper(const QString &s)
{
    QString u = s;
    for (QChar &c : u)
        c = c.toUpper();
    return u;
}

// The first acceptable occurrence at or after `from` in the upper-cased text.
int FirstAcceptable(const QString &text, const QString &upperText, const QString &pattern,
                    const QString &upperPattern, int from, const TVlFindOptions &o, bool fast)
{
    const TVlBoyerMoore boyerMoore(fast ? upperPattern : QString());
    for (int at = from;;) {
        at = fast ? boyerMoore.Search(upperText, at) : VlPlainSearch(upperText, upperPattern, at);
        if (at < 0 || Acceptable(text, pattern, at, o))
            return at;
        ++at; // rejected: go on after it
    }
}

QString Reversed(const QString &s)
{
    QString r = s;
    std::reverse(r.begin(), r.end());
    return r;
}
} // namespace

int VlSearchStartDown(int selStart, int selLength)
{
    return std::max(selStart + selLength, 1) - 1;
}

int VlFindOccurrence(const QString &text, const QString &pattern, int selStart, int selLength,
                     const TVlFindOptions &options, bool fast)
{
    if (pattern.isEmpty())
        return -1;
    if (options.Down)
        return FirstAcceptable(text, Upper(text), pattern, Upper(pattern),
                               VlSearchStartDown(selStart, selLength), options, fast);
    // Up: search the reversed text; an occurrence must end at or before the first selected
    // character (the second character of the text when the selection starts at 0).
    const int limit = selStart == 0 ? 2 : selStart + 1; // exclusive end
    const QString reversedText = Reversed(text);
    const QString reversedPattern = Reversed(pattern);
    const int n = static_cast<int>(text.size()), m = static_cast<int>(pattern.size());
    const int from = std::max(0, n - limit);
    const int at = FirstAcceptable(reversedText, Upper(reversedText), reversedPattern,
                                   Upper(reversedPattern), from, options, fast);
    return at < 0 ? -1 : n - at - m;
}

int VlReplaceAll(QString &text, const QString &pattern, const QString &replacement, int from,
                 const TVlFindOptions &options)
{
    if (pattern.isEmpty())
        return 0;
    int count = 0;
    const QString upperPattern = Upper(pattern), upperReplacement = Upper(replacement);
    QString upperText = Upper(text);
    for (int at = std::max(from, 0);;) {
        at = FirstAcceptable(text, upperText, pattern, upperPattern, at, options, false);
        if (at < 0)
            return count;
        text.replace(at, pattern.size(), replacement);
        upperText.replace(at, pattern.size(), upperReplacement);
        at += static_cast<int>(replacement.size());
        ++count;
    }
}
