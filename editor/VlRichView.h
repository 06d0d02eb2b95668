// Memo2: the rich-text view of the "Текст" tab with its simple keyword marking.
#pragma once

#include <QByteArray>
#include <QTextEdit>

class QSlider;

// How the view's content is streamed to and from files.
enum class TVlTextFormat { Plain, Rich };

class TVlRichView : public QTextEdit {
    Q_OBJECT
public:
    explicit TVlRichView(QWidget *parent = nullptr);

    // Marks the keywords of the whole text bold (words are the runs between blanks and line
    // breaks), then puts the caret at the end and takes the focus when the view is showing.
    // withRepaint: repaint first, as "Обновить" and Ctrl+U do.
    void RefreshKeywords(bool withRepaint = false);

    // Left edge of the formatting rectangle in pixels; the other edges stay.
    void SetLeftMargin(int pixels);
    [[nodiscard]] int LeftMargin() const;

    // The track bar above the view sets the left margin; each move also stretches its maximum to
    // the view's width.
    void AttachTrackBar(QSlider *trackBar);

    // The whole text, or only the selection, as file bytes: RTF, or plain text in code page 1251
    // (UTF-8 when a character needs it) with CR LF line ends.
    [[nodiscard]] QByteArray SaveToBytes(TVlTextFormat format, bool selectionOnly = false) const;
    // Replaces the content with the file bytes. Throws EVlRtfError("Failed to Load Stream") when
    // rich text is asked for and the bytes are not RTF; the content is then unchanged.
    void LoadFromBytes(const QByteArray &bytes, TVlTextFormat format);

    // Text as the word-list routines see it: one byte per character, line breaks as LF.
    [[nodiscard]] std::string SingleByteText() const;

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void MarkWordBeforeCaret();
    void SetBold(int from, int to, bool bold);
};
