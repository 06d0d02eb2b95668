// The console streams of the window's runs: collected output, lines read on demand, a failed
// wait passing through the reading stream.
#include "runner/VlConsoleStreams.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ConsoleStreams, OutputIsCollectedUntilTaken)
{
    TVlConsoleStreams streams([] { return std::string(); });
    EXPECT_FALSE(streams.Output.HasPending());
    streams.Out << "Hello, " << 42 << '\n';
    EXPECT_TRUE(streams.Output.HasPending());
    EXPECT_EQ(streams.Output.Take(), "Hello, 42\n");
    EXPECT_EQ(streams.Output.Take(), "");
}

TEST(ConsoleStreams, LinesAreAskedForOneAtATime)
{
    std::vector<std::string> answers{"first line", "", "third"};
    size_t asked = 0;
    TVlConsoleStreams streams([&] { return answers.at(asked++); });
    std::string line;
    std::getline(streams.In, line);
    EXPECT_EQ(line, "first line");
    EXPECT_EQ(asked, 1u);
    std::getline(streams.In, line);
    EXPECT_EQ(line, "");
    std::getline(streams.In, line);
    EXPECT_EQ(line, "third");
    EXPECT_EQ(asked, 3u);
}

TEST(ConsoleStreams, AFailedWaitPassesThroughAndResetStartsAfresh)
{
    bool fail = true;
    TVlConsoleStreams streams([&]() -> std::string {
        if (fail)
            throw std::runtime_error("stopped");
        return "after";
    });
    std::string line;
    EXPECT_THROW(std::getline(streams.In, line), std::runtime_error);
    fail = false;
    streams.Reset();
    std::getline(streams.In, line);
    EXPECT_EQ(line, "after");
    EXPECT_TRUE(streams.In.good());
}

} // namespace
