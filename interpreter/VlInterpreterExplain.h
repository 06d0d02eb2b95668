// Plain-Russian explanations of the interpreter's error codes, for beginners: what went wrong
// and one hint of what to check. Shown beside the exact English message, never instead of it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class EVlInterpreterError;

// One explanation. The texts are UTF-8; %1 and %2 stand for the error's first and second
// message arguments.
struct TVlErrorExplanation {
    int32_t Code;
    const char *Text;
    const char *Hint;
};

// The whole table, in the order of the error table.
std::span<const TVlErrorExplanation> VlErrorExplanations();

// The explanation of a code; null for a code the table does not know.
const TVlErrorExplanation *VlFindExplanation(int32_t code);

// Text and hint as one UTF-8 line with the arguments (CP1251, as the interpreter keeps them)
// substituted; empty for an unknown code.
std::string VlExplainError(int32_t code, const std::string &arg1, const std::string &arg2);
std::string VlExplainError(const EVlInterpreterError &error);
