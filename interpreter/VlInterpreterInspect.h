// Read-only views of a running program for a stepping engine: where the reader stands at a
// statement, the routine frames with their variables, the globals of a unit. Nothing here
// changes the program.
#pragma once

#include "VlInterpreterValue.h"

#include <cstdint>
#include <string>
#include <vector>

class TVlInterpreterFunction;

struct TVlInspectedVar {
    std::string Name;
    std::string TypeName;      // as declared; empty when the declaration named none
    uint16_t DeclaredKind = 0;
    TVlValue Value;            // shares the storage of arrays and records: read, never write
};

// One active routine call.
struct TVlInspectedFrame {
    std::string RoutineName;  // "Name" or "Class.Name"; empty for a block run without a routine
    std::string UnitName;
    std::vector<TVlInspectedVar> Vars;  // parameters, Result and locals, in declaration order
};

// Where the reader stands when the statement hook runs.
struct TVlStatementPlace {
    const void *Source = nullptr;       // identity of the text the reader holds (stable during a run)
    const std::string *Text = nullptr;  // that text, CP1251 with CR LF line ends
    std::string UnitName;               // the unit whose source it is; empty for a bare block
    int32_t Offset = -1;                // 0-based start of the current token
    int32_t TokenKind = 0;
    int32_t Depth = 0;                  // active routine frames
};

class TVlInterpreterInspector {
public:
    static TVlStatementPlace Place(const TVlInterpreterFunction &program);
    static int32_t Depth(const TVlInterpreterFunction &program);
    // The active routine frames, oldest first.
    static std::vector<TVlInspectedFrame> Frames(const TVlInterpreterFunction &program);
    // The variables a unit (or program) declares, in declaration order.
    static std::vector<TVlInspectedVar> UnitGlobals(TVlInterpreterFunction &program, const std::string &unitName);
};

// Whether a statement hook at this token kind is a statement a learner steps to (not the empty
// statement of a ";" or "end", nor the "begin" of a block, which only groups).
bool VlIsSteppableStatement(int32_t tokenKind);
