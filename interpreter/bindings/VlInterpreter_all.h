// Registration routines of the binding units and the one call that registers them all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TVlInterpreterAdapter;

void VlRegisterSystem(TVlInterpreterAdapter &adapter);
void VlRegisterSysUtils(TVlInterpreterAdapter &adapter);
void VlRegisterClasses(TVlInterpreterAdapter &adapter);
void VlRegisterWindows(TVlInterpreterAdapter &adapter);

// Installs the rtl object model and registers System, SysUtils, Classes and Windows, in that order.
// The hosts call it once, on the GlobalAdapter, before any script runs.
void VlRegisterAllBindings(TVlInterpreterAdapter &adapter);

// What ParamCount and ParamStr report: the program name first, then the script's arguments.
void VlSetParamStrings(std::vector<std::string> params);

// Starts the random sequence afresh from seed 0, as a compiled program starts: hosts call it when
// a learner's run begins (not when a run's form program is made, which would restart it mid-run).
void VlRestartRandom();
// RandSeed of the fuller dialect. Random starts its sequence again from it when it was changed
// since the last start, and leaves its complement there, as Free Pascal does.
uint32_t VlRandSeed();
void VlSetRandSeed(uint32_t seed);
