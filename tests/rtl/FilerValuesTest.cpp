// Tagged values of binary form streams: tag choice, sizes, round trips and damaged input.
#include "VlExceptions.h"
#include "VlFilerValues.h"
#include "VlStreams.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Encode(const std::function<void(TValueWriter &)> &write)
{
    TStringStream stream;
    TValueWriter writer(stream);
    write(writer);
    return stream.DataString();
}

} // namespace

TEST(FilerValues, IntegersUseTheSmallestTag)
{
    struct Row {
        int64_t value;
        TValueType tag;
        size_t size;
    };
    const Row rows[] = {
        {0, TValueType::vaInt8, 2},           {127, TValueType::vaInt8, 2},
        {-128, TValueType::vaInt8, 2},        {128, TValueType::vaInt16, 3},
        {-32768, TValueType::vaInt16, 3},     {32768, TValueType::vaInt32, 5},
        {INT32_MIN, TValueType::vaInt32, 5},  {int64_t(INT32_MAX) + 1, TValueType::vaInt64, 9},
        {INT64_MIN, TValueType::vaInt64, 9},
    };
    for (const Row &row : rows) {
        const std::string bytes = Encode([&](TValueWriter &w) { w.WriteInteger(row.value); });
        EXPECT_EQ(static_cast<TValueType>(bytes[0]), row.tag) << row.value;
        EXPECT_EQ(bytes.size(), row.size) << row.value;
        TStringStream stream(bytes);
        EXPECT_EQ(TValueReader(stream).ReadInt64(), row.value);
    }
}

TEST(FilerValues, StringsPickTheirTagByContent)
{
    struct Row {
        std::u32string text;
        TValueType tag;
    };
    const Row rows[] = {
        {U"Button1", TValueType::vaString},
        {U"", TValueType::vaWString},
        {std::u32string(300, U'x'), TValueType::vaLString},
        {U"\u041f\u0440\u0438\u0432\u0435\u0442", TValueType::vaWString},          // all Cyrillic
        {U"Button \u041a", TValueType::vaUTF8String},                                // mostly ASCII
        {U"\u20ac", TValueType::vaWString},
    };
    for (const Row &row : rows) {
        const std::string bytes = Encode([&](TValueWriter &w) { w.WriteUnicodeString(row.text); });
        EXPECT_EQ(static_cast<TValueType>(bytes[0]), row.tag);
        TStringStream stream(bytes);
        EXPECT_EQ(TValueReader(stream).ReadUtf8String(), VlCodePointsToUtf8(row.text));
    }
    // CP1251 text goes through Unicode: "Привет" becomes a wide string and reads back the same.
    const std::string privet = "\xCF\xF0\xE8\xE2\xE5\xF2";
    TStringStream stream(Encode([&](TValueWriter &w) { w.WriteString(privet); }));
    EXPECT_EQ(TValueReader(stream).ReadString(), privet);
}

TEST(FilerValues, FloatsRoundTripThroughTheirTags)
{
    const long double values[] = {0.0L, 1.5L, -2.25L, 1e300L, 1e-300L, 0.1L, 123456789.123456789L};
    for (long double value : values) {
        uint8_t bytes[10];
        LongDoubleToExtended(value, bytes);
        EXPECT_EQ(ExtendedToLongDouble(bytes), value);
    }
    uint8_t one[10];
    LongDoubleToExtended(1.0L, one);
    const uint8_t expected[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(std::memcmp(one, expected, 10), 0);

    TStringStream stream(Encode([](TValueWriter &w) {
        w.WriteSingle(0.5f);
        w.WriteCurrency(12.3456);
        w.WriteDate(45000.25);
    }));
    TValueReader reader(stream);
    EXPECT_EQ(reader.ReadFloat(), 0.5L);
    EXPECT_EQ(reader.ReadFloat(), 12.3456L);
    EXPECT_EQ(reader.ReadFloat(), 45000.25L);
}

TEST(FilerValues, IdentifiersSetsAndVariants)
{
    static const TEnumInfo anchors("TAnchorKind", {"akLeft", "akTop", "akRight"});
    TStringStream stream(Encode([](TValueWriter &w) {
        w.WriteIdent("alClient");
        w.WriteIdent("TRUE");
        w.WriteIdent("nil");
        w.WriteSet(anchors, 0b101);
        TVarValue value;
        value.Kind = TVarValue::TKind::Integer;
        value.Int = 70000;
        w.WriteVariant(value);
    }));
    TValueReader reader(stream);
    EXPECT_EQ(reader.ReadIdent(), "alClient");
    EXPECT_EQ(reader.NextValue(), TValueType::vaTrue);
    EXPECT_EQ(reader.ReadIdent(), "True");
    EXPECT_EQ(reader.ReadIdent(), "nil");
    EXPECT_EQ(reader.ReadSet(anchors), 0b101u);
    EXPECT_EQ(reader.ReadVariant().Int, 70000);
}

TEST(FilerValues, DamagedInputRaisesReadErrorsWithoutHugeAllocations)
{
    struct Row {
        std::string bytes;
        const char *message;
    };
    const Row rows[] = {
        {std::string("\x0A\xFF\xFF\xFF\x7F", 5), "Stream read error"},   // binary longer than the stream
        {std::string("\x12\xFF\xFF\xFF\xFF", 5), "Stream read error"},   // wide string of 4G units
        {std::string("\x06\x05" "ab", 4), "Stream read error"},
        {std::string("\x04\x01", 2), "Stream read error"},
        {std::string("\x63", 1), "Invalid property value"},             // unknown tag
        {std::string("\x01\x01\x01", 3), "Stream read error"},          // unterminated lists
        {std::string(""), "Stream read error"},
    };
    for (const Row &row : rows) {
        TStringStream stream(row.bytes);
        TValueReader reader(stream);
        try {
            reader.SkipValue();
            ADD_FAILURE() << "no error";
        } catch (const EReadError &error) {
            EXPECT_EQ(error.Message(), row.message);
        }
    }
    TStringStream deep(std::string(1000, '\x01'));
    EXPECT_THROW(TValueReader(deep).SkipValue(), EReadError);
}
