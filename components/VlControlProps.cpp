// Published-property groups shared by the control classes, so each class lists what it publishes.
#include "VlControlProps.h"

#include "VlMenus.h"

std::vector<TPropInfo> VlJoinProps(std::initializer_list<std::vector<TPropInfo>> groups)
{
    std::vector<TPropInfo> result;
    for (const auto &group : groups)
        result.insert(result.end(), group.begin(), group.end());
    return result;
}

namespace VlProps {

namespace {
bool IsColorStored(const TObject *o) { return !static_cast<const TControl *>(o)->ParentColor(); }
bool IsFontStored(const TObject *o) { return !static_cast<const TControl *>(o)->ParentFont(); }
bool IsShowHintStored(const TObject *o) { return !static_cast<const TControl *>(o)->ParentShowHint(); }
} // namespace

std::vector<TPropInfo> Align()
{
    return {VlEnumProp<&TControl::Align, &TControl::SetAlign>("Align", AlignEnumInfo(), alNone)};
}

std::vector<TPropInfo> Anchors()
{
    return {VlSetProp<&TControl::Anchors, &TControl::SetAnchors>("Anchors", "TAnchors", AnchorKindEnumInfo(), DefaultAnchors)};
}

std::vector<TPropInfo> Caption()
{
    return {VlStrProp<&TControl::Caption, &TControl::SetCaption>("Caption", "TCaption")};
}

std::vector<TPropInfo> Text()
{
    return {VlStrProp<&TControl::Text, &TControl::SetText>("Text", "TCaption")};
}

std::vector<TPropInfo> Color(TColor defaultColor)
{
    return {VlIntProp<&TControl::Color, &TControl::SetColor>("Color", "TColor").WithDefault(defaultColor).StoredWhen(&IsColorStored)};
}

std::vector<TPropInfo> ParentColor(bool defaultValue)
{
    return {VlBoolProp<&TControl::ParentColor, &TControl::SetParentColor>("ParentColor", defaultValue)};
}

std::vector<TPropInfo> Font()
{
    return {VlClassProp<&TControl::Font, &TControl::SetFont>("Font", "TFont").StoredWhen(&IsFontStored)};
}

std::vector<TPropInfo> ParentFont()
{
    return {VlBoolProp<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont", true)};
}

std::vector<TPropInfo> Enabled()
{
    return {VlBoolProp<&TControl::Enabled, &TControl::SetEnabled>("Enabled", true)};
}

std::vector<TPropInfo> Visible()
{
    return {VlBoolProp<&TControl::Visible, &TControl::SetVisible>("Visible", true)};
}

std::vector<TPropInfo> Hints()
{
    return {VlBoolProp<&TControl::ParentShowHint, &TControl::SetParentShowHint>("ParentShowHint", true),
            VlBoolProp<&TControl::ShowHint, &TControl::SetShowHint>("ShowHint", false).StoredWhen(&IsShowHintStored)};
}

std::vector<TPropInfo> PopupMenu()
{
    return {VlClassProp<&TControl::PopupMenu, &TControl::SetPopupMenu>("PopupMenu", "TPopupMenu")};
}

std::vector<TPropInfo> TabOrder()
{
    return {VlIntProp<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder", "TTabOrder")};
}

std::vector<TPropInfo> TabStop(bool defaultValue)
{
    return {VlBoolProp<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", defaultValue)};
}

std::vector<TPropInfo> Common()
{
    return VlJoinProps({Anchors(), Enabled(), Hints(), PopupMenu(), Visible()});
}

std::vector<TPropInfo> OnClick()
{
    return {VlMethodProp<&TControl::OnClick, &TControl::SetOnClick>("OnClick")};
}

std::vector<TPropInfo> OnDblClick()
{
    return {VlMethodProp<&TControl::OnDblClick, &TControl::SetOnDblClick>("OnDblClick")};
}

std::vector<TPropInfo> MouseEvents()
{
    return {VlMethodProp<&TControl::OnMouseDown, &TControl::SetOnMouseDown>("OnMouseDown", "TMouseEvent"),
            VlMethodProp<&TControl::OnMouseMove, &TControl::SetOnMouseMove>("OnMouseMove", "TMouseMoveEvent"),
            VlMethodProp<&TControl::OnMouseUp, &TControl::SetOnMouseUp>("OnMouseUp", "TMouseEvent"),
            // Controls the mouse reaches can be dragged and dropped on.
            VlIntProp<&TControl::DragCursor, &TControl::SetDragCursor>("DragCursor", "TCursor").WithDefault(crDrag),
            VlEnumProp<&TControl::DragMode, &TControl::SetDragMode>("DragMode", DragModeEnumInfo(), dmManual),
            VlMethodProp<&TControl::OnDragDrop, &TControl::SetOnDragDrop>("OnDragDrop", "TDragDropEvent"),
            VlMethodProp<&TControl::OnDragOver, &TControl::SetOnDragOver>("OnDragOver", "TDragOverEvent"),
            VlMethodProp<&TControl::OnEndDrag, &TControl::SetOnEndDrag>("OnEndDrag", "TEndDragEvent"),
            VlMethodProp<&TControl::OnStartDrag, &TControl::SetOnStartDrag>("OnStartDrag", "TStartDragEvent")};
}

std::vector<TPropInfo> KeyEvents()
{
    return {VlMethodProp<&TWinControl::OnEnter, &TWinControl::SetOnEnter>("OnEnter"),
            VlMethodProp<&TWinControl::OnExit, &TWinControl::SetOnExit>("OnExit"),
            VlMethodProp<&TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown>("OnKeyDown", "TKeyEvent"),
            VlMethodProp<&TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress>("OnKeyPress", "TKeyPressEvent"),
            VlMethodProp<&TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp>("OnKeyUp", "TKeyEvent")};
}

std::vector<TPropInfo> OnResize()
{
    return {VlMethodProp<&TControl::OnResize, &TControl::SetOnResize>("OnResize")};
}

} // namespace VlProps
