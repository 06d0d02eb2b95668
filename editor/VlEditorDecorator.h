// What a client paints into the editor beside the text: line backgrounds, texts after a line's
// end, marks in the gutter. The editor calls it while painting; it owns nothing of the editor.
#pragma once

class QPainter;
class QRect;

class TVlEditorDecorator {
public:
    virtual ~TVlEditorDecorator() = default;
    // Behind the text of a line; row is the line's rectangle right of the gutter.
    virtual void PaintLineBack(QPainter &painter, int line, const QRect &row) = 0;
    // After the text of a line; textEnd is the x where its last character ends.
    virtual void PaintLineEnd(QPainter &painter, int line, int textEnd, const QRect &row) = 0;
    // In the gutter, over the line number; cell is the line's rectangle in the gutter.
    virtual void PaintGutterLine(QPainter &painter, int line, const QRect &cell) = 0;
};
