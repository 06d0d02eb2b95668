// veltrano-run [--time] [--explain] FILE.pas [ARGS...]: runs a Pascal program, unit or expression headless.
#include "VlScriptRunner.h"

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
    if (i >= argc) {
        std::cerr << "usage: veltrano-run [--time] [--explain] FILE.pas [ARGS...]\n";
        return 2;
    }
    options.FileName = argv[i++];
    for (; i < argc; ++i)
        options.Params.push_back(argv[i]);
    return VlRunScript(options, std::cin, std::cout, std::cerr);
}
