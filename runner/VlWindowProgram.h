// The window's interpreter program and the names the window adds to it.
#pragma once

#include <memory>

class TVlInterpreterAdapter;
class TVlInterpreterProgram;
struct TVlConsole;

// The program class the window runs scripts with; made here only, so that the script-form
// program can take its place.
std::unique_ptr<TVlInterpreterProgram> VlCreateWindowProgram();

// The window's own host names, kept across runs (a program's own adapter is emptied by every
// run): the console unit over `console`, which must outlive the adapter, and the getter "Create"
// of EZeroDivide.
std::shared_ptr<TVlInterpreterAdapter> VlCreateWindowAdapter(TVlConsole &console);
