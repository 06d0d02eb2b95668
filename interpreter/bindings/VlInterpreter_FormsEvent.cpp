// Form and application events as script calls; Action, CanClose and Done come back from the routine.
#include "VlInterpreter_FormsEvent.h"

#include "VlInterpreterBindingTable.h"
#include "VlInterpreterGuiEvents.h"

using TBridge = TVlInterpreterFormsEvent;

void TBridge::CloseEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Integer(e.Action));
    Call(bridge, args);
    const int action = ValueToInteger(args.Values[1]);
    e.Action = action >= caNone && action <= caMinimize ? static_cast<TCloseAction>(action) : caHide;
}

void TBridge::CloseQueryEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Boolean(e.CanClose));
    Call(bridge, args);
    e.CanClose = ValueToBoolean(args.Values[1]);
}

void TBridge::ExceptionEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(ObjectToValue(e.Error ? GlobalAdapter().ObjectModel().ExceptionObject(e.Error) : nullptr));
    Call(bridge, args);
}

void TBridge::IdleEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Boolean(e.Done));
    Call(bridge, args);
    e.Done = ValueToBoolean(args.Values[1]);
}

TVlInterpreterEvent *TBridge::Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                     const std::string &routineName, const std::string &propertyName)
{
    return new TVlInterpreterFormsEvent(owner, object, unitName, routineName, propertyName);
}

namespace {

TVlInterpreterEvent *ShowHintNotImplemented(TVlInterpreterProgram *, void *, const std::string &, const std::string &,
                                            const std::string &)
{
    VlNotImplemented("TShowHintEvent");
}

void ShowHintEvent(void *, TVlEventArgs &) {}

} // namespace

void TBridge::Register(TVlInterpreterAdapter &adapter)
{
    VlAddGuiEventHandler(adapter, "Forms", "TCloseEvent", Create, CloseEvent);
    VlAddGuiEventHandler(adapter, "Forms", "TCloseQueryEvent", Create, CloseQueryEvent);
    VlAddGuiEventHandler(adapter, "Forms", "TExceptionEvent", Create, ExceptionEvent);
    VlAddGuiEventHandler(adapter, "Forms", "TIdleEvent", Create, IdleEvent);
    VlAddGuiEventHandler(adapter, "Forms", "TShowHintEvent", ShowHintNotImplemented, ShowHintEvent);
}
