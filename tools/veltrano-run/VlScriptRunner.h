// The headless runner: reads a Pascal source, runs it with the bindings and a console, reports.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct TVlRunOptions {
    std::string FileName;
    bool Time = false;                // report the run's milliseconds on the error stream
    std::vector<std::string> Params;  // ParamStr(1..)
};

// A source file as the interpreter reads it: CP1251 text whose lines end in CR LF. Throws
// EVlFileError when the file cannot be read.
std::string VlReadScriptSource(const std::string &fileName);

// Runs the script: console output on `out`, the result value (except for programs) on a last
// line of `out`, failures as "code: message" on `err`. Answers the process exit status.
int VlRunScript(const TVlRunOptions &options, std::istream &in, std::ostream &out, std::ostream &err);
