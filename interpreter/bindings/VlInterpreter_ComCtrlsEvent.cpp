// Common-control events as script calls; Allow, S and Compare come back from the routine.
// Items, nodes, panels, sections and columns travel in TVlEventArgs::Item (and Item2).
#include "VlInterpreter_ComCtrlsEvent.h"

#include "VlInterpreterGuiEvents.h"

namespace {

using TBridge = TVlInterpreterComCtrlsEvent;

TVlValue Obj(const void *object) { return VlEventObject(object); }

// (Sender; [Item;] var Allow)
void WithAllow(void *bridge, TVlEventArgs &e, bool withItem)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    if (withItem)
        args.Add(Obj(e.Item));
    args.Add(TVlValue::Boolean(e.Allow));
    TBridge::Call(bridge, args);
    e.Allow = ValueToBoolean(args.Values[withItem ? 2 : 1]);
}

// (Sender; Item)
void WithItem(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    TBridge::Call(bridge, args);
}

// (Sender; Item; var S)
void WithText(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    args.Add(TVlValue::String(e.Text));
    TBridge::Call(bridge, args);
    e.Text = ValueToString(args.Values[2]);
}

// (Sender; Item1, Item2; Data; var Compare)
void Compare(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    args.Add(Obj(e.Item2));
    args.Add(TVlValue::Integer(e.Data));
    args.Add(TVlValue::Integer(e.Value));
    TBridge::Call(bridge, args);
    e.Value = ValueToInteger(args.Values[4]);
}

} // namespace

void TBridge::TabChangingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, false); }

void TBridge::DrawPanelEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    const TVlEventRectArg rect(e);
    args.Add(rect.Value());
    Call(bridge, args);
}

void TBridge::DrawSectionEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    const TVlEventRectArg rect(e);
    args.Add(rect.Value());
    args.Add(TVlValue::Boolean(e.Pressed));
    Call(bridge, args);
}

void TBridge::SectionNotifyEvent(void *bridge, TVlEventArgs &e) { WithItem(bridge, e); }

void TBridge::SectionTrackEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    args.Add(TVlValue::Integer(e.Value));
    args.Add(TVlValue::Integer(e.State));
    Call(bridge, args);
}

void TBridge::TVChangingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, true); }
void TBridge::TVChangedEvent(void *bridge, TVlEventArgs &e) { WithItem(bridge, e); }
void TBridge::TVEditingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, true); }
void TBridge::TVEditedEvent(void *bridge, TVlEventArgs &e) { WithText(bridge, e); }
void TBridge::TVExpandingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, true); }
void TBridge::TVCollapsingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, true); }
void TBridge::TVExpandedEvent(void *bridge, TVlEventArgs &e) { WithItem(bridge, e); }
void TBridge::TVCompareEvent(void *bridge, TVlEventArgs &e) { Compare(bridge, e); }

void TBridge::RichEditResizeEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    const TVlEventRectArg rect(e);
    args.Add(rect.Value());
    Call(bridge, args);
}

// StartPos and EndPos (NumObjects and NumChars) travel in Index and Value.
void TBridge::RichEditProtectChange(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(TVlValue::Integer(e.Index));
    args.Add(TVlValue::Integer(e.Value));
    args.Add(TVlValue::Boolean(e.Allow));
    Call(bridge, args);
    e.Allow = ValueToBoolean(args.Values[3]);
}

void TBridge::RichEditSaveClipboard(void *bridge, TVlEventArgs &e) { RichEditProtectChange(bridge, e); }

void TBridge::UDClickEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(TVlValue::Integer(e.Value));
    Call(bridge, args);
}

void TBridge::UDChangingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, false); }
void TBridge::LVDeletedEvent(void *bridge, TVlEventArgs &e) { WithItem(bridge, e); }
void TBridge::LVEditingEvent(void *bridge, TVlEventArgs &e) { WithAllow(bridge, e, true); }
void TBridge::LVEditedEvent(void *bridge, TVlEventArgs &e) { WithText(bridge, e); }

void TBridge::LVChangeEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    args.Add(TVlValue::Integer(e.State));
    Call(bridge, args);
}

void TBridge::LVChangingEvent(void *bridge, TVlEventArgs &e)
{
    TVlInterpreterArgs args;
    args.Add(Obj(e.Sender));
    args.Add(Obj(e.Item));
    args.Add(TVlValue::Integer(e.State));
    args.Add(TVlValue::Boolean(e.Allow));
    Call(bridge, args);
    e.Allow = ValueToBoolean(args.Values[3]);
}

void TBridge::LVColumnClickEvent(void *bridge, TVlEventArgs &e) { WithItem(bridge, e); }
void TBridge::LVCompareEvent(void *bridge, TVlEventArgs &e) { Compare(bridge, e); }

TVlInterpreterEvent *TBridge::Create(TVlInterpreterProgram *owner, void *object, const std::string &unitName,
                                     const std::string &routineName, const std::string &propertyName)
{
    return new TVlInterpreterComCtrlsEvent(owner, object, unitName, routineName, propertyName);
}

void TBridge::Register(TVlInterpreterAdapter &adapter)
{
    const struct {
        const char *Type;
        TVlGuiEventEntry Entry;
    } events[] = {
        {"TTabChangingEvent", TabChangingEvent}, {"TDrawPanelEvent", DrawPanelEvent},
        {"TDrawSectionEvent", DrawSectionEvent}, {"TSectionNotifyEvent", SectionNotifyEvent},
        {"TSectionTrackEvent", SectionTrackEvent}, {"TTVChangingEvent", TVChangingEvent},
        {"TTVChangedEvent", TVChangedEvent}, {"TTVEditingEvent", TVEditingEvent}, {"TTVEditedEvent", TVEditedEvent},
        {"TTVExpandingEvent", TVExpandingEvent}, {"TTVCollapsingEvent", TVCollapsingEvent},
        {"TTVExpandedEvent", TVExpandedEvent}, {"TTVCompareEvent", TVCompareEvent},
        {"TRichEditResizeEvent", RichEditResizeEvent}, {"TRichEditProtectChange", RichEditProtectChange},
        {"TRichEditSaveClipboard", RichEditSaveClipboard}, {"TUDClickEvent", UDClickEvent},
        {"TUDChangingEvent", UDChangingEvent}, {"TLVDeletedEvent", LVDeletedEvent},
        {"TLVEditingEvent", LVEditingEvent}, {"TLVEditedEvent", LVEditedEvent}, {"TLVChangeEvent", LVChangeEvent},
        {"TLVChangingEvent", LVChangingEvent}, {"TLVColumnClickEvent", LVColumnClickEvent},
        {"TLVCompareEvent", LVCompareEvent},
    };
    for (const auto &e : events)
        VlAddGuiEventHandler(adapter, "ComCtrls", e.Type, Create, e.Entry);
}
