// The Menus unit for scripts: menu items, main and popup menus, shortcuts and the item makers.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/VlMenus.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }
TMenuItem *Item(TVlInterpreterArgs &a) { return VlSelf<TMenuItem>(a); }

void ItemMenuIndex(TVlValue &r, TVlInterpreterArgs &a)
{
    TMenuItem *item = Item(a);
    r = TVlValue::Integer(item->Parent() ? item->Parent()->IndexOf(item) : -1);
}
void ItemSetMenuIndex(const TVlValue &v, TVlInterpreterArgs &a)
{
    TMenuItem *item = Item(a);
    TMenuItem *parent = item->Parent();
    if (!parent)
        return;
    parent->Remove(item);
    parent->Insert(std::clamp(ValueToInteger(v), 0, parent->Count()), item);
}
// The sub-item with that caption ("&" accelerators ignored); nil when there is none.
void ItemFind(TVlValue &r, TVlInterpreterArgs &a)
{
    auto plain = [](std::string text) {
        text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
        return text;
    };
    TMenuItem *item = Item(a);
    const std::string wanted = plain(Str(a, 0));
    for (int i = 0; i < item->Count(); ++i)
        if (VlSameName(plain(item->Items(i)->Caption()), wanted)) {
            r = VlObjectValue(item->Items(i));
            return;
        }
    r = VlObjectValue(nullptr);
}

const TVlMemberBinding MenuItemMembers[] = {
    VlMethod<&TMenuItem::Add>("Add"), VlMethod<&TMenuItem::Clear>("Clear"), VlMethod<&TMenuItem::Click>("Click"),
    VlMethod<&TMenuItem::Delete>("Delete"), VlMethod<&TMenuItem::IndexOf>("IndexOf"),
    VlMethod<&TMenuItem::Insert>("Insert"), VlMethod<&TMenuItem::Remove>("Remove"),
    VlMethod<&TMenuItem::Count>("Count"), VlIndexed<&TMenuItem::Items>("Items"),
    VlDefaultReader<&TMenuItem::Items>(), VlGet("MenuIndex", ItemMenuIndex), VlSet("MenuIndex", ItemSetMenuIndex),
    VlMethod<&TMenuItem::Parent>("Parent"), VlMethod<&TMenuItem::GetParentMenu>("GetParentMenu"),
    VlGet("Find", ItemFind, "."), VlMethod<&TMenuItem::IsLine>("IsLine"),
};

const TVlMemberBinding MenuMembers[] = {
    VlMethod<&TMenu::Items>("Items"), VlMethod<&TMenu::Rebuild>("Rebuild"),
};

const TVlMemberBinding PopupMenuMembers[] = {
    VlMethod<&TPopupMenu::Popup>("Popup"), VlMethod<&TPopupMenu::AutoPopup>("AutoPopup"),
    VlWriter<&TPopupMenu::SetAutoPopup>("AutoPopup"), VlMethod<&TPopupMenu::Alignment>("Alignment"),
    VlWriter<&TPopupMenu::SetAlignment>("Alignment"),
};

void ShortCutFn(TVlValue &r, TVlInterpreterArgs &a)
{
    const uint32_t shift = ValueToSet(a.Values[1]);
    int value = Int(a, 0) & 0xFF;
    if (shift & ssShift) value |= scShift;
    if (shift & ssCtrl) value |= scCtrl;
    if (shift & ssAlt) value |= scAlt;
    r = TVlValue::Integer(value);
}
void ShortCutToKey(TVlValue &, TVlInterpreterArgs &a)
{
    const int value = Int(a, 0);
    uint32_t shift = 0;
    if (value & scShift) shift |= ssShift;
    if (value & scCtrl) shift |= ssCtrl;
    if (value & scAlt) shift |= ssAlt;
    a.Values[1] = TVlValue::Integer(value & 0xFF);
    a.Values[2] = SetToValue(shift);
}
void ShortCutToTextFn(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(ShortCutToText(Int(a, 0))); }
void TextToShortCutFn(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(TextToShortCut(Str(a, 0))); }
// NewItem(Caption, ShortCut, Checked, Enabled, OnClick, HelpContext, Name): an item of no owner,
// which the menu it is added to frees. OnClick takes no script routine here (assign it afterwards).
void NewItem(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    auto *item = new TMenuItem;
    try {
        item->SetCaption(Str(a, 0));
        item->SetShortCut(Int(a, 1));
        item->SetChecked(ValueToBoolean(a.Values[2]));
        item->SetEnabled(ValueToBoolean(a.Values[3]));
        item->SetName(Str(a, 6));
    } catch (...) {
        delete item;
        throw;
    }
    r = VlObjectValue(item);
}
void NewLine(TVlValue &r, TVlInterpreterArgs &)
{
    VlEnsureGuiApplication();
    auto *item = new TMenuItem;
    item->SetCaption("-");
    r = VlObjectValue(item);
}

const TVlFunctionBinding MenusFunctions[] = {
    {"ShortCut", ShortCutFn, ".."}, {"ShortCutToKey", ShortCutToKey, ".vv"},
    {"ShortCutToText", ShortCutToTextFn, "."}, {"TextToShortCut", TextToShortCutFn, "."},
    {"NewItem", NewItem, "......."}, {"NewLine", NewLine, ""},
};

const TVlClassBinding MenusClasses[] = {
    {TMenuItem::StaticClassInfo, MenuItemMembers, TVlCreate::WithOwner},
    {TMenu::StaticClassInfo, MenuMembers},
    {TMainMenu::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TPopupMenu::StaticClassInfo, PopupMenuMembers, TVlCreate::WithOwner},
};

} // namespace

void VlRegisterMenus(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Menus", MenusClasses);
    VlRegisterFunctions(adapter, "Menus", MenusFunctions);
}
