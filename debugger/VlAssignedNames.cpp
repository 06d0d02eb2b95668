// Assignment targets of one line.
#include "VlAssignedNames.h"

#include "rtl/VlSysUtils.h"

#include <cctype>

namespace {

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Just past the literal or comment that starts at i ('...', {...}, (*...*), //...; one left open
// runs to the line's end), or i itself when none starts there. A doubled quote inside a literal
// reads as two literals side by side, which skips the same text.
size_t PastLiteralOrComment(const std::string &line, size_t i)
{
    const auto past = [&line](const char *close, size_t from) {
        const size_t at = line.find(close, from);
        return at == std::string::npos ? line.size() : at + std::char_traits<char>::length(close);
    };
    if (line[i] == '\'')
        return past("'", i + 1);
    if (line[i] == '{')
        return past("}", i + 1);
    if (line.compare(i, 2, "(*") == 0)
        return past("*)", i + 2);
    if (line.compare(i, 2, "//") == 0)
        return line.size();
    return i;
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
    for (size_t i = 0; i < line.size();) {
        if (const size_t past = PastLiteralOrComment(line, i); past != i) {
            i = past;
        } else if (line.compare(i, 2, ":=") == 0) {
            std::string name = DesignatorBefore(line, i);
            if (!name.empty())
                names.push_back(std::move(name));
            i += 2;
        } else {
            ++i;
        }
    }
    return names;
}

bool VlLinePassesName(const std::string &line, const std::string &name)
{
    int depth = 0;
    for (size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (const size_t past = PastLiteralOrComment(line, i); past != i) {
            i = past;
        } else if (IsNameChar(c)) {
            size_t end = i;
            while (end < line.size() && IsNameChar(line[end]))
                ++end;
            if (depth > 0 && VlSysUtils::CompareText(line.substr(i, end - i), name) == 0)
                return true;
            i = end;
        } else {
            if (c == '(' || c == ')')
                depth += c == '(' ? 1 : -1;
            ++i;
        }
    }
    return false;
}
