// The stop key inside a script's modal window.
#include "VlModalStopKey.h"

#include "VlRunHarness.h"

#include <QApplication>
#include <QKeyEvent>

TVlModalStopKey::TVlModalStopKey(QObject *parent, TVlRunHarness &harness, QKeySequence key)
    : QObject(parent)
    , FHarness(harness)
    , FKey(std::move(key))
{
    qApp->installEventFilter(this);
}

TVlModalStopKey::~TVlModalStopKey()
{
    qApp->removeEventFilter(this);
}

bool TVlModalStopKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || FKey.isEmpty() || !FHarness.Running() || !QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    if (static_cast<QKeyEvent *>(event)->keyCombination() != FKey[0])
        return QObject::eventFilter(watched, event);
    FHarness.Stop();
    return true;
}
