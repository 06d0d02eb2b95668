// The event bridge of the ComCtrls unit: tab, tree, list, header, status bar, rich edit and up-down events.
#pragma once

#include "VlInterpreterHostEvent.h"

struct TVlEventArgs;

class TVlInterpreterComCtrlsEvent : public TVlInterpreterHostEvent {
public:
    using TVlInterpreterHostEvent::TVlInterpreterHostEvent;

    static void TabChangingEvent(void *bridge, TVlEventArgs &args);      // (Sender; var AllowChange)
    static void DrawPanelEvent(void *bridge, TVlEventArgs &args);        // (StatusBar; Panel; Rect)
    static void DrawSectionEvent(void *bridge, TVlEventArgs &args);      // (HeaderControl; Section; Rect; Pressed)
    static void SectionNotifyEvent(void *bridge, TVlEventArgs &args);    // (HeaderControl; Section)
    static void SectionTrackEvent(void *bridge, TVlEventArgs &args);     // (HeaderControl; Section; Width; State)
    static void TVChangingEvent(void *bridge, TVlEventArgs &args);       // (Sender; Node; var AllowChange)
    static void TVChangedEvent(void *bridge, TVlEventArgs &args);        // (Sender; Node)
    static void TVEditingEvent(void *bridge, TVlEventArgs &args);        // (Sender; Node; var AllowEdit)
    static void TVEditedEvent(void *bridge, TVlEventArgs &args);         // (Sender; Node; var S)
    static void TVExpandingEvent(void *bridge, TVlEventArgs &args);      // (Sender; Node; var AllowExpansion)
    static void TVCollapsingEvent(void *bridge, TVlEventArgs &args);     // (Sender; Node; var AllowCollapse)
    static void TVExpandedEvent(void *bridge, TVlEventArgs &args);       // (Sender; Node)
    static void TVCompareEvent(void *bridge, TVlEventArgs &args);        // (Sender; Node1, Node2; Data; var Compare)
    static void RichEditResizeEvent(void *bridge, TVlEventArgs &args);   // (Sender; Rect)
    static void RichEditProtectChange(void *bridge, TVlEventArgs &args); // (Sender; StartPos, EndPos; var AllowChange)
    static void RichEditSaveClipboard(void *bridge, TVlEventArgs &args); // (Sender; NumObjects, NumChars; var SaveClipboard)
    static void UDClickEvent(void *bridge, TVlEventArgs &args);          // (Sender; Button)
    static void UDChangingEvent(void *bridge, TVlEventArgs &args);       // (Sender; var AllowChange)
    static void LVDeletedEvent(void *bridge, TVlEventArgs &args);        // (Sender; Item)
    static void LVEditingEvent(void *bridge, TVlEventArgs &args);        // (Sender; Item; var AllowEdit)
    static void LVEditedEvent(void *bridge, TVlEventArgs &args);         // (Sender; Item; var S)
    static void LVChangeEvent(void *bridge, TVlEventArgs &args);         // (Sender; Item; Change)
    static void LVChangingEvent(void *bridge, TVlEventArgs &args);       // (Sender; Item; Change; var AllowChange)
    static void LVColumnClickEvent(void *bridge, TVlEventArgs &args);    // (Sender; Column)
    static void LVCompareEvent(void *bridge, TVlEventArgs &args);        // (Sender; Item1, Item2; Data; var Compare)

    static TVlInterpreterEvent *Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                       const std::string &routineName, const std::string &propertyName);
    static void Register(TVlInterpreterAdapter &adapter);
};
