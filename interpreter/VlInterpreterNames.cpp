// Interned, case-insensitive names shared by all interpreters of the process.
#include "VlInterpreterNames.h"

#include "VlInterpreterAdapter.h"
#include "VlInterpreterTypes.h"

static inline char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string VlLowerName(std::string_view name)
{
    std::string lower(name);
    for (char &c : lower)
        c = LowerAscii(c);
    return lower;
}

bool VlSameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (a == b)
        return true;  // names are mostly spelled the same way
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

int VlCompareNames(std::string_view a, std::string_view b)
{
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

TVlNameTable::TVlNameTable()
{
    Spellings.emplace_back();  // atom 0: no name
}

int32_t TVlNameTable::Intern(std::string_view name)
{
    std::string key = VlLowerName(name);
    auto found = Atoms.find(key);
    if (found != Atoms.end())
        return found->second;
    int32_t atom = static_cast<int32_t>(Spellings.size());
    Spellings.emplace_back(name);
    Atoms.emplace(std::move(key), atom);
    return atom;
}

int32_t TVlNameTable::Find(std::string_view name) const
{
    auto found = Atoms.find(VlLowerName(name));
    return found == Atoms.end() ? 0 : found->second;
}

void TVlNameTable::MarkFormatted(int32_t atom)
{
    if (static_cast<int32_t>(Formatted.size()) <= atom)
        Formatted.resize(static_cast<size_t>(atom) + 1, 0);
    Formatted[static_cast<size_t>(atom)] = 1;
}

uint16_t TVlNameTable::TypeKind(int32_t atom)
{
    if (atom <= 0 || atom >= Count())
        return 0;
    if (static_cast<int32_t>(TypeKinds.size()) <= atom)
        TypeKinds.resize(static_cast<size_t>(atom) + 1, -1);
    if (TypeKinds[static_cast<size_t>(atom)] < 0)
        TypeKinds[static_cast<size_t>(atom)] = KindOfTypeName(Spellings[static_cast<size_t>(atom)]);
    return static_cast<uint16_t>(TypeKinds[static_cast<size_t>(atom)]);
}
