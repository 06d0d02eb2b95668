// Data set, data source and field events as script calls; Text, Action and Accept come back.
#include "VlInterpreter_DbEvent.h"

#include "VlInterpreterGuiEvents.h"

using TBridge = TVlInterpreterDbEvent;

void TBridge::FieldNotifyEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    Call(bridge, args);
}

void TBridge::FieldGetTextEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::String(e.Text));
    args.Add(TVlValue::Boolean(e.Done));
    Call(bridge, args);
    e.Text = ValueToString(args.Values[1]);
}

void TBridge::FieldSetTextEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::String(e.Text));
    Call(bridge, args);
}

void TBridge::DataChangeEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(VlEventObject(e.Item));
    Call(bridge, args);
}

void TBridge::DataSetNotifyEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    Call(bridge, args);
}

void TBridge::DataSetErrorEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(ObjectToValue(e.Error ? GlobalAdapter().ObjectModel().ExceptionObject(e.Error) : nullptr));
    args.Add(TVlValue::Integer(e.Value));
    Call(bridge, args);
    e.Value = ValueToInteger(args.Values[2]);
}

void TBridge::FilterRecordEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(VlEventObject(e.Sender));
    args.Add(TVlValue::Boolean(e.Allow));
    Call(bridge, args);
    e.Allow = ValueToBoolean(args.Values[1]);
}

TVlInterpreterEvent *TBridge::Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                     const std::string &routineName, const std::string &propertyName)
{
    return new TVlInterpreterDbEvent(owner, object, unitName, routineName, propertyName);
}

void TBridge::Register(TVlInterpreterAdapter &adapter)
{
    VlAddGuiEventHandler(adapter, "Db", "TFieldNotifyEvent", Create, FieldNotifyEvent);
    VlAddGuiEventHandler(adapter, "Db", "TFieldGetTextEvent", Create, FieldGetTextEvent);
    VlAddGuiEventHandler(adapter, "Db", "TFieldSetTextEvent", Create, FieldSetTextEvent);
    VlAddGuiEventHandler(adapter, "Db", "TDataChangeEvent", Create, DataChangeEvent);
    VlAddGuiEventHandler(adapter, "Db", "TDataSetNotifyEvent", Create, DataSetNotifyEvent);
    VlAddGuiEventHandler(adapter, "Db", "TDataSetErrorEvent", Create, DataSetErrorEvent);
    VlAddGuiEventHandler(adapter, "Db", "TFilterRecordEvent", Create, FilterRecordEvent);
}
