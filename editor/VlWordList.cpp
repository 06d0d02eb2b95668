// Word-list routines of the text view's keyword marking.
#include "VlWordList.h"

#include <algorithm>
#include <array>

namespace VlWordList {

namespace {

constexpr std::array<std::string_view, 13> DelphiKeywords = {
    "begin", "or", "end", "end.", "end;", "then", "var", "for", "do", "if", "to", "string", "while"};

constexpr std::array<std::string_view, 12> Punctuation = {
    "(", ")", ".", ",", ";", ":", "\"", "-", "!", "?", "/", "\\"};

template <std::size_t N>
bool IsInList(const std::array<std::string_view, N> &list, std::string_view word)
{
    const std::string prepared = PrepareWord(word);
    return std::find(list.begin(), list.end(), prepared) != list.end();
}

} // namespace

int32_t SearchFor(std::string_view text, std::string_view pattern, int32_t start)
{
    if (start < 1)
        start = 1;
    if (pattern.empty() || static_cast<std::size_t>(start) > text.size())
        return 0;
    const std::string_view tail = text.substr(static_cast<std::size_t>(start) - 1);
    const std::size_t found = tail.find(pattern);
    return found == std::string_view::npos ? 0 : static_cast<int32_t>(found) + 1;
}

std::string PrepareWord(std::string_view word)
{
    std::string prepared;
    prepared.reserve(word.size());
    for (char ch : word) {
        if (ch == ' ' || ch == '\n' || ch == '\r')
            continue;
        prepared += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    return prepared;
}

bool CheckListDelphi(std::string_view word)
{
    return IsInList(DelphiKeywords, word);
}

bool CheckList(std::string_view word)
{
    return IsInList(Punctuation, word);
}

} // namespace VlWordList
