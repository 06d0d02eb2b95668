// The main window's menus and toolbar as data: captions, shortcuts, check behaviour, commands.
#pragma once

#include <span>

// Flags of a menu item.
enum TVlItemFlag : unsigned {
    vifNone = 0,
    vifAutoCheck = 1 << 0, // a click toggles the check before the command runs
    vifRadio = 1 << 1,     // checking it unchecks the other radio items of its group at its level
    vifChecked = 1 << 2,   // initially checked
    vifHidden = 1 << 3,    // initially invisible (its shortcut still works)
    vifDefault = 1 << 4,   // drawn bold
};

// One menu item. Items follow each other in menu order; `Level` nests an item under the last
// item of the level above it (0 = top-level menu of the menu bar, or item of a pop-up menu).
// A caption of "-" is a separator. `Command` is the id a handler is registered under; several
// items may share one. `Name` is the item's object name, unique within the window.
struct TVlMenuItemDesc {
    int Level;
    const char *Name;
    const char *Caption;
    const char *Shortcut = ""; // portable text, e.g. "Ctrl+Shift+Z"
    const char *Command = "";
    unsigned Flags = vifNone;
    int GroupIndex = 0;
};

enum class TVlToolButtonStyle { Button, DropDown, Separator };

enum class TVlIconKind {
    None, New, Open, Save, Cut, Copy, Paste, Undo, Redo, Procedure, Run, Compile, Stop, ZoomIn, ZoomOut,
    Settings, About
};

// One toolbar button. `DropDownMenu` names the menu item whose submenu the arrow opens.
struct TVlToolButtonDesc {
    const char *Name;
    const char *Hint;
    TVlToolButtonStyle Style;
    const char *Command;
    TVlIconKind Icon;
    const char *DropDownMenu = "";
};

std::span<const TVlMenuItemDesc> MainMenuItems();
std::span<const TVlMenuItemDesc> EditorPopupItems();   // right click in Memo1
std::span<const TVlMenuItemDesc> TextPopupItems();     // right click in Memo2
std::span<const TVlMenuItemDesc> DesignerPopupItems(); // right click in VlDesignPanel
std::span<const TVlToolButtonDesc> ToolButtons();

// The title-bar button "N" at the right end of the menu bar.
struct TVlCaptionButtonDesc {
    const char *Name;
    const char *Text;
    const char *Hint;
    const char *Command;
};
const TVlCaptionButtonDesc &CaptionButton();
