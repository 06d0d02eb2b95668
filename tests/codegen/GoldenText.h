// Golden-file comparison for generated texts; UPDATE_BASELINES=1 rewrites the files on purpose.
#pragma once

#include "common/VlTestPaths.h"

#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

inline std::filesystem::path CodegenDataDir()
{
    return std::filesystem::path(VlTestDataDir()) / "codegen";
}

// Compares text (lines joined by LF) with the golden file of that name, blanks included.
inline void ExpectGolden(const std::string &name, const QString &text)
{
    const auto path = CodegenDataDir() / name;
    const std::string actual = text.toStdString();
    if (std::getenv("UPDATE_BASELINES")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path << " (run with UPDATE_BASELINES=1)";
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "golden file " << path;
}
