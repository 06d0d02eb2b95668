// The targets a line of Pascal assigns to ("x", "a[i]", "p.x" in "x := ..."), read from its
// text without running anything: what the values beside code show after a step.
#pragma once

#include <string>
#include <vector>

// CP1251 line text in, designators in the order they appear; ":=" inside string literals and
// comments is not an assignment.
std::vector<std::string> VlAssignedNames(const std::string &line);

// Whether a name (compared without regard to case) is written inside parentheses on the line,
// outside literals and comments: an argument a call may have changed ("ReadLn(x)", "Add(y, 1)").
bool VlLinePassesName(const std::string &line, const std::string &name);
