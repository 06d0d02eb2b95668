// Runs every script in tests/data/interpreter and compares with the result written inside it:
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

std::vector<std::string> ScriptNames()
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(VlTestDataDir() + "/interpreter"))
        if (entry.path().extension() == ".pas")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ScriptFiles, EachScriptGivesTheResultWrittenInIt)
{
    std::string dir = VlTestDataDir() + "/interpreter";
    std::vector<std::string> names = ScriptNames();
    ASSERT_GT(names.size(), 20u);
    for (const std::string &name : names) {
        std::string text = ReadFile(dir + "/" + name);
        // The expectation is written in the first comment; the script after it may hide it.
        std::string expect = Directive(text, "expect");
        std::string error = Directive(text, "error");
        std::string position = Directive(text, "position");
        TRunResult result = RunWithHost(text, dir + "/units");
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
