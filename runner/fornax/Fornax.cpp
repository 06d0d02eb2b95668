// libfornax.so: the exported routines over one compiled expression.
#include "Fornax.h"
#include "FornaxExpression.h"

namespace {

TFornaxExpression Compiled;
bool HasRoutine = false;
double Input = 0;
double Output = 0;

void RunCompiled()
{
    Output = Compiled.Evaluate(Input);
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) double Prepare(const char *text)
{
    const int column = Compiled.Compile(text ? text : "");
    HasRoutine = column == 0;
    return column;
}

__attribute__((visibility("default"))) TFornaxRoutine CompiledRoutine(void)
{
    return HasRoutine ? &RunCompiled : nullptr;
}

__attribute__((visibility("default"))) double *InputVariable(void) { return &Input; }
__attribute__((visibility("default"))) double *OutputVariable(void) { return &Output; }

} // extern "C"
