// The controller of the design surface: turns routed key and mouse input into surface operations.
#pragma once

#include "components/VlControls.h"

#include <QPoint>
#include <memory>

class TVlDesignSurface;
class TVlDesignMouseTool;

enum class TVlDesignDragMode { None, Move, Resize, Select, Create };

class TVlDesignController {
public:
    explicit TVlDesignController(TVlDesignSurface &surface);
    TVlDesignController(const TVlDesignController &) = delete;
    TVlDesignController &operator=(const TVlDesignController &) = delete;
    virtual ~TVlDesignController();
    static std::unique_ptr<TVlDesignController> Create(TVlDesignSurface &surface);

    // Qt key codes and modifiers; the results say whether the input was consumed. Keys act on
    // the union of the modifiers held at the press and at the release.
    virtual bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual bool KeyUp(int key, Qt::KeyboardModifiers modifiers);
    // A key press meant for the designer, whoever handles it (the main menu takes Ctrl+C).
    void NoteKeyPress(Qt::KeyboardModifiers modifiers) { FKeyModifiers = modifiers; }
    // Left button only; points in container coordinates.
    virtual bool MouseDown(Qt::KeyboardModifiers modifiers, const QPoint &point);
    virtual bool MouseMove(Qt::KeyboardModifiers modifiers, const QPoint &point);
    virtual bool MouseUp(Qt::KeyboardModifiers modifiers, const QPoint &point);

    bool MouseIsDown() const { return FMouseIsDown; }
    TControl *PressedControl() const { return FPressed; }
    TVlDesignDragMode DragMode() const { return FDragMode; }
    int GrabPoint() const { return FGrabPoint; }
    TVlDesignMouseTool *MouseTool() const { return FTool.get(); }
    // The normalised rectangle of the last finished drag, in container coordinates.
    const TRect &DragRect() const { return FDragRect; }
    // Ends a drag without applying it (the surface goes inactive).
    void CancelDrag();

private:
    void EndDrag();
    TVlDesignSurface &FSurface;
    Qt::KeyboardModifiers FKeyModifiers;
    bool FMouseIsDown = false;
    TControl *FPressed = nullptr;
    TWinControl *FAlignSuspended = nullptr;
    TVlDesignDragMode FDragMode = TVlDesignDragMode::None;
    int FGrabPoint = 0;
    std::unique_ptr<TVlDesignMouseTool> FTool;
    TRect FDragRect;
};
