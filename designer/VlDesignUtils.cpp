// Helpers of the design surface.
#include "VlDesignUtils.h"

#include "rtl/VlComponent.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

bool IsDesignNameTaken(const TComponent *owner, std::string_view name)
{
    for (const TComponent *o = owner; o; o = o->Owner())
        if (o->FindComponent(name))
            return true;
    return false;
}

std::string UniqueDesignName(const TComponent *owner, std::string_view className)
{
    const std::string base(className.empty() ? className : className.substr(1));
    for (int i = 1;; ++i) {
        std::string candidate = base + std::to_string(i);
        if (!IsDesignNameTaken(owner, candidate))
            return candidate;
    }
}

int SnapDragDelta(int delta)
{
    return delta - delta % 4; // % keeps the sign of the delta, so both directions cut towards zero
}

QPoint SnapDragDelta(const QPoint &delta)
{
    return {SnapDragDelta(delta.x()), SnapDragDelta(delta.y())};
}

TRect NormalizeRect(const TRect &rect)
{
    return Rect(std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom), std::max(rect.Left, rect.Right),
                std::max(rect.Top, rect.Bottom));
}

QRect ToQRect(const TRect &rect)
{
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

TRect ToTRect(const QRect &rect)
{
    return Bounds(rect.x(), rect.y(), rect.width(), rect.height());
}

Qt::CursorShape GrabPointCursor(int grabPoint)
{
    switch (grabPoint) {
    case gpLeftTop: case gpRightBottom: return Qt::SizeFDiagCursor;
    case gpMiddleTop: case gpMiddleBottom: return Qt::SizeVerCursor;
    case gpRightTop: case gpLeftBottom: return Qt::SizeBDiagCursor;
    case gpLeftMiddle: case gpRightMiddle: return Qt::SizeHorCursor;
    default: return Qt::PointingHandCursor;
    }
}

TRect MoveGrabEdges(const TRect &rect, int grabPoint, const QPoint &delta)
{
    TRect result = rect;
    if (grabPoint >= gpLeftTop && grabPoint <= gpRightTop)
        result.Top += delta.y();
    if (grabPoint >= gpLeftBottom && grabPoint <= gpRightBottom)
        result.Bottom += delta.y();
    if (grabPoint == gpLeftTop || grabPoint == gpLeftMiddle || grabPoint == gpLeftBottom)
        result.Left += delta.x();
    if (grabPoint == gpRightTop || grabPoint == gpRightMiddle || grabPoint == gpRightBottom)
        result.Right += delta.x();
    return result;
}

QWidget *ClientWidgetOf(const TControl *control)
{
    if (const auto *win = dynamic_cast<const TWinControl *>(control))
        return win->ClientWidget();
    return control ? control->Widget() : nullptr;
}

namespace {

// The offset of a control's widget (or client widget) inside the container's client widget,
// taken from Qt when both widgets exist, else by adding the bounds of every parent.
QPoint OffsetInContainer(const TWinControl *container, const TControl *control, QWidget *widget)
{
    QWidget *client = ClientWidgetOf(container);
    if (widget && client && client->isAncestorOf(widget))
        return widget->mapTo(client, QPoint(0, 0));
    QPoint offset;
    for (const TControl *c = control; c && c != container; c = c->Parent())
        offset += QPoint(c->Left(), c->Top());
    return offset;
}

} // namespace

QPoint ContainerToClient(const TWinControl *container, const TControl *control, const QPoint &point)
{
    if (!control || control == container)
        return point;
    return point - OffsetInContainer(container, control, ClientWidgetOf(control));
}

TRect ContainerBoundsOf(const TWinControl *container, const TControl *control)
{
    if (!control || control == container)
        return Bounds(0, 0, control ? control->Width() : 0, control ? control->Height() : 0);
    const QPoint origin = OffsetInContainer(container, control, control->Widget());
    return Bounds(origin.x(), origin.y(), control->Width(), control->Height());
}

void DrawDesignRules(QPainter &painter, const QRect &client)
{
    constexpr int Step = 32;
    constexpr int Half = 16;
    const QColor ruleColor(221, 221, 221);
    const QColor halfColor(240, 240, 240);
    painter.save();
    auto line = [&](const QColor &color, QPoint from, QPoint to) {
        painter.setPen(QPen(color, 0, Qt::DotLine));
        painter.drawLine(from, to);
    };
    for (int k = 0; k <= (client.width() + Step - 1) / Step; ++k) {
        const int x = client.left() + Step * k;
        line(ruleColor, {x, client.top()}, {x, client.bottom()});
        line(halfColor, {x + Half, client.top()}, {x + Half, client.bottom()});
    }
    for (int k = 0; k <= (client.height() + Step - 1) / Step; ++k) {
        const int y = client.top() + Step * k;
        line(ruleColor, {client.left(), y}, {client.right(), y});
        line(halfColor, {client.left(), y + Half}, {client.right(), y + Half});
    }
    painter.restore();
}

void DrawDotGrid(QPainter &painter, const QRect &rect, const QColor &background, int step, const QColor &dotColor)
{
    if (step <= 0 || rect.isEmpty())
        return;
    // One strip, drawn again every step to the right.
    QPixmap strip(step, rect.height());
    strip.fill(background);
    {
        QPainter stripPainter(&strip);
        stripPainter.setPen(dotColor);
        for (int y = 0; y < rect.height(); y += step)
            stripPainter.drawPoint(0, y);
    }
    for (int x = rect.left(); x < rect.left() + rect.width(); x += step)
        painter.drawPixmap(x, rect.top(), strip);
}
