// Toolbar images, drawn at run time so that no image files need to ship.
#include "VeltranoIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace {

constexpr int kSize = 20;

QIcon Standard(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

// A page with a folded corner, the base of the document images.
void DrawPage(QPainter &p, const QColor &fill)
{
    QPainterPath page;
    page.moveTo(4, 2);
    page.lineTo(12, 2);
    page.lineTo(16, 6);
    page.lineTo(16, 18);
    page.lineTo(4, 18);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(fill);
    p.drawPath(page);
    p.drawLine(12, 2, 12, 6);
    p.drawLine(12, 6, 16, 6);
}

QIcon Drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

void DrawArrow(QPainter &p, bool back)
{
    p.setPen(QPen(QColor(30, 90, 170), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    if (back) {
        arc.moveTo(5, 9);
        arc.cubicTo(8, 3, 17, 4, 16, 12);
        arc.cubicTo(15, 16, 11, 17, 8, 16);
        p.drawPath(arc);
        p.drawPolyline(QPolygonF({{3, 4}, {5, 9}, {10, 8}}));
    } else {
        arc.moveTo(15, 9);
        arc.cubicTo(12, 3, 3, 4, 4, 12);
        arc.cubicTo(5, 16, 9, 17, 12, 16);
        p.drawPath(arc);
        p.drawPolyline(QPolygonF({{17, 4}, {15, 9}, {10, 8}}));
    }
}

void DrawMagnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(QColor(50, 50, 50), 2));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    p.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
    p.setPen(QPen(QColor(20, 110, 40), 1.8));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
    if (plus)
        p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
}

} // namespace

QIcon MakeToolIcon(TVlIconKind kind)
{
    switch (kind) {
    case TVlIconKind::None:
        return {};
    case TVlIconKind::New:
        return Drawn([](QPainter &p) { DrawPage(p, Qt::white); });
    case TVlIconKind::Open:
        return Standard(QStyle::SP_DirOpenIcon);
    case TVlIconKind::Save:
        return Standard(QStyle::SP_DialogSaveButton);
    case TVlIconKind::Cut:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(40, 40, 40), 1.6));
            p.drawLine(QPointF(6, 2), QPointF(13, 12));
            p.drawLine(QPointF(14, 2), QPointF(7, 12));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(180, 30, 30), 1.8));
            p.drawEllipse(QRectF(3, 12, 5, 5));
            p.drawEllipse(QRectF(12, 12, 5, 5));
        });
    case TVlIconKind::Copy:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(235, 235, 235));
            p.drawRect(QRectF(2.5, 2.5, 10, 12));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 5.5, 10, 12));
        });
    case TVlIconKind::Paste:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(90, 60, 20), 1));
            p.setBrush(QColor(200, 150, 80));
            p.drawRoundedRect(QRectF(2.5, 3.5, 12, 14), 1.5, 1.5);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(QRectF(5.5, 1.5, 6, 3));
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(8.5, 8.5, 9, 10));
        });
    case TVlIconKind::Undo:
        return Drawn([](QPainter &p) { DrawArrow(p, true); });
    case TVlIconKind::Redo:
        return Drawn([](QPainter &p) { DrawArrow(p, false); });
    case TVlIconKind::Procedure:
        return Drawn([](QPainter &p) {
            DrawPage(p, QColor(255, 250, 220));
            p.setPen(QPen(QColor(20, 110, 40), 2));
            p.drawLine(QPointF(7, 12), QPointF(13, 12));
            p.drawLine(QPointF(10, 9), QPointF(10, 15));
        });
    case TVlIconKind::Run:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(20, 100, 30), 1));
            p.setBrush(QColor(40, 170, 60));
            p.drawPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
        });
    case TVlIconKind::Compile:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(30, 60, 140), 1));
            p.setBrush(QColor(90, 140, 220));
            p.drawRect(QRectF(3.5, 4.5, 6, 11));
            p.drawRect(QRectF(10.5, 4.5, 6, 11));
            p.setPen(QPen(Qt::white, 1.4));
            p.drawLine(QPointF(5, 8), QPointF(8, 8));
            p.drawLine(QPointF(12, 8), QPointF(15, 8));
            p.drawLine(QPointF(5, 11), QPointF(8, 11));
            p.drawLine(QPointF(12, 11), QPointF(15, 11));
        });
    case TVlIconKind::Stop:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(140, 20, 20), 1));
            p.setBrush(QColor(210, 40, 40));
            p.drawRoundedRect(QRectF(4.5, 4.5, 11, 11), 1.5, 1.5);
        });
    case TVlIconKind::ZoomIn:
        return Drawn([](QPainter &p) { DrawMagnifier(p, true); });
    case TVlIconKind::ZoomOut:
        return Drawn([](QPainter &p) { DrawMagnifier(p, false); });
    case TVlIconKind::Settings:
        return Drawn([](QPainter &p) {
            p.setPen(QPen(QColor(70, 70, 70), 3, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(10, 10);
                p.rotate(i * 45);
                p.drawLine(QPointF(0, 5), QPointF(0, 8));
                p.restore();
            }
            p.setPen(QPen(QColor(70, 70, 70), 1));
            p.setBrush(QColor(170, 170, 170));
            p.drawEllipse(QRectF(4, 4, 12, 12));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(7.5, 7.5, 5, 5));
        });
    case TVlIconKind::About:
        return Standard(QStyle::SP_MessageBoxQuestion);
    }
    return {};
}
