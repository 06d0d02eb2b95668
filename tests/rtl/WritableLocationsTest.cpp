// Where the program writes: the program folder, the user's folders, and the copy an install marks.
#include "common/VlRunAsUser.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlWritableLocations.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class WritableLocationsTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vllocations-XXXXXX").string();
        Dir = ::mkdtemp(pattern.data());
        Program = Dir / "program";
        fs::create_directories(Program / "Data");
        User = {(Dir / "config").string(), (Dir / "data").string()};
    }
    void TearDown() override
    {
        fs::permissions(Program, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Dir);
    }
    // A program folder that refuses every write (the check of an ordinary user).
    TVlWritableLocations ReadOnlyProgram()
    {
        const std::string program = Program.string();
        return TVlWritableLocations(program, User, [program](const std::string &path) {
            return !path.starts_with(program);
        });
    }

    fs::path Dir;
    fs::path Program;
    TVlUserFolders User;
};

TEST_F(WritableLocationsTest, AWritableProgramFolderTakesEveryFile)
{
    TVlWritableLocations locations(Program.string(), User);
    EXPECT_EQ(locations.SettingsFile("Config.ini"), (Program / "Config.ini").string());
    EXPECT_EQ(locations.DataFile("BackUp/Project.dpr"), (Program / "BackUp" / "Project.dpr").string());
    EXPECT_EQ(locations.DataFile("Data/Last.log"), (Program / "Data" / "Last.log").string());
    EXPECT_FALSE(locations.UsesUserFolders());
    EXPECT_FALSE(fs::exists(Dir / "config"));
    EXPECT_FALSE(fs::exists(Dir / "data"));
}

TEST_F(WritableLocationsTest, AMissingDataFolderStaysInTheProgramFolderSoItsFailureIsReported)
{
    fs::remove(Program / "Data");
    TVlWritableLocations locations(Program.string(), User);
    EXPECT_EQ(locations.DataFile("Data/Last.log"), (Program / "Data" / "Last.log").string());
}

TEST_F(WritableLocationsTest, AReadOnlyProgramFolderSendsEveryFileToTheUserFolders)
{
    WriteTextFile((Program / "Data" / "FormProc.vlf").string(), "OnCreate\n");
    TVlWritableLocations locations = ReadOnlyProgram();
    EXPECT_EQ(locations.SettingsFile("VlInterpreterTest.ini"), (Dir / "config" / "VlInterpreterTest.ini").string());
    EXPECT_EQ(locations.DataFile("BackUp/Project.dpr"), (Dir / "data" / "BackUp" / "Project.dpr").string());
    EXPECT_EQ(locations.DataFile("Data/FormProc.vlf"), (Dir / "data" / "Data" / "FormProc.vlf").string());
    EXPECT_TRUE(locations.UsesUserFolders());
    // The folders are there to be written, and the event list starts as the program's own copy.
    EXPECT_TRUE(fs::is_directory(Dir / "data" / "BackUp"));
    EXPECT_EQ(ReadTextFile((Dir / "data" / "Data" / "FormProc.vlf").string()), "OnCreate\r\n");
}

TEST_F(WritableLocationsTest, TheUsersCopyIsKeptOnLaterRuns)
{
    WriteTextFile((Program / "Config.ini").string(), "[General]\nk=program\n");
    const std::string chosen = ReadOnlyProgram().SettingsFile("Config.ini");
    WriteTextFile(chosen, "[General]\nk=mine\n");
    EXPECT_EQ(ReadOnlyProgram().SettingsFile("Config.ini"), chosen);
    EXPECT_EQ(ReadTextFile(chosen), "[General]\r\nk=mine\r\n");
}

TEST_F(WritableLocationsTest, AReadOnlyFileOrItsFolderAloneFallsBack)
{
    WriteTextFile((Program / "Config.ini").string(), "[General]\n");
    const std::string file = (Program / "Config.ini").string();
    TVlWritableLocations locations(Program.string(), User, [&](const std::string &path) { return path != file; });
    EXPECT_EQ(locations.SettingsFile("Config.ini"), (Dir / "config" / "Config.ini").string());
    EXPECT_EQ(locations.SettingsFile("VlInterpreterTest.ini"), (Program / "VlInterpreterTest.ini").string());

    // A writable file in a folder that is not cannot be replaced either.
    WriteTextFile((Program / "Data" / "Last.log").string(), "");
    const std::string data = (Program / "Data").string();
    TVlWritableLocations dataLocked(Program.string(), User, [&](const std::string &path) { return path != data; });
    EXPECT_EQ(dataLocked.DataFile("Data/Last.log"), (Dir / "data" / "Data" / "Last.log").string());
}

TEST_F(WritableLocationsTest, AnInstalledCopyIsNeverWrittenEvenWhenItCouldBe)
{
    WriteTextFile((Program / TVlWritableLocations::SharedFolderMarker).string(), "shared\n");
    TVlWritableLocations locations(Program.string(), User);
    EXPECT_EQ(locations.SettingsFile("Config.ini"), (Dir / "config" / "Config.ini").string());
    EXPECT_EQ(locations.DataFile("Data/Last.log"), (Dir / "data" / "Data" / "Last.log").string());
    EXPECT_TRUE(locations.UsesUserFolders());
}

TEST_F(WritableLocationsTest, TheOperatingSystemDecidesByDefault)
{
    fs::permissions(Dir, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    fs::permissions(Program, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                 fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec);
    const fs::path users = Dir / "users";
    fs::create_directory(users);
    fs::permissions(users, fs::perms::all);
    const int result = VlRunAsOrdinaryUser([&] {
        TVlWritableLocations locations(Program.string(), {(users / "config").string(), (users / "data").string()});
        return locations.SettingsFile("a.ini") == (users / "config" / "a.ini").string() ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

} // namespace
