// TCanvas: arcs, chords and pies, rectangle copies, focus rectangles and flood fills.
#include "VlCanvas.h"

#include <QPainterPath>
#include <cmath>
#include <vector>

namespace {

enum { kArc, kChord, kPie };

// Qt angles: degrees counter-clockwise from three o'clock, y upwards.
double AngleTo(const QRectF &r, int x, int y)
{
    const QPointF c = r.center();
    return std::atan2(-(y - c.y()), x - c.x()) * 180.0 / M_PI;
}

QPainter::CompositionMode CopyComposition(int mode)
{
    switch (mode) {
    case 0x008800C6: return QPainter::RasterOp_SourceAndDestination; // cmSrcAnd
    case 0x00EE0086: return QPainter::RasterOp_SourceOrDestination;  // cmSrcPaint
    case 0x00660046: return QPainter::RasterOp_SourceXorDestination; // cmSrcInvert
    case 0x00330008: return QPainter::RasterOp_NotSource;            // cmNotSrcCopy
    case 0x00550009: return QPainter::RasterOp_NotDestination;       // cmDstInvert
    default: return QPainter::CompositionMode_Source;                // cmSrcCopy and the rest
    }
}

} // namespace

void TCanvas::ArcShape(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    const QRectF r(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    if (r.width() > 0 && r.height() > 0) {
        const double start = AngleTo(r, x3, y3);
        double span = AngleTo(r, x4, y4) - start;
        if (span <= 0)
            span += 360;
        const int a = qRound(start * 16), b = qRound(span * 16);
        if (kind == kArc)
            painter->drawArc(r, a, b);
        else if (kind == kChord)
            painter->drawChord(r, a, b);
        else
            painter->drawPie(r, a, b);
    }
    EndOp();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ArcShape(kArc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ArcShape(kChord, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ArcShape(kPie, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::CopyRect(const TRect &dest, TCanvas *canvas, const TRect &source)
{
    if (!canvas)
        return;
    if (canvas->FPaintDepth == 0)
        canvas->FPainter.reset();
    QImage *from = canvas->RequireTarget();
    if (!from || from->isNull())
        return;
    // A copy first: source and destination may be the same image.
    const QImage part = from->copy(QRect(source.Left, source.Top, source.Width(), source.Height()));
    if (QPainter *painter = BeginOp()) {
        painter->setCompositionMode(CopyComposition(FCopyMode));
        painter->drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), part);
        EndOp();
    }
}

void TCanvas::DrawFocusRect(const TRect &rect)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    QPen pen(Qt::white, 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    EndOp();
}

void TCanvas::FloodFill(int x, int y, TColor color, int fillStyle)
{
    if (FPaintDepth == 0)
        FPainter.reset();
    QImage *image = RequireTarget();
    if (!image || !image->valid(x, y))
        return;
    const QRgb boundary = ColorToQColor(color).rgb() & 0xFFFFFF;
    const QRgb fill = ColorToQColor(FBrush->Color()).rgb();
    const bool surface = fillStyle == 0; // fsSurface: the area of that colour; fsBorder (1) up to it
    auto inside = [&](int px, int py) {
        const QRgb c = image->pixel(px, py) & 0xFFFFFF;
        return surface ? c == boundary : c != boundary;
    };
    if (!inside(x, y) || (image->pixel(x, y) & 0xFFFFFF) == (fill & 0xFFFFFF))
        return;
    std::vector<QPoint> stack{{x, y}};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image->valid(p) || !inside(p.x(), p.y()) || (image->pixel(p) & 0xFFFFFF) == (fill & 0xFFFFFF))
            continue;
        image->setPixel(p, fill);
        stack.push_back({p.x() + 1, p.y()});
        stack.push_back({p.x() - 1, p.y()});
        stack.push_back({p.x(), p.y() + 1});
        stack.push_back({p.x(), p.y() - 1});
    }
    if (OnChange)
        OnChange();
}

TRect TCanvas::ClipRect()
{
    QImage *image = RequireTarget();
    return image ? Rect(0, 0, image->width(), image->height()) : TRect();
}
