// Loads a script and its units from disk, runs it with a console, and prints result or failure.
#include "VlScriptRunner.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/bindings/VlInterpreter_Classic.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/bindings/VlInterpreter_all.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <chrono>
#include <filesystem>
#include <istream>
#include <ostream>

namespace fs = std::filesystem;

namespace {

// A program whose own adapter gets the console routines back after every reset.
class TVlConsoleProgram : public TVlInterpreterProgram {
public:
    explicit TVlConsoleProgram(TVlConsole &console) : FConsole(console) {}

protected:
    void ResetState() override
    {
        TVlInterpreterProgram::ResetState();
        VlRegisterConsole(OwnAdapter(), FConsole);
    }

private:
    TVlConsole &FConsole;
};

// unit.pas beside the script; the name's letter case is not required to match the file's.
std::string FindUnitFile(const fs::path &dir, const std::string &unitName)
{
    fs::path exact = dir / (unitName + ".pas");
    if (fs::is_regular_file(exact))
        return exact.string();
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && VlSysUtils::CompareText(name, unitName + ".pas") == 0)
            return entry.path().string();
    }
    return {};
}

std::string OneLine(std::string text)
{
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

void RegisterBindingsOnce()
{
    static bool registered = false;
    if (!registered) {
        VlRegisterAllBindings(GlobalAdapter());
        registered = true;
    }
}

} // namespace

std::string VlReadScriptSource(const std::string &fileName)
{
    return Utf8ToCp1251(ToCrLf(ReadTextFile(fileName)));
}

int VlRunScript(const TVlRunOptions &options, std::istream &in, std::ostream &out, std::ostream &err)
{
    std::string source;
    try {
        source = VlReadScriptSource(options.FileName);
    } catch (const std::exception &e) {
        err << "Cannot read " << options.FileName << ": " << e.what() << '\n';
        return 1;
    }
    RegisterBindingsOnce();
    std::vector<std::string> params{options.FileName};
    params.insert(params.end(), options.Params.begin(), options.Params.end());
    VlSetParamStrings(params);

    TVlConsole console{&in, &out};
    TVlConsoleProgram program(console);
    VlUseClassicDialect(program);  // learners' programs use the fuller dialect
    fs::path dir = fs::path(options.FileName).parent_path();
    program.OnGetUnitSource = [&](TVlInterpreterUnit &, const std::string &unitName, std::string &text, bool &done) {
        std::string file = FindUnitFile(dir.empty() ? fs::path(".") : dir, unitName);
        if (file.empty())
            return;
        text = VlReadScriptSource(file);
        done = true;
    };
    program.SetSourceText(source);

    auto start = std::chrono::steady_clock::now();
    int status = 0;
    try {
        program.Execute();
        out.flush();
        if (program.Halted)
            status = program.ExitCode & 0xFF;  // Halt(code)
        else if (!program.IsProgramSource())
            out << Cp1251ToUtf8(VlResultText(program.ResultValue)) << '\n';
    } catch (const EVlInterpreterError &e) {
        out.flush();
        err << e.Code << ": " << Cp1251ToUtf8(OneLine(e.Message)) << '\n';
        status = 1;
    } catch (...) {
        out.flush();
        err << program.LastFailure.Code << ": " << Cp1251ToUtf8(OneLine(program.LastFailure.Message)) << '\n';
        status = 1;
    }
    out.flush();
    if (options.Time) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        err << "ms: " << ms.count() << '\n';
    }
    return status;
}
