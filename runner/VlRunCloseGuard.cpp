// Stops a run before the main window closes.
#include "VlRunCloseGuard.h"

#include "VlRunHarness.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

TVlRunCloseGuard::TVlRunCloseGuard(QWidget *window, TVlRunHarness &harness)
    : QObject(window)
    , FWindow(window)
    , FHarness(harness)
{
    window->installEventFilter(this);
    connect(&harness, &TVlRunHarness::RunningChanged, this, [this](bool running) {
        if (running || !FCloseAfterRun)
            return;
        FCloseAfterRun = false;
        // The run's frames are still on the stack here; close from the event loop.
        QTimer::singleShot(0, FWindow, &QWidget::close);
    });
}

bool TVlRunCloseGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != FWindow || event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    if (!FHarness.Running()) {
        // Once the window has really closed, a script's window left open must not keep the
        // program alive.
        QTimer::singleShot(0, this, [this] {
            if (FWindow->isHidden())
                FHarness.ReleaseScriptObjects();
        });
        return QObject::eventFilter(watched, event);
    }
    event->ignore();
    FCloseAfterRun = true;
    FHarness.Stop();
    return true;
}
