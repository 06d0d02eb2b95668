// veltrano-run end to end: console output, result lines, unit lookup, error reports and exit status.
#include "common/VlTestPaths.h"
#include "interpreter/VlInterpreterExplain.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TRunResult {
    std::string Out;
    std::string Err;
    int Status = -1;
};

std::string ReadAll(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs veltrano-run with the given arguments (file names relative to the runner test data) and
// input; `output` names where its standard output goes instead of the result's Out.
TRunResult RunRunner(const std::string &args, const std::string &input = {}, const std::string &output = {})
{
    std::string dir = VlTestDataDir() + "/runner/";
    std::string tmp = std::filesystem::temp_directory_path() / ("vl_runner_" + std::to_string(::getpid()));
    std::ofstream(tmp + ".in") << input;
    std::string cmd = "cd '" + dir + "' && '" + VlProgramDir() + "/veltrano-run' " + args + " < '" + tmp +
                      ".in' > '" + (output.empty() ? tmp + ".out" : output) + "' 2> '" + tmp + ".err'";
    TRunResult r;
    int raw = std::system(cmd.c_str());
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.Out = ReadAll(tmp + ".out");
    r.Err = ReadAll(tmp + ".err");
    for (const char *ext : {".in", ".out", ".err"})
        std::filesystem::remove(tmp + ext);
    return r;
}

class Runner : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(VlProgramDir() + "/veltrano-run"))
            GTEST_SKIP() << "veltrano-run is not built";
    }
};

} // namespace

TEST_F(Runner, ConsoleProgramPrintsLikeAConsolePascalProgram)
{
    TRunResult r = RunRunner("hello.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Hello, world\n1 2 3 \n  3.50|TRUE|   42| 2.500000000E+00\n\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\n");
    EXPECT_EQ(r.Err, "");
}

TEST_F(Runner, SyntaxErrorIsReportedWithCodeUnitAndLine)
{
    TRunResult r = RunRunner("syntax_error.pas");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "103: Error in unit 'Bad' on line 4 : ')' expected but ';' found\n");
    EXPECT_EQ(r.Out, "1\n");  // the statements before the error ran
}

TEST_F(Runner, UnitMainResultAndUnitsFoundBesideTheFile)
{
    TRunResult r = RunRunner("uses_main.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "42\n");
}

TEST_F(Runner, ExpressionSourceShowsItsValue)
{
    TRunResult r = RunRunner("--time expression.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "7\n");
    EXPECT_EQ(r.Err.rfind("ms: ", 0), 0u) << r.Err;
}

TEST_F(Runner, ReadLnFillsVariablesFromInput)
{
    TRunResult r = RunRunner("greet.pas", "Bob Smith\n12\n");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Hi Bob Smith, next is 13\n");
    r = RunRunner("read_elements.pas", "Ann Lee\n21\n");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Ann Lee 42\n");
}

TEST_F(Runner, LibraryErrorIsLocatedAsCodeSix)
{
    TRunResult r = RunRunner("raiser.pas");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "6: Error in unit 'Raiser' on line 5 : '12x' is not a valid integer value\n");
}

TEST_F(Runner, MissingFileAndBadUsage)
{
    EXPECT_EQ(RunRunner("no_such_file.pas").Status, 1);
    EXPECT_EQ(RunRunner("").Status, 2);
    EXPECT_EQ(RunRunner("--bogus hello.pas").Status, 2);
}

TEST_F(Runner, BlockSourceLeavesItsResult)
{
    TRunResult r = RunRunner("block.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "42\n");
}

TEST_F(Runner, SourcesInEitherEncodingAndAnyLineEnds)
{
    TRunResult cp1251 = RunRunner("cp1251.pas");
    EXPECT_EQ(cp1251.Out, "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0" "4\n");  // "Ёлка" has four characters
    TRunResult bom = RunRunner("utf8_bom.pas");
    EXPECT_EQ(bom.Out, "\xD0\xA9" "1\n");
    TRunResult crOnly = RunRunner("cr_only.pas");
    EXPECT_EQ(crOnly.Status, 1);
    EXPECT_EQ(crOnly.Err, "104: Error in unit 'CrOnly' on line 4 : Undeclared Identifier 'Missing'\n");
}

TEST_F(Runner, ExplainFollowsTheErrorInPlainRussian)
{
    TRunResult r = RunRunner("--explain cr_only.pas");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "104: Error in unit 'CrOnly' on line 4 : Undeclared Identifier 'Missing'\n"
                     "Имя «Missing» нигде не объявлено. Проверьте, нет ли опечатки, и объявлено ли оно в разделе var.\n");
    TRunResult library = RunRunner("--explain raiser.pas");
    EXPECT_NE(library.Err.find("\n" + std::string(VlFindExplanation(6)->Text)), std::string::npos);
}

TEST_F(Runner, StepAndTimeLimitsEndARunawayProgram)
{
    TRunResult steps = RunRunner("--max-steps 1000 forever.pas");
    EXPECT_EQ(steps.Status, 1);
    EXPECT_EQ(steps.Err, "veltrano-run: выполнение остановлено, исчерпан предел шагов (1000)\n");
    TRunResult seconds = RunRunner("--max-seconds 0.2 forever.pas");
    EXPECT_EQ(seconds.Status, 1);
    EXPECT_EQ(seconds.Err, "veltrano-run: выполнение остановлено, исчерпан предел времени (0.2 с)\n");
    TRunResult enough = RunRunner("--max-steps 100000 --max-seconds 30 hello.pas");
    EXPECT_EQ(enough.Status, 0) << enough.Err;
    EXPECT_EQ(RunRunner("--max-steps hello.pas").Status, 2);
    EXPECT_EQ(RunRunner("--max-seconds -1 hello.pas").Status, 2);
}

TEST_F(Runner, HelpPrintsTheUsageAndAWrongOptionIsNamed)
{
    TRunResult help = RunRunner("--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind("usage: veltrano-run", 0), 0u);
    TRunResult wrong = RunRunner("--tiem hello.pas");
    EXPECT_EQ(wrong.Status, 2);
    EXPECT_EQ(wrong.Err.rfind("veltrano-run: неизвестный ключ --tiem\nusage: veltrano-run", 0), 0u);
    EXPECT_EQ(wrong.Out, "");
}

TEST_F(Runner, RefusesFoldersAndDevicesAsSources)
{
    TRunResult folder = RunRunner("'" + VlTestDataDir() + "/runner'");
    EXPECT_EQ(folder.Status, 1);
    EXPECT_NE(folder.Err.find("это папка, а не файл"), std::string::npos) << folder.Err;
    TRunResult device = RunRunner("/dev/zero");
    EXPECT_EQ(device.Status, 1);
    EXPECT_NE(device.Err.find("это не обычный файл"), std::string::npos) << device.Err;
}

TEST_F(Runner, OutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TRunResult r = RunRunner("hello.pas", {}, "/dev/full");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "veltrano-run: не удалось записать вывод программы\n");
}
