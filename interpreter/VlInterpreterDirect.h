// Direct statements: statements built only of assignments to locals (whose right sides are quick
// expressions, possibly calling routines), if, while, for, compound, break, continue and exit are
// analysed once into a tree and then run without re-reading their tokens. They step, hook and fail exactly as the token reader does;
// whatever the tree cannot do itself is handed back to the token reader (VlInterpreterDirectRun).
#pragma once

#include "VlInterpreterQuick.h"

#include <cstdint>
#include <string>
#include <vector>

struct TVlDirectStatement {
    enum TKind : uint8_t {
        dkAssign, dkAssignElement, dkIf, dkWhile, dkFor, dkCompound, dkBreak, dkContinue, dkExit
    } Kind = dkAssign;
    bool Down = false;       // for ... downto
    int32_t First = 0;       // index of the statement's first token
    int32_t End = 0;         // index of the token current after the statement has run (or been skipped)
    int32_t ValueToken = -1; // last token before End that sets the token value, -1 when none
    int32_t Height = 1;      // levels of nested statements, this one included
    int32_t Atom = 0;        // the assigned local, the array of an element or the control variable
    const std::string *Name = nullptr;  // its spelling
    mutable TVlSlotHint Hint;
    // assign: value; element: index, value; if and while: condition; for: start, end value.
    const TVlQuickExpression *Expr[2] = {};
    int32_t ExprFirst[2] = {};  // index of each expression's first token
    // if: then and else statement (else may be null); while and for: the body.
    const TVlDirectStatement *Branch[2] = {};
    // compound: its statements and empty statements (null, at the index of a ";") in order.
    std::vector<std::pair<int32_t, const TVlDirectStatement *>> Items;
};

// The direct form of the statement starting at token index first, or nullptr when the statement
// has another shape (results are cached in the source).
const TVlDirectStatement *VlTranslateDirectStatement(const TVlSource &source, int32_t first);

inline const TVlDirectStatement *VlDirectStatementAt(const TVlSource &source, int32_t first)
{
    if (static_cast<size_t>(first) < source.DirectIndex.size()) {
        int32_t known = source.DirectIndex[static_cast<size_t>(first)];
        if (known >= 0)
            return source.Direct[static_cast<size_t>(known)].get();
        if (known == -2)
            return nullptr;
    }
    return VlTranslateDirectStatement(source, first);
}
