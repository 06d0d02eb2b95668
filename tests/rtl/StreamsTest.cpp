// Streams: positions, sizes, short reads, copying, and file errors.
#include "VlExceptions.h"
#include "VlList.h"
#include "VlStreams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

TEST(Streams, MemoryStreamReadsWritesAndSeeks)
{
    TMemoryStream stream;
    stream.WriteBuffer("hello", 5);
    EXPECT_EQ(stream.Size(), 5);
    EXPECT_EQ(stream.Position(), 5);
    stream.SetPosition(1);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 4);
    EXPECT_STREQ(buffer, "ello");
    EXPECT_EQ(stream.Seek(-2, TSeekOrigin::soEnd), 3);
    stream.WriteBuffer("p!", 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(stream.Memory()), 5), "help!");
    stream.SetPosition(4);
    EXPECT_THROW(stream.ReadBuffer(buffer, 2), EReadError);
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.Seek(-10, TSeekOrigin::soCurrent), 0);
}

TEST(Streams, StringStreamAndCopyFrom)
{
    TStringStream source("abcdef");
    EXPECT_EQ(source.ReadString(2), "ab");
    EXPECT_EQ(source.ReadString(100), "cdef");
    TStringStream target;
    target.WriteString("<");
    EXPECT_EQ(target.CopyFrom(source, 0), 6);
    source.SetPosition(1);
    target.CopyFrom(source, 2);
    EXPECT_EQ(target.DataString(), "<abcdefbc");
    source.SetPosition(5);
    EXPECT_THROW(target.CopyFrom(source, 3), EReadError);
}

TEST(Streams, FileStreamCreatesReadsAndReportsErrors)
{
    const auto dir = std::filesystem::temp_directory_path() / ("vl_streams_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "data.bin").string();
    {
        TFileStream file(path, fmCreate);
        file.WriteBuffer("12345", 5);
        EXPECT_EQ(file.Size(), 5);
    }
    {
        TFileStream file(path, fmOpenRead | fmShareDenyNone);
        char buffer[6] = {};
        file.SetPosition(2);
        file.ReadBuffer(buffer, 3);
        EXPECT_STREQ(buffer, "345");
        EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);
    }
    TMemoryStream memory;
    memory.LoadFromFile(path);
    EXPECT_EQ(memory.Size(), 5);
    memory.SaveToFile((dir / "copy.bin").string());
    EXPECT_EQ(std::filesystem::file_size(dir / "copy.bin"), 5u);

    const std::string missing = (dir / "none.bin").string();
    try {
        TFileStream file(missing, fmOpenRead);
        FAIL();
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_THROW(TFileStream((dir / "a" / "b").string(), fmCreate), EFCreateError);
    EXPECT_THROW(TFileStream(dir.string(), fmOpenRead), EFOpenError) << "a folder is not a file";
    std::filesystem::remove_all(dir);
}

TEST(List, IndexChecksAndOrdering)
{
    int a = 1, b = 2, c = 3;
    TList list;
    list.Add(&c);
    list.Add(&a);
    list.Insert(1, &b);
    list.Add(nullptr);
    EXPECT_EQ(list.Count(), 4);
    list.Pack();
    EXPECT_EQ(list.Count(), 3);
    list.Sort([](void *x, void *y) { return *static_cast<int *>(x) - *static_cast<int *>(y); });
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Last(), &c);
    EXPECT_EQ(list.IndexOf(&b), 1);
    EXPECT_EQ(list.Remove(&b), 1);
    EXPECT_EQ(list.Remove(&b), -1);
    list.Move(0, 1);
    EXPECT_EQ(list.Items(0), &c);
    try {
        list.Items(2);
        FAIL();
    } catch (const EListError &error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(list.Insert(5, &a), EListError);
    EXPECT_THROW(list.SetCapacity(1), EListError);
    list.Clear();
    EXPECT_THROW(list.First(), EListError);
}
