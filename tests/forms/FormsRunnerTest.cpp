// veltrano-run with forms: form units run headless, failures are reported, the bindings are listed,
// and the shipped form samples work.
#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

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

// Runs veltrano-run in dir without a display.
TRunResult RunRunner(const std::string &dir, const std::string &args)
{
    const std::string tmp = std::filesystem::temp_directory_path() / ("vl_forms_runner_" + std::to_string(::getpid()));
    const std::string cmd = "cd '" + dir + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" + VlProgramDir() +
                            "/veltrano-run' " + args + " < /dev/null > '" + tmp + ".out' 2> '" + tmp + ".err'";
    TRunResult r;
    const int raw = std::system(cmd.c_str());
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.Out = ReadAll(tmp + ".out");
    r.Err = ReadAll(tmp + ".err");
    std::filesystem::remove(tmp + ".out");
    std::filesystem::remove(tmp + ".err");
    return r;
}

TEST(FormsRunner, AFormUnitRunsHeadlessFromADriverProgram)
{
    const TRunResult r = RunRunner(VlTestDataDir() + "/scriptforms", "Driver.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Создана\nНажата 2\nФорма 2\n2\n");
}

TEST(FormsRunner, AUnitWithoutAFormFileIsError58)
{
    const std::string dir = std::filesystem::temp_directory_path() / ("vl_forms_runner_dir_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(VlTestDataDir() + "/scriptforms/Unit3.pas", dir + "/Unit3.pas",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(dir + "/Drive3.pas") << "program Drive3;\nbegin\n  VlInterpreterMakeForm('Unit3.pas');\nend.\n";
    const TRunResult r = RunRunner(dir, "Drive3.pas");
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("58: Error in unit 'Drive3' on line 3 : DFM 'Unit3' not found"), std::string::npos) << r.Err;
    std::filesystem::remove_all(dir);
}

TEST(FormsRunner, ListBindingsShowsTheWindowFrameworkUnits)
{
    const TRunResult r = RunRunner(VlTestDataDir(), "--list-bindings");
    EXPECT_EQ(r.Status, 0);
    for (const char *line : {"Forms\tclass\tTForm\tTForm\n", "Forms\tfunction\t\tApplication\n",
                             "Dialogs\tfunction\t\tShowMessage\n", "Graphics\tconstant\t\tclWindow\n",
                             "Controls\tevent\t\tTMouseEvent\n", "VlInterpreterFm\tfunction\t\tVlInterpreterMakeForm\n",
                             "System\tfunction\t\tLength\n"})
        EXPECT_NE(r.Out.find(line), std::string::npos) << line;
}

TEST(FormsRunner, PlainScriptsStayWithoutTheWindowFramework)
{
    // A plain script is not handed to the forms runner: no Qt message reaches the error stream.
    const std::string dir = VlTestDataDir() + "/scriptforms";
    std::ofstream(std::filesystem::temp_directory_path() / "vl_plain.pas") << "begin Result := 6 * 7 end;\n";
    const TRunResult r = RunRunner(std::filesystem::temp_directory_path().string(), "vl_plain.pas");
    EXPECT_EQ(r.Out, "42\n");
    EXPECT_EQ(r.Err, "");
}

TEST(FormsRunner, MessageBoxesWriteTheirTextWithoutADisplay)
{
    const std::string dir = std::filesystem::temp_directory_path().string();
    std::ofstream(dir + "/vl_message.pas") << "program M;\nbegin\n  ShowMessage('Привет');\n"
                                              "  WriteLn(MessageDlg('Да?', mtConfirmation, mbYesNoCancel, 0));\nend.\n";
    const TRunResult r = RunRunner(dir, "vl_message.pas");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "[Veltrano]\nПривет\n[Подтверждение]\nДа?\n6\n");
}

TEST(FormsRunner, TheFormSamplesRunHeadless)
{
    const std::string samples = VlTestDataDir() + "/../../data/examples/Forms";
    for (const char *driver : {"TestCalculator.pas", "TestListEditor.pas", "TestDrawing.pas"}) {
        const TRunResult r = RunRunner(samples, driver);
        EXPECT_EQ(r.Status, 0) << driver << "\n" << r.Err;
        EXPECT_NE(r.Out.find("OK"), std::string::npos) << driver << "\n" << r.Out << r.Err;
    }
}

} // namespace
