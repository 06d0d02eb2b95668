// The shell's own commands: new window, exit, about box, mail link.
#pragma once

class TForm1;

// Creates the about box and binds "NewWindowClick", "ExitClick", "AboutClick", "ReportBugClick".
void InstallShellCommands(TForm1 &form);
