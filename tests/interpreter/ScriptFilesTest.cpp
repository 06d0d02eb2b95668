// Runs every script in tests/data/interpreter (with a small test host) and in its folder
// "bindings" (with the host library bindings) and compares with the result written inside it:
// a line "// expect: <Kind>: <text>" or "// error: <code> <message>" (and optionally
// "// position: <offset>"). Units named in "uses" come from tests/data/interpreter/units.
#include "InterpreterTestHost.h"

#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string Directive(const std::string &text, const std::string &name)
{
    std::string marker = "// " + name + ": ";
    size_t at = text.find(marker);
    if (at == std::string::npos)
        return std::string();
    size_t end = text.find_first_of("\r\n", at);
    return text.substr(at + marker.size(), end == std::string::npos ? std::string::npos : end - at - marker.size());
}

std::vector<std::string> ScriptNames(const std::string &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".pas")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

template <class TRunner>
void CheckScripts(const std::string &dir, size_t atLeast, TRunner run)
{
    std::vector<std::string> names = ScriptNames(dir);
    ASSERT_GE(names.size(), atLeast);
    for (const std::string &name : names) {
        std::string text = ReadFile(dir + "/" + name);
        // The expectation is written in the first comment; the script after it may hide it.
        std::string expect = Directive(text, "expect");
        std::string error = Directive(text, "error");
        std::string position = Directive(text, "position");
        TRunResult result = run(text);
        if (!error.empty()) {
            EXPECT_TRUE(result.Failed) << name << " gave " << result.Message;
            EXPECT_EQ(std::to_string(result.Code) + " " + result.Message, error) << name;
            if (!position.empty()) {
                EXPECT_EQ(std::to_string(result.Position), position) << name;
            }
        } else {
            EXPECT_FALSE(result.Failed) << name << ": " << result.Code << " " << result.Message;
            EXPECT_EQ(result.Message, expect) << name;
        }
    }
}

} // namespace

TEST(ScriptFiles, EachScriptGivesTheResultWrittenInIt)
{
    std::string dir = VlTestDataDir() + "/interpreter";
    CheckScripts(dir, 21, [&](const std::string &text) { return RunWithHost(text, dir + "/units"); });
}

// Scripts of tests/data/interpreter/dialect run in the fuller dialect (VlUseClassicDialect), with
// the host library bindings their standard routines come from.
TEST(ScriptFiles, EachDialectScriptGivesTheResultWrittenInIt)
{
    CheckScripts(VlTestDataDir() + "/interpreter/dialect", 8,
                 [](const std::string &text) { return RunWithBindingsInDialect(text, true); });
}

// Scripts of tests/data/interpreter/bindings reach the host library (SysUtils, Classes, ...).
TEST(ScriptFiles, EachBindingScriptGivesTheResultWrittenInIt)
{
    CheckScripts(VlTestDataDir() + "/interpreter/bindings", 1, RunWithBindings);
}
