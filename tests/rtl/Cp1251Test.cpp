// Code page 1251 conversion and the file text rules.
#include "rtl/VlCp1251.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path MakeTempDir()
{
    std::string pattern = (fs::temp_directory_path() / "vlcp1251-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
}

TEST(Cp1251, EveryByteRoundTripsThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_TRUE(CanEncodeCp1251(Cp1251ToUtf8(all)));
}

TEST(Cp1251, KnownCharacters)
{
    struct TCase {
        unsigned char Byte;
        char32_t Unicode;
    };
    for (const TCase &c : {TCase{0x41, U'A'}, TCase{0xC0, U'А'}, TCase{0xFF, U'я'}, TCase{0xA8, U'Ё'},
                           TCase{0xB8, U'ё'}, TCase{0x88, U'€'}, TCase{0xB9, U'№'}, TCase{0x96, U'–'},
                           TCase{0xAB, U'«'}, TCase{0xBB, U'»'}, TCase{0xA5, U'Ґ'}}) {
        EXPECT_EQ(Cp1251ToUnicode(c.Byte), c.Unicode) << int(c.Byte);
        EXPECT_EQ(UnicodeToCp1251(c.Unicode), int(c.Byte)) << int(c.Byte);
    }
    EXPECT_EQ(UnicodeToCp1251(U'ä'), -1);
    EXPECT_EQ(UnicodeToCp1251(U'中'), -1);
}

TEST(Cp1251, UnencodableAndMalformedBecomeReplacement)
{
    EXPECT_EQ(Utf8ToCp1251("Привет 中!"), "\xCF\xF0\xE8\xE2\xE5\xF2 ?!");
    EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("a\xD0"), "a?"); // truncated sequence at the end
    EXPECT_FALSE(CanEncodeCp1251("日本"));
}

TEST(Cp1251, Utf16UnitsMapOneToOne)
{
    const std::u16string text = u"Иван 😀";
    const std::string bytes = Utf16ToCp1251(text);
    ASSERT_EQ(bytes.size(), text.size()); // the surrogate pair keeps two positions
    EXPECT_EQ(bytes, "\xC8\xE2\xE0\xED ??");
    EXPECT_EQ(Cp1251ToUtf16("\xC8\xE2\xE0\xED"), u"Иван");
}

TEST(Cp1251, ValidUtf8Detection)
{
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("Дом"));
    EXPECT_FALSE(IsValidUtf8("\xC4\xEE\xEC"));   // "Дом" in CP1251
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));       // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));   // surrogate
}

TEST(FileText, DecodingPicksTheEncoding)
{
    struct TCase {
        const char *Name;
        std::string Bytes;
        std::string Text;
        TVlTextEncoding Encoding;
    };
    const TCase cases[] = {
        {"ascii is read as cp1251", "begin end.", "begin end.", TVlTextEncoding::Cp1251},
        {"cp1251 cyrillic", "\xC4\xEE\xEC", "Дом", TVlTextEncoding::Cp1251},
        {"utf8 cyrillic", "Дом", "Дом", TVlTextEncoding::Utf8},
        {"utf8 bom dropped", "\xEF\xBB\xBFx", "x", TVlTextEncoding::Utf8},
        {"line ends kept", "a\r\nb\n", "a\r\nb\n", TVlTextEncoding::Cp1251},
    };
    for (const TCase &c : cases) {
        TVlTextEncoding detected{};
        EXPECT_EQ(DecodeFileText(c.Bytes, &detected), c.Text) << c.Name;
        EXPECT_EQ(detected, c.Encoding) << c.Name;
    }
}

TEST(FileText, EncodingFallsBackToUtf8OnlyWhenNeeded)
{
    TVlTextEncoding used{};
    EXPECT_EQ(EncodeFileText("Дом", &used), "\xC4\xEE\xEC");
    EXPECT_EQ(used, TVlTextEncoding::Cp1251);
    EXPECT_EQ(EncodeFileText("Дом 日", &used), "Дом 日");
    EXPECT_EQ(used, TVlTextEncoding::Utf8);
    // A leading U+FEFF survives the trip through a file.
    EXPECT_EQ(DecodeFileText(EncodeFileText("\xEF\xBB\xBF日")), "\xEF\xBB\xBF日");
}

TEST(FileText, ABomMeansUtf8OnlyWhenTheRestIsUtf8)
{
    // The BOM's three bytes are the CP1251 letters "п»ї"; followed by CP1251 text they are text.
    TVlTextEncoding detected{};
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xC4\xEE\xEC", &detected), "п»їДом");
    EXPECT_EQ(detected, TVlTextEncoding::Cp1251);
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF" "Дом", &detected), "Дом");
    EXPECT_EQ(detected, TVlTextEncoding::Utf8);
}

TEST(FileText, EveryTextSurvivesAWriteAndReadBack)
{
    const char *texts[] = {
        "п»їДом",   // CP1251 bytes that begin like a BOM
        "п»ї x",    // ... and whose rest is ASCII, so it would pass for UTF-8
        "п»ї",
        "ВЁ",       // C2 A8 in CP1251: valid UTF-8 for another character
        "Р»Рѕ",     // likewise
        "Дом", "日", "\xEF\xBB\xBF日", "", "begin end.",
    };
    for (const char *text : texts)
        EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text) << text;
    // The same through a file.
    const fs::path dir = MakeTempDir();
    const std::string path = (dir / "t.pas").string();
    WriteTextFile(path, "п»їДом\r\n");
    EXPECT_EQ(ReadTextFile(path), "п»їДом\r\n");
    fs::remove_all(dir);
}

TEST(FileText, LineEndsBecomeCrLf)
{
    EXPECT_EQ(ToCrLf("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(ToCrLf(""), "");
    EXPECT_EQ(ToCrLf("\n\n"), "\r\n\r\n");
}

TEST(FileText, WriteAndReadBack)
{
    const fs::path dir = MakeTempDir();
    const std::string path = (dir / "t.txt").string();
    WriteTextFile(path, "Строка 1\nLine 2");
    EXPECT_EQ(ReadFileBytes(path), "\xD1\xF2\xF0\xEE\xEA\xE0 1\r\nLine 2");
    EXPECT_EQ(ReadTextFile(path), "Строка 1\r\nLine 2");
    // Only the target remains: the temporary file was renamed over it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(FileText, FailedWriteKeepsThePreviousFile)
{
    const fs::path dir = MakeTempDir();
    const std::string path = (dir / "keep.txt").string();
    WriteTextFile(path, "old");
    EXPECT_THROW(WriteTextFile((dir / "missing" / "x.txt").string(), "new"), EVlFileError);
    // A folder in the way of the rename: the write fails and nothing is left behind.
    fs::create_directory(dir / "blocked");
    fs::create_directory(dir / "blocked" / "inner");
    EXPECT_THROW(WriteTextFile((dir / "blocked").string(), "new"), EVlFileError);
    EXPECT_EQ(ReadTextFile(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}

TEST(FileText, MissingFileThrowsWithTheReason)
{
    try {
        ReadFileBytes("/nonexistent/vl-file.txt");
        FAIL() << "no exception";
    } catch (const EVlFileError &e) {
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
}

} // namespace
