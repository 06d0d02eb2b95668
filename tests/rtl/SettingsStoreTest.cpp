// The settings store: paths to sections and keys, boolean spellings, defaults.
#include "rtl/VlCp1251.h"
#include "rtl/VlSettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vlstore-XXXXXX").string();
        Dir = ::mkdtemp(pattern.data());
        Path = (Dir / "VlInterpreterTest.ini").string();
    }
    void TearDown() override
    {
        fs::permissions(Dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Dir);
    }

    fs::path Dir;
    std::string Path;
};

TEST_F(SettingsStoreTest, ValuesLandInTheRootSection)
{
    TVlSettingsStore store(Path);
    store.WriteInteger("ShowCmd", 1);
    store.WriteBoolean("AutoIndent", true);
    store.WriteBoolean("WantTabs", false);
    store.WriteString("Colors\\Pascal", "x");
    store.Save();
    EXPECT_EQ(ReadFileBytes(Path),
              "[Test]\r\nShowCmd=1\r\nAutoIndent=TRUE\r\nWantTabs=FALSE\r\n\r\n[Test\\Colors]\r\nPascal=x\r\n");
}

TEST_F(SettingsStoreTest, RoundTripThroughTheFile)
{
    {
        TVlSettingsStore store(Path);
        store.WriteInteger("Width", -815);
        store.WriteBoolean("Flag", true);
        store.WriteString("Name", "Пример");
        store.Save();
    }
    TVlSettingsStore store(Path);
    EXPECT_EQ(store.ReadInteger("Width", 0), -815);
    EXPECT_TRUE(store.ReadBoolean("Flag", false));
    EXPECT_EQ(store.ReadString("Name", ""), "Пример");
    EXPECT_TRUE(store.ValueExists("name"));
    store.DeleteValue("Name");
    EXPECT_FALSE(store.ValueExists("Name"));
}

TEST_F(SettingsStoreTest, BooleanSpellings)
{
    struct TCase {
        const char *Stored;
        bool Default;
        bool Expected;
    };
    const TCase cases[] = {
        {"TRUE", false, true}, {"true", false, true}, {"Yes", false, true}, {"y", false, true},
        {"FALSE", true, false}, {"False", true, false}, {"NO", true, false}, {"n", true, false},
        {"1", false, false}, {"1", true, true}, {"maybe", true, true}, {"", false, false},
    };
    TVlSettingsStore store(Path);
    for (const TCase &c : cases) {
        store.WriteString("B", c.Stored);
        EXPECT_EQ(store.ReadBoolean("B", c.Default), c.Expected) << c.Stored << " default " << c.Default;
    }
    EXPECT_TRUE(store.ReadBoolean("Missing", true));
    EXPECT_FALSE(store.ReadBoolean("Missing", false));
}

TEST_F(SettingsStoreTest, MissingValuesGiveDefaults)
{
    TVlSettingsStore store(Path);
    EXPECT_EQ(store.ReadInteger("Nope", 42), 42);
    EXPECT_EQ(store.ReadString("Nope", "d"), "d");
    store.WriteString("NotNumber", "abc");
    EXPECT_EQ(store.ReadInteger("NotNumber", 3), 3);
}

TEST_F(SettingsStoreTest, SaveWithoutChangesLeavesNoFile)
{
    TVlSettingsStore store(Path);
    store.Save();
    EXPECT_FALSE(fs::exists(Path));
}

} // namespace
