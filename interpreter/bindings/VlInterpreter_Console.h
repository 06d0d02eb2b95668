// A console unit for headless runs: Write, WriteLn and ReadLn over two streams, printing the way
// console Pascal programs do (plain integers, scientific reals, TRUE/FALSE, "x:8:2" fields).
#pragma once

#include <iosfwd>
#include <string>

class TVlInterpreterAdapter;
class TVlInterpreterExpression;
class TVlValue;

struct TVlConsole {
    explicit TVlConsole(std::istream *in = nullptr, std::ostream *out = nullptr) : In(in), Out(out) {}
    std::istream *In = nullptr;
    std::ostream *Out = nullptr;
    // The input line being read and the part of it not read yet: Read leaves the rest of a line
    // to the reads after it, ReadLn drops it.
    bool LineOpen = false;
    std::string Pending;
};

// Registers the console routines in `adapter` (a program's own adapter: hosts that run scripts
// register them again after every reset, which also drops a line left half read). The console
// must outlive the registrations.
void VlRegisterConsole(TVlInterpreterAdapter &adapter, TVlConsole &console);

// The text Write prints for one value (CP1251), with a field width and decimals of -1 when absent;
// the members of the caller's enumerations print by name.
std::string VlConsoleText(const TVlValue &value, int width, int decimals,
                          const TVlInterpreterExpression *caller = nullptr);
