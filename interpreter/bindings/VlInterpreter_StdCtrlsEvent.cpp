// Owner-draw and scroll events as script calls; Height and ScrollPos come back from the routine.
#include "VlInterpreter_StdCtrlsEvent.h"

#include "VlInterpreterGuiEvents.h"

void TVlInterpreterStdCtrlsEvent::DrawItemEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Index));
    const TVlEventRectArg rect(e);
    args.Add(rect.Value());
    args.Add(SetToValue(static_cast<uint32_t>(e.State)));
    Call(bridge, args);
}

void TVlInterpreterStdCtrlsEvent::MeasureItemEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Index));
    args.Add(TVlValue::Integer(e.Value));
    Call(bridge, args);
    e.Value = ValueToInteger(args.Values[2]);
}

void TVlInterpreterStdCtrlsEvent::ScrollEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Key));
    args.Add(TVlValue::Integer(e.Value));
    Call(bridge, args);
    e.Value = ValueToInteger(args.Values[2]);
}

TVlInterpreterEvent *TVlInterpreterStdCtrlsEvent::Create(TVlInterpreterProgram *owner, void *object,
                                                         const std::string &unitName, const std::string &routineName,
                                                         const std::string &propertyName)
{
    return new TVlInterpreterStdCtrlsEvent(owner, object, unitName, routineName, propertyName);
}

void TVlInterpreterStdCtrlsEvent::Register(TVlInterpreterAdapter &adapter)
{
    VlAddGuiEventHandler(adapter, "StdCtrls", "TDrawItemEvent", Create, DrawItemEvent);
    VlAddGuiEventHandler(adapter, "StdCtrls", "TMeasureItemEvent", Create, MeasureItemEvent);
    VlAddGuiEventHandler(adapter, "StdCtrls", "TScrollEvent", Create, ScrollEvent);
}
