// The dispatcher of script handlers and the registry of bridge entries it may call.
#include "VlInterpreterGuiEvents.h"

#include "VlInterpreterClassesEvent.h"
#include "VlInterpreterWindowsRecords.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<void *> &Entries()
{
    static std::vector<void *> entries;
    return entries;
}

bool IsEntry(void *code)
{
    const std::vector<void *> &entries = Entries();
    return std::find(entries.begin(), entries.end(), code) != entries.end();
}

} // namespace

void VlAddGuiEventHandler(TVlInterpreterAdapter &adapter, const char *unitName, const char *eventTypeName,
                          TVlEventFactory factory, TVlGuiEventEntry entry)
{
    void *code = reinterpret_cast<void *>(entry);
    if (!IsEntry(code))
        Entries().push_back(code);
    adapter.AddEventHandler(unitName, eventTypeName, factory, code);
}

void VlInstallScriptEventDispatcher()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    auto previous = std::make_shared<TVlEventDispatcher>();
    *previous = SetVlEventDispatcher([previous](const TMethod &handler, TVlEventArgs &args) {
        // TNotifyEvent and THelpEvent are the Classes unit's bridge entries, with their own shapes.
        if (handler.Code == reinterpret_cast<void *>(&TVlInterpreterClassesEvent::NotifyEvent)) {
            TVlInterpreterClassesEvent::NotifyEvent(handler.Data, args.Sender);
        } else if (handler.Code == reinterpret_cast<void *>(&TVlInterpreterClassesEvent::HelpEvent)) {
            bool callHelp = args.Done;
            args.Allow = TVlInterpreterClassesEvent::HelpEvent(handler.Data, static_cast<uint16_t>(args.Key),
                                                               args.Value, callHelp);
            args.Done = callHelp;
        } else if (IsEntry(handler.Code)) {
            reinterpret_cast<TVlGuiEventEntry>(handler.Code)(handler.Data, args);
        } else if (*previous) {
            (*previous)(handler, args);
        }
    });
}

TVlValue VlEventObject(const void *object)
{
    return ObjectToValue(const_cast<void *>(object));
}

TVlEventRectArg::TVlEventRectArg(const TVlEventArgs &args)
    : FRect(new TVlEventRect(args.Rect[0], args.Rect[1], args.Rect[2], args.Rect[3]))
{
}

TVlEventRectArg::~TVlEventRectArg()
{
    if (VlIsLiveObject(FRect))
        delete FRect;
}

TVlValue TVlEventRectArg::Value() const
{
    return ObjectToValue(FRect);
}

char VlEventChar(const TVlValue &value)
{
    const std::string text = ValueToString(value);
    return text.empty() ? '\0' : text[0];
}
