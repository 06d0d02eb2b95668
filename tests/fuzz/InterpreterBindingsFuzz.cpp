// Fuzz target: arbitrary bytes as a script (and as every unit it uses) run with every binding
// registered and a step budget; any outcome but a crash or a hang is fine. Routines that would
// touch the file system, the process's standard handles or native libraries are replaced by ones
// that refuse, and the process works in a private folder, so a run cannot harm the machine.
#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreter_all.h"
#include "rtl/VlStreams.h"
#include "rtl/VlStringList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void Refused(TVlValue &, TVlInterpreterArgs &)
{
    VlRaiseRuntime("EInOutError", "Not available while fuzzing");
}

const TVlFunctionBinding RefusedRoutines[] = {
    {"DeleteFile", Refused, "."},   {"RenameFile", Refused, ".."},    {"FileCreate", Refused, "."},
    {"FileOpen", Refused, ".."},    {"FileRead", Refused, ".v."},     {"FileWrite", Refused, "..."},
    {"FileSeek", Refused, "..."},   {"FileClose", Refused, "."},      {"FileSetDate", Refused, ".."},
    {"FileSetAttr", Refused, ".."}, {"CreateDir", Refused, "."},      {"RemoveDir", Refused, "."},
    {"SetCurrentDir", Refused, "."}, {"LoadPackage", Refused, "."},   {"UnloadPackage", Refused, "."},
};
const TVlMemberBinding RefusedFileStream[] = {VlGet("Create", Refused, "..")};
const TVlMemberBinding RefusedFiles[] = {VlGet("SaveToFile", Refused, "."), VlGet("LoadFromFile", Refused, ".")};

class TFuzzProgram : public TVlInterpreterProgram {
protected:
    void ResetState() override
    {
        TVlInterpreterProgram::ResetState();
        TVlInterpreterAdapter &own = OwnAdapter();
        own.ExternalCallsDisabled = true;
        VlRegisterFunctions(own, "SysUtils", RefusedRoutines);
        VlRegisterMembers(own, TFileStream::StaticClassInfo(), RefusedFileStream);
        VlRegisterMembers(own, TStrings::StaticClassInfo(), RefusedFiles);
        VlRegisterMembers(own, TMemoryStream::StaticClassInfo(), RefusedFiles);
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char folder[] = "/tmp/vl-fuzz-run-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        std::abort();
    VlRegisterAllBindings(GlobalAdapter());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string source(reinterpret_cast<const char *>(data), size);
    TFuzzProgram program;
    program.StatementBudget = 20000;
    program.OnGetUnitSource = [&source](TVlInterpreterUnit &, const std::string &, std::string &text, bool &done) {
        text = source;
        done = true;
    };
    program.SetSourceText(source);
    try {
        program.Execute();
        (void)ValueToString(program.ResultValue);
    } catch (...) {
    }
    return 0;
}
