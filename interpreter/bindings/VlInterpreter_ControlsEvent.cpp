// Mouse, key and drag-and-drop events as script calls; Key and Accept come back from the routine.
#include "VlInterpreter_ControlsEvent.h"

#include "VlInterpreterGuiEvents.h"

namespace {

using TBridge = TVlInterpreterControlsEvent;

} // namespace

void TBridge::MouseEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Button));
    args.Add(SetToValue(e.Shift));
    args.Add(TVlValue::Integer(e.X));
    args.Add(TVlValue::Integer(e.Y));
    Call(bridge, args);
}

void TBridge::MouseMoveEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(SetToValue(e.Shift));
    args.Add(TVlValue::Integer(e.X));
    args.Add(TVlValue::Integer(e.Y));
    Call(bridge, args);
}

void TBridge::KeyEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Key));
    args.Add(SetToValue(e.Shift));
    Call(bridge, args);
    e.Key = ValueToInteger(args.Values[1]);
}

void TBridge::KeyPressEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::String(e.KeyChar ? std::string(1, e.KeyChar) : std::string()));
    Call(bridge, args);
    e.KeyChar = VlEventChar(args.Values[1]);
}

void TBridge::DragOverEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(VlEventObject(e.Source));
    args.Add(TVlValue::Integer(e.X));
    args.Add(TVlValue::Integer(e.Y));
    args.Add(TVlValue::Integer(e.State));
    args.Add(TVlValue::Boolean(e.Allow));
    Call(bridge, args);
    e.Allow = ValueToBoolean(args.Values[5]);
}

void TBridge::DragDropEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(VlEventObject(e.Source));
    args.Add(TVlValue::Integer(e.X));
    args.Add(TVlValue::Integer(e.Y));
    Call(bridge, args);
}

void TBridge::StartDragEvent(void *bridge, TVlEventArgs &e)
{
    // There are no drag objects: the routine receives nil and what it stores is not used.
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(PointerToValue(nullptr));
    Call(bridge, args);
}

void TBridge::EndDragEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(VlEventObject(e.Target));
    args.Add(TVlValue::Integer(e.X));
    args.Add(TVlValue::Integer(e.Y));
    Call(bridge, args);
}

TVlInterpreterEvent *TBridge::Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                     const std::string &routineName, const std::string &propertyName)
{
    return new TVlInterpreterControlsEvent(owner, object, unitName, routineName, propertyName);
}

void TBridge::Register(TVlInterpreterAdapter &adapter)
{
    const struct {
        const char *Type;
        TVlGuiEventEntry Entry;
    } events[] = {
        {"TMouseEvent", MouseEvent}, {"TMouseMoveEvent", MouseMoveEvent}, {"TKeyEvent", KeyEvent},
        {"TKeyPressEvent", KeyPressEvent}, {"TDragOverEvent", DragOverEvent}, {"TDragDropEvent", DragDropEvent},
        {"TStartDragEvent", StartDragEvent}, {"TEndDragEvent", EndDragEvent},
    };
    for (const auto &e : events)
        VlAddGuiEventHandler(adapter, "Controls", e.Type, Create, e.Entry);
}
