// Plain-Russian explanations: one for every code of the error table, arguments substituted.
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterExplain.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// How many message arguments a template uses (1 for %s or %0:s, 2 when %1:s appears too).
int ArgumentsOf(const std::string &pattern)
{
    if (pattern.find("%1:s") != std::string::npos)
        return 2;
    return pattern.find("%s") != std::string::npos || pattern.find("%0:s") != std::string::npos ? 1 : 0;
}

TEST(Explanations, EveryErrorCodeHasOneInTableOrder)
{
    ASSERT_EQ(VlErrorExplanations().size(), static_cast<size_t>(VlErrorTableSize));
    for (int i = 0; i < VlErrorTableSize; ++i) {
        const TVlErrorExplanation &entry = VlErrorExplanations()[static_cast<size_t>(i)];
        const int32_t code = ErrorTable[i].Code;
        EXPECT_EQ(entry.Code, code);
        ASSERT_NE(VlFindExplanation(code), nullptr) << "code " << code << " has no explanation";
        EXPECT_GT(std::string(entry.Text).size(), 10u) << code;
        EXPECT_GT(std::string(entry.Hint).size(), 10u) << code;
        // An explanation names only arguments its message has. The located templates have none of
        // the error's own, and the internal error's argument is an English note for developers.
        const bool ownArguments = code != erLocated && code != erExternal && code != erInternal;
        const int arguments = ownArguments ? ArgumentsOf(ErrorTable[i].Message) : 0;
        const std::string text = std::string(entry.Text) + entry.Hint;
        EXPECT_EQ(text.find("%2") != std::string::npos, arguments >= 2) << code;
        EXPECT_EQ(text.find("%1") != std::string::npos, arguments >= 1) << code;
    }
}

TEST(Explanations, ReadAsThePlainSentenceWithTheArgument)
{
    EXPECT_EQ(VlExplainError(104, "x", ""),
              "Имя «x» нигде не объявлено. Проверьте, нет ли опечатки, и объявлено ли оно в разделе var.");
    EXPECT_EQ(VlExplainError(EVlInterpreterError(56, -1, "Tools")).rfind("Модуль «Tools» из раздела uses", 0), 0u);
    // Script texts are CP1251: "Ы" is byte 0xDB.
    EXPECT_NE(VlExplainError(104, "\xDB", "").find("«Ы»"), std::string::npos);
    EXPECT_EQ(VlExplainError(9999, "x", "y"), "");
}

TEST(Explanations, ExpectedConstructBringsItsOwnHint)
{
    const std::string statement = VlExplainError(EVlInterpreterError(103, -1, "Statement", "'else'"));
    EXPECT_NE(statement.find("Здесь ожидалось действие (оператор), а найдено 'else'."), std::string::npos);
    EXPECT_NE(statement.find(VlFindExplanation(309)->Hint), std::string::npos);
    const std::string semicolon = VlExplainError(EVlInterpreterError(103, -1, "';'", "'x'"));
    EXPECT_NE(semicolon.find(VlFindExplanation(103)->Hint), std::string::npos);
}

} // namespace
