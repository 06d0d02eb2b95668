// The event bridge of the StdCtrls unit: owner-drawn items and scrolling.
#pragma once

#include "VlInterpreterHostEvent.h"

struct TVlEventArgs;

class TVlInterpreterStdCtrlsEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    // (Control; Index; Rect: TRect; State: TOwnerDrawState)
    static void DrawItemEvent(void *bridge, TVlEventArgs &args);
    // (Control; Index; var Height)
    static void MeasureItemEvent(void *bridge, TVlEventArgs &args);
    // (Sender; ScrollCode; var ScrollPos)
    static void ScrollEvent(void *bridge, TVlEventArgs &args);

    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                       const std::string &routineName, const std::string &propertyName);
    static void Register(TVlInterpreterAdapter &adapter);
};
