// Tokenizer: token texts, kinds, values, comments and the failures stored in the token stream.
#include "interpreter/VlInterpreterParser.h"
#include "interpreter/VlInterpreterError.h"

#include <gtest/gtest.h>

namespace {

// "text/kind text/kind ..." of every token up to the end of the source.
std::string Tokens(const std::string &source)
{
    TVlInterpreterParser parser;
    parser.SetSourceText(source);
    std::string out;
    for (int guard = 0; guard < 100; ++guard) {
        std::string text = parser.ReadTokenText();
        out += text + "/" + std::to_string(TokenKindOf(text)) + " ";
        if (text.empty())
            break;
    }
    return out;
}

struct TTokenCase {
    const char *Source;
    const char *Tokens;
};

class TokenizerTest : public ::testing::TestWithParam<TTokenCase> {};

TEST_P(TokenizerTest, CutsAndClassifies)
{
    EXPECT_EQ(Tokens(GetParam().Source), GetParam().Tokens) << GetParam().Source;
}

INSTANTIATE_TEST_SUITE_P(Texts, TokenizerTest, ::testing::Values(
    TTokenCase{"a:=1", "a/10 :/44 =/30 1/11 /0 "},
    TTokenCase{"x{comment}y", "x/10 y/10 /0 "},
    TTokenCase{"x(*a*)(*b*)y", "x/10 y/10 /0 "},
    TTokenCase{"'it''s'", "'it's'/13 /0 "},
    TTokenCase{"''''", "'''/13 /0 "},
    TTokenCase{"''", "''/13 /0 "},
    TTokenCase{"#65#66", "'A'/13 'B'/13 /0 "},
    TTokenCase{"#321", "'A'/13 /0 "},
    TTokenCase{"BEGIN Begin begin xor", "BEGIN/66 Begin/66 begin/66 xor/38 /0 "},
    TTokenCase{"1..10", "1/11 ../48 10/11 /0 "},
    TTokenCase{"1.5 1.2.3", "1.5/12 1.2.3/-1 /0 "},
    TTokenCase{"$FF $ x", "$FF/11 $/-1 x/10 /0 "},
    TTokenCase{"1e5", "1/11 e5/10 /0 "},
    TTokenCase{"a // tail", "a/10 /0 "},
    TTokenCase{"<= >= <> < > = ..", "<=/35 >=/34 <>/33 </32 >/31 =/30 ../48 /0 "},
    TTokenCase{"'open\r\nx", "'open\r/-1 x/10 /0 "},
    TTokenCase{"\"q\" @", "\"/49 q/10 \"/49 @/-1 /0 "},
    TTokenCase{"{$R *.dfm} unit", "unit/88 /0 "},
    TTokenCase{"string integer nil", "string/10 integer/10 nil/10 /0 "},
    TTokenCase{"a\0b", "a/10 /0 "}));

TEST(Tokenizer, EndOfSourceRepeats)
{
    TVlInterpreterParser parser;
    parser.SetSourceText("x");
    EXPECT_EQ(parser.ReadTokenText(), "x");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(parser.ReadTokenText(), "");
        EXPECT_EQ(parser.ReaderPos(), 1);
    }
}

TEST(Tokenizer, RestartsAtAnyTokenBoundary)
{
    TVlInterpreterParser parser;
    parser.SetSourceText("a + bb * c");
    parser.ReadTokenText();
    int32_t afterA = parser.ReaderPos();
    parser.ReadTokenText();
    parser.ReadTokenText();
    parser.SetReaderPos(afterA);
    EXPECT_EQ(parser.ReadTokenText(), "+");
    EXPECT_EQ(parser.ReadTokenText(), "bb");
}

struct TRemarkCase {
    const char *Source;
    int32_t Position;
};

class RemarkTest : public ::testing::TestWithParam<TRemarkCase> {};

TEST_P(RemarkTest, RaisesErrorInRemarkAtTheBracket)
{
    TVlInterpreterParser parser;
    parser.SetSourceText(GetParam().Source);
    try {
        for (int i = 0; i < 10; ++i)
            parser.ReadTokenText();
        FAIL() << "no error for " << GetParam().Source;
    } catch (const EVlInterpreterError &e) {
        EXPECT_EQ(e.Code, 101);
        EXPECT_EQ(e.Message, "Error in remark");
        EXPECT_EQ(e.Position, GetParam().Position);
    }
}

INSTANTIATE_TEST_SUITE_P(Comments, RemarkTest, ::testing::Values(
    TRemarkCase{"{ unterminated", 0},
    TRemarkCase{"a } b", 2},
    TRemarkCase{"a (* open", 2},
    TRemarkCase{"a (*) b", 2},
    TRemarkCase{"x *) y", 2}));

TEST(Tokenizer, OperatorPriorities)
{
    EXPECT_EQ(OperatorPriority(tkNot), 8);
    for (int32_t kind : {tkMul, tkSlash, tkDiv, tkMod, tkShl, tkShr})
        EXPECT_EQ(OperatorPriority(kind), 6);
    EXPECT_EQ(OperatorPriority(tkAnd), 5);
    for (int32_t kind : {tkPlus, tkMinus, tkOr})
        EXPECT_EQ(OperatorPriority(kind), 4);
    for (int32_t kind : {tkEqual, tkGreater, tkLess, tkNotEqual, tkXor})
        EXPECT_EQ(OperatorPriority(kind), 3);
    for (int32_t kind : {tkGreaterEqual, tkLessEqual})
        EXPECT_EQ(OperatorPriority(kind), 2);
    for (int32_t kind : {tkEof, tkRParen, tkRBracket, tkComma, tkSemicolon, tkBegin, tkIdentifier})
        EXPECT_EQ(OperatorPriority(kind), 0);
}

TEST(Tokenizer, HashCodeTooLargeIsAConversionFailure)
{
    TVlInterpreterParser parser;
    parser.SetSourceText("#99999999999");
    EXPECT_THROW(parser.ReadTokenText(), EVlRuntimeError);
}

} // namespace
