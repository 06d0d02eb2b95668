// Deciding whether a script needs the forms runner, and handing it over.
#include "VlFormsSwitch.h"

#include "VlScriptRunner.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterParser.h"
#include "interpreter/bindings/VlInterpreterRegistrations.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>
#include <unordered_set>

namespace fs = std::filesystem;

namespace {

// The atoms of the plain names (classes, routines, constants, units) of the forms runner's units
// that this runner does not have.
std::unordered_set<int32_t> FormsNames(const std::string &bindingsFile)
{
    std::unordered_set<int32_t> names;
    std::ifstream in(bindingsFile);
    if (!in)
        return names;
    TVlInterpreterAdapter own;
    VlRegisterAllBindings(own);
    std::set<std::string> ownUnits;
    for (const TVlRegistration &r : VlListRegistrations(own))
        ownUnits.insert(VlLowerName(r.Unit));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string unit, kind, cls, name;
        std::getline(fields, unit, '\t');
        std::getline(fields, kind, '\t');
        std::getline(fields, cls, '\t');
        std::getline(fields, name);
        if (unit.empty() || ownUnits.count(VlLowerName(unit)))
            continue;
        names.insert(VlNames().Intern(unit));
        if (kind == "class" || kind == "function" || kind == "constant" || kind == "host unit")
            names.insert(VlNames().Intern(name));
    }
    return names;
}

} // namespace

std::string VlFormsRunnerPath()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    const fs::path runner = self.parent_path() / "veltrano-run-forms";
    return fs::is_regular_file(runner, ec) ? runner.string() : std::string();
}

bool VlScriptNeedsForms(const std::string &fileName, const std::string &bindingsFile)
{
    const std::unordered_set<int32_t> names = FormsNames(bindingsFile);
    if (names.empty())
        return false;
    const fs::path dir = fs::path(fileName).parent_path();
    std::deque<std::string> files{fileName};
    std::set<std::string> seen;
    while (!files.empty()) {
        const std::string file = files.front();
        files.pop_front();
        if (!seen.insert(file).second)
            continue;
        std::string text;
        try {
            text = VlReadScriptSource(file);
        } catch (const std::exception &) {
            continue;  // the run itself reports what cannot be read
        }
        const auto source = VlTokenize(text);
        bool inUses = false;
        for (const TVlToken &token : source->Tokens) {
            if (token.Kind == tkUses) {
                inUses = true;
            } else if (token.Kind == tkSemicolon) {
                inUses = false;
            } else if (token.Kind == tkIdentifier) {
                if (names.count(token.Atom))
                    return true;
                if (inUses) {
                    const std::string unit = VlFindUnitFile(dir.empty() ? fs::path(".") : dir,
                                                            source->TokenText(token));
                    if (!unit.empty())
                        files.push_back(unit);
                }
            }
        }
    }
    return false;
}

void VlSwitchToFormsRunner(const std::string &runner, char **argv)
{
    ::execv(runner.c_str(), argv);
}
