// Memo2: the rich-text view of the "Текст" tab with its simple keyword marking.
#pragma once

#include <QTextEdit>

class QMenu;

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

    // The menu shown on right click (not owned); none gives no menu.
    void SetContextMenu(QMenu *menu) { FContextMenu = menu; }

    // Text as the word-list routines see it: one byte per character, line breaks as LF.
    [[nodiscard]] std::string SingleByteText() const;

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void MarkWordBeforeCaret();
    void SetBold(int from, int to, bool bold);

    QMenu *FContextMenu = nullptr;
};
