// A small host for interpreter tests: a class tree with exceptions, a list with a default
// indexed property, and helpers that run sources.
#pragma once

#include "interpreter/VlInterpreter.h"

#include <memory>
#include <string>

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

// Classes: TObject > Exception > EDivByZero, EConvertError, ERangeError; TObject > TList.
extern const TTestClass TestTObject, TestException, TestEDivByZero, TestEConvertError, TestERangeError, TestTList;

// Installs the test classes and routines on a program (own model, host adapter).
void InstallTestHost(TVlInterpreterProgram &program);

struct TRunResult {
    bool Failed = false;
    int32_t Code = 0;
    int32_t Position = -1;
    std::string Message;  // error message, or the result as "Kind: text"
};

// Runs a source (LF line ends become CR LF) with the test host; units come from unitDir.
TRunResult RunWithHost(const std::string &source, const std::string &unitDir = std::string(),
                       int64_t budget = -1);
std::string ResultText(const TVlValue &value);
