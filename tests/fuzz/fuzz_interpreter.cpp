// Fuzz target: arbitrary bytes as a script source (and as the source of every unit it uses),
// run with a step budget; any outcome but a crash or a hang is fine. Each input runs twice, with
// direct statements and token by token, and both runs must end alike.
#include "interpreter/VlInterpreter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct TOutcome {
    bool Failed = false;
    int32_t Code = 0;
    int32_t Position = 0;
    std::string Text;
    int64_t BudgetLeft = 0;

    bool operator==(const TOutcome &other) const
    {
        return Failed == other.Failed && Code == other.Code && Position == other.Position && Text == other.Text &&
               BudgetLeft == other.BudgetLeft;
    }
};

TOutcome Run(const std::string &source, bool direct)
{
    TVlInterpreterProgram program;
    program.DirectStatements = direct;
    program.StatementBudget = 20000;
    // Random "external" declarations must not reach native code (exit, abort, unlink, ...).
    program.OwnAdapter().ExternalCallsDisabled = true;
    program.OnGetUnitSource = [&source](TVlInterpreterUnit &, const std::string &, std::string &text, bool &done) {
        text = source;
        done = true;
    };
    program.SetSourceText(source);
    TOutcome outcome;
    try {
        program.Execute();
        outcome.Text = std::to_string(program.ResultValue.Kind());
        try {
            outcome.Text += ":" + ValueToString(program.ResultValue);
        } catch (...) {
        }
    } catch (const EVlInterpreterError &e) {
        outcome = {true, e.Code, e.Position, e.Message, 0};
    } catch (...) {
        outcome = {true, program.LastFailure.Code, program.LastFailure.Position, program.LastFailure.Message, 0};
    }
    outcome.BudgetLeft = program.StatementBudget;
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string source(reinterpret_cast<const char *>(data), size);
    if (!(Run(source, true) == Run(source, false)))
        std::abort();
    return 0;
}
