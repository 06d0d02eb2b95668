// The in-memory INI file: parsing, lookups, exact text format and atomic writing.
#include "rtl/VlCp1251.h"
#include "rtl/VlIniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vlini-XXXXXX").string();
        Dir = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(Dir); }
    std::string PathOf(const char *name) const { return (Dir / name).string(); }

    fs::path Dir;
};

TEST_F(IniFileTest, MissingFileIsEmpty)
{
    TVlIniFile ini(PathOf("none.ini"));
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_EQ(ini.ReadString("A", "b", "dflt"), "dflt");
    EXPECT_FALSE(ini.Modified());
}

TEST_F(IniFileTest, ReadsValuesCaseInsensitively)
{
    TVlIniFile ini("");
    ini.SetText("; comment\r\n[General]\r\n Name = Иван \r\nCount=12\r\nHex=0x1F\r\nDollar=$ff\r\nBad=12a\r\n\r\n[other]\nflag=0\n");
    EXPECT_EQ(ini.ReadString("general", "NAME", ""), "Иван");
    EXPECT_EQ(ini.ReadInteger("General", "Count", 0), 12);
    EXPECT_EQ(ini.ReadInteger("General", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("General", "Dollar", 0), 255);
    EXPECT_EQ(ini.ReadInteger("General", "Bad", -5), -5);
    EXPECT_EQ(ini.ReadInteger("General", "Missing", 7), 7);
    EXPECT_FALSE(ini.ReadBool("Other", "flag", true));
    EXPECT_TRUE(ini.ReadBool("General", "Count", false));
    EXPECT_TRUE(ini.ReadBool("General", "Bad", true));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"General", "other"}));
    EXPECT_EQ(ini.ReadSection("GENERAL"), (std::vector<std::string>{"Name", "Count", "Hex", "Dollar", "Bad"}));
}

TEST_F(IniFileTest, WritesTheExactTextFormat)
{
    TVlIniFile ini("");
    ini.WriteString("General", "Name", "x");
    ini.WriteBool("General", "On", true);
    ini.WriteBool("Other", "Off", false);
    ini.WriteInteger("General", "Size", -3);
    ini.WriteString("general", "name", "y"); // replaces in place, keeps the first spelling of the key
    EXPECT_EQ(ini.Text(), "[General]\r\nname=y\r\nOn=1\r\nSize=-3\r\n\r\n[Other]\r\nOff=0\r\n");
}

TEST_F(IniFileTest, KeepsCommentsAndForeignLines)
{
    TVlIniFile ini("");
    ini.SetText("[A]\r\n;note\r\nk=1\r\n[B]\r\nx=2\r\n");
    ini.WriteString("A", "new", "v");
    EXPECT_EQ(ini.Text(), "[A]\r\n;note\r\nk=1\r\nnew=v\r\n\r\n[B]\r\nx=2\r\n");
}

TEST_F(IniFileTest, DeletingKeysAndSections)
{
    TVlIniFile ini("");
    ini.SetText("[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=2\r\n");
    ini.DeleteKey("a", "K");
    ini.EraseSection("b");
    EXPECT_FALSE(ini.ValueExists("A", "k"));
    EXPECT_TRUE(ini.ValueExists("A", "j"));
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(ini.Text(), "[A]\r\nj=2\r\n");
}

TEST_F(IniFileTest, FileRoundTripInCp1251WithCrLf)
{
    const std::string path = PathOf("r.ini");
    {
        TVlIniFile ini(path);
        ini.WriteString("Раздел", "Ключ", "Значение");
        ini.UpdateFile();
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(ReadFileBytes(path), Utf8ToCp1251("[Раздел]\r\nКлюч=Значение\r\n"));
    TVlIniFile again(path);
    EXPECT_EQ(again.ReadString("Раздел", "Ключ", ""), "Значение");
}

TEST_F(IniFileTest, CharactersOutsideCp1251AreKeptAsUtf8)
{
    const std::string path = PathOf("u.ini");
    TVlIniFile ini(path);
    ini.WriteString("S", "k", "日本");
    ini.UpdateFile();
    EXPECT_EQ(TVlIniFile(path).ReadString("S", "k", ""), "日本");
}

TEST_F(IniFileTest, UnwritableTargetThrowsAndKeepsTheOldFile)
{
    const std::string path = PathOf("keep.ini");
    TVlIniFile ini(path);
    ini.WriteString("S", "k", "old");
    ini.UpdateFile();
    TVlIniFile broken((Dir / "no-such-folder" / "x.ini").string());
    broken.WriteString("S", "k", "v");
    EXPECT_THROW(broken.UpdateFile(), EVlFileError);
    EXPECT_TRUE(broken.Modified());
    EXPECT_EQ(TVlIniFile(path).ReadString("S", "k", ""), "old");
}

} // namespace
