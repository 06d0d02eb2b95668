// The event bridge of the Forms unit: closing a form, application exceptions and idle time.
#pragma once

#include "VlInterpreterHostEvent.h"

struct TVlEventArgs;

class TVlInterpreterFormsEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    static void CloseEvent(void *bridge, TVlEventArgs &args);      // (Sender; var Action: TCloseAction)
    static void CloseQueryEvent(void *bridge, TVlEventArgs &args); // (Sender; var CanClose)
    static void ExceptionEvent(void *bridge, TVlEventArgs &args);  // (Sender; E: Exception)
    static void IdleEvent(void *bridge, TVlEventArgs &args);       // (Sender; var Done)

    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                       const std::string &routineName, const std::string &propertyName);
    // TShowHintEvent is registered too, and raises error 2 when a script assigns it.
    static void Register(TVlInterpreterAdapter &adapter);
};
