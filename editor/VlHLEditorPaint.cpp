// TVlHLEditor painting: character cells by token class, selection, bracket frames, caret, gutter.
#include "VlHLEditor.h"

#include "VlHLParser.h"
#include "VlHighlighters.h"

#include <QPaintEvent>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>

namespace {
// Draws a run of characters in fixed cells. Glyphs are looked up directly in the font, so no text
// shaping happens per paint; characters the font lacks go through ordinary text drawing.
void DrawCells(QPainter &painter, QPoint baseline, const QString &text, const QFont &font, int cellWidth)
{
    // A few fonts alternate while a screen is painted (plain, bold, italic): keep each one's glyphs.
    struct TEntry
    {
        QFont Font;
        QRawFont Raw;
    };
    static std::vector<TEntry> cache;
    auto found = std::find_if(cache.begin(), cache.end(), [&](const TEntry &e) { return e.Font == font; });
    if (found == cache.end()) {
        if (cache.size() >= 16)
            cache.clear();
        cache.push_back({font, QRawFont::fromFont(font)});
        found = cache.end() - 1;
    }
    const QRawFont &raw = found->Raw;
    if (raw.isValid()) {
        QList<quint32> glyphs = raw.glyphIndexesForString(text);
        if (!glyphs.contains(0u) && glyphs.size() == text.size()) {
            QList<QPointF> positions(glyphs.size());
            for (qsizetype i = 0; i < positions.size(); ++i)
                positions[i] = QPointF(static_cast<qreal>(i * cellWidth), 0);
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            painter.drawGlyphRun(baseline, run);
            return;
        }
    }
    painter.drawText(baseline, text);
}

// A 12 x 15 bookmark picture with the bookmark's digit.
QPixmap BookmarkImage(int index)
{
    static QPixmap images[10];
    QPixmap &image = images[index];
    if (image.isNull()) {
        image = QPixmap(12, 15);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setPen(QColor(0, 0, 128));
        p.setBrush(QColor(0, 128, 128));
        p.drawRect(0, 0, 11, 14);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 12, 15), Qt::AlignCenter, QString::number(index));
    }
    return image;
}
} // namespace

void TVlHLEditor::paintEvent(QPaintEvent *e)
{
    QPainter painter(viewport());
    const QRect clip = e->rect();
    const QPalette &pal = palette();
    painter.fillRect(clip, VlToQColor(fBackColor, pal));
    const int top = fModel->TopLine();
    const int rows = viewport()->height() / fRowHeight + 1;
    for (int row = 0; row < rows; ++row) {
        const int y = row * fRowHeight;
        if (y + fRowHeight < clip.top() || y > clip.bottom())
            continue;
        if (top + row < fModel->LineCount())
            PaintLine(painter, top + row, y, clip);
    }
    if (fRightMarginVisible) {
        const int x = fGutterWidth + 2 + (fRightMargin - LeftColumn()) * fCharWidth;
        painter.setPen(VlToQColor(fRightMarginColor, pal));
        painter.drawLine(x, clip.top(), x, clip.bottom());
    }
    // Bracket and pair-word frames, over the unchanged text.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(VlToQColor(fBracketFrameColor, pal));
    for (const TVlMark &mark : fModel->BracketMarks()) {
        const QRect r = CellRect({mark.X, mark.Y});
        painter.drawRect(r.x(), r.y(), mark.Length * fCharWidth - 1, fRowHeight - 1);
    }
    if (hasFocus() && fCaretVisible) {
        const QRect r = CellRect(fModel->Caret());
        if (r.left() >= fGutterWidth)
            painter.fillRect(r.x(), r.y() + 1, 2, fRowHeight - 2, VlToQColor(VlColors::clWindowText, pal));
    }
    PaintGutterArea(painter, clip);
}

void TVlHLEditor::PaintLine(QPainter &painter, int line, int y, const QRect &clip)
{
    const QPalette &pal = palette();
    const QString text = fModel->Line(line);
    const int left = LeftColumn();
    const int x0 = fGutterWidth + 2;
    const int visibleColumns = (clip.right() - x0) / fCharWidth + 2;
    const int colored = std::min(static_cast<int>(text.size()), VlMaxColoredCells);
    std::fill(fCells.begin(), fCells.end(), TVlTokenClass::PlainText);
    if (fSyntaxHighlighting && colored > 0) {
        const TVlLongState state = fModel->States().StateOf(fModel->Lines(), line);
        VlColorLine(fHighlighter, text, state, fCells.data(), colored);
    }

    // Selected columns of this line: [selFrom, selTo), selTo may run past the text.
    int selFrom = 0, selTo = 0;
    if (fModel->SelAvail()) {
        const TVlPos b = fModel->SelBegin(), en = fModel->SelEnd();
        if (line >= b.Y && line <= en.Y) {
            switch (fModel->SelectionMode()) {
            case TVlSelectionMode::Column:
                selFrom = std::min(b.X, en.X);
                selTo = std::max(b.X, en.X);
                break;
            case TVlSelectionMode::Line:
                selFrom = 0;
                selTo = left + visibleColumns;
                break;
            default:
                selFrom = line == b.Y ? b.X : 0;
                selTo = line == en.Y ? en.X + (fModel->SelectionMode() == TVlSelectionMode::Inclusive ? 1 : 0)
                                     : left + visibleColumns;
                break;
            }
        }
    }
    const QColor selFore = VlToQColor(fSelForeColor, pal), selBack = VlToQColor(fSelBackColor, pal);
    const int end = std::min(static_cast<int>(text.size()), left + visibleColumns);
    auto attributes = [&](int c) -> const TVlSymbolColor & {
        return fColors[c < colored ? fCells[c] : TVlTokenClass::PlainText];
    };
    int col = left;
    std::uint8_t currentStyle = 0xFF;
    while (col < end) {
        // One run per stretch of equal colours and style, whatever the token classes.
        const bool selected = col >= selFrom && col < selTo;
        const TVlSymbolColor &sc = attributes(col);
        int runEnd = col + 1;
        while (runEnd < end && (runEnd >= selFrom && runEnd < selTo) == selected && attributes(runEnd) == sc)
            ++runEnd;
        const QRect r(x0 + (col - left) * fCharWidth, y, (runEnd - col) * fCharWidth, fRowHeight);
        if (selected)
            painter.fillRect(r, selBack);
        else if (sc.BackColor != VlColors::clWindow && sc.BackColor != fBackColor)
            painter.fillRect(r, VlToQColor(sc.BackColor, pal));
        if (sc.Style != currentStyle) {
            painter.setFont(StyledFont(sc.Style));
            currentStyle = sc.Style;
        }
        painter.setPen(selected ? selFore : VlToQColor(sc.ForeColor, pal));
        DrawCells(painter, QPoint(r.x(), y + fAscent), text.mid(col, runEnd - col), StyledFont(sc.Style), fCharWidth);
        col = runEnd;
    }
    // Selection past the end of the text of the line.
    const int tailFrom = std::max({selFrom, static_cast<int>(text.size()), left});
    if (selTo > tailFrom)
        painter.fillRect(x0 + (tailFrom - left) * fCharWidth, y, (selTo - tailFrom) * fCharWidth, fRowHeight, selBack);
}

void TVlHLEditor::PaintGutterArea(QPainter &painter, const QRect &clip)
{
    if (fGutterWidth <= 0 || clip.left() > fGutterWidth)
        return;
    const QPalette &pal = palette();
    painter.fillRect(0, 0, fGutterWidth, viewport()->height(), VlToQColor(VlColors::clBtnFace, pal));
    painter.setFont(font());
    painter.setPen(VlToQColor(VlColors::clWindowText, pal));
    const int top = fModel->TopLine();
    const QFontMetrics fm(font());
    for (int row = 0; row <= fModel->VisibleRows(); ++row) {
        // Right-aligned in a cell 2 pixels from the left, GutterWidth - 7 wide, centred in the row.
        const QString number = QString::number(top + row + 1);
        const int x = 2 + fGutterWidth - 7 - static_cast<int>(number.size()) * fm.horizontalAdvance(QLatin1Char('0'));
        DrawCells(painter, QPoint(x, row * fRowHeight + (fRowHeight - fm.height()) / 2 + fAscent), number, font(),
                  fm.horizontalAdvance(QLatin1Char('0')));
    }
    for (int i = 0; i < 10; ++i) {
        const TVlBookmark &mark = fModel->Bookmark(i);
        if (!mark.Valid || mark.Pos.Y < top || mark.Pos.Y > top + fModel->VisibleRows())
            continue;
        const int rowTop = (mark.Pos.Y - top) * fRowHeight;
        painter.drawPixmap(1, rowTop + (fRowHeight - 15) / 2 + 1, BookmarkImage(i));
    }
    emit PaintGutter(painter);
}
