// Mouse tools of the design surface (move, resize, band) and the overlay that shows their
// feedback rectangles: no designed control moves or repaints until the mouse is released.
#pragma once

#include "components/VlControls.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class TVlDesignSurface;

// A transparent widget over the container that draws dotted rectangles inverting what is below.
class TVlDesignOverlay : public QWidget {
public:
    explicit TVlDesignOverlay(QWidget *container);
    // Container coordinates; only the outlines that change are repainted.
    void SetRects(std::vector<QRect> rects);
    const std::vector<QRect> &Rects() const { return FRects; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<QRect> FRects;
};

class TVlDesignMouseTool {
public:
    TVlDesignMouseTool(TVlDesignSurface &surface, const QPoint &start);
    TVlDesignMouseTool(const TVlDesignMouseTool &) = delete;
    TVlDesignMouseTool &operator=(const TVlDesignMouseTool &) = delete;
    virtual ~TVlDesignMouseTool();

    // The point moved (container coordinates): the feedback follows.
    void MouseMove(const QPoint &point);
    // The drag ended there: its result is applied.
    void MouseUp(const QPoint &point);

    QPoint Start() const { return FStart; }
    QPoint Current() const { return FCurrent; }
    // Current - start, each coordinate cut to a multiple of 4 towards zero.
    QPoint Delta() const;
    // The rectangle of the drag, normalised, in container coordinates.
    virtual TRect DragRect() const;
    const TVlDesignOverlay *Overlay() const { return FOverlay; }

protected:
    virtual std::vector<QRect> FeedbackRects() const = 0;
    virtual void Finish() = 0;
    TVlDesignSurface &FSurface;

private:
    QPoint FStart;
    QPoint FCurrent;
    QPointer<TVlDesignOverlay> FOverlay;
};

// Moves every selected control by the drag delta.
class TVlDesignMover : public TVlDesignMouseTool {
public:
    TVlDesignMover(TVlDesignSurface &surface, const QPoint &start);

protected:
    std::vector<QRect> FeedbackRects() const override;
    void Finish() override;

private:
    std::vector<std::pair<TControl *, QRect>> FControls; // each with its bounds in container coordinates
};

// Draws a band; selects the controls it touches when it was started for selecting.
class TVlDesignBander : public TVlDesignMouseTool {
public:
    TVlDesignBander(TVlDesignSurface &surface, const QPoint &start, bool selects);

protected:
    std::vector<QRect> FeedbackRects() const override;
    void Finish() override;

private:
    bool FSelects;
};

// Moves the edges of the grab point of the first selected control.
class TVlDesignSizer : public TVlDesignMouseTool {
public:
    TVlDesignSizer(TVlDesignSurface &surface, const QPoint &start, int grabPoint);
    // The new bounds in the control's parent coordinates.
    TRect DragRect() const override;

protected:
    std::vector<QRect> FeedbackRects() const override;
    void Finish() override;

private:
    int FGrabPoint;
    TControl *FControl;
    TRect FStartBounds;
    QPoint FParentOrigin; // the parent's client origin in container coordinates
};
