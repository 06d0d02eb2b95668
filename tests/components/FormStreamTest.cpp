// Form stream conversions: golden round trips, encodings found in the wild, error texts, damaged input.
#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlFilerValues.h"
#include "VlFormStream.h"
#include "VlFormText.h"
#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string FormData(const std::string &name)
{
    return ReadFileBytes(VlTestDataDir() + "/forms/" + name);
}

std::string ParseError(const std::string &text)
{
    try {
        ObjectTextToBinary(text);
    } catch (const EParserError &error) {
        return error.Message();
    }
    return "no error";
}

std::string ReadError(std::string_view binary)
{
    try {
        ObjectBinaryToText(binary);
    } catch (const EReadError &error) {
        return error.Message();
    }
    return "no error";
}

// The binary encoding of one property value, written as "object A: T X = <value> end".
std::string ValueBytes(const std::string &value)
{
    const std::string binary = ObjectTextToBinary("object A: T\n  X = " + value + "\nend\n");
    const size_t start = std::string("TPF0\x01T\x01" "A\x01X").size();
    return binary.substr(start, binary.size() - start - 2);
}

} // namespace

TEST(FormStream, GoldenFormUsingEveryTagRoundTrips)
{
    const std::string text = FormData("all-tags.dfm");
    const std::string binary = AddResourceHeader(ObjectTextToBinary(text));
    if (std::getenv("UPDATE_BASELINES"))
        WriteFileBytesAtomically(VlTestDataDir() + "/forms/all-tags.bin", binary);
    const std::string golden = FormData("all-tags.bin");
    EXPECT_EQ(binary, golden) << "text -> binary differs from the checked-in binary";
    EXPECT_EQ(ObjectBinaryToText(SkipResourceHeader(golden)), text) << "binary -> text differs";
    EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(SkipResourceHeader(golden))), SkipResourceHeader(golden));
    // Every tag from 0 to 20 occurs in the golden binary's values.
    const std::string values = std::string(SkipResourceHeader(golden));
    for (int tag : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        EXPECT_NE(values.find(static_cast<char>(tag)), std::string::npos) << tag;
}

TEST(FormStream, HandWrittenFormsInAnyEncodingGiveTheSameBinary)
{
    const std::string cp1251 = ObjectTextToBinary(FormData("delphi-typical.dfm"));
    const std::string utf8 = ObjectTextToBinary(FormData("delphi-typical-utf8.dfm"));
    EXPECT_EQ(cp1251, utf8);
    const std::string text = ObjectBinaryToText(cp1251);
    EXPECT_EQ(ObjectTextToBinary(text), cp1251);
    EXPECT_NE(text.find("Caption = #1055#1088#1080#1074#1077#1090', '#1084#1080#1088'!'"), std::string::npos);
    EXPECT_NE(text.find("    Hint = #1069#1090#1086' '#1076"), std::string::npos) << "the two pieces are joined";
    EXPECT_NE(text.find("    Lines.Strings = (\r\n      'First line'\r\n"), std::string::npos);
    EXPECT_NE(text.find("    Glyph.Data = {\r\n      DE010000424D"), std::string::npos);
    EXPECT_NE(text.find("  object BitBtn1: TBitBtn\r\n"), std::string::npos) << "keywords in any case";
}

TEST(FormStream, ValuesGetTheirTags)
{
    struct Row {
        const char *text;
        std::string bytes;
    };
    const Row rows[] = {
        {"127", std::string("\x02\x7F", 2)},
        {"-129", std::string("\x03\x7F\xFF", 3)},
        {"$FF", std::string("\x03\xFF\x00", 3)},
        {"2147483648", std::string("\x13\x00\x00\x00\x80\x00\x00\x00\x00", 9)},
        {"0.5s", std::string("\x0F\x00\x00\x00\x3F", 5)},
        {"1c", std::string("\x10\x10\x27\x00\x00\x00\x00\x00\x00", 9)},
        {"1.0", std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11)},
        {"'ab'", std::string("\x06\x02" "ab", 4)},
        {"''", std::string("\x12\x00\x00\x00\x00", 5)},
        {"#1082", std::string("\x12\x01\x00\x00\x00\x3A\x04", 7)},
        {"'abc'#1082", std::string("\x14\x05\x00\x00\x00" "abc\xD0\xBA", 10)},
        {"'a' + 'b'", std::string("\x06\x02" "ab", 4)},
        {"clRed", std::string("\x07\x05" "clRed", 7)},
        {"A.B", std::string("\x07\x03" "A.B", 5)},
        {"false", std::string("\x08", 1)},
        {"TRUE", std::string("\x09", 1)},
        {"null", std::string("\x00", 1)},
        {"Nil", std::string("\x0D", 1)},
        {"[a, b]", std::string("\x0B\x01" "a\x01" "b\x00", 6)},
        {"{ 0a 0B\n 0c }", std::string("\x0A\x03\x00\x00\x00\x0A\x0B\x0C", 8)},
        {"('x' 1)", std::string("\x01\x06\x01x\x02\x01\x00", 7)},
        {"<item [2] A = 1 end>", std::string("\x0E\x02\x02\x01\x01" "A\x02\x01\x00\x00", 10)},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ValueBytes(row.text), row.bytes) << row.text;
}

TEST(FormStream, LongStringsAreSplitIntoPiecesOf64Characters)
{
    // 70 characters with an escape at 10: the escape counts as one character of the piece.
    const std::string value = std::string(10, 'a') + "\t" + std::string(59, 'b');
    const std::string binary = ObjectTextToBinary("object A: T\n  X = '" + std::string(10, 'a') + "'#9'" +
                                                  std::string(59, 'b') + "'\nend\n");
    const std::string expected = "object A: T\r\n  X = \r\n    '" + std::string(10, 'a') + "'#9'" +
                                 std::string(53, 'b') + "' +\r\n    '" + std::string(6, 'b') + "'\r\nend\r\n";
    EXPECT_EQ(ObjectBinaryToText(binary), expected);
    // A string of exactly 64 characters stays on the property's line.
    const std::string exact = ObjectBinaryToText(ObjectTextToBinary("object A: T\n X = '" + std::string(64, 'c') + "'\nend"));
    EXPECT_NE(exact.find("X = '" + std::string(64, 'c') + "'\r\n"), std::string::npos);
}

TEST(FormStream, SyntaxErrorsNameTheLine)
{
    struct Row {
        std::string text;
        const char *message;
    };
    const Row rows[] = {
        {"object A: TA\n  X 1\nend", "''='' expected on line 2"},
        {"objekt A: TA\nend", "object expected on line 1"},
        {"object 1: TA\nend", "Identifier expected on line 1"},
        {"object A: TA [x]\nend", "Number expected on line 1"},
        {"object A: TA [1\nend", "'']'' expected on line 2"},
        {"object A: TA\r\n  X = 'abc\r\nend", "Invalid string constant on line 2"},
        {"object A: TA\r  X = 'abc\rend", "Invalid string constant on line 2"},
        {"object A: TA\n  X = {0G}\nend", "Invalid binary value on line 2"},
        {"object A: TA\n  X = {ABC}\nend", "Invalid binary value on line 2"},
        {"object A: TA\n  X = {AB\n", "Invalid binary value on line 3"},
        {"object A: TA\n\n  X = 'a' + 1\nend", "String expected on line 3"},
        {"object A: TA\n  X = )\nend", "Invalid property value on line 2"},
        {"object A: TA\n  X = [a b]\nend", "'','' expected on line 2"},
        {"object A: TA\n  X = <\n  itm\n  end>\nend", "item expected on line 3"},
        {"object A: TA\n  X = (1 2\n", "'')'' expected on line 3"},
        {"object A: TA\n  X = 1\n", "Identifier expected on line 3"},
        {"object A: TA\n  X = 1.2.3e\nend", "Number expected on line 2"},
        {"object A: TA\n  X = '" + std::string(70000, 'a') + "'\nend", "Line too long on line 2"},
        {"object A: TA\n  X = " + std::string(5000, '(') + "\nend", "Too deeply nested on line 2"},
        {"", "object expected on line 1"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ParseError(row.text), row.message) << row.text.substr(0, 60);
}

TEST(FormStream, DamagedBinaryStreamsAreRefused)
{
    EXPECT_EQ(ReadError("XPF0\x01T\x01" "A\x00\x00"), "Invalid stream format");
    EXPECT_EQ(ReadError(""), "Invalid stream format");
    const std::string good = ObjectTextToBinary("object A: T\n  X = 'abc'\n  object B: T\n  end\nend");
    EXPECT_EQ(ReadError(good), "no error");
    for (size_t length = 4; length < good.size(); ++length)
        EXPECT_EQ(ReadError(good.substr(0, length)), "Stream read error") << length;
    std::string badTag = good;
    badTag[good.find("abc") - 2] = '\x40';
    EXPECT_EQ(ReadError(badTag), "Invalid property value");
}

TEST(FormStream, ResourceHeaderAndFormatDetection)
{
    const std::string binary = ObjectTextToBinary("object Form1: TForm1\nend");
    const std::string file = AddResourceHeader(binary);
    EXPECT_EQ(file.substr(0, 10), std::string("\xFF\x0A\x00TFORM1\x00", 10));
    EXPECT_EQ(file.substr(10, 2), "\x30\x10");
    EXPECT_EQ(static_cast<uint8_t>(file[12]), binary.size());
    EXPECT_EQ(SkipResourceHeader(file), binary);
    EXPECT_EQ(SkipResourceHeader(binary), binary);
    EXPECT_THROW(SkipResourceHeader("\xFF\x0A\x00NAME"), EReadError);
    EXPECT_THROW(SkipResourceHeader("garbage"), EReadError);

    struct Row {
        std::string bytes;
        TFormFileFormat format;
    };
    const Row rows[] = {
        {file, TFormFileFormat::Binary},       {binary, TFormFileFormat::Binary},
        {"object A: T", TFormFileFormat::Text}, {"Inherited A: T", TFormFileFormat::Text},
        {"\r\nobject", TFormFileFormat::Text},  {"\xEF\xBB\xBFobject", TFormFileFormat::Text},
        {"  object", TFormFileFormat::Text},    {"unit Unit1;", TFormFileFormat::Unknown},
        {"", TFormFileFormat::Unknown},
    };
    for (const Row &row : rows)
        EXPECT_EQ(DetectFormFileFormat(row.bytes), row.format) << row.bytes.substr(0, 12);
    EXPECT_EQ(FormFileToBinary(file), binary);
    EXPECT_EQ(FormFileToBinary("object Form1: TForm1\r\nend\r\n"), binary);
    EXPECT_THROW(FormFileToBinary("unit Unit1;"), EReadError);
}

TEST(FormStream, ClipboardBlocksHoldOneRecordPerComponent)
{
    const std::string first = ObjectTextToBinary("object Button1: TButton\nend");
    const std::string second = ObjectTextToBinary("object Label1: TLabel\nend");
    std::string block;
    AppendClipboardRecord(block, first);
    AppendClipboardRecord(block, second);
    EXPECT_EQ(block.size(), 16 + first.size() + second.size());
    EXPECT_EQ(block.substr(0, 8), std::string("\0\0\0\0\0\0\0\0", 8).replace(0, 1, 1, static_cast<char>(first.size())));
    EXPECT_EQ(SplitClipboardRecords(block), (std::vector<std::string>{first, second}));
    EXPECT_TRUE(SplitClipboardRecords("").empty());
    EXPECT_THROW(SplitClipboardRecords(block.substr(0, block.size() - 1)), EReadError);
    EXPECT_THROW(SplitClipboardRecords(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8)), EReadError);
    EXPECT_THROW(SplitClipboardRecords("abc"), EReadError);
}
