// The event bridge of the Classes unit: TNotifyEvent and THelpEvent handlers that call a script routine.
//
// A method property assigned from a script holds {Code = handler entry, Data = bridge}; the host
// raises the event by calling the entry with the bridge first:
//     reinterpret_cast<TVlNotifyEventEntry>(method.Code)(method.Data, sender);
#pragma once

#include "VlInterpreterHostEvent.h"

#include <cstdint>

class TObject;

using TVlNotifyEventEntry = void (*)(void *bridge, TObject *sender);
using TVlHelpEventEntry = bool (*)(void *bridge, uint16_t command, int32_t data, bool &callHelp);

class TVlInterpreterClassesEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    static void NotifyEvent(void *bridge, TObject *sender);
    static bool HelpEvent(void *bridge, uint16_t command, int32_t data, bool &callHelp);
    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object,
                                       const std::string &unitName, const std::string &routineName,
                                       const std::string &propertyName);
};
