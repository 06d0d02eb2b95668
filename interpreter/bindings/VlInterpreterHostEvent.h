// The base of the binding units' event bridges: a call that survives the bridge being freed by the
// script it runs, and a destructor that takes the bridge out of the host object holding it.
#pragma once

#include "interpreter/VlInterpreterAdapter.h"

class TVlInterpreterHostEvent : public TVlInterpreterEvent {
public:
    using TVlInterpreterEvent::TVlInterpreterEvent;
    // Clears the method property PropertyName of Holder (or of Object) when it still holds this
    // bridge, so that no control is left calling freed memory (a new run, a freed program).
    ~TVlInterpreterHostEvent() override;

    // Runs the bridge's script routine with args as its arguments; by-reference parameters hold
    // their final values in args afterwards. The routine may free the bridge (a handler that
    // assigns its own event again): callers touch only args and the result once this returns.
    // Nothing runs when the bridge has no program.
    static TVlValue Call(void *bridge, TVlInterpreterArgs &args);

    // The object whose method property holds the bridge, when it is not Object (a form file binds a
    // component's event to a bridge whose context object is the form).
    void *Holder = nullptr;
};
