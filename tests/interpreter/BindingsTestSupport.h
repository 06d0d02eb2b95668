// Helpers of the binding tests: run a script with the bindings registered and show its result.
#pragma once

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline void RegisterOnce()
{
    static bool registered = (VlRegisterAllBindings(GlobalAdapter()), true);
    (void)registered;
}

// The result text of a run, or "error <code>: <message>".
inline std::string RunScript(const std::string &source)
{
    RegisterOnce();
    TVlInterpreterProgram program;
    program.SetSourceText(source);
    try {
        program.Execute();
        return VlResultText(program.ResultValue);
    } catch (const EVlInterpreterError &e) {
        return "error " + std::to_string(e.Code) + ": " + e.Message;
    } catch (...) {
        return "error " + std::to_string(program.LastFailure.Code) + ": " + program.LastFailure.Message;
    }
}

// A unit whose main function of the given result type declares `vars` and runs `body` (line 6
// when there are variables, line 4 otherwise).
inline std::string Main(const std::string &resultType, const std::string &vars, const std::string &body)
{
    return "unit T;\r\nfunction main: " + resultType + ";\r\n" + (vars.empty() ? "" : "var\r\n  " + vars + "\r\n") +
           "begin\r\n" + body + "\r\nend;\r\nend.\r\n";
}

struct TCase {
    const char *Name;
    std::string Source;
    std::string Expected;
};

inline void RunCases(const std::vector<TCase> &cases)
{
    for (const TCase &c : cases)
        EXPECT_EQ(RunScript(c.Source), c.Expected) << c.Name;
}
