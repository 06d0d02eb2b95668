// The window's interpreter program and the names the window adds to it.
#pragma once

#include <functional>
#include <memory>

class TVlInterpreterAdapter;
class TVlInterpreterProgram;
struct TVlConsole;

// Puts names into a program's own adapter.
using TVlRegisterNames = std::function<void(TVlInterpreterAdapter &adapter)>;

// The program the window runs scripts with, made here only so that the script-form program
// class can take its place. Every run empties a program's own adapter; registerNames fills it
// again at once (and when the program is made), so the window's names hold for every run.
std::unique_ptr<TVlInterpreterProgram> VlCreateWindowProgram(TVlRegisterNames registerNames);

// The window's own names: the console unit over `console` (which must outlive the program) and
// the getter "Create" of EZeroDivide.
void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console);
