// File-name parts, file queries and FindFirst/FindNext over a scratch folder.
#include "rtl/VlSysUtilsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

using namespace VlSysUtils;

TEST(SysUtilsFileNames, Parts)
{
    struct Row { const char *name, *path, *dir, *file, *ext; } rows[] = {
        {"c:\\dir\\file.txt", "c:\\dir\\", "c:\\dir", "file.txt", ".txt"},
        {"/usr/lib/x.tar.gz", "/usr/lib/", "/usr/lib", "x.tar.gz", ".gz"},
        {"name", "", "", "name", ""},
        {"/root.d/name", "/root.d/", "/root.d", "name", ""},
        {"/file", "/", "/", "file", ""},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(ExtractFilePath(r.name), r.path) << r.name;
        EXPECT_EQ(ExtractFileDir(r.name), r.dir) << r.name;
        EXPECT_EQ(ExtractFileName(r.name), r.file) << r.name;
        EXPECT_EQ(ExtractFileExt(r.name), r.ext) << r.name;
    }
    EXPECT_EQ(ChangeFileExt("a/b.pas", ".dfm"), "a/b.dfm");
    EXPECT_EQ(ChangeFileExt("a.d/b", ".dfm"), "a.d/b.dfm");
    EXPECT_EQ(ExtractFileDrive("C:\\x"), "C:");
    EXPECT_EQ(ExtractFileDrive("\\\\srv\\share\\x"), "\\\\srv\\share");
    EXPECT_EQ(ExtractFileDrive("/x"), "");
    EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
    EXPECT_EQ(ExtractRelativePath("/a/b/c.txt", "/a/d/e.txt"), "../d/e.txt");
}

class SysUtilsFiles : public ::testing::Test {
protected:
    std::filesystem::path Dir;
    void SetUp() override
    {
        Dir = std::filesystem::temp_directory_path() / ("vl_sysutils_" + std::to_string(::getpid()));
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir / "sub");
        for (const char *name : {"a.pas", "b.pas", "c.txt", ".hidden.pas"})
            std::ofstream(Dir / name) << "12345";
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }
    std::string P(const std::string &name) const { return (Dir / name).string(); }
};

TEST_F(SysUtilsFiles, ExistenceDeleteRenameAndAttributes)
{
    EXPECT_TRUE(FileExists(P("a.pas")));
    EXPECT_FALSE(FileExists(P("sub")));
    EXPECT_TRUE(DirectoryExists(P("sub")));
    EXPECT_EQ(FileGetAttr(P("sub")) & faDirectory, faDirectory);
    EXPECT_EQ(FileGetAttr(P("missing")), -1);
    EXPECT_GT(FileAge(P("a.pas")), 0);
    EXPECT_FALSE(RenameFile(P("a.pas"), P("b.pas")));  // never replaces
    EXPECT_TRUE(RenameFile(P("a.pas"), P("z.pas")));
    EXPECT_TRUE(DeleteFile(P("z.pas")));
    EXPECT_FALSE(DeleteFile(P("z.pas")));
    EXPECT_EQ(FileSearch("c.txt", "/nonexistent;" + Dir.string()), P("c.txt"));
    EXPECT_EQ(FileSearch("none.txt", Dir.string()), "");
}

TEST_F(SysUtilsFiles, DescriptorAccess)
{
    int h = FileCreate(P("new.bin"));
    ASSERT_GE(h, 0);
    EXPECT_EQ(FileWrite(h, "hello", 5), 5);
    EXPECT_EQ(FileSeek(h, 1, 0), 1);
    char buf[8] = {};
    EXPECT_EQ(FileRead(h, buf, 8), 4);
    EXPECT_STREQ(buf, "ello");
    FileClose(h);
    EXPECT_EQ(FileOpen(P("missing"), fmOpenRead), -1);
}

TEST_F(SysUtilsFiles, FindFirstFindsMatchingEntriesByAttribute)
{
    auto collect = [&](const std::string &pattern, int attr) {
        std::set<std::string> names;
        TSearchRec rec;
        if (FindFirst(P(pattern), attr, rec) == 0) {
            do
                names.insert(rec.Name);
            while (FindNext(rec) == 0);
        }
        FindClose(rec);
        EXPECT_EQ(rec.FindHandle, 0);
        return names;
    };
    EXPECT_EQ(collect("*.pas", faAnyFile & ~faHidden), (std::set<std::string>{"a.pas", "b.pas"}));
    EXPECT_EQ(collect("*.pas", faAnyFile), (std::set<std::string>{".hidden.pas", "a.pas", "b.pas"}));
    EXPECT_EQ(collect("*.*", 0), (std::set<std::string>{"a.pas", "b.pas", "c.txt"}));
    EXPECT_EQ(collect("*", faDirectory).count("sub"), 1u);
    TSearchRec rec;
    EXPECT_EQ(FindFirst(P("*.none"), faAnyFile, rec), ErrorFileNotFound);
    EXPECT_EQ(FindFirst(P("nodir/*"), faAnyFile, rec), ErrorPathNotFound);
    ASSERT_EQ(FindFirst(P("c.txt"), 0, rec), 0);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_EQ(rec.Attr & faDirectory, 0);
    EXPECT_EQ(FindNext(rec), ErrorNoMoreFiles);
    FindClose(rec);
}
