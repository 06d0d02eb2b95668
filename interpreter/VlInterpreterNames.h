// Interned names: every identifier gets a small integer, equal for names equal without case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TVlNameTable {
public:
    TVlNameTable();
    // The atom of a name, adding it when new. Atoms start at 1; 0 means "no name".
    int32_t Intern(std::string_view name);
    // The atom of a known name, or 0.
    int32_t Find(std::string_view name) const;
    // The spelling first interned for an atom.
    const std::string &Spelling(int32_t atom) const { return Spellings[atom]; }
    int32_t Count() const { return static_cast<int32_t>(Spellings.size()); }
    // KindOfTypeName of an atom's name, remembered per atom.
    uint16_t TypeKind(int32_t atom);
    // Whether some adapter takes "expr : width : decimals" arguments for the name: a quick
    // answer for the many calls of names none takes them for.
    void MarkFormatted(int32_t atom);
    bool MayBeFormatted(int32_t atom) const
    {
        return atom > 0 && atom < static_cast<int32_t>(Formatted.size()) && Formatted[static_cast<size_t>(atom)];
    }

private:
    std::unordered_map<std::string, int32_t> Atoms;  // lower-cased name -> atom
    std::vector<std::string> Spellings;
    std::vector<int32_t> TypeKinds;  // -1 until computed
    std::vector<char> Formatted;
};

// Lower-cases ASCII letters (names scripts use are ASCII).
std::string VlLowerName(std::string_view name);
bool VlSameName(std::string_view a, std::string_view b);
int VlCompareNames(std::string_view a, std::string_view b);

// The process-wide name table, created with the GlobalAdapter.
TVlNameTable &VlNames();
