// Helpers of the design surface: unique names, the 4-pixel drag rule, grab point cursors,
// coordinates between the container and nested controls, rules and the dot grid.
#pragma once

#include "components/VlControls.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <string>
#include <string_view>

class QPainter;
class TComponent;

// The class name without its first character plus the first number that no component of the
// owner, nor of the owner's owner and so on, is named ("TButton" -> "Button4"); letter case ignored.
std::string UniqueDesignName(const TComponent *owner, std::string_view className);
// Whether a component of the owner or of an owner above it has the name.
bool IsDesignNameTaken(const TComponent *owner, std::string_view name);

// A drag distance cut to a multiple of 4 towards zero (7 -> 4, -7 -> -4, 3 -> 0).
int SnapDragDelta(int delta);
QPoint SnapDragDelta(const QPoint &delta);

// Left/right and top/bottom swapped where they crossed.
TRect NormalizeRect(const TRect &rect);
QRect ToQRect(const TRect &rect);
TRect ToTRect(const QRect &rect);

// Grab points: 1-8 around the first selected control, 0 for none.
enum TVlGrabPoint { gpNone, gpLeftTop, gpMiddleTop, gpRightTop, gpLeftMiddle, gpRightMiddle,
                    gpLeftBottom, gpMiddleBottom, gpRightBottom };
// The cursor shown over a grab point (the pointing hand for none).
Qt::CursorShape GrabPointCursor(int grabPoint);
// The rectangle with the edges of the grab point moved by the delta.
TRect MoveGrabEdges(const TRect &rect, int grabPoint, const QPoint &delta);

// The widget a control's children are placed in (and container points are mapped to).
QWidget *ClientWidgetOf(const TControl *control);
// A point of the container in the client coordinates of a control inside it (or the container).
QPoint ContainerToClient(const TWinControl *container, const TControl *control, const QPoint &point);
// A control's bounds in container coordinates; (0, 0, width, height) for the container itself.
TRect ContainerBoundsOf(const TWinControl *container, const TControl *control);

// The alignment rules: dotted lines every 32 pixels (221, 221, 221) with half-step lines (240, 240, 240).
void DrawDesignRules(QPainter &painter, const QRect &client);
// Dots of dotColor every step, on a background of background, over the rectangle.
void DrawDotGrid(QPainter &painter, const QRect &rect, const QColor &background, int step, const QColor &dotColor);
