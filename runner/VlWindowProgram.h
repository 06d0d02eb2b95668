// The window's interpreter program and the names the window adds to it.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class TVlInterpreterAdapter;
class TVlInterpreterFm;
class TVlInterpreterFunction;
struct TVlConsole;

// Puts names into a program's own adapter.
using TVlRegisterNames = std::function<void(TVlInterpreterAdapter &adapter)>;
// Runs call, a script routine entered from outside the program (a form's handler, a bridge),
// the way the window wants it run.
using TVlEnterRoutine = std::function<void(const std::function<void()> &call)>;

// The window's programs alive: its own and those its scripts make for their forms
// ("VlInterpreterRunForm" ...), so that the interrupt timer reaches whichever of them runs.
class TVlWindowPrograms {
public:
    // RequestInterrupt of every one; callable from any thread.
    void RequestInterrupts();
    void Add(TVlInterpreterFunction &program);
    void Remove(TVlInterpreterFunction &program);

private:
    std::mutex FLock;
    std::vector<TVlInterpreterFunction *> FPrograms;
};

// The program the window runs scripts and script forms with. Every run empties a program's own
// adapter; registerNames fills it again at once (and when the program is made), so the window's
// names hold for every run. Every routine a form's event calls passes through enterRoutine. The
// programs its scripts make for forms are of the same kind, with the same names, the same entry
// and the host callbacks of the program that made them; each is in programs while it lives.
std::unique_ptr<TVlInterpreterFm> VlCreateWindowProgram(TVlRegisterNames registerNames, TVlEnterRoutine enterRoutine,
                                                        std::shared_ptr<TVlWindowPrograms> programs);

// The window's own names: the console unit over `console` (which must outlive the program) and
// the getter "Create" of EZeroDivide.
void VlRegisterWindowNames(TVlInterpreterAdapter &adapter, TVlConsole &console);
