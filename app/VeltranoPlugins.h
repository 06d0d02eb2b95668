// The plug-ins window in the main window: TPlug, the "Плагины..." command, and the entry points
// through which plug-ins reach the editor and the log.
#pragma once

class TForm1;

// TPlug: loads every plug-in of the program folder's Plugins/ now; frees them when the window goes.
void InstallPluginCommands(TForm1 &form);
