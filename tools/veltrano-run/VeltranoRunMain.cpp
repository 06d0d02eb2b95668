// veltrano-run [--time] [--explain] FILE.pas [ARGS...]: runs a Pascal program, unit or expression
// headless; veltrano-run --list-bindings: prints the names scripts reach.
#include "VlScriptRunner.h"

#ifndef VL_WITH_FORMS
#include "VlFormsSwitch.h"
#endif

#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    TVlRunOptions options;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        if (std::strcmp(argv[i], "--time") == 0) {
            options.Time = true;
        } else if (std::strcmp(argv[i], "--list-bindings") == 0) {
            options.ListBindings = true;
        } else if (std::strcmp(argv[i], "--explain") == 0) {
            options.Explain = true;
        } else if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        } else {
            std::cerr << "veltrano-run: unknown option " << argv[i] << '\n';
            return 2;
        }
    }
#ifndef VL_WITH_FORMS
    // Scripts that make windows (and the full list of bindings) go to the forms runner.
    const std::string formsRunner = VlFormsRunnerPath();
    if (!formsRunner.empty() &&
        (options.ListBindings || (i < argc && VlScriptNeedsForms(argv[i], formsRunner + ".bindings"))))
        VlSwitchToFormsRunner(formsRunner, argv);
#endif
    if (options.ListBindings) {
        VlListBindings(std::cout);
        return 0;
    }
    if (i >= argc) {
        std::cerr << "usage: veltrano-run [--time] [--explain] FILE.pas [ARGS...]\n       veltrano-run --list-bindings\n";
        return 2;
    }
    options.FileName = argv[i++];
    for (; i < argc; ++i)
        options.Params.push_back(argv[i]);
    return VlRunScript(options, std::cin, std::cout, std::cerr);
}
