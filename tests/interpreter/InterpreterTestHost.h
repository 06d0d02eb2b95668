// A small host for interpreter tests: a class tree with exceptions, a list with a default
// indexed property, and helpers that run sources.
#pragma once

#include "interpreter/VlInterpreter.h"

#include <memory>
#include <string>
#include <vector>

struct TTestClass {
    std::string Name;
    const TTestClass *Parent = nullptr;
};

struct TTestObject {
    virtual ~TTestObject() = default;
    const TTestClass *Class = nullptr;
    std::string Message;
    std::vector<int32_t> Items;
};

// An object model over TTestObject and its TTestClass tree; test models add what they need.
class TTestClassModel : public TVlHostObjectModel {
public:
    TVlHostClass ClassOf(void *object) const override { return static_cast<TTestObject *>(object)->Class; }
    bool InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const override
    {
        for (auto *c = static_cast<const TTestClass *>(cls); c; c = c->Parent)
            if (c == ancestor)
                return true;
        return false;
    }
    std::string ClassName(TVlHostClass cls) const override { return static_cast<const TTestClass *>(cls)->Name; }
};

// Classes: TObject > Exception > EDivByZero, EConvertError, ERangeError; TObject > TList.
extern const TTestClass TestTObject, TestException, TestEDivByZero, TestEConvertError, TestERangeError, TestTList;

// Installs the test classes and routines on a program (own model, host adapter).
void InstallTestHost(TVlInterpreterProgram &program);

struct TRunResult {
    bool Failed = false;
    int32_t Code = 0;
    int32_t Position = -1;
    std::string Message;  // error message, or the result as "Kind: text"
    int64_t BudgetLeft = -1;
    std::vector<int32_t> Trace;  // reader position at every statement hook, when observed
    std::string Output;          // what a console program wrote
};

struct TRunOptions {
    std::string UnitDir;     // where units named in "uses" are read from
    int64_t Budget = -1;     // StatementBudget
    bool Direct = true;      // DirectStatements
    bool Observe = false;    // record the reader position at every statement hook
    bool Classic = false;    // the fuller dialect with its standard routines (VlUseClassicDialect)
};

// Runs a source (LF line ends become CR LF) with the test host.
TRunResult RunWithOptions(const std::string &source, const TRunOptions &options);
// The same on a program made by the caller (a subclass with its own name lookup).
TRunResult RunWithOptionsOn(TVlInterpreterProgram &program, const std::string &source, const TRunOptions &options);
inline TRunResult RunWithHost(const std::string &source, const std::string &unitDir = std::string(),
                              int64_t budget = -1)
{
    TRunOptions options;
    options.UnitDir = unitDir;
    options.Budget = budget;
    return RunWithOptions(source, options);
}
// Runs a source with the host library bindings registered in the GlobalAdapter instead.
TRunResult RunWithBindings(const std::string &source);
// The same in the fuller dialect when classic is set.
TRunResult RunWithBindingsInDialect(const std::string &source, bool classic);
// Runs a console program as veltrano-run does (host library bindings, console unit, the options'
// dialect, direct statements, budget and observation); Output receives what it wrote, input is
// what ReadLn reads.
TRunResult RunConsoleProgram(const std::string &source, const TRunOptions &options, const std::string &input = "");
std::string ResultText(const TVlValue &value);
