// The event bridge of the Controls unit: mouse, key and drag-and-drop events that call a script routine.
#pragma once

#include "VlInterpreterHostEvent.h"

struct TVlEventArgs;

class TVlInterpreterControlsEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    // (Sender; Button; Shift; X, Y)
    static void MouseEvent(void *bridge, TVlEventArgs &args);
    // (Sender; Shift; X, Y)
    static void MouseMoveEvent(void *bridge, TVlEventArgs &args);
    // (Sender; var Key: Word; Shift)
    static void KeyEvent(void *bridge, TVlEventArgs &args);
    // (Sender; var Key: Char)
    static void KeyPressEvent(void *bridge, TVlEventArgs &args);
    // (Sender, Source; X, Y; State: TDragState; var Accept)
    static void DragOverEvent(void *bridge, TVlEventArgs &args);
    // (Sender, Source; X, Y)
    static void DragDropEvent(void *bridge, TVlEventArgs &args);
    // (Sender; var DragObject)
    static void StartDragEvent(void *bridge, TVlEventArgs &args);
    // (Sender, Target; X, Y)
    static void EndDragEvent(void *bridge, TVlEventArgs &args);

    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                       const std::string &routineName, const std::string &propertyName);
    // The Controls unit's event types.
    static void Register(TVlInterpreterAdapter &adapter);
};
