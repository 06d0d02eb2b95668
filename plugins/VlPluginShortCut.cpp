// Plug-in command shortcuts as Qt key sequences.
#include "VlPluginShortCut.h"

#include "VeltranoPlugin.h"

namespace {

struct TVlKeyCode {
    uint8_t Code;
    Qt::Key Key;
};

// The named keys of the contract; letters, digits and function keys are ranges.
constexpr TVlKeyCode kNamedKeys[] = {
    {VL_KEY_BACK, Qt::Key_Backspace}, {VL_KEY_TAB, Qt::Key_Tab},       {VL_KEY_RETURN, Qt::Key_Return},
    {VL_KEY_ESCAPE, Qt::Key_Escape},  {VL_KEY_SPACE, Qt::Key_Space},   {VL_KEY_PAGEUP, Qt::Key_PageUp},
    {VL_KEY_PAGEDOWN, Qt::Key_PageDown}, {VL_KEY_END, Qt::Key_End},    {VL_KEY_HOME, Qt::Key_Home},
    {VL_KEY_LEFT, Qt::Key_Left},      {VL_KEY_UP, Qt::Key_Up},         {VL_KEY_RIGHT, Qt::Key_Right},
    {VL_KEY_DOWN, Qt::Key_Down},      {VL_KEY_INSERT, Qt::Key_Insert}, {VL_KEY_DELETE, Qt::Key_Delete},
};

int KeyOf(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return code; // Qt's codes for them are the same
    if (code >= VL_KEY_F(1) && code <= VL_KEY_F(12))
        return Qt::Key_F1 + (code - VL_KEY_F(1));
    for (const TVlKeyCode &named : kNamedKeys)
        if (named.Code == code)
            return named.Key;
    return 0;
}

} // namespace

QKeySequence PluginShortCutToKeySequence(uint16_t shortCut)
{
    const int key = KeyOf(shortCut & 0xFF);
    if (key == 0)
        return {};
    int modifiers = 0;
    if (shortCut & VL_SC_SHIFT)
        modifiers |= Qt::SHIFT;
    if (shortCut & VL_SC_CTRL)
        modifiers |= Qt::CTRL;
    if (shortCut & VL_SC_ALT)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}
