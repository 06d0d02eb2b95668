// Word-list routines of the text view's keyword marking: substring search and two fixed word lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace VlWordList {

// Position of the first occurrence of pattern in text[start-1 ..], counted from start
// (1 = at start itself); 0 when absent, when the pattern is empty or when start lies past the end.
[[nodiscard]] int32_t SearchFor(std::string_view text, std::string_view pattern, int32_t start);

// Removes blanks, line feeds and carriage returns and lowers the Latin capitals A-Z.
[[nodiscard]] std::string PrepareWord(std::string_view word);

// True when the prepared word is one of the Pascal keywords the text view marks bold.
[[nodiscard]] bool CheckListDelphi(std::string_view word);

// True when the prepared word is one of the punctuation entries.
[[nodiscard]] bool CheckList(std::string_view word);

} // namespace VlWordList

// The C entry points exported by the executable and by libquillon.so: NUL-terminated single-byte
// strings (a null pointer is the empty string), results as int32_t / bool.
extern "C" {
using TVlSearchForFn = int32_t (*)(const char *text, const char *pattern, int32_t start);
using TVlCheckWordFn = bool (*)(const char *word);
}
