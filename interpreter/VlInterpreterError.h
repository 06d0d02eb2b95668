// The interpreter's one exception class and the helpers that raise and locate it.
#pragma once

#include "VlExceptions.h"

#include <cstdint>
#include <exception>
#include <string>

class EVlInterpreterError : public std::exception {
public:
    EVlInterpreterError() = default;
    EVlInterpreterError(int32_t code, int32_t position, std::string arg1 = {},
                        std::string arg2 = {});
    const char *what() const noexcept override { return Message.c_str(); }

    bool Located = false;
    int32_t Code = -1;
    int32_t Position = -1;  // 0-based offset in the source of ErrorUnit; -1 while unknown
    std::string Arg1;
    std::string Arg2;
    std::string ErrorUnit;
    int32_t ErrorLine = 0;  // 1-based; meaningful once Located
    std::string BareMessage;
    std::string Message;  // BareMessage, or the located text once Located
};

// Formats a template with positional %s / %0:s / %1:s / %1:d / %2:s placeholders.
std::string VlFormatErrorTemplate(const std::string &pattern, const std::string &arg0,
                                  const std::string &arg1, const std::string &arg2 = {});

[[noreturn]] void RaiseError(int32_t code, int32_t position, const std::string &arg1 = {},
                             const std::string &arg2 = {});

// Attaches unit and line (at most once). source is the text the reader holds; readerPos is used
// when the error has no position yet.
void LocateError(EVlInterpreterError &error, const std::string &unitName,
                 const std::string &source, int32_t readerPos);
