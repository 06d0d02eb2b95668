// The request record of every name lookup and host call: name, arguments, target, flags.
#pragma once

#include "VlInterpreterValue.h"

#include <memory>
#include <string>
#include <vector>

class TVlInterpreterExpression;

// Elements of an open array argument converted for host routines (Format and its kin).
struct TVlOpenArray {
    int32_t Count = 0;
    TVlValue Items[VlMaxArgs];  // Smallint/Integer as Integer, Double/Currency as Currency, ...
};

// An argument that is an element of a script variable ("a[i + 1]", "s[3]"): its slot and the
// indexes as the caller read them, so that a by-reference parameter writes back into that element.
struct TVlElementArg {
    int32_t Slot = 0;
    int32_t First = 0;  // its first index in ElementIndexes
    int32_t Count = 0;  // number of indexes
};

// An argument that is a field of a record ("r.count", "a[i].f", the fuller dialect): its slot and
// the record holding the field (shared with the variable), so that a by-reference parameter writes
// back into that field.
struct TVlFieldArg {
    int32_t Slot = 0;
    TVlValue Record;
    std::string Name;
    int32_t Atom = 0;
    // "r.marks[i]": the array the field holds and the indexes, when the argument ends with them.
    TVlValue Container;
    std::vector<TVlValue> Indexes;
};

struct TVlInterpreterArgs {
    std::string VarNames[VlMaxArgs];  // variable given as argument i; empty for an expression
    bool HasVarArgs = false;          // a by-reference parameter received a variable
    std::string Identifier;           // the name being resolved, as the script wrote it
    int32_t Count = 0;
    uint16_t Types[VlMaxArgs] = {};   // declared parameter kinds of the matched registration
    TVlValue Values[VlMaxArgs];
    void *Obj = nullptr;              // member-access target; none for a plain name
    uint16_t ObjType = 0;             // varVlObject, varVlClass, varVlRecord, varDispatch, varUnknown
    bool Indexed = false;             // followed by [..]; the indexes stand in Values
    bool Parenthesized = false;       // followed by ( .. ), possibly empty (a call, not a bare name)
    bool IndexedResult = false;       // the getter or setter consumed the indexes itself
    // Fields of the evaluator.
    bool ResultUsed = false;          // the value is consumed by an enclosing expression
    bool ValueContext = false;        // forces ResultUsed (right side of an assignment)
    TVlValue TargetKeeper;
    // Width and decimals of "expr : width : decimals" arguments (-1 when absent); only routines
    // registered with TVlInterpreterAdapter::AddFormattedArgs receive them.
    int32_t Widths[VlMaxArgs];
    int32_t Decimals[VlMaxArgs];
    // Context of the current host call: the registration's Data and the calling interpreter.
    void *Data = nullptr;
    TVlInterpreterExpression *Caller = nullptr;
    int32_t VarAtoms[VlMaxArgs] = {};  // interned VarNames (0 = none)
    std::vector<TVlElementArg> ElementArgs;  // set by the argument reader for element arguments
    std::vector<TVlValue> ElementIndexes;    // their indexes, one after the other
    std::vector<TVlFieldArg> FieldArgs;      // set by the argument reader for field arguments

    TVlInterpreterArgs();
    // Count 0, no target, flags false, TargetKeeper Empty.
    void Clear()
    {
        Count = 0;
        Obj = nullptr;
        ObjType = 0;
        HasVarArgs = false;
        Indexed = false;
        Parenthesized = false;
        IndexedResult = false;
        TargetKeeper.Clear();
    }
    // Appends one argument value.
    void Add(const TVlValue &value);
    // The element argument of a slot; null when the argument is no element of a variable.
    const TVlElementArg *ElementArgOf(int32_t slot) const
    {
        for (const TVlElementArg &element : ElementArgs)
            if (element.Slot == slot)
                return &element;
        return nullptr;
    }
    const TVlFieldArg *FieldArgOf(int32_t slot) const
    {
        for (const TVlFieldArg &field : FieldArgs)
            if (field.Slot == slot)
                return &field;
        return nullptr;
    }
    // The open array in argument slot index (a script array must be one-dimensional).
    const TVlOpenArray &OpenArray(int index);

private:
    std::unique_ptr<TVlOpenArray> ConversionBuffer;
};

// Makes a lookup a member access for as long as it lives, and a plain one again afterwards, also
// when the lookup throws.
class TVlMemberTarget {
public:
    TVlMemberTarget(TVlInterpreterArgs &args, void *obj, uint16_t objType) : FArgs(args)
    {
        args.Obj = obj;
        args.ObjType = objType;
    }
    ~TVlMemberTarget()
    {
        FArgs.Obj = nullptr;
        FArgs.ObjType = 0;
    }
    TVlMemberTarget(const TVlMemberTarget &) = delete;
    TVlMemberTarget &operator=(const TVlMemberTarget &) = delete;

private:
    TVlInterpreterArgs &FArgs;
};
