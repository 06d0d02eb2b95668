// The stepping commands of the main window ("Проект" → "Отладка", the toolbar, F4, F7, F8,
// Shift+F8, Ctrl+F8, F9 while paused) and the "Переменные" pane beside the editor.
#pragma once

class TForm1;

void InstallDebugCommands(TForm1 &form);
