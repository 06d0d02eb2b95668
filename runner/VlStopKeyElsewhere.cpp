// The stop key outside the main window.
#include "VlStopKeyElsewhere.h"

#include "VlRunHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TVlStopKeyElsewhere::TVlStopKeyElsewhere(QWidget *mainWindow, TVlRunHarness &harness, QKeySequence key)
    : QObject(mainWindow)
    , FMainWindow(mainWindow)
    , FHarness(harness)
    , FKey(std::move(key))
{
    qApp->installEventFilter(this);
}

TVlStopKeyElsewhere::~TVlStopKeyElsewhere()
{
    qApp->removeEventFilter(this);
}

bool TVlStopKeyElsewhere::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || FKey.isEmpty() || !FHarness.Running())
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() == FMainWindow ||
        static_cast<QKeyEvent *>(event)->keyCombination() != FKey[0])
        return QObject::eventFilter(watched, event);
    FHarness.Stop();
    return true;
}
