// The headless runner: reads a Pascal source, runs it with the bindings and a console, reports.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

class TVlInterpreterAdapter;

struct TVlRunOptions {
    std::string FileName;
    bool Time = false;                // report the run's milliseconds on the error stream
    bool ListBindings = false;        // print every registration of the global adapter instead
    bool Explain = false;             // a failure is followed by its plain-Russian explanation
    int64_t MaxSteps = -1;            // steps (statements, loop passes, calls) allowed; -1: no limit
    double MaxSeconds = 0;            // seconds the run may take; 0: no limit
    std::vector<std::string> Params;  // ParamStr(1..)
};

// A source file as the interpreter reads it: CP1251 text whose lines end in CR LF. Throws
// EVlFileError when the file cannot be read, and refuses folders and devices.
std::string VlReadScriptSource(const std::string &fileName);

// unitName.pas (or another extension) in dir; letter case need not match. Empty when absent.
std::string VlFindUnitFile(const std::filesystem::path &dir, const std::string &unitName, const char *extension = ".pas");

// The global adapter with this runner's bindings, registered on first use.
TVlInterpreterAdapter &VlRunnerBindings();

// Runs the script: console output on `out`, the result value (except for programs) on a last
// line of `out`, failures as "code: message" on `err`. Answers the process exit status: 0, or 1
// when the source cannot be read, the run fails or reaches a limit, or `out` could not be written.
// Without a display, message boxes write their text on `out` and are answered with their default button.
int VlRunScript(const TVlRunOptions &options, std::istream &in, std::ostream &out, std::ostream &err);

// Every registration of the global adapter, one a line: unit, kind, class and name, tab-separated.
void VlListBindings(std::ostream &out);
