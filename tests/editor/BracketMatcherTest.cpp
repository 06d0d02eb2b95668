// Bracket and pair-word matching: nesting, string literals, word boundaries, pair order.
#include "editor/VlBracketMatcher.h"
#include "editor/VlEditorModel.h"

#include <gtest/gtest.h>

namespace {
std::vector<TVlMark> Marks(const QString &text, TVlPos caret)
{
    return VlFindBracketMarks(text.split('\n'), caret);
}

TEST(BracketMatching, ParenthesesNestForwardAndBackward)
{
    const QString text = "f((a), b)";
    EXPECT_EQ(Marks(text, {1, 0}), (std::vector<TVlMark>{{0, 1, 1}, {0, 8, 1}}));
    EXPECT_EQ(Marks(text, {8, 0}), (std::vector<TVlMark>{{0, 1, 1}, {0, 8, 1}}));
}

TEST(BracketMatching, ParenthesisInsideStringIsNotMatched)
{
    EXPECT_TRUE(Marks("s := '(';", {6, 0}).empty());
    // and a closer inside a string does not end the search
    EXPECT_EQ(Marks("f(')', x)", {1, 0}), (std::vector<TVlMark>{{0, 1, 1}, {0, 8, 1}}));
}

TEST(BracketMatching, BeginFindsEndOfTheSameLevel)
{
    const QString text = "begin\n  begin\n  end;\nend.";
    EXPECT_EQ(Marks(text, {2, 0}), (std::vector<TVlMark>{{0, 0, 5}, {3, 0, 3}}));
}

TEST(BracketMatching, EndOfCaseSearchesBackForBegin)
{
    const QString text = "begin\n  case x of\n  end;\nend.";
    // "end" pairs with "begin" first in list order, so the case block's end finds the outer begin
    EXPECT_EQ(Marks(text, {2, 2}), (std::vector<TVlMark>{{0, 0, 5}, {2, 2, 3}}));
}

TEST(BracketMatching, LongerWordsStartingWithEndAreNotCounted)
{
    const QString text = "begin ending endian end";
    EXPECT_EQ(Marks(text, {0, 0}), (std::vector<TVlMark>{{0, 0, 5}, {0, 20, 3}}));
}

TEST(BracketMatching, PairWordsAreCaseSensitive)
{
    EXPECT_TRUE(Marks("Begin end", {0, 0}).empty());
}

TEST(BracketMatching, TryAlwaysPairsWithExcept)
{
    EXPECT_TRUE(Marks("try x finally y end", {0, 0}).empty());
    EXPECT_EQ(Marks("try x except y end", {0, 0}).size(), 2u);
}

TEST(BracketMatching, PropertyPairsWithSemicolon)
{
    EXPECT_EQ(Marks("property X: Integer read F;", {0, 0}),
              (std::vector<TVlMark>{{0, 0, 8}, {0, 26, 1}}));
}

TEST(BracketMatching, SearchGivesUpBeyond800Lines)
{
    QStringList lines{"begin"};
    for (int i = 0; i < 801; ++i)
        lines << "x;";
    lines << "end;";
    EXPECT_TRUE(VlFindBracketMarks(lines, {0, 0}).empty());
    lines.removeAt(1);
    lines.removeAt(1); // the partner now stands exactly 800 lines away
    EXPECT_EQ(VlFindBracketMarks(lines, {0, 0}).size(), 2u);
}

TEST(BracketMatching, CaretPastTheEndOrOnNothingShowsNoMarks)
{
    EXPECT_TRUE(Marks("begin", {5, 0}).empty());
    EXPECT_TRUE(Marks("x := 1", {0, 0}).empty());
}

TEST(StringMask, EscapedQuotesAndLiterals)
{
    const std::vector<bool> mask = VlStringMask(QStringLiteral("a'b''c'd"));
    const std::vector<bool> expected = {false, true, true, true, true, true, false, false};
    EXPECT_EQ(mask, expected);
}

TEST(BracketMatching, ModelUpdatesMarksWhenTheCaretMoves)
{
    TVlEditorModel model;
    model.SetText("(a)");
    model.SetCaret({0, 0});
    EXPECT_EQ(model.BracketMarks().size(), 2u);
    model.SetCaret({1, 0});
    EXPECT_TRUE(model.BracketMarks().empty());
}
} // namespace
