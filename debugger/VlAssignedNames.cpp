// Assignment targets of one line.
#include "VlAssignedNames.h"

#include "rtl/VlSysUtils.h"

#include <cctype>

namespace {

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The designator that ends just before end (exclusive), or empty.
std::string DesignatorBefore(const std::string &line, size_t end)
{
    size_t at = end;
    while (at > 0 && line[at - 1] == ' ')
        --at;
    const size_t last = at;
    for (;;) {
        if (at > 0 && line[at - 1] == ']') {
            int depth = 0;
            while (at > 0) {
                const char c = line[--at];
                if (c == ']')
                    ++depth;
                else if (c == '[' && --depth == 0)
                    break;
            }
            if (depth != 0)
                return {};
            continue;
        }
        const size_t nameEnd = at;
        while (at > 0 && IsNameChar(line[at - 1]))
            --at;
        if (at == nameEnd || std::isdigit(static_cast<unsigned char>(line[at])))
            return {};
        if (at > 0 && line[at - 1] == '.') {
            --at;
            continue;
        }
        break;
    }
    return line.substr(at, last - at);
}

} // namespace

std::vector<std::string> VlAssignedNames(const std::string &line)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\'') {  // a literal: skip to its end ('' stays inside)
            for (++i; i < line.size() && line[i] != '\''; ++i) {
            }
        } else if (c == '{') {
            while (i < line.size() && line[i] != '}')
                ++i;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
            break;
        } else if (c == ':' && i + 1 < line.size() && line[i + 1] == '=') {
            std::string name = DesignatorBefore(line, i);
            if (!name.empty())
                names.push_back(std::move(name));
            ++i;
        }
    }
    return names;
}

bool VlLinePassesName(const std::string &line, const std::string &name)
{
    int depth = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\'') {
            for (++i; i < line.size() && line[i] != '\''; ++i) {
            }
        } else if (c == '{') {
            while (i < line.size() && line[i] != '}')
                ++i;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
            return false;
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
        } else if (IsNameChar(c)) {
            size_t end = i;
            while (end < line.size() && IsNameChar(line[end]))
                ++end;
            if (depth > 0 && VlSysUtils::CompareText(line.substr(i, end - i), name) == 0)
                return true;
            i = end - 1;
        }
    }
    return false;
}
