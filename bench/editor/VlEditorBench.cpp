// Times the editor on a generated 100,000-line Pascal file and QPlainTextEdit doing the same work.
#include "editor/VlBracketMatcher.h"
#include "editor/VlHLEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int LineCount = 100000;

QString GeneratePascal()
{
    QStringList lines;
    lines.reserve(LineCount + 16);
    lines << "program Big;" << "{$APPTYPE CONSOLE}" << "uses SysUtils;";
    int n = 0;
    while (lines.size() < LineCount - 2) {
        lines << QStringLiteral("{ Routine number %1 }").arg(n)
              << QStringLiteral("procedure Step%1(const S: string; var X: Integer);").arg(n)
              << "var" << "  I: Integer;"
              << "begin"
              << "  (* a comment that spans"
              << "     two lines *)"
              << QStringLiteral("  for I := 0 to %1 do").arg(n % 97)
              << "  begin"
              << QStringLiteral("    X := X + I * $%1; // accumulate").arg(n % 255, 2, 16, QLatin1Char('0'))
              << "    if X > 1000 then Writeln('It''s big: ', X, #13);"
              << "  end;"
              << "end;" << "";
        ++n;
    }
    lines << "begin" << "end.";
    return lines.join('\n');
}

double Ms(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

// Median of several runs, for the short operations.
double MedianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(Ms(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Print(const char *group, const char *name, double ms)
{
    std::printf("bench %s.%s: %.3f ms\n", group, name, ms);
    std::fflush(stdout);
}

void Paint(QWidget *viewport, QImage &image)
{
    viewport->render(&image);
}

// Pascal colouring in the way a QSyntaxHighlighter is usually written: rules by expression,
// multi-line comments through the block state.
class TPascalHighlighter : public QSyntaxHighlighter
{
public:
    explicit TPascalHighlighter(QTextDocument *doc) : QSyntaxHighlighter(doc)
    {
        fReserved.setFontWeight(QFont::Bold);
        fComment.setForeground(Qt::darkBlue);
        fComment.setFontItalic(true);
        fString.setForeground(Qt::blue);
        fNumber.setForeground(Qt::darkBlue);
        fDirective.setForeground(Qt::darkGreen);
        fWords = QRegularExpression(
            "\\b(begin|end|procedure|function|var|const|type|if|then|else|for|to|do|while|repeat|"
            "until|program|uses|unit|string|record|case|of|with|try|except|finally|class)\\b",
            QRegularExpression::CaseInsensitiveOption);
        fNumbers = QRegularExpression("\\$[0-9A-Fa-f]+|\\b[0-9]+(\\.[0-9]+)?\\b");
        fStrings = QRegularExpression("'([^']|'')*'?");
        fLineComment = QRegularExpression("//.*$");
    }

protected:
    void highlightBlock(const QString &text) override
    {
        auto apply = [&](const QRegularExpression &re, const QTextCharFormat &format) {
            for (auto it = re.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()), format);
            }
        };
        apply(fWords, fReserved);
        apply(fNumbers, fNumber);
        apply(fStrings, fString);
        apply(fLineComment, fComment);
        // Multi-line comments: state 1 inside a brace comment, 2 inside a paren-star comment.
        int start = 0;
        int state = previousBlockState() < 0 ? 0 : previousBlockState();
        setCurrentBlockState(0);
        while (start < text.size()) {
            if (state == 0) {
                const qsizetype brace = text.indexOf('{', start), paren = text.indexOf("(*", start);
                if (brace < 0 && paren < 0)
                    break;
                const bool isBrace = paren < 0 || (brace >= 0 && brace < paren);
                start = static_cast<int>(isBrace ? brace : paren);
                state = isBrace ? 1 : 2;
            }
            const qsizetype close = text.indexOf(state == 1 ? QStringLiteral("}") : QStringLiteral("*)"), start + 1);
            const QTextCharFormat &f = text.mid(start, 2) == "{$" ? fDirective : fComment;
            if (close < 0) {
                setFormat(start, static_cast<int>(text.size()) - start, f);
                setCurrentBlockState(state);
                break;
            }
            const int end = static_cast<int>(close) + (state == 1 ? 1 : 2);
            setFormat(start, end - start, f);
            start = end;
            state = 0;
        }
    }

private:
    QTextCharFormat fReserved, fComment, fString, fNumber, fDirective;
    QRegularExpression fWords, fNumbers, fStrings, fLineComment;
};

void BenchOurs(const QString &text)
{
    TVlHLEditor editor;
    editor.resize(900, 700);
    editor.show();
    QImage image(editor.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    Print("editor", "load", Ms([&] { editor.SetText(text); }));
    Print("editor", "first_paint", Ms([&] { Paint(editor.viewport(), image); }));
    Print("editor", "full_rescan", Ms([&] { editor.Model().States().RescanAll(editor.Model().Lines()); }));
    Print("editor", "paint_screen", MedianMs(9, [&] { Paint(editor.viewport(), image); }));
    const int lastLine = editor.LineCount() - 1;
    for (auto [name, line] : {std::pair{"keystroke_first_line", 0}, std::pair{"keystroke_middle", lastLine / 2},
                              std::pair{"keystroke_last_line", lastLine}}) {
        editor.SetCaret(3, line);
        Print("editor", name, MedianMs(9, [&] {
            editor.ExecuteCommand(ecChar, "x");
            Paint(editor.viewport(), image);
        }));
    }
    editor.SetCaret(0, 0);
    Print("editor", "keystroke_brace_first_line", MedianMs(5, [&] {
        editor.ExecuteCommand(ecChar, "{");
        Paint(editor.viewport(), image);
        editor.ExecuteCommand(ecBackspace);
    }));
    editor.SetCaret(0, lastLine / 2);
    Print("editor", "scroll_page", MedianMs(9, [&] {
        editor.ExecuteCommand(ecNextPage);
        Paint(editor.viewport(), image);
    }));
    // The outer begin of a routine near the middle, searched for its end.
    int beginLine = lastLine / 2;
    while (editor.Line(beginLine) != "begin")
        ++beginLine;
    Print("editor", "bracket_search", MedianMs(9, [&] {
        VlFindBracketMarks(editor.Model().Lines(), {0, beginLine});
    }));
}

// The same nesting search over the document's blocks, for comparison.
void BlockBracketSearch(QTextDocument *doc, int line)
{
    int depth = 1;
    for (QTextBlock b = doc->findBlockByNumber(line).next(); b.isValid() && depth > 0; b = b.next()) {
        const QString t = b.text();
        static const QRegularExpression words("\\b(begin|end)\\b");
        for (auto it = words.globalMatch(t); it.hasNext();) {
            depth += it.next().captured(1) == "begin" ? 1 : -1;
            if (depth == 0)
                break;
        }
    }
}

void BenchPlainTextEdit(const QString &text)
{
    QPlainTextEdit edit;
    edit.setFont(QFont("Courier New", 10));
    edit.resize(900, 700);
    edit.show();
    auto *highlighter = new TPascalHighlighter(edit.document());
    QImage image(edit.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    Print("qplaintextedit", "load", Ms([&] { edit.setPlainText(text); }));
    Print("qplaintextedit", "first_paint", Ms([&] { Paint(edit.viewport(), image); }));
    Print("qplaintextedit", "full_rescan", Ms([&] { highlighter->rehighlight(); }));
    Print("qplaintextedit", "paint_screen", MedianMs(9, [&] { Paint(edit.viewport(), image); }));
    QTextDocument *doc = edit.document();
    const int lastLine = doc->blockCount() - 1;
    for (auto [name, line] : {std::pair{"keystroke_first_line", 0}, std::pair{"keystroke_middle", lastLine / 2},
                              std::pair{"keystroke_last_line", lastLine}}) {
        QTextCursor cursor(doc->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
        edit.setTextCursor(cursor);
        Print("qplaintextedit", name, MedianMs(9, [&] {
            edit.textCursor().insertText("x");
            Paint(edit.viewport(), image);
        }));
    }
    edit.setTextCursor(QTextCursor(doc->findBlockByNumber(0)));
    Print("qplaintextedit", "keystroke_brace_first_line", MedianMs(5, [&] {
        edit.textCursor().insertText("{");
        Paint(edit.viewport(), image);
        edit.textCursor().deletePreviousChar();
    }));
    edit.setTextCursor(QTextCursor(doc->findBlockByNumber(lastLine / 2)));
    Print("qplaintextedit", "scroll_page", MedianMs(9, [&] {
        edit.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        Paint(edit.viewport(), image);
    }));
    int beginLine = lastLine / 2;
    while (doc->findBlockByNumber(beginLine).text() != "begin")
        ++beginLine;
    Print("qplaintextedit", "bracket_search", MedianMs(9, [&] { BlockBracketSearch(doc, beginLine); }));
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString text = GeneratePascal();
    BenchOurs(text);
    BenchPlainTextEdit(text);
    return 0;
}
