// Which files a library name stands for: ".dll" names fall back to shared libraries, in the
// program folder (the folder of the executable) before the system's search path.
#include "ForeignTestSupport.h"

#include "common/VlTestPaths.h"
#include "interpreter/VlInterpreterForeign.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using TNames = std::vector<std::string>;

TEST(LibraryNames, OtherNamesAreOnlyTriedAsTheyStand)
{
    EXPECT_EQ(VlLibraryCandidates("libc.so.6", "/opt/v"), TNames{"libc.so.6"});
    EXPECT_EQ(VlLibraryCandidates("/usr/lib/x.so", "/opt/v"), TNames{"/usr/lib/x.so"});
    EXPECT_EQ(VlLibraryCandidates(".dll", "/opt/v"), TNames{".dll"});
    EXPECT_EQ(VlLibraryCandidates("", "/opt/v"), TNames{});
    EXPECT_EQ(VlOpenLibrary(""), nullptr);
}

TEST(LibraryNames, DllNamesFallBackToTheProgramFolderFirst)
{
    EXPECT_EQ(VlLibraryCandidates("user32.dll", "/opt/v"),
              (TNames{"user32.dll", "/opt/v/libuser32.so", "/opt/v/user32.so", "libuser32.so", "user32.so"}));
    EXPECT_EQ(VlLibraryCandidates("Kernel.DLL", "/opt/v"),
              (TNames{"Kernel.DLL", "/opt/v/libKernel.so", "/opt/v/Kernel.so", "/opt/v/libkernel.so",
                      "/opt/v/kernel.so", "libKernel.so", "Kernel.so", "libkernel.so", "kernel.so"}));
    EXPECT_EQ(VlLibraryCandidates("C:\\Windows\\System32\\user32.dll", ""),
              (TNames{"C:\\Windows\\System32\\user32.dll", "libuser32.so", "user32.so"}));
}

std::string ReadAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A throwaway program folder holding a copy of veltrano-run, and a second folder on the
// system's search path (LD_LIBRARY_PATH).
class TempProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::path runner = fs::path(VlProgramDir()) / "veltrano-run";
        if (!fs::exists(runner))
            GTEST_SKIP() << "veltrano-run is not built";
        Root = fs::temp_directory_path() / ("vl_foreign_" + std::to_string(::getpid()));
        fs::create_directories(Root / "prog");
        fs::create_directories(Root / "sys");
        fs::copy_file(runner, Root / "prog" / "veltrano-run");
    }
    void TearDown() override
    {
        if (!Root.empty())
            fs::remove_all(Root);
    }
    // Copies one of the two test libraries (tag 1 or 2) under a name into a folder.
    void Place(int tag, const std::string &folder, const std::string &name)
    {
        fs::path library = fs::path(VlProgramFolder()) / (tag == 1 ? "libvlffitest.so" : "libvlffitest2.so");
        fs::copy_file(library, Root / folder / name);
    }
    // Runs a unit with veltrano-run from the program folder; stdout, or stderr after a failure.
    std::string Run(const std::string &source)
    {
        std::ofstream(Root / "t.pas") << source;
        std::string cmd = "cd '" + Root.string() + "' && LD_LIBRARY_PATH='" + (Root / "sys").string() +
                          "' prog/veltrano-run t.pas > out.txt 2> err.txt";
        int status = std::system(cmd.c_str());
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ReadAll(Root / "out.txt") : ReadAll(Root / "err.txt");
    }
    fs::path Root;
};

TEST_F(TempProgramFolder, DllNamesFindSharedLibrariesThereBeforeTheSearchPath)
{
    Place(1, "prog", "libdup.so");
    Place(2, "sys", "libdup.so");
    Place(1, "prog", "two.so");
    Place(1, "prog", "libthree.so");
    Place(2, "sys", "libonly.so");
    std::string out = Run("unit T;\n"
                          "function DupTag: Integer; external 'dup.dll' name 'Tag';\n"
                          "function TwoTag: Integer; external 'two.dll' name 'Tag';\n"
                          "function ThreeTag: Integer; external 'THREE.DLL' name 'Tag';\n"
                          "function OnlyTag: Integer; external 'only.dll' name 'Tag';\n"
                          "function main: Integer;\nbegin\n"
                          "  Result := DupTag * 1000 + TwoTag * 100 + ThreeTag * 10 + OnlyTag;\n"
                          "end;\nend.\n");
    EXPECT_EQ(out, "1112\n");
}

TEST_F(TempProgramFolder, AMissingDllIsReportedUnderItsOwnName)
{
    Place(1, "prog", "libother.so");
    std::string out = Run("unit T;\nfunction f: Integer; external 'absent.dll' name 'Tag';\n"
                          "function main: Integer;\nbegin\n  Result := f;\nend;\nend.\n");
    EXPECT_EQ(out, "184: Error in unit 'T' on line 5 : Error loading library 'absent.dll'\n");
}

} // namespace
