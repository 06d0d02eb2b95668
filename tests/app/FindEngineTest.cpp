// The search rules of the find agents: upper-case matching, case, whole words, direction, Boyer-Moore.
#include "app/VlFindEngine.h"

#include <gtest/gtest.h>

namespace {
TVlFindOptions Down(bool wholeWord = false, bool matchCase = false)
{
    TVlFindOptions o;
    o.Down = true;
    o.WholeWord = wholeWord;
    o.MatchCase = matchCase;
    return o;
}

TEST(FindSearch, BoyerMooreAgreesWithThePlainSearch)
{
    const QString texts[] = {"ABABABCABABABCABC", "HERE IS A SIMPLE EXAMPLE", "AAAAAAAAAB", "ПРИВЕТ МИР ПРИВЕТ", ""};
    const QString patterns[] = {"ABABC", "EXAMPLE", "AAAB", "ПРИВЕТ", "A", "X", "ABC", "MIR"};
    for (const QString &text : texts)
        for (const QString &pattern : patterns) {
            const TVlBoyerMoore bm(pattern);
            for (int from = 0; from <= text.size(); ++from)
                EXPECT_EQ(bm.Search(text, from), VlPlainSearch(text, pattern, from))
                    << text.toStdString() << " / " << pattern.toStdString() << " from " << from;
        }
}

TEST(FindSearch, WholeWordSkipsLongerWordsAndStopsAtEnd)
{
    const QString text = "endif Append end; x end";
    for (bool fast : {false, true}) {
        EXPECT_EQ(VlFindOccurrence(text, "end", 0, 0, Down(true), fast), 13);
        EXPECT_EQ(VlFindOccurrence(text, "end", 13, 3, Down(true), fast), 20);
    }
}

TEST(FindSearch, CaseIgnoredUnlessMatchCase)
{
    const QString text = "Begin BEGIN begin";
    EXPECT_EQ(VlFindOccurrence(text, "begin", 0, 0, Down(), false), 0);
    EXPECT_EQ(VlFindOccurrence(text, "begin", 0, 0, Down(false, true), false), 12);
    EXPECT_EQ(VlFindOccurrence(text, "begin", 0, 0, Down(false, true), true), 12);
}

TEST(FindSearch, DownStartsAtTheLastSelectedCharacter)
{
    // In abab, after the first ab is selected, searching down selects the second.
    EXPECT_EQ(VlFindOccurrence("abab", "ab", 0, 2, Down(), false), 2);
    // occurrences may overlap the previous one
    EXPECT_EQ(VlFindOccurrence("aaa", "aa", 0, 2, Down(), false), 1);
    EXPECT_EQ(VlFindOccurrence("abc", "x", 0, 0, Down(), true), -1);
}

TEST(FindSearch, UpFindsTheNearestOccurrenceEndingBeforeTheSelection)
{
    const QString text = "ab ab ab";
    TVlFindOptions up;
    EXPECT_EQ(VlFindOccurrence(text, "ab", 6, 2, up, false), 3);
    EXPECT_EQ(VlFindOccurrence(text, "ab", 3, 2, up, true), 0);
    EXPECT_EQ(VlFindOccurrence(text, "ab", 0, 2, up, false), 0); // at or before the second character
    EXPECT_EQ(VlFindOccurrence(text, "ab", 1, 0, up, false), 0);
    EXPECT_EQ(VlFindOccurrence("xab", "ab", 1, 0, up, false), -1);
}

TEST(FindReplaceAll, CountsAndRestartsAfterTheReplacement)
{
    QString text = "aaa";
    EXPECT_EQ(VlReplaceAll(text, "a", "aa", 0, Down()), 3);
    EXPECT_EQ(text, "aaaaaa");
    text = "aa";
    EXPECT_EQ(VlReplaceAll(text, "a", "b", 0, Down()), 2);
    EXPECT_EQ(text, "bb");
    text = "end endif end";
    EXPECT_EQ(VlReplaceAll(text, "END", "stop", 0, Down(true)), 2);
    EXPECT_EQ(text, "stop endif stop");
}
} // namespace
