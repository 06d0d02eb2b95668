// Word-list routines: substring search, keyword and punctuation lists, and the loaded library.
#include "VlWordList.h"
#include "common/VlTestPaths.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

struct TSearchCase {
    const char *name;
    const char *text;
    const char *pattern;
    int32_t start;
    int32_t expected;
};

const TSearchCase SearchCases[] = {
    {"BlankFromStart", "abc def", " ", 1, 4},
    {"BlankAfterIt", "abc def", " ", 5, 0},
    {"AtStartItself", "abc", "c", 3, 1},
    {"StartPastEnd", "abc", "a", 4, 0},
    {"FarPastEnd", "abc", "a", 100, 0},
    {"EmptyText", "", " ", 1, 0},
    {"EmptyPattern", "abc", "", 1, 0},
    {"StartBelowOneActsAsOne", "abc", "a", 0, 1},
    {"LineFeed", "ab\r\ncd", "\n", 2, 3},
    {"FirstOfSeveral", "x x x", "x", 2, 2},
};

class SearchForTest : public testing::TestWithParam<TSearchCase> {};

TEST_P(SearchForTest, FindsPositionCountedFromStart)
{
    const TSearchCase &c = GetParam();
    EXPECT_EQ(VlWordList::SearchFor(c.text, c.pattern, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SearchForTest, testing::ValuesIn(SearchCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct TCheckCase {
    const char *word;
    bool keyword;
    bool punctuation;
};

const TCheckCase CheckCases[] = {
    {"BEGIN", true, false},       {" end; ", true, false},   {"End.", true, false},
    {"procedure", false, false},  {"", false, false},        {"\r\nwhile\r", true, false},
    {"begin;", false, false},     {"do\tbegin", false, false}, {"STRING", true, false},
    {";", false, true},           {" ( ", false, true},      {"a", false, false},
    {"\\", false, true},          {"\"", false, true},       {"??", false, false},
    {"\xc2\xc5\xc3\xc8\xcd", false, false}, // Cyrillic capitals are not lowered
};

TEST(WordListTest, CheckFunctionsFollowTheTables)
{
    for (const TCheckCase &c : CheckCases) {
        EXPECT_EQ(VlWordList::CheckListDelphi(c.word), c.keyword) << '"' << c.word << '"';
        EXPECT_EQ(VlWordList::CheckList(c.word), c.punctuation) << '"' << c.word << '"';
    }
}

TEST(WordListTest, PreparationRemovesBlanksAndBreaksOnly)
{
    EXPECT_EQ(VlWordList::PrepareWord(" A b\r\nC\t"), "abc\t");
}

TEST(WordListTest, QuillonLibraryExportsTheSameRoutines)
{
    const std::string path = VlProgramDir() + "/libquillon.so";
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        GTEST_SKIP() << "libquillon.so not built: " << dlerror();
    auto searchFor = reinterpret_cast<TVlSearchForFn>(dlsym(handle, "SearchFor"));
    auto checkDelphi = reinterpret_cast<TVlCheckWordFn>(dlsym(handle, "CheckListDelphi"));
    ASSERT_NE(searchFor, nullptr);
    ASSERT_NE(checkDelphi, nullptr);
    EXPECT_EQ(searchFor("abc def", " ", 1), 4);
    EXPECT_EQ(searchFor(nullptr, " ", 1), 0);
    EXPECT_TRUE(checkDelphi("End."));
    EXPECT_FALSE(checkDelphi(nullptr));
    dlclose(handle);
}

} // namespace
