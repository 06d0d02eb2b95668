// Watch expressions: evaluated over copies of a paused program's variables by an interpreter of
// their own, so that a watch can never change the program. The rule that keeps it so: a watch
// reads variables, constants, elements and record fields, and calls only a fixed list of pure
// standard functions; assignments, statements, script routines, host routines, members of
// objects and the default properties of objects are refused before anything runs.
#pragma once

#include "VlInterpreterInspect.h"

#include <string>
#include <vector>

class TVlInterpreterAdapter;

struct TVlWatchResult {
    bool Ok = false;
    TVlValue Value;
    std::string Error;  // UTF-8, for the user; empty when Ok
};

// Evaluates text (CP1251) where vars are visible (later entries hide earlier ones of the same
// name). Record types are looked up in types (the paused program's own adapter) and the shared one.
TVlWatchResult VlEvaluateWatch(const std::string &text, const std::vector<TVlInspectedVar> &vars,
                               const TVlInterpreterAdapter &types);

// Whether a name is one of the pure functions a watch may call.
bool VlIsPureWatchFunction(const std::string &name);
