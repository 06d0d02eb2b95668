// The window's interpreter program and the names the window adds to it.
#pragma once

#include <functional>
#include <memory>

class TVlInterpreterAdapter;
class TVlInterpreterFm;
struct TVlConsole;

// Puts names into a program's own adapter.
using TVlRegisterNames = std::function<void(TVlInterpreterAdapter &adapter)>;
// Runs call, a script routine entered from outside the program (a form's handler, a bridge),
// the way the window wants it run.
using TVlEnterRoutine = std::function<void(const std::function<void()> &call)>;

// The program the window runs scripts and script forms with. Every run empties a program's own
// adapter; registerNames fills it again at once (and when the program is made), so the window's
// names hold for every run. Every routine a form's event calls passes through enterRoutine.
std::unique_ptr<TVlInterpreterFm> VlCreateWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine);

// The window's own names: the console unit over `console` (which must outlive the program) and
// the getter "Create" of EZeroDivide.
void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console);
