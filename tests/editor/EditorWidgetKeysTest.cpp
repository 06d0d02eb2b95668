// The editor widget driven by real key presses offscreen: typing, key map, completion, picture.
#include "editor/VlCompletion.h"
#include "editor/VlHLEditor.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct TShownEditor
{
    TVlHLEditor Editor;
    TShownEditor()
    {
        Editor.resize(500, 300);
        Editor.show();
        QApplication::setActiveWindow(&Editor);
        Editor.setFocus();
    }
    void Type(const QString &text)
    {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, &Editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Editor, key, modifiers);
    }
};

TEST(EditorKeys, TypingLatinAndCyrillicWithStatus)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Editor.SetModified(false);
    EXPECT_EQ(w.Editor.StatusTexts()[0], "1:1");
    w.Type("begin");
    w.Key(Qt::Key_Return);
    w.Type("  Привет;");
    EXPECT_EQ(w.Editor.Text(), "begin\r\n  Привет;\r\n");
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(10, 2));
    EXPECT_EQ(w.Editor.StatusTexts()[0], "2:10");
    EXPECT_EQ(w.Editor.StatusTexts()[1], "Изменен");
    w.Key(Qt::Key_Insert);
    EXPECT_EQ(w.Editor.StatusTexts()[2], "Перезапись");
}

TEST(EditorKeys, ArrowsHomeEndAndShiftSelection)
{
    TShownEditor w;
    w.Editor.SetText("alpha beta\ngamma");
    w.Key(Qt::Key_End);
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(11, 1));
    w.Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(7, 1));
    w.Key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(w.Editor.SelText(), "beta");
    w.Key(Qt::Key_Down);
    w.Key(Qt::Key_Home);
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(1, 2));
    w.Key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.Editor.SelText(), "gamma");
}

TEST(EditorKeys, TabAndShiftTabUseTheTabStops)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Key(Qt::Key_Tab);
    w.Type("x");
    EXPECT_EQ(w.Editor.Line(0), "  x");
    w.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(3, 1));
}

TEST(EditorKeys, TwoKeySequencesWithAndWithoutCtrl)
{
    TShownEditor w;
    w.Editor.SetText("one two\nthree");
    w.Editor.SetCaret(5, 0);
    w.Key(Qt::Key_K, Qt::ControlModifier);
    w.Key(Qt::Key_T);
    EXPECT_EQ(w.Editor.SelText(), "two");
    w.Key(Qt::Key_K, Qt::ControlModifier);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.Line(0), "one TWO");
    w.Key(Qt::Key_Q, Qt::ControlModifier);
    w.Key(Qt::Key_C);
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(6, 2));
    // an unknown second key ends the sequence without typing
    w.Key(Qt::Key_Q, Qt::ControlModifier);
    w.Key(Qt::Key_Z);
    EXPECT_EQ(w.Editor.Line(1), "three");
}

TEST(EditorKeys, UndoKeyAndDeleteLine)
{
    TShownEditor w;
    w.Editor.SetText("a\nb");
    w.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.Text(), "b\r\n");
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.Text(), "a\r\nb\r\n");
    w.Key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_FALSE(w.Editor.CanUndo());
}

TEST(EditorKeys, BookmarkKeysSetAndGo)
{
    TShownEditor w;
    w.Editor.SetText("a\nb\nc");
    w.Editor.SetCaret(0, 2);
    w.Key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(w.Editor.Model().Bookmark(3).Valid);
    w.Editor.SetCaret(0, 0);
    w.Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.CaretY(), 2);
}

TEST(EditorKeys, ReadOnlyEditorIgnoresTyping)
{
    TShownEditor w;
    w.Editor.SetText("x");
    w.Editor.SetReadOnly(true);
    w.Type("abc");
    w.Key(Qt::Key_Delete);
    EXPECT_EQ(w.Editor.Text(), "x\r\n");
    EXPECT_EQ(w.Editor.StatusTexts()[2], "Только чтение");
}

TEST(EditorCompletion, CompleteNameInsertsAtOnceAndOneUndoRestores)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Type("    CASES");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(w.Editor.Completion().Showing());
    EXPECT_EQ(w.Editor.Line(0), "    case  of");
    EXPECT_EQ(w.Editor.Line(1), "      : ;");
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(10, 1));
    w.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Editor.Text(), "    CASES\r\n");
}

TEST(EditorCompletion, ListFiltersFollowsTypingAndEnterInserts)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Type("cla");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    TVlCompletion &c = w.Editor.Completion();
    ASSERT_TRUE(c.Showing());
    EXPECT_EQ(c.List().Count(), 3);
    EXPECT_EQ(c.List().ItemIndex(), 0);
    EXPECT_EQ(c.List().width(), 300);
    w.Type("ssd");
    EXPECT_EQ(c.List().ItemIndex(), 1);
    w.Key(Qt::Key_Return);
    EXPECT_FALSE(c.Showing());
    EXPECT_EQ(w.Editor.Text(), "T = class(T)\r\n\r\nend;\r\n\r\n");
    EXPECT_EQ(w.Editor.CaretXY(), QPoint(2, 1));
}

TEST(EditorCompletion, NoMatchSelectsNothingAndEnterOnlyCloses)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Type("Foo");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    TVlCompletion &c = w.Editor.Completion();
    ASSERT_TRUE(c.Showing());
    EXPECT_EQ(c.List().Count(), 9);
    EXPECT_EQ(c.List().ItemIndex(), -1);
    w.Key(Qt::Key_Return);
    EXPECT_FALSE(c.Showing());
    EXPECT_EQ(w.Editor.Text(), "Foo\r\n");
}

TEST(EditorCompletion, OtherCharacterInsertsThenTypes)
{
    TShownEditor w;
    w.Editor.SetText("");
    w.Type("arrayd");
    w.Key(Qt::Key_J, Qt::ControlModifier); // complete: inserted at once
    EXPECT_EQ(w.Editor.Line(0), "array[0..] of ;");
    w.Editor.SetText("");
    w.Type("ar");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(w.Editor.Completion().Showing());
    w.Type(";");
    EXPECT_EQ(w.Editor.Line(0), "array[0..;] of ;");
}

TEST(EditorCompletion, ReadOnlyDoesNothing)
{
    TShownEditor w;
    w.Editor.SetText("cases");
    w.Editor.SetCaret(5, 0);
    w.Editor.SetReadOnly(true);
    w.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(w.Editor.Completion().Showing());
    EXPECT_EQ(w.Editor.Text(), "cases\r\n");
}

TEST(EditorPicture, HighlightedSampleRendersWithColours)
{
    TShownEditor w;
    w.Editor.resize(560, 260);
    w.Editor.SetText("{ Sample unit }\n"
                     "program Demo;\n"
                     "{$APPTYPE CONSOLE}\n"
                     "var\n"
                     "  I: Integer; // counter\n"
                     "begin\n"
                     "  for I := 1 to $FF do\n"
                     "    Writeln('It''s ', I * 1.5, #13);\n"
                     "  (* long\n"
                     "     comment *)\n"
                     "end.");
    w.Editor.SetCaret(2, 5); // on "begin": its "end." is framed
    w.Editor.Model().SetBookmark(1);
    w.Editor.SetSelStart(w.Editor.Model().PosToOffset({12, 4}));
    w.Editor.SetSelLength(10);
    const QImage image = w.Editor.grab().toImage();
    const QString path = QDir::tempPath() + "/veltrano-editor-sample.png";
    ASSERT_TRUE(image.save(path));
    // The directive line is drawn in green somewhere.
    const QRect cell = w.Editor.CellRect({2, 2});
    bool green = false;
    for (int x = cell.left(); x < cell.left() + 8 * w.Editor.CharWidth(); ++x)
        for (int y = cell.top(); y < cell.bottom(); ++y) {
            const QColor c = image.pixelColor(x + w.Editor.viewport()->x(), y + w.Editor.viewport()->y());
            green |= c.green() > 90 && c.red() < 60 && c.blue() < 60;
        }
    EXPECT_TRUE(green);
}
} // namespace
