// Pascal colouring by token class and the long-comment states carried across lines.
#include "editor/VlEditorModel.h"
#include "editor/VlHLParser.h"
#include "editor/VlHighlighters.h"

#include <gtest/gtest.h>

namespace {
// One letter per cell: c comment, r reserved, i identifier, s symbol, t string, n number,
// p preprocessor, '.' plain text.
std::string Classes(const QString &line, TVlLongState start = TVlLongState::None)
{
    std::vector<TVlTokenClass> cells(line.size());
    VlColorPascalLine(line, start, cells.data(), static_cast<int>(cells.size()));
    std::string out;
    for (TVlTokenClass c : cells)
        out += "cristnp."[static_cast<int>(c)];
    return out;
}

struct TLineCase
{
    const char *Name;
    const char *Line;
    const char *Expected;
};

const TLineCase LineCases[] = {
    {"ReservedWordsIgnoreCase", "Begin BEGIN begin", "rrrrr.rrrrr.rrrrr"},
    {"ArrayAndInAreIdentifiers", "array in", "iiiii.ii"},
    {"CharConstantIsSymbolThenNumber", "#13", "snn"},
    {"HexNumber", "$FF", "nnn"},
    {"DecimalWithPoint", "1.5", "nnn"},
    {"RangeIsIdentifier", "1..2", "iiii"},
    {"AssignmentIsTwoSymbols", "x:=1;", "issns"},
    {"BraceDirective", "{$R *.res}", "pppppppppp"},
    {"ParenDirective", "(*$I x*) y", "pppppppp.i"},
    {"BraceComment", "a {note} b", "i.cccccc.i"},
    {"SlashComment", "x // rest", "i.ccccccc"},
    {"StringWithDoubledQuote", "'it''s' x", "ttttttt.i"},
    {"UnterminatedString", "'abc", "tttt"},
    {"LoneDollarIsIdentifier", "$ !", "i.i"},
    {"NonAsciiLetterIsIdentifier", "Ж", "i"},
    {"DoubleQuoteIsString", "\"", "t"},
    {"UnclosedBraceRunsToEnd", "x { open", "i.cccccc"},
};

class PascalLineColors : public testing::TestWithParam<TLineCase> {};

TEST_P(PascalLineColors, ColorsEveryCell)
{
    EXPECT_EQ(Classes(QString::fromUtf8(GetParam().Line)), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Pascal, PascalLineColors, testing::ValuesIn(LineCases),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(PascalColors, LineInsideCommentThatNeverClosesIsAllComment)
{
    EXPECT_EQ(Classes("begin x := 1;", TVlLongState::BraceComment), "ccccccccccccc");
    EXPECT_EQ(Classes("begin {$x", TVlLongState::BraceDirective), "ppppppppp");
}

TEST(PascalColors, CommentCarriedInEndsAtItsCloserThenTokenizes)
{
    // blanks keep the fill of a line that began inside a comment
    EXPECT_EQ(Classes("end} begin", TVlLongState::BraceComment), "cccccrrrrr");
    EXPECT_EQ(Classes("x *) y", TVlLongState::ParenComment), "ccccci");
}

struct TScanCase
{
    const char *Name;
    const char *Line;
    TVlLongState Start;
    TVlLongState End;
};

const TScanCase ScanCases[] = {
    {"ClosedBraceKeepsNone", "a {b} c", TVlLongState::None, TVlLongState::None},
    {"OpenBrace", "a { b", TVlLongState::None, TVlLongState::BraceComment},
    {"OpenBraceDirective", "{$IFDEF X", TVlLongState::None, TVlLongState::BraceDirective},
    {"OpenParen", "(* x", TVlLongState::None, TVlLongState::ParenComment},
    {"OpenParenDirective", "(*$ x", TVlLongState::None, TVlLongState::ParenDirective},
    {"ParenStarCloseNeedsOwnStar", "(*)", TVlLongState::None, TVlLongState::ParenComment},
    {"ParenClosed", "(* x *) y", TVlLongState::None, TVlLongState::None},
    {"BraceInsideStringIgnored", "s := '{';", TVlLongState::None, TVlLongState::None},
    {"DoubledQuoteThenBrace", "s := 'it''s'; {", TVlLongState::None, TVlLongState::BraceComment},
    {"SlashCommentHidesBrace", "x // {", TVlLongState::None, TVlLongState::None},
    {"EmptyLineKeepsState", "", TVlLongState::ParenComment, TVlLongState::ParenComment},
    {"BraceClosesThenReopens", "} x {", TVlLongState::BraceComment, TVlLongState::BraceComment},
    {"ParenCloses", "x *)", TVlLongState::ParenDirective, TVlLongState::None},
    {"BraceDoesNotCloseParen", "}", TVlLongState::ParenComment, TVlLongState::ParenComment},
};

class PascalLongStates : public testing::TestWithParam<TScanCase> {};

TEST_P(PascalLongStates, EndState)
{
    EXPECT_EQ(VlPascalScanLine(QString::fromUtf8(GetParam().Line), GetParam().Start), GetParam().End);
}

INSTANTIATE_TEST_SUITE_P(Pascal, PascalLongStates, testing::ValuesIn(ScanCases),
                         [](const auto &info) { return std::string(info.param.Name); });

std::string ModelLineClasses(TVlEditorModel &model, int line)
{
    return Classes(model.Line(line), model.States().StateOf(model.Lines(), line));
}

TEST(PascalRescan, StringWithDoubledQuoteThenOpenBraceMakesNextLineComment)
{
    TVlEditorModel model;
    model.States().SetScanner(VlPascalScanLine);
    model.SetText("s := 'it''s'; { open\nstill } x");
    EXPECT_EQ(ModelLineClasses(model, 1), "cccccccci");
}

TEST(PascalRescan, TypingAnOpeningBraceRecolorsFollowingLinesAndUndoRestores)
{
    TVlEditorModel model;
    model.States().SetScanner(VlPascalScanLine);
    model.SetText("a\nb\nc\nd");
    EXPECT_EQ(ModelLineClasses(model, 3), "i");
    model.SetCaret({1, 0});
    model.TypeText("{");
    EXPECT_EQ(model.States().Stored(2), TVlLongState::BraceComment);
    EXPECT_EQ(ModelLineClasses(model, 3), "c");
    model.SetCaret({1, 2});
    model.TypeText("}");
    EXPECT_EQ(ModelLineClasses(model, 3), "i");
    model.Undo();
    EXPECT_EQ(ModelLineClasses(model, 3), "c");
    model.Undo();
    EXPECT_EQ(ModelLineClasses(model, 3), "i");
}

TEST(PascalRescan, BoundedRescanMarksFarLinesAndPaintingScansThemLazily)
{
    TVlEditorModel model;
    model.States().SetScanner(VlPascalScanLine);
    QStringList lines;
    for (int i = 0; i < 12000; ++i)
        lines << QStringLiteral("x := %1;").arg(i);
    model.SetText(lines.join('\n'));
    model.SetCaret({0, 0});
    model.TypeText("{");
    EXPECT_EQ(model.States().Stored(4000), TVlLongState::BraceComment);
    EXPECT_EQ(model.States().Stored(TVlLongStates::RescanLimit + 10), TVlLongState::Rescan);
    EXPECT_EQ(ModelLineClasses(model, 11000).substr(0, 1), "c");
}

TEST(PascalRescan, JoiningLinesKeepsStatesInStep)
{
    TVlEditorModel model;
    model.States().SetScanner(VlPascalScanLine);
    model.SetText("a {\nb\nc }\nd");
    EXPECT_EQ(ModelLineClasses(model, 3), "i");
    model.SetCaret({0, 2});
    model.ExecuteCommand(ecBackspace); // joins "b" and "c }"
    EXPECT_EQ(model.Line(1), "bc }");
    EXPECT_EQ(ModelLineClasses(model, 2), "i");
    model.SetCaret({0, 1});
    model.ExecuteCommand(ecBackspace); // joins "a {" and "bc }"
    EXPECT_EQ(ModelLineClasses(model, 1), "i");
    EXPECT_EQ(model.States().Stored(1), TVlLongState::None);
}

TEST(OtherHighlighters, SqlKeywordsCommentsStringsAndNumbers)
{
    const QString line = "SELECT x FROM t -- c";
    std::vector<TVlTokenClass> cells(line.size());
    VlColorLine(TVlHighlighter::hlSql, line, TVlLongState::None, cells.data(), static_cast<int>(cells.size()));
    EXPECT_EQ(cells[0], TVlTokenClass::Reserved);
    EXPECT_EQ(cells[7], TVlTokenClass::Identifier);
    EXPECT_EQ(cells[9], TVlTokenClass::Reserved);
    EXPECT_EQ(cells[16], TVlTokenClass::Comment);
}

TEST(OtherHighlighters, CBlockCommentCarriesOverLines)
{
    const auto scan = VlLongStateScanner(TVlHighlighter::hlCBuilder);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan(QStringLiteral("int x; /* open"), TVlLongState::None), TVlLongState::ParenComment);
    EXPECT_EQ(scan(QStringLiteral("close */ y"), TVlLongState::ParenComment), TVlLongState::None);
    const QString line = "\"a\\\"b\" 12";
    std::vector<TVlTokenClass> cells(line.size());
    VlColorLine(TVlHighlighter::hlCBuilder, line, TVlLongState::None, cells.data(), static_cast<int>(cells.size()));
    EXPECT_EQ(cells[5], TVlTokenClass::Strings);
    EXPECT_EQ(cells[7], TVlTokenClass::Number);
}
} // namespace
