// TCanvas: Delphi-style drawing (pen position, pen, brush, font) onto an image through QPainter.
#pragma once

#include "VlControls.h"
#include "VlGraphics.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGraphic;

// Draws into an image that a subclass supplies (a bitmap's pixels, a control's back buffer).
// Coordinates and the excluded right/bottom edges follow GDI: Rectangle(0, 0, 10, 10) covers
// pixels 0..9, LineTo does not paint its end point.
class TCanvas : public TPersistent {
    VL_CLASS(TCanvas)
    TCanvas();
    ~TCanvas() override;

    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *font) { FFont->Assign(font); }
    TPen *Pen() const { return FPen.get(); }
    void SetPen(TPen *pen) { FPen->Assign(pen); }
    TBrush *Brush() const { return FBrush.get(); }
    void SetBrush(TBrush *brush) { FBrush->Assign(brush); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(const TPoint &pos) { FPenPos = pos; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect &rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void FillRect(const TRect &rect);
    void FrameRect(const TRect &rect);
    void Polygon(const std::vector<TPoint> &points);
    void Polyline(const std::vector<TPoint> &points);
    void TextOut(int x, int y, const std::string &text);
    void TextRect(const TRect &rect, int x, int y, const std::string &text);
    int TextWidth(const std::string &text) const;
    int TextHeight(const std::string &text) const;
    // Outside the image: reads clNone (-1 in Delphi terms) and ignores writes.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    void Draw(int x, int y, TGraphic *graphic);
    void StretchDraw(const TRect &rect, TGraphic *graphic);
    // Elliptic arcs from the ellipse in (x1, y1)-(x2, y2), counter-clockwise from the ray to
    // (x3, y3) to the ray to (x4, y4); Chord closes with a line, Pie with two radii (both filled).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Copies source's rectangle onto dest, scaled, by CopyMode.
    void CopyRect(const TRect &dest, TCanvas *canvas, const TRect &source);
    // A dotted rectangle inverted onto the image (drawing it twice removes it).
    void DrawFocusRect(const TRect &rect);
    // fsSurface fills the area of colour `color` around (x, y); fsBorder fills up to a border of it.
    void FloodFill(int x, int y, TColor color, int fillStyle);
    // cmSrcCopy and the other raster operations of CopyRect (their Windows codes).
    int CopyMode() const { return FCopyMode; }
    void SetCopyMode(int mode) { FCopyMode = mode; }
    // The whole drawing area (empty when there is nothing to draw on).
    TRect ClipRect();
    // Locking is counted only: drawing happens on the GUI thread.
    void Lock() { ++FLockCount; }
    void Unlock() { if (FLockCount > 0) --FLockCount; }
    bool TryLock() { ++FLockCount; return true; }
    int LockCount() const { return FLockCount; }
    void Refresh() {}
    int TextFlags() const { return FTextFlags; }
    void SetTextFlags(int flags) { FTextFlags = flags; }

    // Keeps one painter open for a series of operations (a paint event); nests.
    void BeginPaint();
    void EndPaint();

    // Runs after every drawing operation (controls repaint from their buffer).
    std::function<void()> OnChange;

protected:
    // The image to draw into; null when there is nothing to draw on yet.
    virtual QImage *RequireTarget() = 0;

private:
    QPainter *BeginOp();
    void EndOp();
    void ArcShape(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void ApplyPen(QPainter &painter) const;
    QPainter::CompositionMode CompositionFor(TPenMode mode) const;

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    int FCopyMode = 0x00CC0020; // cmSrcCopy
    int FLockCount = 0;
    int FTextFlags = 0;
    std::unique_ptr<QPainter> FPainter;
    int FPaintDepth = 0;
};

// A canvas over a control: a back buffer as large as the control, drawn by the control's paint
// routine when invalidated; drawings made outside painting stay until the next invalidation.
class TControlCanvas : public TCanvas {
    VL_CLASS(TControlCanvas)
    explicit TControlCanvas(TControl *control);

    TControl *Control() const { return FControl; }
    // Called by the control's widget in its paint event: repaints the buffer with paint() when it is
    // stale, then copies it to the widget.
    void Render(QWidget *widget, const std::function<void()> &paint);
    void Invalidate() { FStale = true; }
    const QImage &Buffer() const { return FBuffer; }
    // The buffer itself, for controls that paint their frame with QPainter inside Paint().
    QImage &PaintBuffer() { return FBuffer; }

protected:
    QImage *RequireTarget() override;

private:
    bool EnsureBuffer();
    TControl *FControl;
    QImage FBuffer;
    bool FStale = true;
};
