// Painting and clicking the colour grid.
#include "VlColorGrid.h"

#include "VlHLEditor.h"

#include <QMouseEvent>
#include <QPainter>
#include <stdexcept>

namespace {
constexpr TColor Cells[16] = {
    VlColors::clBlack, VlColors::clMaroon, VlColors::clGreen, VlColors::clOlive,
    VlColors::clNavy, VlColors::clPurple, VlColors::clTeal, VlColors::clSilver,
    VlColors::clGray, VlColors::clRed, VlColors::clLime, VlColors::clYellow,
    VlColors::clBlue, VlColors::clFuchsia, VlColors::clAqua, VlColors::clWhite};
}

TVlColorGrid::TVlColorGrid(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(4 * 24, 4 * 24);
}

TColor TVlColorGrid::CellColor(int index)
{
    if (index < 0 || index >= 16)
        throw std::out_of_range("Grid cell not found");
    return Cells[index];
}

int TVlColorGrid::CellOf(TColor color)
{
    for (int i = 0; i < 16; ++i)
        if (Cells[i] == color)
            return i;
    return -1;
}

void TVlColorGrid::SetMarks(int fore, int back)
{
    fFore = fore;
    fBack = back;
    update();
}

QString TVlColorGrid::CellText(int index) const
{
    if (index == fFore && index == fBack)
        return QStringLiteral("FB");
    if (index == fFore)
        return QStringLiteral("FC");
    if (index == fBack)
        return QStringLiteral("BC");
    return {};
}

QRect TVlColorGrid::CellRect(int index) const
{
    const int w = width() / 4, h = height() / 4;
    return QRect((index % 4) * w, (index / 4) * h, w, h);
}

void TVlColorGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i < 16; ++i) {
        const QRect r = CellRect(i).adjusted(1, 1, -1, -1);
        const QColor color = VlToQColor(Cells[i], palette());
        p.fillRect(r, color);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString text = CellText(i);
        if (!text.isEmpty()) {
            p.setPen(color.lightness() < 128 ? Qt::white : Qt::black);
            p.drawText(r, Qt::AlignCenter, text);
        }
    }
}

void TVlColorGrid::mousePressEvent(QMouseEvent *e)
{
    for (int i = 0; i < 16; ++i)
        if (CellRect(i).contains(e->position().toPoint())) {
            if (e->button() == Qt::LeftButton)
                emit ForegroundClicked(i);
            else if (e->button() == Qt::RightButton)
                emit BackgroundClicked(i);
            return;
        }
}
