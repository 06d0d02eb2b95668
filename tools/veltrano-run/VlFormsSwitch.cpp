// Deciding whether a script needs the forms runner, and handing it over.
#include "VlFormsSwitch.h"

#include "VlScriptRunner.h"

#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterParser.h"
#include "interpreter/bindings/VlInterpreterRegistrations.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string_view>
#include <unistd.h>
#include <unordered_set>

namespace fs = std::filesystem;

namespace {

// The identifiers of a script and of the units it uses that lie beside it: their atoms, and for a
// quick first test of the bindings list's names, a letter mask per name length.
struct TScriptNames {
    std::unordered_set<int32_t> Atoms;
    uint32_t Shapes[64] = {};

    static uint32_t Letter(char c) { return 1u << (static_cast<unsigned char>(c) & 31u); }
    void Add(std::string_view name, int32_t atom)
    {
        Atoms.insert(atom);
        Shapes[std::min<size_t>(name.size(), 63)] |= Letter(name[0]);
    }
    bool Has(std::string_view name) const
    {
        if (name.empty() || !(Shapes[std::min<size_t>(name.size(), 63)] & Letter(name[0])))
            return false;
        const int32_t atom = VlNames().Find(name);
        return atom && Atoms.count(atom);
    }
};

TScriptNames ScriptNames(const std::string &fileName)
{
    TScriptNames names;
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
                names.Add(source->TokenText(token), token.Atom);
                if (inUses) {
                    const std::string unit = VlFindUnitFile(dir.empty() ? fs::path(".") : dir,
                                                            source->TokenText(token));
                    if (!unit.empty())
                        files.push_back(unit);
                }
            }
        }
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

bool VlScriptNeedsForms(const std::string &fileName, const std::string &bindingsFile, const TVlInterpreterAdapter &own)
{
    const TScriptNames script = ScriptNames(fileName);
    std::ifstream in(bindingsFile);
    if (script.Atoms.empty() || !in)
        return false;
    // Which units are this runner's own is asked only for a unit the script names something of.
    std::optional<std::set<std::string>> ownUnits;
    auto foreign = [&](std::string_view unit) {
        if (!ownUnits)
            ownUnits = VlRegisteredUnits(own);
        return !ownUnits->count(VlLowerName(unit));
    };
    // Every run reads the whole list (unit, kind, class, name a line, sorted by unit), so its lines
    // are split in place.
    std::string line;
    std::string unit;
    bool unitNamed = false;
    while (std::getline(in, line)) {
        std::string_view fields[4];
        size_t start = 0;
        for (int i = 0; i < 4; ++i) {
            size_t tab = i < 3 ? line.find('\t', start) : std::string::npos;
            fields[i] = std::string_view(line).substr(std::min(start, line.size()),
                                                      tab == std::string::npos ? std::string::npos : tab - start);
            start = tab == std::string::npos ? line.size() : tab + 1;
        }
        if (fields[0].empty())
            continue;
        if (fields[0] != unit) {
            unit = fields[0];
            unitNamed = script.Has(unit);
        }
        const std::string_view kind = fields[1];
        const bool plainName = kind == "class" || kind == "function" || kind == "constant" || kind == "host unit";
        if ((unitNamed || (plainName && script.Has(fields[3]))) && foreign(unit))
            return true;
    }
    return false;
}

void VlSwitchToFormsRunner(const std::string &runner, char **argv)
{
    ::execv(runner.c_str(), argv);
}
