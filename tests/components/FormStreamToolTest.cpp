// The formconv tool: conversions both ways, checks with line numbers, exit codes, no partial output.
#include "VlCp1251.h"
#include "common/VlRunFormconv.h"
#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

class FormStreamTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(VlProgramDir() + "/formconv"))
            GTEST_SKIP() << "formconv is not built";
        FDir = std::filesystem::temp_directory_path() / ("vl_formconv_" + std::to_string(::getpid()));
        std::filesystem::create_directories(FDir);
    }
    void TearDown() override
    {
        if (!FDir.empty())
            std::filesystem::remove_all(FDir);
    }
    std::string Path(const char *name) const { return (FDir / name).string(); }
    std::filesystem::path FDir;
};

} // namespace

TEST_F(FormStreamTool, ConvertsBothWaysByteForByte)
{
    const std::string forms = VlTestDataDir() + "/forms/";
    EXPECT_EQ(RunFormconv("text2bin " + forms + "all-tags.dfm " + Path("a.bin")).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(Path("a.bin")), ReadFileBytes(forms + "all-tags.bin"));
    EXPECT_EQ(RunFormconv("bin2text " + Path("a.bin") + " " + Path("a.dfm")).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(Path("a.dfm")), ReadFileBytes(forms + "all-tags.dfm"));
    EXPECT_EQ(RunFormconv("check " + forms + "delphi-typical.dfm").ExitCode, 0);
    EXPECT_EQ(RunFormconv("check " + Path("a.bin")).ExitCode, 0);
}

TEST_F(FormStreamTool, BadFormsGiveOneLineWithTheLineNumber)
{
    WriteFileBytesAtomically(Path("bad.dfm"), "object Form1: TForm1\r\n  Caption = 'open\r\nend\r\n");
    const TToolResult check = RunFormconv("check " + Path("bad.dfm"));
    EXPECT_EQ(check.ExitCode, 1);
    EXPECT_NE(check.Output.find("Invalid string constant on line 2"), std::string::npos) << check.Output;
    EXPECT_EQ(std::count(check.Output.begin(), check.Output.end(), '\n'), 1);

    const TToolResult convert = RunFormconv("text2bin " + Path("bad.dfm") + " " + Path("out.bin"));
    EXPECT_EQ(convert.ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("out.bin"))) << "no partial output";

    WriteFileBytesAtomically(Path("bad.bin"), "TPF0\x06TForm1");
    EXPECT_EQ(RunFormconv("bin2text " + Path("bad.bin") + " " + Path("out.dfm")).ExitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("out.dfm")));
    EXPECT_EQ(RunFormconv("check " + Path("missing.dfm")).ExitCode, 1);
    EXPECT_EQ(RunFormconv("convert").ExitCode, 2);
}

TEST_F(FormStreamTool, AFailedWriteKeepsThePreviousFile)
{
    const std::string forms = VlTestDataDir() + "/forms/";
    WriteFileBytesAtomically(Path("keep.dfm"), "previous");
    WriteFileBytesAtomically(Path("broken.bin"), "not a form");
    EXPECT_EQ(RunFormconv("bin2text " + Path("broken.bin") + " " + Path("keep.dfm")).ExitCode, 1);
    EXPECT_EQ(ReadFileBytes(Path("keep.dfm")), "previous");
    EXPECT_EQ(RunFormconv("text2bin " + forms + "all-tags.dfm " + Path("no/such/dir/x.bin")).ExitCode, 1);
}
