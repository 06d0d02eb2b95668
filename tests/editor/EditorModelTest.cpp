// Editor model behaviour: tab stops, typing rules, undo grouping, bookmarks, blocks, macro.
#include "editor/VlEditorModel.h"

#include <gtest/gtest.h>

namespace {
TEST(TabStops, NextAndPreviousStopsRepeatPastTheLastListedOne)
{
    const TVlTabStops stops("3 5");
    const std::pair<int, int> next[] = {{0, 2}, {1, 2}, {2, 4}, {4, 6}, {5, 6}, {6, 8}, {9, 10}};
    for (auto [x, expected] : next)
        EXPECT_EQ(stops.NextStop(x), expected) << "after column " << x;
    const std::pair<int, int> prev[] = {{0, 0}, {2, 0}, {3, 2}, {4, 2}, {5, 4}, {7, 6}, {8, 6}};
    for (auto [x, expected] : prev)
        EXPECT_EQ(stops.PrevStop(x), expected) << "before column " << x;
    EXPECT_EQ(stops.TabWidth(), 2);
}

TEST(Typing, TabInsertsBlanksToTheNextStop)
{
    TVlEditorModel model;
    const std::pair<int, int> cases[] = {{0, 2}, {2, 2}, {5, 1}};
    for (auto [column, blanks] : cases) {
        model.SetText("abcdefgh");
        model.SetCaret({column, 0});
        model.ExecuteCommand(ecTab);
        EXPECT_EQ(model.Line(0).size(), 8 + blanks) << "tab at column " << column;
        EXPECT_EQ(model.Caret().X, column + blanks);
    }
}

TEST(Typing, SmartTabGoesToWordStartsOfTheLineAbove)
{
    TVlEditorModel model;
    model.Options().SmartTab = true;
    model.SetText("begin     x := 1;\nnext");
    model.SetCaret({0, 1});
    model.ExecuteCommand(ecTab);
    EXPECT_EQ(model.Caret().X, 10);
    model.ExecuteCommand(ecTab);
    EXPECT_EQ(model.Caret().X, 12);
    model.SetCaret({20, 1});
    model.ExecuteCommand(ecTab); // past the last word: the tab stops
    EXPECT_EQ(model.Caret().X, 22);
}

TEST(Typing, TabCharacterInPastedTextBecomesTwoBlanks)
{
    TVlEditorModel model;
    model.SetText("");
    model.SetSelText("a\tb");
    EXPECT_EQ(model.Line(0), "a  b");
}

TEST(Typing, TypingBeyondTheEndPadsTheLine)
{
    TVlEditorModel model;
    model.SetText("ab");
    model.SetCaret({5, 0});
    model.TypeText("x");
    EXPECT_EQ(model.Line(0), "ab   x");
    EXPECT_EQ(model.Caret(), (TVlPos{6, 0}));
}

TEST(Typing, OverwriteReplacesTheCharacterAtTheCaret)
{
    TVlEditorModel model;
    model.SetText("abc");
    model.SetInsertMode(false);
    model.TypeText("X");
    model.SetCaret({3, 0});
    model.TypeText("Y");
    EXPECT_EQ(model.Line(0), "XbcY");
    model.Undo();
    EXPECT_EQ(model.Line(0), "Xbc");
    model.Undo();
    EXPECT_EQ(model.Line(0), "abc");
}

TEST(Typing, EnterAutoIndentsFromTheNearestNonBlankLine)
{
    TVlEditorModel model;
    model.SetText("    begin\n\nx");
    model.SetCaret({9, 0});
    model.ExecuteCommand(ecInsertPara);
    EXPECT_EQ(model.Caret(), (TVlPos{4, 1}));
    model.TypeText("y");
    EXPECT_EQ(model.Line(1), "    y");
    model.SetCaret({0, 3});
    model.ExecuteCommand(ecInsertPara); // at column 0 no blanks are added
    EXPECT_EQ(model.Line(3), "");
    EXPECT_EQ(model.Line(4), "x");
}

TEST(Typing, TrailingBlanksAreCutWhenALineIsStored)
{
    TVlEditorModel model;
    model.SetText("a   \nb");
    EXPECT_EQ(model.Line(0), "a");
    model.SetCaret({1, 1});
    model.TypeText(" ");
    EXPECT_EQ(model.Line(1), "b");
    model.TypeText("c");
    EXPECT_EQ(model.Line(1), "b c");
}

TEST(Typing, BackspaceUnindentsToThePreviousIndentationLevel)
{
    TVlEditorModel model;
    model.SetText("begin\n  if x then\n      y;");
    model.SetCaret({6, 2});
    model.ExecuteCommand(ecBackspace);
    EXPECT_EQ(model.Line(2), "  y;");
    EXPECT_EQ(model.Caret().X, 2);
    model.ExecuteCommand(ecBackspace);
    EXPECT_EQ(model.Line(2), "y;");
    model.ExecuteCommand(ecBackspace); // column 0 joins with the line above
    EXPECT_EQ(model.Line(1), "  if x theny;");
}

TEST(Typing, CursorBeyondEofLetsTheCaretGoBelowAndTypingAddsLines)
{
    TVlEditorModel model;
    model.SetText("a");
    model.ExecuteCommand(ecDown);
    EXPECT_EQ(model.Caret().Y, 0); // off: the caret stays on the last line
    model.Options().CursorBeyondEOF = true;
    model.ExecuteCommand(ecDown);
    model.ExecuteCommand(ecDown);
    EXPECT_EQ(model.Caret(), (TVlPos{0, 2}));
    model.ExecuteCommand(ecRight);
    model.TypeText("x");
    EXPECT_EQ(model.Text(), "a\r\n\r\n x\r\n");
    model.Undo();
    EXPECT_EQ(model.Text(), "a\r\n");
}

TEST(Typing, ReadOnlyIgnoresTypingAndEnterMovesDown)
{
    TVlEditorModel model;
    model.SetText("a\nb");
    model.SetReadOnly(true);
    model.TypeText("x");
    model.ExecuteCommand(ecBackspace);
    EXPECT_EQ(model.Text(), "a\r\nb\r\n");
    model.ExecuteCommand(ecInsertPara);
    EXPECT_EQ(model.Caret(), (TVlPos{0, 1}));
}

TEST(Undo, TypedRunIsOneStepAndACaretJumpStartsAnother)
{
    TVlEditorModel model;
    model.SetText("");
    model.TypeText("a");
    model.TypeText("b");
    model.TypeText("c");
    model.SetCaret({0, 0});
    model.TypeText("x");
    EXPECT_EQ(model.Line(0), "xabc");
    model.Undo();
    EXPECT_EQ(model.Line(0), "abc");
    model.Undo();
    EXPECT_EQ(model.Line(0), "");
    EXPECT_FALSE(model.CanUndo());
    model.Redo();
    EXPECT_EQ(model.Line(0), "abc");
    EXPECT_EQ(model.Caret(), (TVlPos{3, 0}));
}

TEST(Undo, WithoutGroupUndoEachCharacterIsAStep)
{
    TVlEditorModel model;
    model.Options().GroupUndo = false;
    model.TypeText("a");
    model.TypeText("b");
    model.Undo();
    EXPECT_EQ(model.Line(0), "a");
}

TEST(Undo, ANewEditDropsTheRedoList)
{
    TVlEditorModel model;
    model.TypeText("a");
    model.Undo();
    EXPECT_TRUE(model.CanRedo());
    model.TypeText("b");
    EXPECT_FALSE(model.CanRedo());
}

TEST(Undo, CompoundGroupIsOneStep)
{
    TVlEditorModel model;
    model.SetText("one\ntwo");
    model.BeginCompound();
    model.SetCaret({0, 0});
    model.TypeText("1");
    model.SetCaret({0, 1});
    model.ExecuteCommand(ecDeleteLine);
    model.EndCompound();
    EXPECT_EQ(model.Text(), "1one\r\n");
    model.Undo();
    EXPECT_EQ(model.Text(), "one\r\ntwo\r\n");
}

TEST(Undo, TypingTrailingBlankThenWordUndoesBackToStart)
{
    TVlEditorModel model;
    model.SetText("");
    for (QChar c : QStringLiteral("ab cd"))
        model.TypeText(c);
    EXPECT_EQ(model.Line(0), "ab cd");
    while (model.CanUndo())
        model.Undo();
    EXPECT_EQ(model.Line(0), "");
    while (model.CanRedo())
        model.Redo();
    EXPECT_EQ(model.Line(0), "ab cd");
}

TEST(Commands, DeleteWordAndDeleteWordLeftAreSingleSteps)
{
    TVlEditorModel model;
    model.SetText("alpha beta gamma");
    model.SetCaret({6, 0});
    model.ExecuteCommand(ecDeleteWord);
    EXPECT_EQ(model.Line(0), "alpha gamma");
    model.SetCaret({11, 0});
    model.ExecuteCommand(ecDeleteWordLeft);
    EXPECT_EQ(model.Line(0), "alpha"); // the trailing blank is cut
    model.Undo();
    model.Undo();
    EXPECT_EQ(model.Line(0), "alpha beta gamma");
}

TEST(Commands, IndentAndUnindentSelectedLines)
{
    TVlEditorModel model;
    model.SetText("a\nb\nc");
    model.SetSelection({0, 0}, {0, 2}); // ends at column 0: line 2 is left out
    model.ExecuteCommand(ecIndent);
    EXPECT_EQ(model.Text(), "  a\r\n  b\r\nc\r\n");
    model.ExecuteCommand(ecUnindent);
    EXPECT_EQ(model.Text(), "a\r\nb\r\nc\r\n");
}

TEST(Commands, ColumnSelectionCopiesAndDeletesARectangle)
{
    TVlEditorModel model;
    model.SetText("abcd\nefgh\nijkl");
    model.SetCaret({1, 0});
    model.ExecuteCommand(ecColumnSelRight);
    model.ExecuteCommand(ecColumnSelRight);
    model.ExecuteCommand(ecColumnSelDown);
    EXPECT_EQ(model.SelText(), "bc\r\nfg");
    model.ExecuteCommand(ecDeleteSelected);
    EXPECT_EQ(model.Text(), "ad\r\neh\r\nijkl\r\n");
}

TEST(Commands, LineSelectionModeSelectsWholeLines)
{
    TVlEditorModel model;
    model.SetText("one\ntwo\nthree");
    model.SetCaret({1, 0});
    model.ExecuteCommand(ecLineSelect);
    model.ExecuteCommand(ecSelDown);
    EXPECT_EQ(model.SelText(), "one\r\ntwo\r\n");
    model.ExecuteCommand(ecDeleteSelected);
    EXPECT_EQ(model.Text(), "three\r\n");
}

TEST(Commands, CaseChanges)
{
    TVlEditorModel model;
    model.SetText("Hello");
    model.SelectAll();
    model.ExecuteCommand(ecToUpperCase);
    EXPECT_EQ(model.Line(0), "HELLO");
    model.ExecuteCommand(ecChangeCase);
    EXPECT_EQ(model.Line(0), "hello");
    EXPECT_EQ(model.SelText(), "hello");
}

TEST(Bookmarks, SettingTwiceOnTheSameLineClears)
{
    TVlEditorModel model;
    model.SetText("a\nb\nc");
    model.SetCaret({1, 1});
    model.ExecuteCommand(ecSetBookmark0 + 3);
    EXPECT_TRUE(model.Bookmark(3).Valid);
    model.SetCaret({0, 2});
    model.ExecuteCommand(ecGotoBookmark0 + 3);
    EXPECT_EQ(model.Caret(), (TVlPos{1, 1}));
    model.ExecuteCommand(ecSetBookmark0 + 3);
    EXPECT_FALSE(model.Bookmark(3).Valid);
}

TEST(Macro, RecordedCommandsPlayBack)
{
    TVlEditorModel model;
    model.SetText("a\nb\nc");
    model.ExecuteCommand(ecRecordMacro);
    EXPECT_TRUE(model.Recording());
    model.ExecuteCommand(ecEndLine);
    model.TypeText(";");
    model.ExecuteCommand(ecDown);
    model.ExecuteCommand(ecRecordMacro);
    EXPECT_FALSE(model.Recording());
    model.ExecuteCommand(ecPlayMacro);
    model.ExecuteCommand(ecPlayMacro);
    EXPECT_EQ(model.Text(), "a;\r\nb;\r\nc;\r\n");
}

TEST(Offsets, SelStartCountsCrLfPerLine)
{
    TVlEditorModel model;
    model.SetText("ab\ncd");
    EXPECT_EQ(model.PosToOffset({1, 1}), 5);
    EXPECT_EQ(model.OffsetToPos(5), (TVlPos{1, 1}));
    EXPECT_EQ(model.OffsetToPos(3), (TVlPos{2, 0}));
    EXPECT_EQ(model.OffsetToPos(100), (TVlPos{2, 1}));
}

TEST(Lines, InsertPutDeleteAreUndoable)
{
    TVlEditorModel model;
    model.SetText("a\nc");
    model.InsertLine(1, "b");
    model.PutLine(0, "A");
    model.DeleteLine(2);
    EXPECT_EQ(model.Text(), "A\r\nb\r\n");
    model.Undo();
    model.Undo();
    model.Undo();
    EXPECT_EQ(model.Text(), "a\r\nc\r\n");
}
} // namespace

namespace {
TEST(CaseCommands, AColumnBlockChangesOnlyItsColumns)
{
    TVlEditorModel model;
    model.SetText("abcd\nefgh\nijkl");
    model.SetSelectionMode(TVlSelectionMode::Column);
    model.SetSelection({1, 0}, {3, 2});
    model.ExecuteCommand(ecToUpperCase);
    EXPECT_EQ(model.Text(), "aBCd\r\neFGh\r\niJKl\r\n");
    EXPECT_EQ(model.SelectionMode(), TVlSelectionMode::Column);
    EXPECT_EQ(model.SelText(), "BC\r\nFG\r\nJK");
    model.ExecuteCommand(ecChangeCase);
    EXPECT_EQ(model.Text(), "abcd\r\nefgh\r\nijkl\r\n");
    model.Undo();
    EXPECT_EQ(model.Text(), "aBCd\r\neFGh\r\niJKl\r\n");
}

TEST(CaseCommands, LineModeNeverReordersLines)
{
    TVlEditorModel model;
    model.SetText("one\ntwo\nthree");
    model.SetCaret({1, 2});
    model.ExecuteCommand(ecLineSelect);
    model.ExecuteCommand(ecSelUp); // the last two lines, the caret above the anchor
    model.ExecuteCommand(ecToUpperCase);
    EXPECT_EQ(model.Text(), "one\r\nTWO\r\nTHREE\r\n");
    model.ExecuteCommand(ecToLowerCase);
    EXPECT_EQ(model.Text(), "one\r\ntwo\r\nthree\r\n");
    model.Undo();
    EXPECT_EQ(model.Text(), "one\r\nTWO\r\nTHREE\r\n");
}

TEST(CaseCommands, NormalAndInclusiveSelectionsChangeTheirCharactersInPlace)
{
    TVlEditorModel model;
    model.SetText("Hello\nWorld");
    model.SetSelection({2, 0}, {3, 1});
    model.ExecuteCommand(ecToUpperCase);
    EXPECT_EQ(model.Text(), "HeLLO\r\nWORld\r\n");
    EXPECT_EQ(model.Anchor(), (TVlPos{2, 0}));
    EXPECT_EQ(model.Caret(), (TVlPos{3, 1}));
    model.SetSelectionMode(TVlSelectionMode::Inclusive);
    model.SetSelection({0, 1}, {3, 1});
    model.ExecuteCommand(ecToLowerCase);
    EXPECT_EQ(model.Line(1), "world");
}

TEST(Undo, NeverMergesTwoLines)
{
    TVlEditorModel model;
    model.SetText("first");
    model.ExecuteCommand(ecDeleteLine); // the only line: the list is empty
    EXPECT_EQ(model.LineCount(), 0);
    model.AppendLine("appended");
    model.Undo();
    EXPECT_EQ(model.Text(), "first\r\nappended\r\n");
    model.Redo();
    EXPECT_EQ(model.Text(), "appended\r\n");
    model.Undo();
    EXPECT_EQ(model.Text(), "first\r\nappended\r\n");

    // Likewise for the first line that typing creates in an empty list.
    model.SetText("");
    model.TypeText("x");
    model.AppendLine("later");
    model.Undo();
    EXPECT_EQ(model.Text(), "later\r\n");
    model.Redo();
    EXPECT_EQ(model.Text(), "x\r\nlater\r\n");
}

TEST(Typing, AutoIndentGivesTheIndentOfTheLineAboveWhateverTheCaretColumn)
{
    TVlEditorModel model;
    model.SetText("    begin\n\nend");
    model.SetCaret({1, 1}); // a blank line, the caret left of the indentation
    model.ExecuteCommand(ecInsertPara);
    EXPECT_EQ(model.Caret(), (TVlPos{4, 2}));
    model.TypeText("x");
    EXPECT_EQ(model.Line(2), "    x");

    // Blanks that move down with the rest of the line count towards the indentation.
    model.SetText("    a  b");
    model.SetCaret({5, 0});
    model.ExecuteCommand(ecInsertPara);
    EXPECT_EQ(model.Line(1), "    b");
    model.SetText("    x");
    model.SetCaret({2, 0});
    model.ExecuteCommand(ecInsertPara);
    EXPECT_EQ(model.Text(), "\r\n    x\r\n");
}
} // namespace
