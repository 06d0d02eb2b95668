// Mouse tools of the design surface and their feedback overlay.
#include "VlDesignImpTools.h"

#include "VlDesignImpSelector.h"
#include "VlDesignSurface.h"
#include "VlDesignUtils.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace {

// The pixels a rectangle's outline covers.
QRegion Outline(const QRect &r)
{
    QRegion region;
    region += QRect(r.left(), r.top(), r.width(), 1);
    region += QRect(r.left(), r.bottom(), r.width(), 1);
    region += QRect(r.left(), r.top(), 1, r.height());
    region += QRect(r.right(), r.top(), 1, r.height());
    return region;
}

// The pixels a feedback rectangle covers (an empty one still shows as a line or a dot).
QRect ToDrawn(const TRect &rect)
{
    return QRect(rect.Left, rect.Top, std::max(1, rect.Width()), std::max(1, rect.Height()));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TVlDesignOverlay

TVlDesignOverlay::TVlDesignOverlay(QWidget *container) : QWidget(container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(container->rect());
    raise();
    show();
}

void TVlDesignOverlay::SetRects(std::vector<QRect> rects)
{
    if (rects == FRects)
        return;
    QRegion dirty;
    for (const QRect &r : FRects)
        dirty += Outline(r);
    for (const QRect &r : rects)
        dirty += Outline(r);
    FRects = std::move(rects);
    if (parentWidget() && geometry() != parentWidget()->rect())
        setGeometry(parentWidget()->rect());
    raise();
    update(dirty);
}

void TVlDesignOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // White dots inverting what lies below: the screen XOR drawing of other systems.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const QRect &r : FRects)
        painter.drawRect(r.adjusted(0, 0, -1, -1)); // a stroke covers the rectangle and one more pixel
}

// ---------------------------------------------------------------------------------------------
// TVlDesignMouseTool

TVlDesignMouseTool::TVlDesignMouseTool(TVlDesignSurface &surface, const QPoint &start)
    : FSurface(surface), FStart(start), FCurrent(start)
{
}

TVlDesignMouseTool::~TVlDesignMouseTool()
{
    delete FOverlay.data();
}

QPoint TVlDesignMouseTool::Delta() const
{
    return SnapDragDelta(FCurrent - FStart);
}

TRect TVlDesignMouseTool::DragRect() const
{
    const QPoint end = FStart + Delta();
    return NormalizeRect(Rect(FStart.x(), FStart.y(), end.x(), end.y()));
}

void TVlDesignMouseTool::MouseMove(const QPoint &point)
{
    FCurrent = point;
    if (!FOverlay) {
        QWidget *container = ClientWidgetOf(FSurface.Container());
        if (!container)
            return;
        FOverlay = new TVlDesignOverlay(container);
    }
    FOverlay->SetRects(FeedbackRects());
}

void TVlDesignMouseTool::MouseUp(const QPoint &point)
{
    FCurrent = point;
    delete FOverlay.data();
    Finish();
}

// ---------------------------------------------------------------------------------------------
// TVlDesignMover

TVlDesignMover::TVlDesignMover(TVlDesignSurface &surface, const QPoint &start) : TVlDesignMouseTool(surface, start)
{
    TWinControl *container = surface.Container();
    for (TControl *control : surface.Selector()->SelectedControls())
        if (control != container)
            FControls.emplace_back(control, ToQRect(ContainerBoundsOf(container, control)));
}

std::vector<QRect> TVlDesignMover::FeedbackRects() const
{
    const QPoint delta = Delta();
    std::vector<QRect> rects;
    rects.reserve(FControls.size());
    for (const auto &entry : FControls)
        rects.push_back(ToDrawn(ToTRect(entry.second.translated(delta))));
    return rects;
}

void TVlDesignMover::Finish()
{
    const QPoint delta = Delta();
    if (delta.isNull())
        return;
    FSurface.MoveSelection(delta.x(), delta.y());
}

// ---------------------------------------------------------------------------------------------
// TVlDesignBander

TVlDesignBander::TVlDesignBander(TVlDesignSurface &surface, const QPoint &start, bool selects)
    : TVlDesignMouseTool(surface, start), FSelects(selects)
{
}

std::vector<QRect> TVlDesignBander::FeedbackRects() const
{
    return {ToDrawn(DragRect())};
}

void TVlDesignBander::Finish()
{
    if (FSelects)
        FSurface.SelectInBand(Start(), DragRect());
}

// ---------------------------------------------------------------------------------------------
// TVlDesignSizer

TVlDesignSizer::TVlDesignSizer(TVlDesignSurface &surface, const QPoint &start, int grabPoint)
    : TVlDesignMouseTool(surface, start), FGrabPoint(grabPoint), FControl(nullptr)
{
    TVlDesignSelector *selector = surface.Selector();
    if (selector->Count() > 0)
        FControl = selector->Selection(0);
    if (FControl) {
        FStartBounds = FControl->BoundsRect();
        TWinControl *container = surface.Container();
        FParentOrigin = FControl == container ? QPoint() : -ContainerToClient(container, FControl->Parent(), QPoint(0, 0));
    }
}

TRect TVlDesignSizer::DragRect() const
{
    return NormalizeRect(MoveGrabEdges(FStartBounds, FGrabPoint, Delta()));
}

std::vector<QRect> TVlDesignSizer::FeedbackRects() const
{
    if (!FControl)
        return {};
    return {ToDrawn(ToTRect(ToQRect(DragRect()).translated(FParentOrigin)))};
}

void TVlDesignSizer::Finish()
{
    if (FControl)
        FSurface.SetControlBounds(FControl, DragRect());
}
