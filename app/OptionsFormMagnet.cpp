// Window snapping to the screen edges.
#include "OptionsFormMagnet.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

QPoint SnapToScreenEdges(const QRect &frame, const QRect &screen, int distance)
{
    QPoint topLeft = frame.topLeft();
    if (std::abs(frame.left() - screen.left()) < distance)
        topLeft.setX(screen.left());
    else if (std::abs(frame.right() - screen.right()) < distance)
        topLeft.setX(screen.right() - frame.width() + 1);
    if (std::abs(frame.top() - screen.top()) < distance)
        topLeft.setY(screen.top());
    else if (std::abs(frame.bottom() - screen.bottom()) < distance)
        topLeft.setY(screen.bottom() - frame.height() + 1);
    return topLeft;
}

TVlFormMagnet::TVlFormMagnet(QWidget *window) : QObject(window), FWindow(window)
{
    setObjectName("FormMagnet1");
    window->installEventFilter(this);
}

bool TVlFormMagnet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FWindow && event->type() == QEvent::Move && FEnabled && !FMoving && FWindow->screen()) {
        const QRect frame = FWindow->frameGeometry();
        const QPoint snapped = SnapToScreenEdges(frame, FWindow->screen()->availableGeometry());
        if (snapped != frame.topLeft()) {
            FMoving = true; // the move below reports a move event of its own
            FWindow->move(snapped);
            FMoving = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
