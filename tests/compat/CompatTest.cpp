// Every program of tests/compat runs through veltrano-run and must print exactly what Free Pascal
// printed for it (NAME.out, written by `make compat`). A program whose output is ours on purpose
// has NAME.why beside it: one line saying why, and NAME.out holds our output.
#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CompatDir()
{
    return (fs::path(VlTestDataDir()).parent_path() / "compat").string();
}

std::vector<fs::path> Programs()
{
    std::vector<fs::path> programs;
    for (const auto &entry : fs::directory_iterator(CompatDir()))
        if (entry.path().extension() == ".pas")
            programs.push_back(entry.path());
    std::sort(programs.begin(), programs.end());
    return programs;
}

std::string RunProgram(const fs::path &program)
{
    fs::path out = fs::temp_directory_path() / ("vl_compat_" + std::to_string(::getpid()) + ".out");
    std::string command = "'" + VlProgramDir() + "/veltrano-run' '" + program.string() + "' < /dev/null > '" +
                          out.string() + "' 2>&1";
    int status = std::system(command.c_str());
    (void)status;  // the output tells
    std::string text = ReadAll(out);
    fs::remove(out);
    return text;
}

} // namespace

TEST(Compat, EveryProgramPrintsWhatFreePascalPrints)
{
    if (!fs::exists(VlProgramDir() + "/veltrano-run"))
        GTEST_SKIP() << "veltrano-run is not built";
    std::vector<fs::path> programs = Programs();
    ASSERT_GE(programs.size(), 80u);
    for (const fs::path &program : programs) {
        fs::path expected = fs::path(program).replace_extension(".out");
        ASSERT_TRUE(fs::exists(expected)) << expected << " is missing: run make compat";
        fs::path why = fs::path(program).replace_extension(".why");
        if (fs::exists(why)) {
            std::string reason = ReadAll(why);
            EXPECT_FALSE(reason.empty()) << why;
            EXPECT_EQ(std::count(reason.begin(), reason.end(), '\n'), 1) << why << ": one line";
        }
        EXPECT_EQ(RunProgram(program), ReadAll(expected)) << program.filename();
    }
}
