// How components raise their events: one dispatcher hook that runs whatever an event property holds.
//
// An event property holds a TMethod {Code, Data}. Components never call Code themselves: when an
// event occurs they fill a TVlEventArgs and hand it, with the handler, to the dispatcher that the
// host installed with SetVlEventDispatcher (the script bindings, the designer, or a test). The
// dispatcher may change the "var" fields (Key, KeyChar, CanClose, Action, Allow); the component
// reads them back afterwards. Without a dispatcher, or with an unassigned handler, nothing runs.
// Components do not raise events while they are loading, being designed or destroyed.
#pragma once

#include "VlExceptions.h"
#include "VlTypInfo.h"

#include <cstdint>
#include <exception>
#include <string>
#include <functional>
#include <string_view>

class TObject;
class TCanvas;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Bits of TShiftState.
enum TShiftStateFlag : uint32_t {
    ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2, ssLeft = 1u << 3,
    ssRight = 1u << 4, ssMiddle = 1u << 5, ssDouble = 1u << 6
};
using TShiftState = uint32_t;
enum TCloseAction { caNone, caHide, caFree, caMinimize };

struct TVlEventArgs {
    TObject *Sender = nullptr;
    std::string_view Name;     // the event property, "OnClick"
    std::string_view TypeName; // its event type, "TNotifyEvent", "TMouseEvent", ...
    // Mouse events.
    TMouseButton Button = mbLeft;
    TShiftState Shift = 0;
    int X = 0;
    int Y = 0;
    // Key events: Key is the virtual key code (var), KeyChar the typed CP1251 character (var).
    int Key = 0;
    char KeyChar = 0;
    // OnCloseQuery (var CanClose), OnClose (var Action), OnChanging-style events (var Allow).
    bool CanClose = true;
    TCloseAction Action = caHide;
    bool Allow = true;
    // Integer payloads of other events (scroll position, tab index, item index, ...); var for
    // ScrollPos, Height, Compare and Width.
    int Value = 0;
    TCanvas *Canvas = nullptr;
    void *Item = nullptr; // a tree node, a status panel, ...
    // The second item of compare events (Item2), the user value passed to them (Data).
    void *Item2 = nullptr;
    int Data = 0;
    // Drag and drop: the dragged control (Source) and where it was dropped (Target).
    TObject *Source = nullptr;
    TObject *Target = nullptr;
    // TDragState, TOwnerDrawState bits, TItemChange, TSectionTrackState (TScrollEvent keeps its
    // scroll code in Key, TUDClickEvent its button in Value).
    int State = 0;
    // Owner-draw events: the item index and its rectangle (left, top, right, bottom).
    int Index = 0;
    int Rect[4] = {};
    // var text of edited events (TTVEditedEvent, TLVEditedEvent).
    std::string Text;
    // Done of TIdleEvent (var), Pressed of TDrawSectionEvent.
    bool Done = true;
    bool Pressed = false;
    // The exception of TExceptionEvent.
    std::exception_ptr Error;
};

using TVlEventDispatcher = std::function<void(const TMethod &handler, TVlEventArgs &args)>;

// Installs the process-wide dispatcher and returns the previous one.
TVlEventDispatcher SetVlEventDispatcher(TVlEventDispatcher dispatcher);
const TVlEventDispatcher &VlEventDispatcher();
// Runs the handler through the dispatcher; false when it is unassigned or there is no dispatcher.
bool DispatchVlEvent(const TMethod &handler, TVlEventArgs &args);

// Exceptions must not cross Qt's event loop: every call from a Qt event or signal into component
// code goes through VlGuard, which hands an escaping exception to the installed handler (the
// application shows it in a message box) and goes on.
using TVlExceptionHandler = std::function<void(const std::exception_ptr &error)>;
TVlExceptionHandler SetVlExceptionHandler(TVlExceptionHandler handler);
void VlHandleException(const std::exception_ptr &error);

template <class F>
void VlGuard(F &&action)
{
    try {
        action();
    } catch (...) {
        VlHandleException(std::current_exception());
    }
}
