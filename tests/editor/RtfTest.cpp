// RTF writer and reader: round trips with Cyrillic and styles, files of common word processors.
#include "VlRtfDocument.h"
#include "VlRtfTextDocument.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TVlRtfStyle Style(bool bold, bool italic, bool underline, std::optional<TVlRtfColor> color = {},
                  std::u16string font = u"", int halfPoints = 0)
{
    return {bold, italic, underline, color, font, halfPoints};
}

// Compares text and style run by run, after resolving the writer's defaults.
void ExpectSameRuns(const TVlRtfDocument &expected, const TVlRtfDocument &actual)
{
    EXPECT_EQ(expected.PlainText(), actual.PlainText());
    ASSERT_EQ(expected.Runs.size(), actual.Runs.size());
    for (std::size_t i = 0; i < expected.Runs.size(); ++i) {
        const TVlRtfStyle &e = expected.Runs[i].Style;
        const TVlRtfStyle &a = actual.Runs[i].Style;
        EXPECT_EQ(expected.Runs[i].Text, actual.Runs[i].Text) << "run " << i;
        EXPECT_EQ(e.Bold, a.Bold) << "run " << i;
        EXPECT_EQ(e.Italic, a.Italic) << "run " << i;
        EXPECT_EQ(e.Underline, a.Underline) << "run " << i;
        EXPECT_EQ(e.Color, a.Color) << "run " << i;
        if (!e.FontName.empty()) {
            EXPECT_EQ(e.FontName, a.FontName) << "run " << i;
        }
        if (e.HalfPoints) {
            EXPECT_EQ(e.HalfPoints, a.HalfPoints) << "run " << i;
        }
    }
}

TEST(RtfTest, RoundTripKeepsCyrillicAndStyles)
{
    TVlRtfDocument document;
    document.Append(u"Привет, ", Style(false, false, false, {}, u"Cambria", 20));
    document.Append(u"мир", Style(true, false, false, TVlRtfColor{0, 0, 128}, u"Cambria", 20));
    document.Append(u"!\nвторая {строка} \\ ", Style(false, true, true, {}, u"Courier New", 24));
    document.Append(u"€ 中\ttab", Style(false, false, false, TVlRtfColor{255, 0, 0}, u"Arial", 22));
    document.Append(u"\n\n", Style(false, false, false, {}, u"Arial", 22));
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("\\ansicpg1251"), std::string::npos);
    EXPECT_NE(rtf.find("\\u1055\\'cf"), std::string::npos) << rtf; // "П" with its code page byte
    EXPECT_EQ(rtf.find_first_of("\x80\xff"), std::string::npos) << "the file stays 7-bit";
    ExpectSameRuns(document, ReadRtf(rtf));
}

TEST(RtfTest, NotRichTextFailsToLoad)
{
    EXPECT_THROW((void)ReadRtf("plain text"), EVlRtfError);
    EXPECT_THROW((void)ReadRtf(""), EVlRtfError);
    try {
        (void)ReadRtf("{\\rt");
    } catch (const EVlRtfError &error) {
        EXPECT_STREQ(error.what(), "Failed to Load Stream");
    }
    EXPECT_TRUE(LooksLikeRtf("{\\RTF1 x}"));
}

struct TReadCase {
    const char *name;
    const char *rtf;
    std::u16string text;
    bool firstBold; // style of the first character of expected text "B..." runs
};

// Shapes of files written by common word processors.
const TReadCase ReadCases[] = {
    {"WordPadCyrillicBytes",
     "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fcharset204{\\*\\fname Arial;}"
     "Arial CYR;}}\r\n{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\f0\\fs20\\b \\'cf\\'f0\\'e8\\b0 "
     "\\'e2\\'e5\\'f2\\par\r\n}",
     u"Привет", true},
    {"LibreOfficeUnicode",
     "{\\rtf1\\ansi\\deff3\\adeflang1025{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}}"
     "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0\\snext0 Normal;}}{\\info{\\creatim\\yr2024}}"
     "{\\*\\pgdsctbl{\\pgdsc0\\pgdscuse451 Default;}}\\pard\\plain {\\b\\rtlch \\ltrch\\loch \\u1044\\'c4"
     "\\u1072\\'e0}{ ok}\\par }",
     u"Да ok", true},
    {"UnknownStarredGroupKeepsSurroundingText",
     "{\\rtf1{\\*\\unknowndest hidden {nested} text}A{\\*\\another}B\\par}", u"AB", false},
    {"FieldResultKept",
     "{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} here\\par}", u"See link here", false},
    {"UnicodeSkipCountTwo", "{\\rtf1\\uc2 a\\u1071 XXb}", u"aЯb", false},
    {"EscapedBracesAndSpecials", "{\\rtf1 \\{x\\}\\\\\\tab y\\emdash z\\~w}", u"{x}\\\ty—z\u00a0w", false},
    {"BinaryDataSkipped", "{\\rtf1 {\\pict\\bin4 }}}{}a}", u"a", false},
    {"MacStyleFontTable",
     "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;}\\f0\\fs24 \\b Hi"
     "\\b0  there}",
     u"Hi there", true},
    {"UnbalancedEndStillReads", "{\\rtf1 \\b bold {\\i open", u"bold open", true},
    {"LineBreakControlSymbol", "{\\rtf1 a\\\nb}", u"a\nb", false},
};

class RtfReadTest : public testing::TestWithParam<TReadCase> {};

TEST_P(RtfReadTest, KeepsTheText)
{
    const TReadCase &c = GetParam();
    const TVlRtfDocument document = ReadRtf(c.rtf);
    EXPECT_EQ(document.PlainText(), c.text);
    ASSERT_FALSE(document.Runs.empty());
    EXPECT_EQ(document.Runs.front().Style.Bold, c.firstBold);
}

INSTANTIATE_TEST_SUITE_P(Table, RtfReadTest, testing::ValuesIn(ReadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RtfTest, DeepNestingKeepsTextAndBalance)
{
    const std::string rtf = "{\\rtf1 " + std::string(100000, '{') + "\\b x" + std::string(100000, '}') + "y}";
    const TVlRtfDocument document = ReadRtf(rtf);
    EXPECT_EQ(document.PlainText(), u"xy");
    ASSERT_EQ(document.Runs.size(), 2u);
    EXPECT_TRUE(document.Runs[0].Style.Bold);
    EXPECT_FALSE(document.Runs[1].Style.Bold);
}

TEST(RtfTest, ReadsColoursFontsAndUnderline)
{
    const TVlRtfDocument document = ReadRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Courier New;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
        "\\f1\\cf2\\ul under\\ulnone\\cf0\\f0  plain \\cf1\\i red\\i0}");
    ASSERT_EQ(document.Runs.size(), 3u);
    EXPECT_EQ(document.Runs[0].Text, u"under");
    EXPECT_TRUE(document.Runs[0].Style.Underline);
    EXPECT_EQ(document.Runs[0].Style.FontName, u"Courier New");
    EXPECT_EQ(document.Runs[0].Style.Color, (TVlRtfColor{0, 0, 128}));
    EXPECT_EQ(document.Runs[1].Text, u" plain ");
    EXPECT_FALSE(document.Runs[1].Style.Color);
    EXPECT_EQ(document.Runs[1].Style.FontName, u"Arial");
    EXPECT_TRUE(document.Runs[2].Style.Italic);
    EXPECT_EQ(document.Runs[2].Style.Color, (TVlRtfColor{255, 0, 0}));
}

TEST(RtfTest, TextDocumentRoundTrip)
{
    QTextDocument source;
    source.setDefaultFont(QFont("Cambria", 10));
    QTextCursor cursor(&source);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText("begin ", bold);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    red.setFontItalic(true);
    cursor.insertText("ёлка\nвторая", red);

    QTextDocument target;
    target.setDefaultFont(QFont("Cambria", 10));
    QTextCursor insert(&target);
    InsertRtf(insert, ReadRtf(WriteRtf(RtfFromTextDocument(source))));
    EXPECT_EQ(target.toPlainText(), "begin ёлка\nвторая");
    EXPECT_EQ(target.blockCount(), 2);
    QTextCursor probe(&target);
    probe.setPosition(1);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    probe.setPosition(8);
    EXPECT_TRUE(probe.charFormat().fontItalic());
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(Qt::red));
    EXPECT_NE(probe.charFormat().fontWeight(), QFont::Bold);
}

TEST(RtfTest, SelectionOnlyTakesThatRange)
{
    QTextDocument source;
    QTextCursor(&source).insertText("first line\nsecond line");
    EXPECT_EQ(RtfFromTextDocument(source, 6, 17).PlainText(), u"line\nsecond");
    EXPECT_EQ(RtfFromTextDocument(source, 3, 3).PlainText(), u"");
}

} // namespace
