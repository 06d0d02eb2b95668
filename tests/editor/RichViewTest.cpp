// The rich-text view: keyword refresh on known texts, live marking while typing, the margin.
#include "VlRichView.h"
#include "VlRtfDocument.h"
#include "VlWordListLibrary.h"

#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

// The text with each bold character wrapped in "*": "*if* x *then*".
QString BoldMarkup(const TVlRichView &view)
{
    QString out;
    bool inBold = false;
    const QString text = view.toPlainText();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') { // a paragraph break has no character format of its own
            out += inBold ? "*\n" : "\n";
            inBold = false;
            continue;
        }
        QTextCursor cursor(view.document());
        cursor.setPosition(i + 1); // the format of the character before position i + 1
        const bool bold = cursor.charFormat().fontWeight() >= QFont::Bold;
        if (bold != inBold)
            out += '*';
        inBold = bold;
        out += text[i];
    }
    return inBold ? out + '*' : out;
}

struct TRefreshCase {
    const char *name;
    const char *text;
    const char *markup;
};

const TRefreshCase RefreshCases[] = {
    {"KeywordsAroundPlainWord", "if x then", "*if* x *then*"},
    {"SemicolonSticksToBegin", "begin; end;", "begin; *end;*"},
    {"TabDoesNotSeparate", "do\tbegin", "do\tbegin"},
    {"EveryLine", "var\nbegin\n  while x do\nend.", "*var*\n*begin*\n  *while* x *do*\n*end.*"},
    {"CaseIgnored", "BEGIN End", "*BEGIN* *End*"},
    {"CyrillicKeepsPositions", "ёж if жук then", "ёж *if* жук *then*"},
    {"DoubleBlanks", "  for  to ", "  *for*  *to* "},
    {"EmptyText", "", ""},
};

class RichViewRefreshTest : public testing::TestWithParam<TRefreshCase> {};

TEST_P(RichViewRefreshTest, MarksExactlyTheKeywords)
{
    TVlRichView view;
    view.setPlainText(QString::fromUtf8(GetParam().text));
    view.RefreshKeywords();
    EXPECT_EQ(BoldMarkup(view), QString::fromUtf8(GetParam().markup));
    EXPECT_EQ(view.textCursor().position(), view.toPlainText().size());
}

INSTANTIATE_TEST_SUITE_P(Table, RichViewRefreshTest, testing::ValuesIn(RefreshCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RichViewTest, BoldStaysWhenAWordStopsBeingKeyword)
{
    TVlRichView view;
    view.setPlainText("var x");
    view.RefreshKeywords();
    QTextCursor cursor(view.document());
    cursor.setPosition(3);
    cursor.insertText("y"); // "vary x": bold is never removed by the refresh
    view.RefreshKeywords();
    EXPECT_TRUE(BoldMarkup(view).startsWith("*var"));
}

TEST(RichViewTest, RefreshKeepsFocusWhenHidden)
{
    QWidget window;
    auto *other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto *view = new TVlRichView(&window);
    window.show();
    other->setFocus();
    view->hide();
    view->setPlainText("begin end");
    view->RefreshKeywords();
    EXPECT_FALSE(view->hasFocus());
    EXPECT_EQ(BoldMarkup(*view), "*begin* *end*");
}

void TypeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text) {
        if (ch == ' ')
            QTest::keyClick(widget, Qt::Key_Space);
        else if (ch == '\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

TEST(RichViewTest, TypingMarksKeywordsLive)
{
    TVlRichView view;
    view.show();
    TypeText(&view, "var vary ");
    QString markup = BoldMarkup(view);
    EXPECT_TRUE(markup.startsWith("*var *vary ")) << markup.toStdString();
    TypeText(&view, "\nпока begin\n");
    markup = BoldMarkup(view);
    EXPECT_TRUE(markup.contains("пока *begin")) << markup.toStdString();
    // Further typing is plain.
    TypeText(&view, "x");
    EXPECT_TRUE(BoldMarkup(view).endsWith("x"));
    EXPECT_NE(view.currentCharFormat().fontWeight(), QFont::Bold);
}

TEST(RichViewTest, CtrlUReleasedRefreshes)
{
    TVlRichView view;
    view.show();
    view.setPlainText("if a then b");
    QTest::keyClick(&view, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(BoldMarkup(view), "*if* a *then* b");
}

TEST(RichViewTest, TrackBarSetsTheLeftMargin)
{
    QWidget window;
    auto *trackBar = new QSlider(Qt::Horizontal, &window);
    auto *view = new TVlRichView(&window);
    view->resize(300, 200);
    view->AttachTrackBar(trackBar);
    trackBar->setMaximum(500);
    trackBar->setValue(45);
    EXPECT_EQ(view->LeftMargin(), 45);
    EXPECT_EQ(trackBar->maximum(), 300);
}

TEST(RichViewTest, RichFileRoundTripKeepsBoldAndCyrillic)
{
    TVlRichView source;
    source.setPlainText("begin привет end");
    source.RefreshKeywords();
    const QByteArray rtf = source.SaveToBytes(TVlTextFormat::Rich);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    TVlRichView target;
    target.LoadFromBytes(rtf, TVlTextFormat::Rich);
    EXPECT_EQ(target.toPlainText(), "begin привет end");
    EXPECT_EQ(BoldMarkup(target), "*begin* привет *end*");
}

TEST(RichViewTest, PlainFilesUseCodePage1251AndCrLf)
{
    TVlRichView view;
    view.setPlainText("один\nдва");
    EXPECT_EQ(view.SaveToBytes(TVlTextFormat::Plain), QByteArray("\xee\xe4\xe8\xed\r\n\xe4\xe2\xe0"));
    view.LoadFromBytes("a\r\nb\rc\nd", TVlTextFormat::Plain);
    EXPECT_EQ(view.toPlainText(), "a\nb\nc\nd");
}

TEST(RichViewTest, SelectionOnlyAndEmptySelection)
{
    TVlRichView view;
    view.setPlainText("hello world");
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    EXPECT_EQ(view.SaveToBytes(TVlTextFormat::Plain, true), "world");
    cursor.clearSelection();
    view.setTextCursor(cursor);
    EXPECT_EQ(view.SaveToBytes(TVlTextFormat::Plain, true), "");
}

TEST(RichViewTest, FailedRichLoadKeepsTheContent)
{
    TVlRichView view;
    view.setPlainText("keep me");
    EXPECT_THROW(view.LoadFromBytes("not rtf", TVlTextFormat::Rich), EVlRtfError);
    EXPECT_EQ(view.toPlainText(), "keep me");
}

TEST(RichViewTest, ViewLooksAsDesigned)
{
    TVlRichView view;
    EXPECT_EQ(view.font().family(), "Cambria");
    EXPECT_EQ(view.font().pixelSize(), 13);
    EXPECT_EQ(view.palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(view.toolTip(), "Редактор кода");
    EXPECT_FALSE(view.tabChangesFocus());
}

TEST(RichViewTest, MissingLibraryKeepsBuiltInRoutines)
{
    TVlWordListLibrary library;
    std::string error;
    EXPECT_FALSE(library.Load("/nonexistent/libquillon.so", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_TRUE(library.CheckListDelphi("begin"));
    EXPECT_EQ(library.SearchFor("abc def", " ", 1), 4);
}

} // namespace
