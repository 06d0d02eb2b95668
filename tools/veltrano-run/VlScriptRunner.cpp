// Loads a script and its units from disk, runs it with a console, and prints result or failure.
#include "VlScriptRunner.h"
#include "VlRunLimits.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterExplain.h"
#include "interpreter/bindings/VlInterpreterRegistrations.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/bindings/VlInterpreter_Classic.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/bindings/VlInterpreter_all.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#ifdef VL_WITH_FORMS
#include "components/VlMessageDialogs.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"
#include "interpreter/bindings/VlInterpreterGui_all.h"
#include "interpreter/forms/VlInterpreterFm.h"
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>

namespace fs = std::filesystem;

namespace {

// The program class: one that can make forms when the Qt parts are built. The console routines
// live in a host adapter, which programs made by the form functions share.
#ifdef VL_WITH_FORMS
using TVlRunnerProgram = TVlInterpreterFm;
#else
using TVlRunnerProgram = TVlInterpreterProgram;
#endif

} // namespace

std::string VlFindUnitFile(const fs::path &dir, const std::string &unitName, const char *extension)
{
    fs::path exact = dir / (unitName + extension);
    if (fs::is_regular_file(exact))
        return exact.string();
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && VlSysUtils::CompareText(name, unitName + extension) == 0)
            return entry.path().string();
    }
    return {};
}

namespace {

std::string OneLine(std::string text)
{
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

#ifdef VL_WITH_FORMS
bool HasDisplay()
{
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && (std::string(platform) == "offscreen" || std::string(platform) == "minimal"))
        return false;
    return (x11 && *x11) || (wayland && *wayland) || (platform && *platform);
}

// Ends the forms and the Qt application a run made, whatever way the run ends.
struct TVlGuiRunScope {
    explicit TVlGuiRunScope(std::ostream &out)
    {
        // Without a display nobody answers message boxes: they write their text instead.
        if (!HasDisplay())
            VlSetUnattendedDialogs([&out](const std::string &text) { out << Cp1251ToUtf8(text) << '\n'; });
    }
    ~TVlGuiRunScope()
    {
        if (VlGuiApplicationCreatedHere())
            VlShutdownGuiApplication();
        VlSetUnattendedDialogs(nullptr);
    }
};
#endif

} // namespace

TVlInterpreterAdapter &VlRunnerBindings()
{
    static bool registered = false;
    if (!registered) {
#ifdef VL_WITH_FORMS
        VlRegisterAllGuiBindings(GlobalAdapter());
#else
        VlRegisterAllBindings(GlobalAdapter());
#endif
        registered = true;
    }
    return GlobalAdapter();
}

std::string VlReadScriptSource(const std::string &fileName)
{
    VlCheckScriptFile(fileName);  // a folder or an endless device is never read
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
    VlRunnerBindings();
    std::vector<std::string> params{options.FileName};
    params.insert(params.end(), options.Params.begin(), options.Params.end());
    VlSetParamStrings(params);

    TVlConsole console{&in, &out};
    auto consoleUnit = std::make_shared<TVlInterpreterAdapter>();
    VlRegisterConsole(*consoleUnit, console);
    fs::path dir = fs::path(options.FileName).parent_path();
#ifdef VL_WITH_FORMS
    TVlGuiRunScope gui(out);
#endif
    TVlRunnerProgram program;
    program.AddHostAdapter(consoleUnit);
    VlUseClassicDialect(program);  // learners' programs use the fuller dialect
    VlRestartRandom();
    program.OnGetUnitSource = [&](TVlInterpreterUnit &, const std::string &unitName, std::string &text, bool &done) {
        std::string file = VlFindUnitFile(dir.empty() ? fs::path(".") : dir, unitName);
        if (file.empty())
            return;
        text = VlReadScriptSource(file);
        done = true;
    };
    program.SetSourceText(source);
#ifdef VL_WITH_FORMS
    program.FileName = options.FileName;
    // Form files come from the script's folder too.
    program.OnGetDfmFileName = [&](TVlInterpreterFm &, const std::string &unitName, std::string &file, bool &done) {
        file = VlFindUnitFile(dir.empty() ? fs::path(".") : dir, unitName, ".dfm");
        done = !file.empty();
    };
#endif
    program.StatementBudget = options.MaxSteps;
    TVlRunWatchdog watchdog(program, options.MaxSeconds, err);

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
        if (e.Code == erUserBreak && watchdog.Expired())
            err << watchdog.Message() << '\n';
        else if (e.Code == erUserBreak && program.StatementBudget == 0)
            err << VlStepLimitMessage(options.MaxSteps) << '\n';
        else {
            err << e.Code << ": " << Cp1251ToUtf8(OneLine(e.Message)) << '\n';
            if (options.Explain)
                err << VlExplainError(e) << '\n';
        }
        status = 1;
    } catch (...) {
        out.flush();
        err << program.LastFailure.Code << ": " << Cp1251ToUtf8(OneLine(program.LastFailure.Message)) << '\n';
        if (options.Explain)
            err << VlExplainError(program.LastFailure) << '\n';
        status = 1;
    }
    watchdog.Finish();
    out.flush();
    if (!out) {
        err << VlOutputFailedMessage() << '\n';
        status = 1;
    }
    if (options.Time) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        err << "ms: " << ms.count() << '\n';
    }
    return status;
}

void VlListBindings(std::ostream &out)
{
    for (const TVlRegistration &r : VlListRegistrations(VlRunnerBindings()))
        out << r.Unit << '\t' << r.Kind << '\t' << r.Class << '\t' << r.Name << '\n';
}
