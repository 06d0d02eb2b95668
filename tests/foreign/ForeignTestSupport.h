// Running scripts that make foreign calls, and where the test library lives.
#pragma once

#include "interpreter/VlInterpreter.h"

#include <functional>
#include <string>

struct TForeignOutcome {
    bool Failed = false;
    int32_t Code = 0;
    std::string Text;  // "Kind: value", or the error's message without its location
};

// Runs a UTF-8 source (stored as CP1251, CR LF) twice, with and without the direct statements,
// and expects both runs to agree. setup prepares each program (host adapters, models).
TForeignOutcome RunForeign(const std::string &source,
                           const std::function<void(TVlInterpreterProgram &)> &setup = {});

// A unit whose main (a Variant function) has the given local section and statements.
std::string ForeignUnit(const std::string &declarations, const std::string &locals, const std::string &statements);

// The test library as the test program's folder holds it.
std::string TestLibraryPath();
