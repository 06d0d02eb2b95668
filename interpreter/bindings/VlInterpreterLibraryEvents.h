// Events of library objects that are not published method properties (TStringList.OnChange and
// OnChanging): scripts assign them like published ones, through the TNotifyEvent bridge.
#pragma once

#include "interpreter/VlInterpreterAdapter.h"

#include <string>

class TObject;

// The event of that name on the object: its type name and the handler it holds (empty when none
// or when the host set a handler of its own). False when the object has no such event.
bool VlGetLibraryEvent(TObject *object, const std::string &name, std::string &eventTypeName,
                       TVlMethod &handler);
// Sets the event to a script bridge's method ({entry, TVlInterpreterEvent}), or clears it for an
// empty method. The handler is not called once its bridge has been freed. False when the object
// has no such event.
bool VlSetLibraryEvent(TObject *object, const std::string &name, const TVlMethod &handler);
