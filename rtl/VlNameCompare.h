// Case-insensitive comparison and hashing of identifiers (class, property and component names).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Identifiers are ASCII, so folding 'A'..'Z' is enough and stays locale-independent.
inline char VlFoldChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

inline bool VlSameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (VlFoldChar(a[i]) != VlFoldChar(b[i]))
            return false;
    return true;
}

inline std::string VlLowerName(std::string_view name)
{
    std::string result(name);
    for (char &c : result)
        c = VlFoldChar(c);
    return result;
}

// Hash and equality for unordered containers keyed by names; both accept string_view lookups.
struct TNameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const
    {
        size_t hash = 14695981039346656037ull;
        for (char c : name) {
            hash ^= static_cast<unsigned char>(VlFoldChar(c));
            hash *= 1099511628211ull;
        }
        return hash;
    }
};

struct TNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return VlSameName(a, b); }
};
