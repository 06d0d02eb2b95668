// Text search for the find and replace agents: upper-case matching, match case, whole words, direction.
#pragma once

#include <QString>
#include <vector>

struct TVlFindOptions
{
    bool MatchCase = false;
    bool WholeWord = false;
    bool Down = false; // the dialogs start with the direction up
};

// First 0-based index of `pattern` in `text` at or after `from`, -1 when none. Both strings are
// compared as given (callers pass them upper-cased). The fast search is Boyer-Moore with a
// bad-character and a good-suffix table; both searches find the same occurrence.
int VlPlainSearch(const QString &text, const QString &pattern, int from);

class TVlBoyerMoore
{
public:
    explicit TVlBoyerMoore(const QString &pattern);
    int Search(const QString &text, int from) const;

private:
    int BadCharacterShift(char16_t c, int position) const;

    QString fPattern;
    std::vector<int> fGoodSuffix;
    std::vector<int> fLastAscii; // last index of each character below 256, -1 when absent
};

// Where the next search starts: the 0-based index of the last selected character (the caret
// when nothing is selected), as the 1-based "selection start + length" rule gives it.
int VlSearchStartDown(int selStart, int selLength);

// Finds the occurrence the agents select; returns its 0-based offset or -1.
// Down: the first acceptable occurrence starting at or after VlSearchStartDown.
// Up: the nearest acceptable occurrence that ends at or before the first selected character.
int VlFindOccurrence(const QString &text, const QString &pattern, int selStart, int selLength,
                     const TVlFindOptions &options, bool fast);

// Replaces every acceptable occurrence from the given 0-based start (direction ignored); the next
// search starts right after each inserted replacement. Returns the count; `text` is changed.
int VlReplaceAll(QString &text, const QString &pattern, const QString &replacement, int from,
                 const TVlFindOptions &options);
