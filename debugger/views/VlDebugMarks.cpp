// The stepping marks in the editor.
#include "VlDebugMarks.h"

#include "editor/VlHLEditor.h"

#include <QPainter>
#include <QPolygon>

TVlDebugMarks::TVlDebugMarks(TVlHLEditor &editor) : FEditor(&editor)
{
    FEditor->SetDecorator(this);
}

TVlDebugMarks::~TVlDebugMarks()
{
    if (FEditor)
        FEditor->SetDecorator(nullptr);
}

const QColor &TVlDebugMarks::CurrentLineColor()
{
    static const QColor colour(255, 240, 150);
    return colour;
}

const QColor &TVlDebugMarks::BreakpointLineColor()
{
    static const QColor colour(255, 215, 215);
    return colour;
}

const QColor &TVlDebugMarks::ValueColor()
{
    static const QColor colour(128, 128, 160);
    return colour;
}

void TVlDebugMarks::Repaint()
{
    if (FEditor)
        FEditor->viewport()->update();
}

void TVlDebugMarks::SetBreakpoints(std::set<int> lines)
{
    FBreakpoints = std::move(lines);
    Repaint();
}

void TVlDebugMarks::SetExecuted(std::set<int> lines)
{
    FExecuted = std::move(lines);
    Repaint();
}

void TVlDebugMarks::SetCurrentLine(int line)
{
    FCurrent = line;
    Repaint();
}

void TVlDebugMarks::SetLineValues(std::map<int, QString> values)
{
    FValues = std::move(values);
    Repaint();
}

void TVlDebugMarks::PaintLineBack(QPainter &painter, int line, const QRect &row)
{
    if (line == FCurrent)
        painter.fillRect(row, CurrentLineColor());
    else if (FBreakpoints.count(line))
        painter.fillRect(row, BreakpointLineColor());
}

void TVlDebugMarks::PaintLineEnd(QPainter &painter, int line, int textEnd, const QRect &row)
{
    const auto found = FValues.find(line);
    if (found == FValues.end())
        return;
    QFont font = FEditor->StyledFont(0);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(ValueColor());
    const int x = textEnd + 2 * FEditor->CharWidth();
    painter.drawText(QRect(x, row.top(), std::max(0, row.right() - x), row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     found->second);
}

void TVlDebugMarks::PaintGutterLine(QPainter &painter, int line, const QRect &cell)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A run has passed this line: a green bar at the gutter's right edge.
    if (FExecuted.count(line))
        painter.fillRect(cell.right() - 2, cell.top() + 1, 3, cell.height() - 2, QColor(40, 170, 70));
    const int size = std::min(cell.height() - 4, 10);
    const QRect spot(cell.left() + 1, cell.top() + (cell.height() - size) / 2, size, size);
    if (FBreakpoints.count(line)) {
        painter.setPen(QColor(140, 0, 0));
        painter.setBrush(QColor(220, 30, 30));
        painter.drawEllipse(spot);
    }
    if (line == FCurrent) {
        const QPolygon arrow({spot.topLeft(), QPoint(spot.right() + 2, spot.center().y()), spot.bottomLeft()});
        painter.setPen(QColor(120, 90, 0));
        painter.setBrush(QColor(255, 200, 0));
        painter.drawPolygon(arrow);
    }
    painter.restore();
}
