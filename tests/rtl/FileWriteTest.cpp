// Replacing files: links, permissions, full disks, refused folders, and the folder sync.
#include "common/VlFullDisk.h"
#include "common/VlRunAsUser.h"
#include "rtl/VlFileIO.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What fsync was asked to sync while a test watches: the paths, and for each whether the watched
// file held its new content at that moment.
struct TSyncLog {
    bool Watching = false;
    fs::path Watched;
    std::string NewContent;
    std::vector<std::pair<fs::path, bool>> Calls;
};
TSyncLog SyncLog;

std::string Content(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

// The writer's fsync calls pass through here (the test program's definition wins over the C
// library's); the real one does the work.
extern "C" int fsync(int fd)
{
    using TFsync = int (*)(int);
    static const auto real = reinterpret_cast<TFsync>(::dlsym(RTLD_NEXT, "fsync"));
    if (SyncLog.Watching) {
        std::error_code error;
        const fs::path path = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
        SyncLog.Calls.emplace_back(path, Content(SyncLog.Watched) == SyncLog.NewContent);
    }
    return real(fd);
}

namespace {

class FileWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vlwrite-XXXXXX").string();
        Dir = fs::path(::mkdtemp(pattern.data()));
    }
    void TearDown() override
    {
        fs::permissions(Dir, fs::perms::owner_all, fs::perm_options::add);
        for (const auto &entry : fs::recursive_directory_iterator(Dir))
            if (entry.is_directory() && !entry.is_symlink())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Dir);
    }
    void Write(const fs::path &path, const std::string &text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The names left in a folder, to see that no temporary file stayed behind.
    size_t EntryCount(const fs::path &folder) const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
    fs::path Dir;
};

TEST_F(FileWriteTest, TheReplacedFileKeepsItsPermissions)
{
    const fs::path file = Dir / "private.ini";
    Write(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileBytesAtomically(file.string(), "new");
    EXPECT_EQ(Content(file), "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A new file gets the permissions of a document, less the umask.
    const mode_t mask = ::umask(022);
    WriteFileBytesAtomically((Dir / "new.txt").string(), "x");
    ::umask(mask);
    EXPECT_EQ(fs::status(Dir / "new.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FileWriteTest, ASymbolicLinkIsWrittenThroughToItsTarget)
{
    fs::create_directory(Dir / "real");
    Write(Dir / "real" / "Project.dpr", "old");
    fs::create_symlink("real/Project.dpr", Dir / "first");   // relative, and a chain of two
    fs::create_symlink(Dir / "first", Dir / "Project.dpr");
    WriteFileBytesAtomically((Dir / "Project.dpr").string(), "new");
    EXPECT_TRUE(fs::is_symlink(Dir / "Project.dpr"));
    EXPECT_TRUE(fs::is_symlink(Dir / "first"));
    EXPECT_EQ(Content(Dir / "real" / "Project.dpr"), "new");
    EXPECT_EQ(EntryCount(Dir / "real"), 1u);

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("real/Later.pas", Dir / "later");
    WriteFileBytesAtomically((Dir / "later").string(), "made");
    EXPECT_TRUE(fs::is_symlink(Dir / "later"));
    EXPECT_EQ(Content(Dir / "real" / "Later.pas"), "made");
}

TEST_F(FileWriteTest, AFullDeviceBehindALinkIsReportedAndStaysADevice)
{
    fs::create_symlink("/dev/full", Dir / "FormProc.vlf");
    try {
        WriteFileBytesAtomically((Dir / "FormProc.vlf").string(), "OnClick\r\n");
        FAIL() << "a write to a full device was reported as done";
    } catch (const EVlFileError &e) {
        EXPECT_EQ(e.Reason(), std::strerror(ENOSPC));
        EXPECT_NE(std::string(e.what()).find((Dir / "FormProc.vlf").string()), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_symlink(Dir / "FormProc.vlf"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(EntryCount(Dir), 1u);
}

TEST_F(FileWriteTest, AFullDiskKeepsThePreviousFile)
{
    const fs::path file = Dir / "ObjectProc.vlf";
    Write(file, "OnChange\r\nOnClick\r\n");
    {
        TVlFullDisk full;
        EXPECT_THROW(WriteFileBytesAtomically(file.string(), "OnEnter\r\n"), EVlFileError);
    }
    EXPECT_EQ(Content(file), "OnChange\r\nOnClick\r\n");
    EXPECT_EQ(EntryCount(Dir), 1u);
}

TEST_F(FileWriteTest, AFolderWithoutWritePermissionKeepsThePreviousFile)
{
    // Permissions do not bind the superuser: the attempt runs as an ordinary user then.
    fs::permissions(Dir, fs::perms::all & ~(fs::perms::group_write | fs::perms::others_write));
    const fs::path folder = Dir / "program";
    fs::create_directory(folder);
    Write(folder / "Config.ini", "[General]\r\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const int result = VlRunAsOrdinaryUser([&] {
        try {
            WriteFileBytesAtomically((folder / "Config.ini").string(), "[Other]\r\n");
        } catch (const EVlFileError &e) {
            return e.Reason() == std::strerror(EACCES) ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(result, 0) << "1: reported as written, 2: another reason";
    EXPECT_EQ(Content(folder / "Config.ini"), "[General]\r\n");
    EXPECT_EQ(EntryCount(folder), 1u);
}

TEST_F(FileWriteTest, TheFolderIsSyncedAfterTheRename)
{
    const fs::path file = Dir / "Last.log";
    Write(file, "old");
    SyncLog = {true, file, "the new log", {}};
    WriteFileBytesAtomically(file.string(), "the new log");
    SyncLog.Watching = false;
    ASSERT_FALSE(SyncLog.Calls.empty());
    EXPECT_EQ(SyncLog.Calls.back().first, Dir);
    EXPECT_TRUE(SyncLog.Calls.back().second) << "the folder was synced before the new file took its name";
}

TEST_F(FileWriteTest, AFolderInThePlaceOfTheFileIsReported)
{
    fs::create_directory(Dir / "Project.dpr");
    EXPECT_THROW(WriteFileBytesAtomically((Dir / "Project.dpr").string(), "x"), EVlFileError);
    EXPECT_TRUE(fs::is_directory(Dir / "Project.dpr"));
    EXPECT_EQ(EntryCount(Dir), 1u);
}

} // namespace
