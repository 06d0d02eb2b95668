// Published-property groups shared by the control classes, so each class lists what it publishes.
#pragma once

#include "VlControls.h"

#include <initializer_list>
#include <vector>

std::vector<TPropInfo> VlJoinProps(std::initializer_list<std::vector<TPropInfo>> groups);

// Like VL_IMPLEMENT_CLASS, with the properties given as groups (vectors or braced lists).
#define VL_IMPLEMENT_CLASS_PROPS(Class, Parent, UnitName, ...)                                          \
    const TClassInfo &Class::StaticClassInfo()                                                           \
    {                                                                                                    \
        static const TClassInfo info(#Class, &Parent::StaticClassInfo(), UnitName, VlFactoryFor<Class>(), \
                                     TPropTable([] { return VlJoinProps({__VA_ARGS__}); }));             \
        return info;                                                                                     \
    }

namespace VlProps {
std::vector<TPropInfo> Align();
std::vector<TPropInfo> Anchors();
std::vector<TPropInfo> Caption();
std::vector<TPropInfo> Text();
// Color with its class's default, stored only while ParentColor is off; ParentColor with its default.
std::vector<TPropInfo> Color(TColor defaultColor);
std::vector<TPropInfo> ParentColor(bool defaultValue);
std::vector<TPropInfo> Font();
std::vector<TPropInfo> ParentFont();
std::vector<TPropInfo> Enabled();
std::vector<TPropInfo> Visible();
std::vector<TPropInfo> Hints();
std::vector<TPropInfo> PopupMenu();
std::vector<TPropInfo> TabOrder();
std::vector<TPropInfo> TabStop(bool defaultValue);
// Anchors, Enabled, Visible, Hint flags, PopupMenu: what nearly every control publishes.
std::vector<TPropInfo> Common();
std::vector<TPropInfo> OnClick();
std::vector<TPropInfo> OnDblClick();
std::vector<TPropInfo> MouseEvents();
std::vector<TPropInfo> KeyEvents(); // OnEnter, OnExit, OnKeyDown, OnKeyPress, OnKeyUp
std::vector<TPropInfo> OnResize();
} // namespace VlProps
