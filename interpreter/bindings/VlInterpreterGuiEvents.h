// Script handlers on widget-set events: the bridges' handler entries and the dispatcher that runs
// them when a component raises an event.
//
// An event property assigned a script routine holds {Code = entry, Data = bridge}. The component
// hands the handler and its TVlEventArgs to the dispatcher, which calls the entry; the entry turns
// the arguments into script values, runs the routine and copies var parameters back:
//     static void KeyPressEvent(void *bridge, TVlEventArgs &args);
#pragma once

#include "components/VlEvents.h"
#include "interpreter/VlInterpreterAdapter.h"

struct TVlInterpreterArgs;

using TVlGuiEventEntry = void (*)(void *bridge, TVlEventArgs &args);

// AddEventHandler with an entry the dispatcher knows.
void VlAddGuiEventHandler(TVlInterpreterAdapter &adapter, const char *unitName, const char *eventTypeName,
                          TVlEventFactory factory, TVlGuiEventEntry entry);
// Installs the dispatcher once; handlers that are no script bridges go on to the one installed before.
void VlInstallScriptEventDispatcher();

// Argument values shared by the bridges' entries.
TVlValue VlEventObject(const void *object);
// The rectangle of args for a handler: a TVlEventRect object that lives as long as this holder
// (a script that frees it early leaves nothing to free).
class TVlEventRectArg {
public:
    explicit TVlEventRectArg(const TVlEventArgs &args);
    ~TVlEventRectArg();
    TVlEventRectArg(const TVlEventRectArg &) = delete;
    TVlEventRectArg &operator=(const TVlEventRectArg &) = delete;
    TVlValue Value() const;

private:
    class TVlEventRect *FRect;
};
// The first character of a var Char slot's text, or character 0 for an empty text.
char VlEventChar(const TVlValue &value);
