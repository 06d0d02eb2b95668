// Memo2: the rich-text view of the "Текст" tab with its simple keyword marking.
#include "VlRichView.h"
#include "VlCp1251.h"
#include "VlRtfTextDocument.h"
#include "VlWordListLibrary.h"

#include <QKeyEvent>
#include <QSlider>
#include <QTextCursor>
#include <QTextFrame>

TVlRichView::TVlRichView(QWidget *parent) : QTextEdit(parent)
{
    setObjectName("Memo2");
    QFont font("Cambria");
    font.setPixelSize(13);
    setFont(font);
    document()->setDefaultFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 128)); // navy
    setPalette(palette);
    setTabChangesFocus(false);
    setAcceptRichText(true);
    setToolTip("Редактор кода");
    setLineWrapMode(QTextEdit::WidgetWidth);
}

std::string TVlRichView::SingleByteText() const
{
    std::string text = Utf16ToCp1251(toPlainText().toStdU16String());
    for (char &ch : text)
        if (ch == '\0')
            ch = '?'; // the routines take NUL-terminated strings
    return text;
}

void TVlRichView::RefreshKeywords(bool withRepaint)
{
    // 1. "Обновить" and Ctrl+U repaint first.
    if (withRepaint)
        viewport()->repaint();
    // 2. The text with a closing blank and line break, so that the last word ends too.
    const TVlWordListLibrary &words = TVlWordListLibrary::Instance();
    const std::string text = SingleByteText() + " \r\n";
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    int32_t start = 1;
    int32_t length;
    do {
        // 3.1 The word ends at the nearer of the next blank and the next line feed. Only the rest
        // of the current line is handed over, which gives the same positions as the whole tail.
        const std::size_t lineEnd = text.find('\n', static_cast<std::size_t>(start) - 1);
        const std::string line = text.substr(static_cast<std::size_t>(start) - 1,
                                             lineEnd == std::string::npos ? std::string::npos
                                                                          : lineEnd - (start - 1) + 1);
        int32_t blank = words.SearchFor(line, " ", 1);
        const int32_t lineFeed = words.SearchFor(line, "\n", 1);
        if (blank == 0)
            blank = lineFeed; // no blank before the line feed: the line feed is nearer
        length = (lineFeed != 0 && lineFeed < blank) ? lineFeed : blank;
        // 3.2-3.3 Mark a keyword bold, exactly on its characters.
        if (length > 1) {
            const std::string word = text.substr(static_cast<std::size_t>(start) - 1,
                                                 static_cast<std::size_t>(length) - 1);
            if (word != " " && words.CheckListDelphi(word))
                SetBold(start - 1, start - 1 + length - 1, true);
        }
        // 3.4
        start += length;
    } while (length > 0);
    cursor.endEditBlock();
    // 4. Caret at the end, plain style for further typing, focus only when showing.
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    QTextCharFormat plain = currentCharFormat();
    plain.setFontWeight(QFont::Normal);
    setCurrentCharFormat(plain);
    if (isVisible() && focusPolicy() != Qt::NoFocus)
        setFocus();
}

void TVlRichView::SetBold(int from, int to, bool bold)
{
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

void TVlRichView::SetLeftMargin(int pixels)
{
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    format.setLeftMargin(pixels);
    document()->rootFrame()->setFrameFormat(format);
    viewport()->update();
}

int TVlRichView::LeftMargin() const
{
    return static_cast<int>(document()->rootFrame()->frameFormat().leftMargin());
}

void TVlRichView::AttachTrackBar(QSlider *trackBar)
{
    connect(trackBar, &QSlider::valueChanged, this, [this, trackBar](int position) {
        trackBar->setMaximum(std::max(width(), position));
        SetLeftMargin(position);
    });
}

QByteArray TVlRichView::SaveToBytes(TVlTextFormat format, bool selectionOnly) const
{
    const QTextCursor cursor = textCursor();
    const int from = selectionOnly ? cursor.selectionStart() : 0;
    const int to = selectionOnly ? cursor.selectionEnd() : -1;
    if (format == TVlTextFormat::Rich)
        return QByteArray::fromStdString(WriteRtf(RtfFromTextDocument(*document(), from, to)));
    const std::u16string text = RtfFromTextDocument(*document(), from, to).PlainText();
    const std::string utf8 = QString::fromStdU16String(text).toStdString();
    return QByteArray::fromStdString(EncodeFileText(ToCrLf(utf8)));
}

void TVlRichView::LoadFromBytes(const QByteArray &bytes, TVlTextFormat format)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (format == TVlTextFormat::Rich) {
        const TVlRtfDocument rtf = ReadRtf(view); // throws before the content changes
        clear();
        QTextCursor cursor(document());
        InsertRtf(cursor, rtf);
    } else {
        QString text = QString::fromStdString(DecodeFileText(view));
        text.replace("\r\n", "\n").replace('\r', '\n');
        clear();
        QTextCursor(document()).insertText(text);
    }
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
}

void TVlRichView::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (event->key() == Qt::Key_U && (event->modifiers() & Qt::ControlModifier)) {
        RefreshKeywords(true);
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Backspace || key == Qt::Key_Space) &&
        textCursor().position() > 0)
        MarkWordBeforeCaret();
}

// The word typed last runs from after the nearest blank or line break before the character just
// typed up to the caret; it becomes bold when it is a keyword and plain otherwise.
void TVlRichView::MarkWordBeforeCaret()
{
    const int caret = textCursor().position();
    const QString text = toPlainText();
    int from = std::min(caret, static_cast<int>(text.size())) - 2;
    while (from >= 0 && text[from] != ' ' && text[from] != '\n')
        --from;
    const int wordStart = from + 1;
    QString word = text.mid(wordStart, caret - wordStart);
    const bool keyword =
        TVlWordListLibrary::Instance().CheckListDelphi(Utf16ToCp1251(word.toStdU16String()));
    SetBold(wordStart, caret, keyword);
    QTextCursor back = textCursor();
    back.setPosition(caret);
    setTextCursor(back);
    QTextCharFormat plain = currentCharFormat();
    plain.setFontWeight(QFont::Normal);
    setCurrentCharFormat(plain);
}
