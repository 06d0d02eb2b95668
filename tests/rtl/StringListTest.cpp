// TStringList behaviour scripts rely on: text views, sorting, duplicates, name=value pairs, events, files.
#include "VlExceptions.h"
#include "VlStreams.h"
#include "VlStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<std::string> Items(const TStrings &list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Get(i));
    return items;
}

std::string ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Exception &error) {
        return error.Message();
    }
    return "";
}

} // namespace

TEST(StringList, TextSplitsAtEveryLineEndAndJoinsWithCrLf)
{
    struct Row {
        const char *text;
        std::vector<std::string> items;
    };
    const Row rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
        {"\r\n", {""}},
    };
    for (const Row &row : rows) {
        TStringList list;
        list.SetText(row.text);
        EXPECT_EQ(Items(list), row.items) << row.text;
    }
    TStringList list;
    list.Add("one");
    list.Add("two");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\n");
}

TEST(StringList, CommaTextQuotesWhatNeedsIt)
{
    struct Row {
        std::vector<std::string> items;
        const char *commaText;
    };
    const Row rows[] = {
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"x,y"}, "\"x,y\""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{}, ""},
    };
    for (const Row &row : rows) {
        TStringList list;
        for (const std::string &item : row.items)
            list.Add(item);
        EXPECT_EQ(list.CommaText(), row.commaText);
    }
}

TEST(StringList, SettingCommaTextSplitsAtCommasAndBlanks)
{
    struct Row {
        const char *commaText;
        std::vector<std::string> items;
    };
    const Row rows[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a b c", {"a", "b", "c"}},
        {"  a ,  b  ", {"a", "b"}},
        {"\"a b\",c", {"a b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\"unclosed", {"unclosed"}},
        {"", {}},
    };
    for (const Row &row : rows) {
        TStringList list;
        list.SetCommaText(row.commaText);
        EXPECT_EQ(Items(list), row.items) << row.commaText;
    }
}

TEST(StringList, DelimitedTextUsesDelimiterQuoteAndStrictMode)
{
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetDelimitedText("a b;'c;d';e");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c;d", "e"}));
    EXPECT_EQ(list.DelimitedText(), "a;b;'c;d';e");
    list.SetStrictDelimiter(true);
    list.SetDelimitedText(" a b ;c");
    EXPECT_EQ(Items(list), (std::vector<std::string>{" a b ", "c"}));
    EXPECT_EQ(list.DelimitedText(), " a b ;c");
    EXPECT_EQ(list.CommaText(), "\" a b \",c") << "CommaText always uses the comma rules";
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    list.SetText("Width=10\r\nCaption=Hello=World\r\nplain\r\n");
    EXPECT_EQ(list.Names(0), "Width");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("width"), "10");
    EXPECT_EQ(list.Values("Caption"), "Hello=World");
    EXPECT_EQ(list.Values("Missing"), "");
    EXPECT_EQ(list.ValueFromIndex(1), "Hello=World");
    EXPECT_EQ(list.IndexOfName("CAPTION"), 1);
    list.SetValues("Width", "20");
    EXPECT_EQ(list.Get(0), "Width=20");
    list.SetValues("Height", "5");
    EXPECT_EQ(list.Get(3), "Height=5");
    list.SetValues("Width", "");
    EXPECT_EQ(list.IndexOfName("Width"), -1);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatesRule)
{
    TStringList list;
    list.SetSorted(true);
    for (const char *item : {"pear", "Apple", "banana", "apple"})
        list.Add(item);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"Apple", "banana", "pear"})) << "dupIgnore, case-insensitive";
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    int index = -1;
    EXPECT_FALSE(list.Find("cherry", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(ErrorOf([&] { list.Insert(0, "x"); }), "Operation not allowed on sorted list");

    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_EQ(ErrorOf([&] { list.Add("BANANA"); }), "String list does not allow duplicates");
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("banana");
    EXPECT_EQ(list.Count(), 4);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("apple"), -1);
}

TEST(StringList, CyrillicComparesWithoutRegardToCase)
{
    // CP1251: "Яблоко" / "яблоко", "Груша"
    const std::string upper = "\xDF\xE1\xEB\xEE\xEA\xEE", lower = "\xFF\xE1\xEB\xEE\xEA\xEE";
    const std::string pear = "\xC3\xF0\xF3\xF8\xE0";
    TStringList list;
    list.Add(upper);
    list.Add(pear);
    EXPECT_EQ(list.IndexOf(lower), 0);
    list.Sort();
    EXPECT_EQ(list.Get(0), pear);
}

TEST(StringList, IndexErrorsAndObjects)
{
    TStringList list;
    list.AddObject("a", &list);
    EXPECT_EQ(list.Objects(0), &list);
    EXPECT_EQ(list.IndexOfObject(&list), 0);
    EXPECT_EQ(ErrorOf([&] { list.Get(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_THROW(list.Get(5), EStringListError);
    list.Insert(1, "b");
    list.Insert(0, "c");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"c", "a", "b"}));
    list.Move(0, 2);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list.Objects(0), &list) << "objects travel with their strings";
    list.Exchange(0, 2);
    EXPECT_EQ(list.Objects(2), &list);
}

TEST(StringList, ChangeEventsFireOncePerChangeAndOncePerBatch)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject *sender) {
        EXPECT_EQ(sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject *) { ++changed; };
    list.Add("a");
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
    list.BeginUpdate();
    list.Add("b");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changed, 1);
    list.EndUpdate();
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    list.SetText("x\ny\nz");
    EXPECT_EQ(changed, 3) << "SetText is one batch";
}

TEST(StringList, AssignAndAddStrings)
{
    TStringList source;
    source.SetCommaText("a,b");
    TStringList target;
    target.Add("old");
    target.Assign(&source);
    EXPECT_TRUE(target.Equals(source));
    target.AddStrings(source);
    EXPECT_EQ(target.Count(), 4);
    EXPECT_THROW(target.Assign(nullptr), EConvertError);
}

TEST(StringList, FilesRoundTripAndAcceptUtf8)
{
    const auto dir = std::filesystem::temp_directory_path() / ("vl_strings_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "list.txt").string();
    TStringList list;
    list.Add("\xCF\xF0\xE8\xE2\xE5\xF2"); // "Привет" in CP1251
    list.Add("line 2");
    list.SaveToFile(path);
    TStringList loaded;
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.Equals(list));

    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\nline 2";
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.Equals(list));

    const std::string missing = (dir / "missing.txt").string();
    EXPECT_EQ(ErrorOf([&] { loaded.LoadFromFile(missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_THROW(list.SaveToFile((dir / "no" / "such" / "dir.txt").string()), EFCreateError);
    std::filesystem::remove_all(dir);
}

TEST(StringList, CapacityReservesRoomButNeverLessThanCount)
{
    TStringList list;
    list.SetCapacity(50);
    EXPECT_GE(list.Capacity(), 50);
    list.SetCommaText("a,b,c");
    EXPECT_THROW(list.SetCapacity(2), EStringListError);
    EXPECT_EQ(list.Count(), 3);
}
