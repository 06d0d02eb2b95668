// Fuzz target: arbitrary bytes as a script source (and as the source of every unit it uses),
// run with a step budget; any outcome but a crash or a hang is fine.
#include "interpreter/VlInterpreter.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string source(reinterpret_cast<const char *>(data), size);
    TVlInterpreterProgram program;
    program.StatementBudget = 20000;
    program.OnGetUnitSource = [&source](TVlInterpreterUnit &, const std::string &, std::string &text, bool &done) {
        text = source;
        done = true;
    };
    program.SetSourceText(source);
    try {
        program.Execute();
    } catch (...) {
    }
    return 0;
}
