// TCanvas: Delphi-style drawing (pen position, pen, brush, font) onto an image through QPainter.
#include "VlCanvas.h"

#include "VlFormLimits.h"
#include "VlPicture.h"

#include <QFontMetrics>

VL_IMPLEMENT_CLASS(TCanvas, TPersistent, "Graphics",
    VlClassProp<&TCanvas::Brush, &TCanvas::SetBrush>("Brush", "TBrush"),
    VlClassProp<&TCanvas::Font, &TCanvas::SetFont>("Font", "TFont"),
    VlClassProp<&TCanvas::Pen, &TCanvas::SetPen>("Pen", "TPen"))

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    // A canvas font starts as the system default, black.
    FFont->SetColor(clBlack);
}

TCanvas::~TCanvas()
{
    FPainter.reset();
}

void TCanvas::BeginPaint()
{
    ++FPaintDepth;
}

void TCanvas::EndPaint()
{
    if (FPaintDepth > 0 && --FPaintDepth == 0)
        FPainter.reset();
}

QPainter *TCanvas::BeginOp()
{
    if (FPainter && FPainter->isActive())
        return FPainter.get();
    QImage *target = RequireTarget();
    if (!target || target->isNull())
        return nullptr;
    FPainter = std::make_unique<QPainter>(target);
    return FPainter->isActive() ? FPainter.get() : nullptr;
}

void TCanvas::EndOp()
{
    if (FPaintDepth == 0)
        FPainter.reset();
    if (OnChange)
        OnChange();
}

QPainter::CompositionMode TCanvas::CompositionFor(TPenMode mode) const
{
    switch (mode) {
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

void TCanvas::ApplyPen(QPainter &painter) const
{
    QPen pen = FPen->ToQPen();
    if (FPen->Mode() == pmBlack)
        pen.setColor(Qt::black);
    else if (FPen->Mode() == pmWhite)
        pen.setColor(Qt::white);
    else if (FPen->Mode() == pmNop)
        pen = QPen(Qt::NoPen);
    painter.setPen(pen);
    painter.setBrush(FBrush->ToQBrush());
    painter.setCompositionMode(CompositionFor(FPen->Mode()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    // GDI hatches keep their background: fill under a hatched brush with white when opaque.
    painter.setBackgroundMode(Qt::TransparentMode);
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    if (QPainter *painter = BeginOp()) {
        ApplyPen(*painter);
        const QPoint from(FPenPos.X, FPenPos.Y), to(x, y);
        if (from != to) {
            // GDI leaves out the last pixel of a line; a flat cap one pixel short does the same.
            QPen pen = painter->pen();
            pen.setCapStyle(Qt::FlatCap);
            painter->setPen(pen);
            painter->drawLine(QLineF(from, to));
        }
        EndOp();
    }
    FPenPos = {x, y};
}

namespace {
// The rectangle GDI shapes occupy: left/top included, right/bottom excluded, corners in any order.
QRect ShapeRect(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

// Qt strokes a 1-pixel outline to the right of and below the path, so the path is one pixel smaller.
QRectF OutlineRect(const QRect &r, int penWidth)
{
    const double inset = penWidth <= 1 ? 0.0 : (penWidth - 1) / 2.0;
    if (penWidth <= 1)
        return QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1);
    return QRectF(r.left() + inset, r.top() + inset, r.width() - 2 * inset, r.height() - 2 * inset);
}
} // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    const QRect r = ShapeRect(x1, y1, x2, y2);
    if (!r.isEmpty()) {
        if (FBrush->Style() != bsClear)
            painter->fillRect(r, FBrush->ToQBrush());
        if (FPen->Style() != psClear) {
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(OutlineRect(r, FPen->Width()));
        }
    }
    EndOp();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    const QRect r = ShapeRect(x1, y1, x2, y2);
    if (!r.isEmpty())
        painter->drawEllipse(OutlineRect(r, FPen->Width()));
    EndOp();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    const QRect r = ShapeRect(x1, y1, x2, y2);
    if (!r.isEmpty())
        painter->drawRoundedRect(OutlineRect(r, FPen->Width()), x3 / 2.0, y3 / 2.0);
    EndOp();
}

void TCanvas::FillRect(const TRect &rect)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    const QRect r = QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    if (!r.isEmpty() && FBrush->Style() != bsClear)
        painter->fillRect(r, FBrush->ToQBrush());
    EndOp();
}

void TCanvas::FrameRect(const TRect &rect)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    const QRect r = QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    if (!r.isEmpty()) {
        // FrameRect draws a one-pixel border with the brush colour.
        painter->setPen(QPen(ColorToQColor(FBrush->Color()), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1));
    }
    EndOp();
}

void TCanvas::Polygon(const std::vector<TPoint> &points)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    QPolygon polygon;
    for (const TPoint &p : points)
        polygon << QPoint(p.X, p.Y);
    painter->drawPolygon(polygon);
    EndOp();
}

void TCanvas::Polyline(const std::vector<TPoint> &points)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    ApplyPen(*painter);
    QPolygon polygon;
    for (const TPoint &p : points)
        polygon << QPoint(p.X, p.Y);
    painter->drawPolyline(polygon);
    EndOp();
}

void TCanvas::TextOut(int x, int y, const std::string &text)
{
    QPainter *painter = BeginOp();
    const QString qtext = VlToQString(text);
    const QFont font = FFont->ToQFont();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(qtext);
    if (painter) {
        painter->setFont(font);
        // Opaque text first fills its cell with the brush colour, as GDI does.
        if (FBrush->Style() != bsClear)
            painter->fillRect(QRect(x, y, width, metrics.height()), ColorToQColor(FBrush->Color()));
        painter->setPen(ColorToQColor(FFont->Color()));
        painter->drawText(QPoint(x, y + metrics.ascent()), qtext);
        EndOp();
    }
    FPenPos = {x + width, y};
}

void TCanvas::TextRect(const TRect &rect, int x, int y, const std::string &text)
{
    QPainter *painter = BeginOp();
    if (!painter)
        return;
    const QRect clip(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    const QFont font = FFont->ToQFont();
    const QFontMetrics metrics(font);
    painter->save();
    painter->setClipRect(clip);
    if (FBrush->Style() != bsClear)
        painter->fillRect(clip, ColorToQColor(FBrush->Color()));
    painter->setFont(font);
    painter->setPen(ColorToQColor(FFont->Color()));
    painter->drawText(QPoint(x, y + metrics.ascent()), VlToQString(text));
    painter->restore();
    EndOp();
}

int TCanvas::TextWidth(const std::string &text) const
{
    return QFontMetrics(FFont->ToQFont()).horizontalAdvance(VlToQString(text));
}

int TCanvas::TextHeight(const std::string &) const
{
    return QFontMetrics(FFont->ToQFont()).height();
}

TColor TCanvas::Pixels(int x, int y)
{
    // Reading needs every pending stroke in the image.
    if (FPaintDepth == 0)
        FPainter.reset();
    QImage *target = RequireTarget();
    if (!target || !target->valid(x, y))
        return clNone;
    return QColorToColor(target->pixelColor(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QImage *target = RequireTarget();
    if (!target || !target->valid(x, y))
        return;
    if (FPainter && FPainter->isActive()) {
        FPainter->setCompositionMode(QPainter::CompositionMode_Source);
        FPainter->setPen(QPen(ColorToQColor(color), 1));
        FPainter->drawPoint(x, y);
    } else {
        target->setPixelColor(x, y, ColorToQColor(color));
    }
    if (OnChange)
        OnChange();
}

void TCanvas::Draw(int x, int y, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    if (QPainter *painter = BeginOp()) {
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->drawImage(QPoint(x, y), graphic->ToImage());
        EndOp();
    }
}

void TCanvas::StretchDraw(const TRect &rect, TGraphic *graphic)
{
    if (!graphic || graphic->Empty())
        return;
    if (QPainter *painter = BeginOp()) {
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), graphic->ToImage());
        EndOp();
    }
}

VL_IMPLEMENT_CLASS(TControlCanvas, TCanvas, "Graphics")

TControlCanvas::TControlCanvas(TControl *control) : FControl(control) {}

bool TControlCanvas::EnsureBuffer()
{
    const QSize size(std::max(0, FControl->ClientWidth()), std::max(0, FControl->ClientHeight()));
    if (FBuffer.size() == size && !FBuffer.isNull())
        return true;
    if (size.isEmpty() || int64_t(size.width()) * size.height() > VlMaxBufferPixels) {
        FBuffer = QImage();
        return false;
    }
    FBuffer = QImage(size, QImage::Format_RGB32);
    FBuffer.fill(ColorToQColor(FControl->Color()));
    FStale = true;
    return true;
}

QImage *TControlCanvas::RequireTarget()
{
    if (!EnsureBuffer())
        return nullptr;
    if (FStale) {
        // Drawing outside a paint event starts from a fresh background.
        FBuffer.fill(ColorToQColor(FControl->Color()));
        FStale = false;
    }
    return &FBuffer;
}

void TControlCanvas::Render(QWidget *widget, const std::function<void()> &paint)
{
    if (!EnsureBuffer())
        return;
    if (FStale) {
        FBuffer.fill(ColorToQColor(FControl->Color()));
        FStale = false;
        // Changes made while painting must not trigger another repaint.
        auto onChange = std::move(OnChange);
        OnChange = nullptr;
        BeginPaint();
        VlGuard(paint);
        EndPaint();
        OnChange = std::move(onChange);
    }
    QPainter painter(widget);
    painter.drawImage(0, 0, FBuffer);
}
