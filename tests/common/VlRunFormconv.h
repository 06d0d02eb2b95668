// Runs staged programs (formconv, and any other command) and collects what they printed.
#pragma once

#include "common/VlTestPaths.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct TToolResult {
    int ExitCode;
    std::string Output;
};

// Runs a shell command and collects what it printed (both streams).
inline TToolResult RunCommand(const std::string &command)
{
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    std::string output;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// `environment` goes in front of the command ("QT_QPA_PLATFORM=offscreen").
inline TToolResult RunFormconv(const std::string &arguments, const std::string &environment = std::string())
{
    return RunCommand(environment + " " + VlProgramDir() + "/formconv " + arguments);
}
