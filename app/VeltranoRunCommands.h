// The run commands of the main window: run, compile, stop, the samples tab, the "Вывод" pane
// under the editor and the hidden expression compiler, all wired to the runner.
#pragma once

class TForm1;

void InstallRunCommands(TForm1 &form);
