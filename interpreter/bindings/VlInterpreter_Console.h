// A console unit for headless runs: Write, WriteLn and ReadLn over two streams, printing the way
// console Pascal programs do (plain integers, scientific reals, TRUE/FALSE, "x:8:2" fields).
#pragma once

#include <iosfwd>
#include <string>

class TVlInterpreterAdapter;
class TVlValue;

struct TVlConsole {
    std::istream *In = nullptr;
    std::ostream *Out = nullptr;
};

// Registers the console routines in `adapter` (a program's own adapter: hosts that run scripts
// register them again after every reset). The console must outlive the registrations.
void VlRegisterConsole(TVlInterpreterAdapter &adapter, TVlConsole &console);

// The text Write prints for one value (CP1251), with a field width and decimals of -1 when absent.
std::string VlConsoleText(const TVlValue &value, int width, int decimals);
