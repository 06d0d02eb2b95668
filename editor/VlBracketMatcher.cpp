// Finds the partner of the bracket or pair word at the caret by a nesting count.
#include "VlBracketMatcher.h"

#include "VlEditorModel.h"

#include <cstdlib>

namespace {
constexpr int SearchLineLimit = 800;

struct TToken
{
    QString Text;
    bool IsWord = false; // words count only between separators
};

bool OccursAt(QStringView line, int x, const TToken &token, bool caseSensitive)
{
    const int length = static_cast<int>(token.Text.size());
    if (x < 0 || x + length > line.size())
        return false;
    if (line.mid(x, length).compare(token.Text, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) != 0)
        return false;
    if (!token.IsWord)
        return true;
    const bool before = x == 0 || VlIsWordSeparator(line[x - 1]);
    const bool after = x + length == line.size() || VlIsWordSeparator(line[x + length]);
    return before && after;
}

TToken MakeToken(const QString &text)
{
    return {text, !(text.size() == 1 && VlIsWordSeparator(text[0]))};
}
} // namespace

const std::vector<TVlWordPair> &VlDefaultWordPairs()
{
    static const std::vector<TVlWordPair> pairs = {
        {"begin", "end"}, {"repeat", "until"}, {"for", "do"}, {"if", "then"}, {"property", ";"},
        {"record", "end"}, {"case", "end"}, {"array", "of"}, {"with", "do"}, {"try", "except"},
        {"try", "finally"},
    };
    return pairs;
}

std::vector<bool> VlStringMask(QStringView line)
{
    std::vector<bool> mask(static_cast<size_t>(line.size()), false);
    bool inString = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('\'')) {
            mask[i] = inString;
        } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('\'')) {
            mask[i] = mask[i + 1] = true;
            ++i;
        } else {
            mask[i] = !inString;
            inString = !inString;
        }
    }
    return mask;
}

std::vector<TVlMark> VlFindBracketMarks(const QStringList &lines, TVlPos caret,
                                        const std::vector<TVlWordPair> &pairs, bool caseSensitive)
{
    if (caret.Y < 0 || caret.Y >= lines.size())
        return {};
    const QString &line = lines[caret.Y];
    if (caret.X < 0 || caret.X >= line.size())
        return {};
    if (VlStringMask(line)[caret.X])
        return {};

    // 1. What stands at the caret, and what to look for in which direction.
    TToken start, partner;
    int startX = caret.X;
    bool forward = true;
    const QChar c = line[caret.X];
    static const QString openers = QStringLiteral("([{"), closers = QStringLiteral(")]}");
    if (const qsizetype o = openers.indexOf(c); o >= 0) {
        start = {QString(c), false};
        partner = {QString(closers[o]), false};
    } else if (const qsizetype k = closers.indexOf(c); k >= 0) {
        start = {QString(c), false};
        partner = {QString(openers[k]), false};
        forward = false;
    } else {
        int end = caret.X + 1;
        if (!VlIsWordSeparator(c)) {
            while (startX > 0 && !VlIsWordSeparator(line[startX - 1]))
                --startX;
            while (end < line.size() && !VlIsWordSeparator(line[end]))
                ++end;
        }
        const QString word = line.mid(startX, end - startX);
        const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        bool found = false;
        for (const TVlWordPair &pair : pairs) {
            if (word.compare(pair.Left, cs) == 0) {
                start = MakeToken(pair.Left);
                partner = MakeToken(pair.Right);
                found = true;
                break;
            }
            if (word.compare(pair.Right, cs) == 0) {
                start = MakeToken(pair.Right);
                partner = MakeToken(pair.Left);
                forward = false;
                found = true;
                break;
            }
        }
        if (!found)
            return {};
    }

    // 2. Walk character by character with a nesting count, skipping string literals.
    int depth = 1;
    int y = caret.Y;
    int x = forward ? startX + static_cast<int>(start.Text.size()) : startX - 1;
    std::vector<bool> mask = VlStringMask(lines[y]);
    for (;;) {
        const QString &current = lines[y];
        while (forward ? x < current.size() : x >= 0) {
            if (!mask[x]) {
                if (OccursAt(current, x, partner, caseSensitive)) {
                    if (--depth == 0) {
                        TVlMark first{caret.Y, startX, static_cast<int>(start.Text.size())};
                        TVlMark second{y, x, static_cast<int>(partner.Text.size())};
                        if (!forward)
                            std::swap(first, second);
                        // Marks that no longer touch the caret column are not shown.
                        if (first.Y == caret.Y && first.X > caret.X + 1)
                            return {};
                        if (second.Y == caret.Y && second.X + second.Length < caret.X)
                            return {};
                        return {first, second};
                    }
                } else if (OccursAt(current, x, start, caseSensitive)) {
                    ++depth;
                }
            }
            x += forward ? 1 : -1;
        }
        y += forward ? 1 : -1;
        if (y < 0 || y >= lines.size() || std::abs(y - caret.Y) > SearchLineLimit)
            return {};
        mask = VlStringMask(lines[y]);
        x = forward ? 0 : static_cast<int>(lines[y].size()) - 1;
    }
}
