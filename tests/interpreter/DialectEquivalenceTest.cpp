// Every script of tests/data/interpreter (and its folder "bindings") runs with the fuller dialect
// switched on exactly as with it off: the same result, or the same error at the same position,
// after the same number of steps. The only exceptions are listed below: scripts whose error in the
// core dialect is a standard form that the fuller dialect runs, and one result of another kind.
#include "InterpreterTestHost.h"

#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Script file, and why the fuller dialect runs it where the core dialect stops.
const std::map<std::string, std::string> Replaced = {
    {"block_array_assign.pas", "arrays are values: storing one whole copies it"},
    {"block_array_shared.pas", "arrays are values: storing one whole copies it"},
    {"block_for_unassigned.pas", "for bounds may be any ordinal value (an unassigned integer holds a Byte 0)"},
    {"case_not_integer.pas", "case selectors may be characters"},
    {"expr_set_range.pas", "set constructors take ranges"},
    {"program_comment_first.pas", "comments may come before the program heading"},
    {"unit_type_alias.pas", "type sections declare aliases"},
};

// Script file, its result in the fuller dialect, and why it is of another kind there.
const std::map<std::string, std::pair<std::string, std::string>> Retyped = {
    {"block_integer_overflow.pas",
     {"Int64: 2147483648", "integers are computed in 64 bits as Free Pascal does, not overflowing into a Double"}},
};

std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::filesystem::path> Scripts(const std::string &dir)
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".pas")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Describe(const TRunResult &r)
{
    return r.Failed ? "error " + std::to_string(r.Code) + " at " + std::to_string(r.Position) + ": " + r.Message
                    : r.Message;
}

template <class TRunner>
void ExpectSameBothDialects(const std::string &dir, TRunner run, size_t &replacedSeen)
{
    for (const auto &file : Scripts(dir)) {
        std::string name = file.filename().string();
        std::string source = ReadFile(file);
        TRunResult core = run(source, false);
        TRunResult classic = run(source, true);
        auto replaced = Replaced.find(name);
        if (replaced != Replaced.end()) {
            ++replacedSeen;
            EXPECT_TRUE(core.Failed) << name << " runs in the core dialect: drop it from the list";
            EXPECT_FALSE(classic.Failed) << name << ": " << Describe(classic);
            continue;
        }
        if (auto retyped = Retyped.find(name); retyped != Retyped.end()) {
            ++replacedSeen;
            EXPECT_EQ(Describe(classic), retyped->second.first) << name;
            continue;
        }
        EXPECT_EQ(Describe(core), Describe(classic)) << name;
        EXPECT_EQ(core.BudgetLeft, classic.BudgetLeft) << name;
    }
}

} // namespace

TEST(DialectEquivalence, EveryScriptRunsAsInTheCoreDialect)
{
    std::string dir = VlTestDataDir() + "/interpreter";
    size_t replacedSeen = 0;
    ExpectSameBothDialects(dir, [&](const std::string &source, bool classic) {
        TRunOptions options;
        options.UnitDir = dir + "/units";
        options.Classic = classic;
        return RunWithOptions(source, options);
    }, replacedSeen);
    ExpectSameBothDialects(dir + "/bindings", [](const std::string &source, bool classic) {
        return RunWithBindingsInDialect(source, classic);
    }, replacedSeen);
    EXPECT_EQ(replacedSeen, Replaced.size() + Retyped.size()) << "a listed script no longer exists";
}
