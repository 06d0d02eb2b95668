// Script handlers on the std::function events of library classes.
#include "VlInterpreterLibraryEvents.h"

#include "VlInterpreterClassesEvent.h"

#include "rtl/VlNameCompare.h"
#include "rtl/VlStringList.h"

#include <memory>

namespace {

// What a script handler becomes inside the library's function: the bridge's method, kept so
// that it can be read back, and the bridge's lifetime.
struct TNotifyCall {
    TVlMethod Handler;
    std::weak_ptr<const void> Bridge;
    void operator()(TObject *sender) const
    {
        if (!Bridge.expired())
            reinterpret_cast<TVlNotifyEventEntry>(Handler.Code)(Handler.Data, sender);
    }
};

struct TLibraryEvent {
    const char *Name;
    TStringList::TNotify TStringList::*Member;
};

const TLibraryEvent StringListEvents[] = {
    {"OnChange", &TStringList::OnChange},
    {"OnChanging", &TStringList::OnChanging},
};

TStringList::TNotify *EventSlot(TObject *object, const std::string &name)
{
    if (!object || !object->ClassInfo()->InheritsFrom(&TStringList::StaticClassInfo()))
        return nullptr;
    auto *list = static_cast<TStringList *>(object);
    for (const TLibraryEvent &event : StringListEvents)
        if (VlSameName(name, event.Name))
            return &(list->*event.Member);
    return nullptr;
}

} // namespace

bool VlGetLibraryEvent(TObject *object, const std::string &name, std::string &eventTypeName, TVlMethod &handler)
{
    TStringList::TNotify *slot = EventSlot(object, name);
    if (!slot)
        return false;
    eventTypeName = "TNotifyEvent";
    const TNotifyCall *call = slot->target<TNotifyCall>();
    handler = call ? call->Handler : TVlMethod();
    return true;
}

bool VlSetLibraryEvent(TObject *object, const std::string &name, const TVlMethod &handler)
{
    TStringList::TNotify *slot = EventSlot(object, name);
    if (!slot)
        return false;
    if (!handler.Code) {
        *slot = nullptr;
        return true;
    }
    auto *bridge = static_cast<TVlInterpreterEvent *>(handler.Data);
    *slot = TNotifyCall{handler, bridge->Lifetime()};
    return true;
}
