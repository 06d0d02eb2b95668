// Runs the staged formconv program with arguments and collects what it printed (both streams).
#pragma once

#include "common/VlTestPaths.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct TToolResult {
    int ExitCode;
    std::string Output;
};

// `environment` goes in front of the command ("QT_QPA_PLATFORM=offscreen").
inline TToolResult RunFormconv(const std::string &arguments, const std::string &environment = std::string())
{
    const std::string command = environment + " " + VlProgramDir() + "/formconv " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}
