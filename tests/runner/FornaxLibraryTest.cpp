// libfornax.so as the window binds it: compiling expressions in x and running the routine.
#include "common/VlTestPaths.h"
#include "runner/VlFornaxLibrary.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

class FornaxLibraryTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        if (!Library.Load(VlProgramDir() + "/libfornax.so", error))
            GTEST_SKIP() << "libfornax.so not built: " << error;
    }
    double At(const std::string &expression, double x)
    {
        EXPECT_EQ(Library.Prepare(expression), 0) << expression;
        TFornaxRoutine routine = Library.Routine();
        EXPECT_NE(routine, nullptr);
        Library.Input() = x;
        if (routine)
            routine();
        return Library.Output();
    }

    TVlFornaxLibrary Library;
};

TEST_F(FornaxLibraryTest, ComputesExpressionsInX)
{
    EXPECT_DOUBLE_EQ(At("x*x+1", 3), 10);
    EXPECT_DOUBLE_EQ(At("2 + 3 * x", 2), 8);
    EXPECT_DOUBLE_EQ(At("(2 + 3) * X", 2), 10);
    EXPECT_DOUBLE_EQ(At("-x ^ 2", 3), -9);
    EXPECT_DOUBLE_EQ(At("2 ^ 3 ^ 2", 0), 512);
    EXPECT_DOUBLE_EQ(At("10 / 4 - 1.5e0", 0), 1);
    EXPECT_NEAR(At("sqrt(x) + sin(0) + abs(-1) + ln(exp(2))", 16), 7, 1e-12);
}

TEST_F(FornaxLibraryTest, AFailureAnswersItsColumnAndRemovesTheRoutine)
{
    EXPECT_EQ(Library.Prepare("x +"), 4);
    EXPECT_EQ(Library.Routine(), nullptr);
    EXPECT_EQ(Library.Prepare("sin x"), 5);
    EXPECT_EQ(Library.Prepare("y"), 1);
    EXPECT_EQ(Library.Prepare("(x"), 3);
    EXPECT_EQ(Library.Prepare("x)"), 2);
    EXPECT_EQ(Library.Prepare(""), 1);
    EXPECT_EQ(Library.Prepare(std::string(100, '(') + "x" + std::string(100, ')')), 0);
    // Operands waiting for their operators are bounded.
    std::string nested = "x";
    for (int i = 0; i < 50; ++i)
        nested = "1+(" + nested + ")";
    EXPECT_EQ(Library.Prepare(nested), 0);
    for (int i = 0; i < 20; ++i)
        nested = "1+(" + nested + ")";
    EXPECT_GT(Library.Prepare(nested), 0);
    EXPECT_EQ(Library.Routine(), nullptr);
}

TEST(FornaxLibrary, AMissingLibraryIsReported)
{
    TVlFornaxLibrary library;
    std::string error;
    EXPECT_FALSE(library.Load("/nonexistent/libfornax.so", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(library.IsLoaded());
}

} // namespace
