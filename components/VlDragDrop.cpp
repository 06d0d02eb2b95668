// Drag and drop: BeginDrag, the drag over targets, the drop and the end events.
#include "VlDragDrop.h"

#include "VlControls.h"

#include <QApplication>
#include <QCursor>

namespace {

struct TDrag {
    TControl *Source = nullptr;
    TControl *Target = nullptr;  // the control under the mouse last time, asked with dsDragEnter
    QPoint Start;
    int Threshold = 5;
    bool Started = false;
    bool Accepted = false;
    bool CursorSet = false;
};

TDrag &Drag()
{
    static TDrag drag;
    return drag;
}

void SetDragCursor(TCursor cursor)
{
    TDrag &d = Drag();
    if (!qApp)
        return;
    if (d.CursorSet)
        QApplication::changeOverrideCursor(QCursor(CursorToQtShape(cursor)));
    else
        QApplication::setOverrideCursor(QCursor(CursorToQtShape(cursor)));
    d.CursorSet = true;
}

void ResetDrag()
{
    TDrag &d = Drag();
    if (d.CursorSet && qApp)
        QApplication::restoreOverrideCursor();
    d = TDrag();
}

// The control under a screen point and the point in its client coordinates.
TControl *ControlAt(const QPoint &global, TPoint &local)
{
    QWidget *widget = qApp ? QApplication::widgetAt(global) : nullptr;
    TControl *control = TControl::FromWidget(widget);
    if (control)
        local = control->ScreenToClient({global.x(), global.y()});
    return control;
}

void StartDragging(TControl *source)
{
    TDrag &d = Drag();
    d.Started = true;
    TVlEventArgs args;
    source->FireEvent(source->OnStartDrag(), "OnStartDrag", "TStartDragEvent", args);
    SetDragCursor(crNoDrop);
}

void FireEndDrag(TControl *source, TObject *target, int x, int y)
{
    TVlEventArgs args;
    args.Target = target;
    args.X = x;
    args.Y = y;
    source->FireEvent(source->OnEndDrag(), "OnEndDrag", "TEndDragEvent", args);
}

} // namespace

const TEnumInfo &DragModeEnumInfo()
{
    static const TEnumInfo info("TDragMode", {"dmManual", "dmAutomatic"});
    return info;
}

const TEnumInfo &DragStateEnumInfo()
{
    static const TEnumInfo info("TDragState", {"dsDragEnter", "dsDragLeave", "dsDragMove"});
    return info;
}

void TControl::BeginDrag(bool immediate, int threshold)
{
    if (Dragging())
        return;
    ResetDrag();
    TDrag &d = Drag();
    d.Source = this;
    d.Start = qApp ? QCursor::pos() : QPoint();
    d.Threshold = threshold < 0 ? 5 : threshold;
    if (immediate)
        StartDragging(this);
}

bool TControl::Dragging() const
{
    return Drag().Source == this;
}

void TControl::EndDrag(bool drop)
{
    if (!Dragging())
        return;
    if (drop) {
        VlFinishDrag(this);
        return;
    }
    const bool started = Drag().Started;
    ResetDrag();
    if (started)
        FireEndDrag(this, nullptr, 0, 0);
}

bool TControl::DragOver(TObject *source, int x, int y, TDragState state)
{
    if (!FOnDragOver.IsAssigned())
        return false;
    TVlEventArgs args;
    args.Source = source;
    args.X = x;
    args.Y = y;
    args.State = state;
    args.Allow = true;
    return FireEvent(FOnDragOver, "OnDragOver", "TDragOverEvent", args) && args.Allow;
}

void TControl::DragDrop(TObject *source, int x, int y)
{
    TVlEventArgs args;
    args.Source = source;
    args.X = x;
    args.Y = y;
    FireEvent(FOnDragDrop, "OnDragDrop", "TDragDropEvent", args);
}

void VlTrackDrag(TControl *source)
{
    TDrag &d = Drag();
    if (d.Source != source || !qApp)
        return;
    const QPoint global = QCursor::pos();
    if (!d.Started) {
        if ((global - d.Start).manhattanLength() < d.Threshold)
            return;
        StartDragging(source);
    }
    TPoint local;
    TControl *target = ControlAt(global, local);
    if (target != d.Target) {
        if (d.Target)
            d.Target->DragOver(source, local.X, local.Y, dsDragLeave);
        d.Target = target;
        d.Accepted = target && target->DragOver(source, local.X, local.Y, dsDragEnter);
    } else if (target) {
        d.Accepted = target->DragOver(source, local.X, local.Y, dsDragMove);
    }
    // The target's answer may have ended the drag (a handler freeing the source).
    if (Drag().Source == source)
        SetDragCursor(d.Accepted ? source->DragCursor() : crNoDrop);
}

void VlFinishDrag(TControl *source)
{
    TDrag &d = Drag();
    if (d.Source != source)
        return;
    if (!d.Started) {
        ResetDrag();
        return;
    }
    TPoint local;
    TControl *target = qApp ? ControlAt(QCursor::pos(), local) : nullptr;
    const bool accepted = target && target->DragOver(source, local.X, local.Y, dsDragMove);
    ResetDrag();
    if (accepted)
        target->DragDrop(source, local.X, local.Y);
    // The drop handler may have freed either control.
    if (VlIsLiveObject(source))
        FireEndDrag(source, accepted && VlIsLiveObject(target) ? target : nullptr, local.X, local.Y);
}

void VlForgetDragControl(TControl *control)
{
    TDrag &d = Drag();
    if (d.Source == control)
        ResetDrag();
    else if (d.Target == control)
        d.Target = nullptr;
}
