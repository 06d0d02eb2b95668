// The widget API the main window uses: text, selection offsets, caret, undo, status.
#include "editor/VlHLEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(EditorWidgetApi, TextRoundTripEndsEveryLineWithCrLf)
{
    TVlHLEditor editor;
    editor.SetText("program P;\nbegin\nend.");
    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(editor.Line(1), "begin");
    EXPECT_EQ(editor.Text(), "program P;\r\nbegin\r\nend.\r\n");
    editor.SetText("");
    EXPECT_EQ(editor.LineCount(), 0);
    EXPECT_EQ(editor.Text(), "");
}

TEST(EditorWidgetApi, AppendLineKeepsCaretAndWritesNoUndo)
{
    TVlHLEditor editor;
    editor.SetText("a");
    editor.SetCaretXY({2, 1});
    editor.AppendLine("b");
    editor.AppendLine("c");
    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(editor.CaretXY(), QPoint(2, 1));
    EXPECT_FALSE(editor.CanUndo());
}

TEST(EditorWidgetApi, SetSelTextReplacesSelectionAsOneUndoStepAndSelectsIt)
{
    TVlHLEditor editor;
    editor.SetText("hello world");
    editor.SetSelStart(6);
    editor.SetSelLength(5);
    EXPECT_EQ(editor.SelText(), "world");
    editor.SetSelText("there\nfriend");
    EXPECT_EQ(editor.Text(), "hello there\r\nfriend\r\n");
    EXPECT_TRUE(editor.SelAvail());
    EXPECT_EQ(editor.SelText(), "there\r\nfriend");
    EXPECT_EQ(editor.SelStart(), 6);
    EXPECT_EQ(editor.SelLength(), 13);
    EXPECT_EQ(editor.CaretXY(), QPoint(7, 2));
    editor.Undo();
    EXPECT_EQ(editor.Text(), "hello world\r\n");
    EXPECT_EQ(editor.SelText(), "world");
    editor.Redo();
    EXPECT_EQ(editor.Text(), "hello there\r\nfriend\r\n");
}

TEST(EditorWidgetApi, ClipboardCutCopyPaste)
{
    TVlHLEditor editor;
    editor.SetText("one two");
    editor.SetSelStart(0);
    editor.SetSelLength(4);
    editor.CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), "one ");
    editor.CutToClipboard();
    EXPECT_EQ(editor.Text(), "two\r\n");
    editor.SetCaretXY({4, 1});
    editor.PasteFromClipboard();
    EXPECT_EQ(editor.Text(), "twoone\r\n"); // the pasted trailing blank is cut when stored
}

TEST(EditorWidgetApi, StatusTextsFollowCaretModifiedAndModes)
{
    TVlHLEditor editor;
    QSignalSpy status(&editor, &TVlHLEditor::ChangeStatus);
    auto texts = editor.StatusTexts();
    EXPECT_EQ(texts[0], "1:1");
    editor.SetText("abc");
    editor.SetModified(false);
    EXPECT_EQ(editor.StatusTexts()[1], "");
    editor.ExecuteCommand(ecChar, "x");
    texts = editor.StatusTexts();
    EXPECT_EQ(texts[0], "1:2");
    EXPECT_EQ(texts[1], "Изменен");
    EXPECT_EQ(texts[2], "Вставка");
    editor.ExecuteCommand(ecChangeInsertMode);
    EXPECT_EQ(editor.StatusTexts()[2], "Перезапись");
    editor.ExecuteCommand(ecRecordMacro);
    EXPECT_EQ(editor.StatusTexts()[2], "Запись");
    editor.SetReadOnly(true);
    EXPECT_EQ(editor.StatusTexts()[2], "Только чтение");
    EXPECT_GT(status.count(), 3);
}
