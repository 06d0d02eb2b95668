// veltrano-run [--time] [--explain] [--max-steps N] [--max-seconds N] FILE.pas [ARGS...]: runs a
// Pascal program, unit or expression headless; veltrano-run --list-bindings: prints the names
// scripts reach.
#include "VlScriptRunner.h"

#ifndef VL_WITH_FORMS
#include "VlFormsSwitch.h"
#endif

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

const char Usage[] = "usage: veltrano-run [--time] [--explain] [--max-steps N] [--max-seconds N] FILE.pas [ARGS...]\n"
                     "       veltrano-run --list-bindings\n"
                     "       veltrano-run --help\n";

// A limit's value: a positive number, all of the argument.
bool ParseLimit(const char *text, double &value)
{
    char *end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value > 0 && value < 1e15;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    TVlRunOptions options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        const bool steps = std::strcmp(argv[i], "--max-steps") == 0;
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << Usage;
            return 0;
        } else if (std::strcmp(argv[i], "--time") == 0) {
            options.Time = true;
        } else if (std::strcmp(argv[i], "--list-bindings") == 0) {
            options.ListBindings = true;
        } else if (std::strcmp(argv[i], "--explain") == 0) {
            options.Explain = true;
        } else if (steps || std::strcmp(argv[i], "--max-seconds") == 0) {
            double value = 0;
            if (i + 1 >= argc || !ParseLimit(argv[i + 1], value)) {
                std::cerr << "veltrano-run: " << argv[i] << " ждёт положительное число\n" << Usage;
                return 2;
            }
            ++i;
            if (steps)
                options.MaxSteps = static_cast<int64_t>(value);
            else
                options.MaxSeconds = value;
        } else if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        } else {
            std::cerr << "veltrano-run: неизвестный ключ " << argv[i] << '\n' << Usage;
            return 2;
        }
    }
#ifndef VL_WITH_FORMS
    // Scripts that make windows (and the full list of bindings) go to the forms runner.
    const std::string formsRunner = VlFormsRunnerPath();
    if (!formsRunner.empty() &&
        (options.ListBindings || (i < argc && VlScriptNeedsForms(argv[i], formsRunner + ".bindings", VlRunnerBindings()))))
        VlSwitchToFormsRunner(formsRunner, argv);
#endif
    if (options.ListBindings) {
        VlListBindings(std::cout);
        return 0;
    }
    if (i >= argc) {
        std::cerr << Usage;
        return 2;
    }
    options.FileName = argv[i++];
    for (; i < argc; ++i)
        options.Params.push_back(argv[i]);
    return VlRunScript(options, std::cin, std::cout, std::cerr);
}
