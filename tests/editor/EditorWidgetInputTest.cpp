// The editor widget where input used to go wrong: two-key commands that outlived a click or a focus
// change, lines past the coloured cells, fonts whose style lost the keyword bold, and the
// completion list's texts running into each other or staying on screen.
#include "editor/VlCompletion.h"
#include "editor/VlHLEditor.h"

#include <QApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct TEditorInWindow
{
    QWidget Window;
    TVlHLEditor *Editor = new TVlHLEditor(&Window);
    QLineEdit *Other = new QLineEdit(&Window);
    TEditorInWindow()
    {
        Window.resize(600, 320);
        Editor->setGeometry(0, 0, 600, 280);
        Other->setGeometry(0, 290, 200, 24);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Editor->setFocus();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Editor, key, modifiers); }
    void Type(const QString &text)
    {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, Editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
};

TEST(EditorInput, ATwoKeyCommandIsCancelledByAClickAFocusChangeOrEsc)
{
    TEditorInWindow w;
    w.Editor->SetText("ab");
    // Ctrl+K, then a click: the O that follows is typed, not Ctrl+K O (upper case).
    w.Key(Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(w.Editor->KeySequencePending());
    QTest::mouseClick(w.Editor->viewport(), Qt::LeftButton, {}, w.Editor->CellRect({2, 0}).center());
    EXPECT_FALSE(w.Editor->KeySequencePending());
    w.Type("o");
    EXPECT_EQ(w.Editor->Line(0), "abo");

    // Ctrl+O, then the focus goes away and comes back.
    w.Key(Qt::Key_O, Qt::ControlModifier);
    w.Other->setFocus();
    w.Editor->setFocus();
    EXPECT_FALSE(w.Editor->KeySequencePending());
    w.Type("u");
    EXPECT_EQ(w.Editor->Line(0), "abou");

    // Ctrl+Q, then Esc.
    w.Key(Qt::Key_Q, Qt::ControlModifier);
    w.Key(Qt::Key_Escape);
    EXPECT_FALSE(w.Editor->KeySequencePending());
    w.Type("c");
    EXPECT_EQ(w.Editor->Line(0), "abouc");
}

TEST(EditorInput, ALinefeedKeyBreaksTheLineAsEnterDoes)
{
    TEditorInWindow w;
    w.Editor->SetText("begin end.");
    w.Key(Qt::Key_Home);
    w.Type("x");
    QTest::sendKeyEvent(QTest::Click, w.Editor, Qt::Key('\n'), QStringLiteral("\n"), Qt::NoModifier);
    w.Type("y");
    EXPECT_EQ(w.Editor->LineCount(), 2);
    EXPECT_EQ(w.Editor->Line(0), "x");
    EXPECT_EQ(w.Editor->Line(1), "ybegin end.");
}

TEST(EditorInput, LinesLongerThanTheColouredCellsCanBeReachedAndEdited)
{
    TEditorInWindow w;
    w.Editor->SetText(QString(2000, QLatin1Char('a')));
    w.Key(Qt::Key_End);
    EXPECT_EQ(w.Editor->CaretX(), 2000);
    const QRect caret = w.Editor->CellRect(w.Editor->Model().Caret());
    EXPECT_GE(caret.left(), w.Editor->GutterWidth());
    EXPECT_LE(caret.right(), w.Editor->viewport()->width());
    w.Type("z");
    EXPECT_EQ(w.Editor->Line(0).size(), 2001);
    EXPECT_TRUE(w.Editor->Line(0).endsWith("az"));
    EXPECT_LE(w.Editor->CellRect(w.Editor->Model().Caret()).right(), w.Editor->viewport()->width());
    // Going right beyond the end keeps the caret in view too.
    for (int i = 0; i < 40; ++i)
        w.Key(Qt::Key_Right);
    EXPECT_EQ(w.Editor->CaretX(), 2041);
    EXPECT_LE(w.Editor->CellRect(w.Editor->Model().Caret()).right(), w.Editor->viewport()->width());
}

// The dark pixels of a word drawn in `font`, and the picture itself.
QImage Drawn(const QFont &font)
{
    QImage image(160, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(5, 30, "begin");
    return image;
}

int Ink(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

TEST(EditorInput, AFontWithAStyleNameKeepsKeywordsBoldAndItsOwnStyle)
{
    TVlHLEditor editor;
    // A font dialog names the style it offers ("Book", "Oblique" ...); such a name wins over any
    // weight asked for later unless the editor drops it.
    QFont chosen("DejaVu Sans Mono", 11);
    chosen.setStyleName("Book");
    editor.SetEditorFont(chosen);
    EXPECT_GT(Ink(Drawn(editor.StyledFont(VlFontStyle(fsBold)))), Ink(Drawn(editor.StyledFont(0))) * 11 / 10);

    QFont oblique("DejaVu Sans Mono", 11);
    oblique.setStyleName("Oblique");
    oblique.setItalic(true);
    editor.SetEditorFont(oblique);
    const QImage upright = Drawn(QFont("DejaVu Sans Mono", 11));
    EXPECT_NE(Drawn(editor.StyledFont(0)), upright) << "the chosen slant is kept";
    EXPECT_GT(Ink(Drawn(editor.StyledFont(VlFontStyle(fsBold)))), Ink(Drawn(editor.StyledFont(0))) * 11 / 10);
    EXPECT_TRUE(editor.StyledFont(VlFontStyle(fsBold)).italic());
}

TEST(EditorInput, TheCompletionListsDescriptionsNeverRunIntoTheNames)
{
    TEditorInWindow w;
    w.Type("cla");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    TVlEditorCompletionList &list = w.Editor->Completion().List();
    ASSERT_TRUE(w.Editor->Completion().Showing());
    ASSERT_EQ(list.Count(), 3);
    const QImage image = list.grab().toImage();
    // The third row is "class declaration (with Create/Destroy overrides)" and "classc": a strip
    // of background must stand before the bold name.
    QFont bold = list.font();
    bold.setBold(true);
    const int nameLeft = list.width() - 1 - 6 - QFontMetrics(bold).horizontalAdvance("classc");
    const int rowTop = 1 + 2 * 16;
    const QColor background = image.pixelColor(list.width() / 2, rowTop + 15);
    int ink = 0;
    for (int x = nameLeft - 4; x < nameLeft; ++x)
        for (int y = rowTop; y < rowTop + 16; ++y)
            ink += image.pixelColor(x, y) != background ? 1 : 0;
    EXPECT_EQ(ink, 0);
}

TEST(EditorInput, TheCompletionListGoesWhenTheWindowMoves)
{
    TEditorInWindow w;
    w.Type("cla");
    w.Key(Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(w.Editor->Completion().Showing());
    // The move as the window hears of it (moving a window offscreen also takes the focus away,
    // which would close the list for another reason).
    QMoveEvent moved(w.Window.pos() + QPoint(40, 30), w.Window.pos());
    QApplication::sendEvent(&w.Window, &moved);
    EXPECT_FALSE(w.Editor->Completion().Showing());
    EXPECT_TRUE(w.Editor->hasFocus());
    EXPECT_EQ(w.Editor->Line(0), "cla");
}
} // namespace
