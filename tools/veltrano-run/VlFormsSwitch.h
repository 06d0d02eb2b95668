// Plain scripts run without Qt: the runner hands a script over to veltrano-run-forms (the same
// runner with the window framework) only when the script or a unit it uses names something of it.
#pragma once

#include <string>

class TVlInterpreterAdapter;

// The forms runner beside this executable; empty when there is none.
std::string VlFormsRunnerPath();
// Whether fileName (or a unit it uses, found beside it) names a class, routine, constant or unit
// that the forms runner registers and this runner does not. bindingsFile is the forms runner's
// --list-bindings output; own holds this runner's bindings.
bool VlScriptNeedsForms(const std::string &fileName, const std::string &bindingsFile, const TVlInterpreterAdapter &own);
// Replaces this process with the forms runner, same arguments; returns only when that fails.
void VlSwitchToFormsRunner(const std::string &runner, char **argv);
