// Plug-in command shortcuts (a key code with VL_SC_SHIFT, VL_SC_CTRL, VL_SC_ALT bits) as Qt keys.
#pragma once

#include <QKeySequence>

#include <cstdint>

// Empty for 0 and for a key code outside those VeltranoPlugin.h names.
QKeySequence PluginShortCutToKeySequence(uint16_t shortCut);
