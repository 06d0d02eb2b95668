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
#include <string_view>
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
    // Every run reads the whole list, so its lines are split in place (unit, kind, class, name).
    std::string line;
    while (std::getline(in, line)) {
        std::string_view fields[4];
        size_t start = 0;
        for (int i = 0; i < 4; ++i) {
            size_t tab = i < 3 ? line.find('\t', start) : std::string::npos;
            fields[i] = std::string_view(line).substr(std::min(start, line.size()),
                                                      tab == std::string::npos ? std::string::npos : tab - start);
            start = tab == std::string::npos ? line.size() : tab + 1;
        }
        const std::string unit(fields[0]);
        const std::string_view kind = fields[1];
        if (unit.empty() || ownUnits.count(VlLowerName(unit)))
            continue;
        names.insert(VlNames().Intern(unit));
        if (kind == "class" || kind == "function" || kind == "constant" || kind == "host unit")
            names.insert(VlNames().Intern(std::string(fields[3])));
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
