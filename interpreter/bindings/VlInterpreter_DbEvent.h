// The event bridge of the Db unit: field, data source and data set events as script calls.
#pragma once

#include "VlInterpreterHostEvent.h"

struct TVlEventArgs;

class TVlInterpreterDbEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    // (Sender: TField)
    static void FieldNotifyEvent(void *bridge, TVlEventArgs &args);
    // (Sender: TField; var Text: string; DisplayText: Boolean)
    static void FieldGetTextEvent(void *bridge, TVlEventArgs &args);
    // (Sender: TField; const Text: string)
    static void FieldSetTextEvent(void *bridge, TVlEventArgs &args);
    // (Sender: TObject; Field: TField), Field nil when the whole record changed
    static void DataChangeEvent(void *bridge, TVlEventArgs &args);
    // (DataSet: TDataSet)
    static void DataSetNotifyEvent(void *bridge, TVlEventArgs &args);
    // (DataSet: TDataSet; E: EDatabaseError; var Action: TDataAction)
    static void DataSetErrorEvent(void *bridge, TVlEventArgs &args);
    // (DataSet: TDataSet; var Accept: Boolean)
    static void FilterRecordEvent(void *bridge, TVlEventArgs &args);

    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                       const std::string &routineName, const std::string &propertyName);
    static void Register(TVlInterpreterAdapter &adapter);
};
