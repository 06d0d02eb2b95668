// The Controls unit for scripts: controls and windowed controls, image lists, the mouse, cursors,
// alignment and modal-result constants, and the mouse, key and drag event types.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_ControlsEvent.h"

#include "components/VlForms.h"
#include "components/VlImgList.h"
#include "components/VlMenus.h"
#include "components/VlPaintControls.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }
TControl *Control(TVlInterpreterArgs &a) { return VlSelf<TControl>(a); }
TWinControl *WinControl(TVlInterpreterArgs &a) { return VlSelf<TWinControl>(a); }

// Windowed controls are known to scripts by a number of their own (Handle), so that FindControl
// can map one back; the number stays with the control's widget.
int32_t HandleOf(TWinControl *control)
{
    QWidget *widget = control->Widget();
    if (!widget)
        return 0;
    static int32_t next = 1;
    QVariant known = widget->property("vlHandle");
    if (known.isValid())
        return known.toInt();
    const int32_t handle = next++;
    widget->setProperty("vlHandle", handle);
    return handle;
}

TWinControl *ControlOfHandle(int32_t handle)
{
    if (handle == 0 || !qApp)
        return nullptr;
    for (QWidget *widget : QApplication::allWidgets()) {
        QVariant known = widget->property("vlHandle");
        if (known.isValid() && known.toInt() == handle)
            return dynamic_cast<TWinControl *>(TControl::FromWidget(widget));
    }
    return nullptr;
}

// TControl ------------------------------------------------------------------------------------------

void ControlBeginDrag(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 1, 2);
    Control(a)->BeginDrag(ValueToBoolean(a.Values[0]), a.Count > 1 ? Int(a, 1) : -1);
}
void ControlGetTextLen(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(int32_t(Control(a)->Text().size())); }
void ControlClientOrigin(TVlValue &r, TVlInterpreterArgs &a) { r = VlGui::ToValue(a, Control(a)->ClientToScreen({0, 0})); }
void ControlDragDrop(TVlValue &, TVlInterpreterArgs &a)
{
    Control(a)->DragDrop(VlArgAs<TObject>(a.Values[0]), Int(a, 1), Int(a, 2));
}
void ControlFont(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(Control(a)->Font()); }
void ControlSetFont(const TVlValue &v, TVlInterpreterArgs &a) { Control(a)->SetFont(VlArgAs<TFont>(v)); }
void ControlSetParent(const TVlValue &v, TVlInterpreterArgs &a) { Control(a)->SetParent(VlArgAs<TWinControl>(v)); }
void ControlSetPopupMenu(const TVlValue &v, TVlInterpreterArgs &a) { Control(a)->SetPopupMenu(VlArgAs<TPopupMenu>(v)); }
void ControlClientRect(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TControl.ClientRect"); }
void ControlControlState(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TControl.ControlState"); }
void ControlControlStyle(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TControl.ControlStyle"); }
void ControlWindowProc(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TControl.WindowProc"); }

const TVlMemberBinding ControlMembers[] = {
    VlGet("BeginDrag", ControlBeginDrag, "*"), VlMethod<&TControl::BringToFront>("BringToFront"),
    VlMethod<&TControl::ClientToScreen>("ClientToScreen"), VlMethod<&TControl::ScreenToClient>("ScreenToClient"),
    VlMethod<&TControl::Dragging>("Dragging"), VlGet("DragDrop", ControlDragDrop, "..."),
    VlMethod<&TControl::EndDrag>("EndDrag"), VlMethod<&TControl::Hide>("Hide"), VlMethod<&TControl::Show>("Show"),
    VlMethod<&TControl::Invalidate>("Invalidate"), VlMethod<&TControl::Refresh>("Refresh"),
    VlMethod<&TControl::Repaint>("Repaint"), VlMethod<&TControl::Update>("Update"),
    VlMethod<&TControl::SendToBack>("SendToBack"), VlMethod<&TControl::SetBounds>("SetBounds"),
    VlMethod<&TControl::Click>("Click"), VlMethod<&TControl::DblClick>("DblClick"),
    VlGet("GetTextLen", ControlGetTextLen), VlMethod<&TControl::HasParent>("HasParent"),
    VlMethod<&TControl::Parent>("Parent"), VlSet("Parent", ControlSetParent),
    VlMethod<&TControl::ClientWidth>("ClientWidth"), VlWriter<&TControl::SetClientWidth>("ClientWidth"),
    VlMethod<&TControl::ClientHeight>("ClientHeight"), VlWriter<&TControl::SetClientHeight>("ClientHeight"),
    VlGet("ClientOrigin", ControlClientOrigin), VlMethod<&TControl::BoundsRect>("BoundsRect"),
    VlWriter<&TControl::SetBoundsRect>("BoundsRect"), VlGet("ClientRect", ControlClientRect, "*"),
    VlGet("ControlState", ControlControlState, "*"), VlGet("ControlStyle", ControlControlStyle, "*"),
    VlGet("WindowProc", ControlWindowProc, "*"), VlMethod<&TControl::Showing>("Showing"),
    VlMethod<&TControl::Caption>("Caption"), VlWriter<&TControl::SetCaption>("Caption"),
    VlMethod<&TControl::Text>("Text"), VlWriter<&TControl::SetText>("Text"),
    VlMethod<&TControl::Left>("Left"), VlWriter<&TControl::SetLeft>("Left"),
    VlMethod<&TControl::Top>("Top"), VlWriter<&TControl::SetTop>("Top"),
    VlMethod<&TControl::Width>("Width"), VlWriter<&TControl::SetWidth>("Width"),
    VlMethod<&TControl::Height>("Height"), VlWriter<&TControl::SetHeight>("Height"),
    VlMethod<&TControl::Visible>("Visible"), VlWriter<&TControl::SetVisible>("Visible"),
    VlMethod<&TControl::Enabled>("Enabled"), VlWriter<&TControl::SetEnabled>("Enabled"),
    VlMethod<&TControl::Color>("Color"), VlWriter<&TControl::SetColor>("Color"),
    VlGet("Font", ControlFont), VlSet("Font", ControlSetFont),
    VlMethod<&TControl::Hint>("Hint"), VlWriter<&TControl::SetHint>("Hint"),
    VlMethod<&TControl::ShowHint>("ShowHint"), VlWriter<&TControl::SetShowHint>("ShowHint"),
    VlMethod<&TControl::Cursor>("Cursor"), VlWriter<&TControl::SetCursor>("Cursor"),
    VlMethod<&TControl::Align>("Align"), VlWriter<&TControl::SetAlign>("Align"),
    VlMethod<&TControl::Anchors>("Anchors"), VlWriter<&TControl::SetAnchors>("Anchors"),
    VlMethod<&TControl::PopupMenu>("PopupMenu"), VlSet("PopupMenu", ControlSetPopupMenu),
    VlMethod<&TControl::ParentColor>("ParentColor"), VlWriter<&TControl::SetParentColor>("ParentColor"),
    VlMethod<&TControl::ParentFont>("ParentFont"), VlWriter<&TControl::SetParentFont>("ParentFont"),
    VlMethod<&TControl::ParentShowHint>("ParentShowHint"), VlWriter<&TControl::SetParentShowHint>("ParentShowHint"),
    VlMethod<&TControl::DragMode>("DragMode"), VlWriter<&TControl::SetDragMode>("DragMode"),
    VlMethod<&TControl::DragCursor>("DragCursor"), VlWriter<&TControl::SetDragCursor>("DragCursor"),
    VlMethod<&TControl::HelpContext>("HelpContext"), VlWriter<&TControl::SetHelpContext>("HelpContext"),
    VlMethod<&TControl::DefaultWidth>("DefaultWidth"), VlMethod<&TControl::DefaultHeight>("DefaultHeight"),
};

// TWinControl -------------------------------------------------------------------------------------------

void WinHandle(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(HandleOf(WinControl(a))); }
void WinHandleAllocated(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(WinControl(a)->Widget() != nullptr); }
void WinHandleNeeded(TVlValue &, TVlInterpreterArgs &a) { HandleOf(WinControl(a)); }
void WinInsertControl(TVlValue &, TVlInterpreterArgs &a)
{
    if (TControl *control = VlArgAs<TControl>(a.Values[0]))
        control->SetParent(WinControl(a));
}
void WinRemoveControl(TVlValue &, TVlInterpreterArgs &a)
{
    TControl *control = VlArgAs<TControl>(a.Values[0]);
    if (control && control->Parent() == WinControl(a))
        control->SetParent(nullptr);
}
void WinFindChildControl(TVlValue &r, TVlInterpreterArgs &a)
{
    TWinControl *self = WinControl(a);
    const std::string name = Str(a, 0);
    for (int i = 0; i < self->ControlCount(); ++i)
        if (VlSameName(self->Controls(i)->Name(), name)) {
            r = VlObjectValue(self->Controls(i));
            return;
        }
    r = VlObjectValue(nullptr);
}
void WinControlAtPos(TVlValue &r, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 2, 3);
    TWinControl *self = WinControl(a);
    const TPoint p = VlGui::FromValue<TPoint>(a.Values[0]);
    const bool allowDisabled = ValueToBoolean(a.Values[1]);
    // The topmost child containing the point: the last in the list.
    for (int i = self->ControlCount(); i-- > 0;) {
        TControl *child = self->Controls(i);
        const TRect b = child->BoundsRect();
        if (child->Visible() && (allowDisabled || child->Enabled()) && p.X >= b.Left && p.X < b.Right &&
            p.Y >= b.Top && p.Y < b.Bottom) {
            r = VlObjectValue(child);
            return;
        }
    }
    r = VlObjectValue(nullptr);
}
void WinScaleBy(TVlValue &, TVlInterpreterArgs &a)
{
    const int m = Int(a, 0), d = Int(a, 1);
    if (d == 0)
        return;
    TWinControl *self = WinControl(a);
    for (int i = 0; i < self->ControlCount(); ++i) {
        TControl *c = self->Controls(i);
        c->SetBounds(c->Left() * m / d, c->Top() * m / d, c->Width() * m / d, c->Height() * m / d);
    }
}
void WinScrollBy(TVlValue &, TVlInterpreterArgs &a)
{
    TWinControl *self = WinControl(a);
    for (int i = 0; i < self->ControlCount(); ++i) {
        TControl *c = self->Controls(i);
        c->SetBounds(c->Left() + Int(a, 0), c->Top() + Int(a, 1), c->Width(), c->Height());
    }
}
void WinBroadcast(TVlValue &, TVlInterpreterArgs &a) { VlSelf<TWinControl>(a); }

const TVlMemberBinding WinControlMembers[] = {
    VlMethod<&TWinControl::CanFocus>("CanFocus"), VlMethod<&TWinControl::Focused>("Focused"),
    VlMethod<&TWinControl::SetFocus>("SetFocus"), VlMethod<&TWinControl::ContainsControl>("ContainsControl"),
    VlMethod<&TWinControl::ControlCount>("ControlCount"), VlIndexed<&TWinControl::Controls>("Controls"),
    VlGet("Handle", WinHandle), VlGet("HandleAllocated", WinHandleAllocated), VlGet("HandleNeeded", WinHandleNeeded),
    VlMethod<&TWinControl::TabOrder>("TabOrder"), VlWriter<&TWinControl::SetTabOrder>("TabOrder"),
    VlMethod<&TWinControl::TabStop>("TabStop"), VlWriter<&TWinControl::SetTabStop>("TabStop"),
    VlMethod<&TWinControl::Realign>("Realign"), VlMethod<&TWinControl::DisableAlign>("DisableAlign"),
    VlMethod<&TWinControl::EnableAlign>("EnableAlign"), VlMethod<&TWinControl::AlignDisabled>("AlignDisabled"),
    VlGet("InsertControl", WinInsertControl, "."), VlGet("RemoveControl", WinRemoveControl, "."),
    VlGet("FindChildControl", WinFindChildControl, "."), VlGet("ControlAtPos", WinControlAtPos, "*"),
    VlGet("ScaleBy", WinScaleBy, ".."), VlGet("ScrollBy", WinScrollBy, ".."), VlGet("Broadcast", WinBroadcast, "."),
    VlMethod<&TWinControl::AcceptsControls>("AcceptsControls"),
};

const TVlMemberBinding CustomControlMembers[] = {
    VlMethod<&TCustomControl::Canvas>("Canvas"),
};

// TImageList ---------------------------------------------------------------------------------------------

TImageList *Images(TVlInterpreterArgs &a) { return VlSelf<TImageList>(a); }
void ImagesAdd(TVlValue &r, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 1, 2);
    r = TVlValue::Integer(Images(a)->Add(VlArgAs<TBitmap>(a.Values[0])));
}
void ImagesAddMasked(TVlValue &r, TVlInterpreterArgs &a)
{
    TBitmap *bitmap = VlArgAs<TBitmap>(a.Values[0]);
    if (!bitmap) {
        r = TVlValue::Integer(-1);
        return;
    }
    // The mask colour becomes transparent in the images added.
    QImage image = bitmap->ToImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ColorToQColor(Int(a, 1)).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == key)
                image.setPixel(x, y, 0);
    TBitmap masked;
    masked.SetImage(image);
    r = TVlValue::Integer(Images(a)->Add(&masked));
}
void ImagesDraw(TVlValue &, TVlInterpreterArgs &a)
{
    Images(a)->Draw(VlArgAs<TCanvas>(a.Values[0]), Int(a, 1), Int(a, 2), Int(a, 3));
}
void ImagesGetBitmap(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(Images(a)->GetBitmap(Int(a, 0), VlArgAs<TBitmap>(a.Values[1])));
}

const TVlMemberBinding ImageListMembers[] = {
    VlGet("Add", ImagesAdd, "*"), VlGet("AddMasked", ImagesAddMasked, ".."), VlMethod<&TImageList::Clear>("Clear"),
    VlMethod<&TImageList::Count>("Count"), VlMethod<&TImageList::Delete>("Delete"), VlGet("Draw", ImagesDraw, "...."),
    VlGet("GetBitmap", ImagesGetBitmap, ".."), VlMethod<&TImageList::Width>("Width"),
    VlWriter<&TImageList::SetWidth>("Width"), VlMethod<&TImageList::Height>("Height"),
    VlWriter<&TImageList::SetHeight>("Height"),
};

// TMouse ---------------------------------------------------------------------------------------------------

void MouseCursorPos(TVlValue &r, TVlInterpreterArgs &a)
{
    const QPoint p = qApp ? QCursor::pos() : QPoint();
    r = VlGui::ToValue(a, TPoint{p.x(), p.y()});
}
void MouseSetCursorPos(const TVlValue &v, TVlInterpreterArgs &)
{
    const TPoint p = VlGui::FromValue<TPoint>(v);
    if (qApp)
        QCursor::setPos(p.X, p.Y);
}
TControl *CaptureControl()
{
    QWidget *grabber = qApp ? QWidget::mouseGrabber() : nullptr;
    return TControl::FromWidget(grabber);
}
void SetCapture(TControl *control)
{
    if (QWidget *grabber = qApp ? QWidget::mouseGrabber() : nullptr)
        grabber->releaseMouse();
    if (control && control->Widget())
        control->Widget()->grabMouse();
}
void MouseCapture(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(CaptureControl()); }
void MouseSetCapture(const TVlValue &v, TVlInterpreterArgs &) { SetCapture(VlArgAs<TControl>(v)); }
void MousePresent(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(true); }
void MouseIsDragging(TVlValue &r, TVlInterpreterArgs &)
{
    TControl *control = CaptureControl();
    r = TVlValue::Boolean(control && control->Dragging());
}
void MouseDragThreshold(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Integer(5); }

const TVlMemberBinding MouseMembers[] = {
    VlGet("CursorPos", MouseCursorPos), VlSet("CursorPos", MouseSetCursorPos), VlGet("Capture", MouseCapture),
    VlSet("Capture", MouseSetCapture), VlGet("MousePresent", MousePresent), VlGet("WheelPresent", MousePresent),
    VlGet("IsDragging", MouseIsDragging), VlGet("DragThreshold", MouseDragThreshold),
};

// Functions -------------------------------------------------------------------------------------------------

void FindControl(TVlValue &r, TVlInterpreterArgs &a) { r = VlObjectValue(ControlOfHandle(Int(a, 0))); }
TControl *ControlAt(const TPoint &p, bool allowDisabled)
{
    QWidget *widget = qApp ? QApplication::widgetAt(p.X, p.Y) : nullptr;
    TControl *control = TControl::FromWidget(widget);
    while (control && !allowDisabled && !control->Enabled())
        control = control->Parent();
    return control;
}
void FindVCLWindow(TVlValue &r, TVlInterpreterArgs &a)
{
    TControl *control = ControlAt(VlGui::FromValue<TPoint>(a.Values[0]), true);
    while (control && !dynamic_cast<TWinControl *>(control))
        control = control->Parent();
    r = VlObjectValue(control);
}
void FindDragTarget(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(ControlAt(VlGui::FromValue<TPoint>(a.Values[0]), ValueToBoolean(a.Values[1])));
}
void GetCaptureControl(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(CaptureControl()); }
void SetCaptureControl(TVlValue &, TVlInterpreterArgs &a) { SetCapture(VlArgAs<TControl>(a.Values[0])); }
void CancelDrag(TVlValue &, TVlInterpreterArgs &)
{
    if (TControl *control = CaptureControl())
        control->EndDrag(false);
}
void IsDragObject(TVlValue &r, TVlInterpreterArgs &a)
{
    // There are no drag objects: the source of a drag is the control itself.
    (void)VlArgObject(a.Values[0]);
    r = TVlValue::Boolean(false);
}
void CursorToString(TVlValue &r, TVlInterpreterArgs &a)
{
    const int32_t cursor = Int(a, 0);
    r = TVlValue::String(CursorToIdent(cursor).value_or(std::to_string(cursor)));
}
void StringToCursor(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::string text = Str(a, 0);
    if (auto cursor = IdentToCursor(text))
        r = TVlValue::Integer(*cursor);
    else
        r = TVlValue::Integer(ValueToInteger(TVlValue::String(text)));
}
void CursorToIdentFn(TVlValue &r, TVlInterpreterArgs &a)
{
    auto ident = CursorToIdent(Int(a, 0));
    if (ident)
        a.Values[1] = TVlValue::String(*ident);
    r = TVlValue::Boolean(ident.has_value());
}
void IdentToCursorFn(TVlValue &r, TVlInterpreterArgs &a)
{
    auto cursor = IdentToCursor(Str(a, 0));
    if (cursor)
        a.Values[1] = TVlValue::Integer(*cursor);
    r = TVlValue::Boolean(cursor.has_value());
}
// "Short|Long": the part before, or after, the bar (the whole hint when it has none).
void GetShortHint(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::string hint = Str(a, 0);
    r = TVlValue::String(hint.substr(0, hint.find('|')));
}
void GetLongHint(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::string hint = Str(a, 0);
    const size_t bar = hint.find('|');
    r = TVlValue::String(bar == std::string::npos ? hint : hint.substr(bar + 1));
}
void ChangeBiDiModeAlignment(TVlValue &, TVlInterpreterArgs &a)
{
    // Right-to-left reading swaps left and right justification.
    const int32_t alignment = Int(a, 0);
    a.Values[0] = TVlValue::Integer(alignment == taLeftJustify ? taRightJustify
                                    : alignment == taRightJustify ? taLeftJustify : alignment);
}
TObject &MouseObject();
void Mouse(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(&MouseObject()); }

const TVlFunctionBinding ControlsFunctions[] = {
    {"FindControl", FindControl, "."}, {"FindVCLWindow", FindVCLWindow, "."},
    {"FindDragTarget", FindDragTarget, ".."}, {"GetCaptureControl", GetCaptureControl, ""},
    {"SetCaptureControl", SetCaptureControl, "."}, {"CancelDrag", CancelDrag, ""},
    {"IsDragObject", IsDragObject, "."}, {"CursorToString", CursorToString, "."},
    {"StringToCursor", StringToCursor, "."}, {"CursorToIdent", CursorToIdentFn, ".v"},
    {"IdentToCursor", IdentToCursorFn, ".v"}, {"GetShortHint", GetShortHint, "."},
    {"GetLongHint", GetLongHint, "."}, {"ChangeBiDiModeAlignment", ChangeBiDiModeAlignment, "v"},
    {"Mouse", Mouse, ""},
};

const TVlIntConstant ControlsConstants[] = {
    {"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}, {"mrAbort", mrAbort}, {"mrRetry", mrRetry},
    {"mrIgnore", mrIgnore}, {"mrYes", mrYes}, {"mrNo", mrNo}, {"mrAll", mrAll}, {"mrNoToAll", mrNoToAll},
    {"mrYesToAll", mrYesToAll}, {"dkDrag", 0}, {"dkDock", 1}, {"itImage", 0}, {"itMask", 1},
    {"dsFocus", 0}, {"dsSelected", 1}, {"dsNormal", 2}, {"dsTransparent", 3},
};

} // namespace

// The Mouse object: a TObject of its own class, so that its members are found by class.
class TMouse : public TObject {
    VL_CLASS(TMouse)
};
VL_IMPLEMENT_CLASS(TMouse, TObject, "Controls")

namespace {
TObject &MouseObject()
{
    static TMouse mouse;
    return mouse;
}

const TVlClassBinding ControlsClasses[] = {
    {TControl::StaticClassInfo, ControlMembers, TVlCreate::WithOwner},
    {TWinControl::StaticClassInfo, WinControlMembers, TVlCreate::WithOwner},
    {TGraphicControl::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TCustomControl::StaticClassInfo, CustomControlMembers, TVlCreate::WithOwner},
    {TImageList::StaticClassInfo, ImageListMembers, TVlCreate::WithOwner},
    {TMouse::StaticClassInfo, MouseMembers},
};
} // namespace

void VlRegisterControls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Controls", ControlsClasses);
    VlRegisterFunctions(adapter, "Controls", ControlsFunctions);
    VlRegisterNamedConstants(adapter, "Controls", CursorIdentList());
    VlRegisterEnumConstants(adapter, "Controls",
                            {&AlignEnumInfo(), &AnchorKindEnumInfo(), &MouseButtonEnumInfo(), &DragModeEnumInfo(),
                             &DragStateEnumInfo()});
    VlRegisterIntConstants(adapter, "Controls", ControlsConstants);
    TVlInterpreterControlsEvent::Register(adapter);
}
