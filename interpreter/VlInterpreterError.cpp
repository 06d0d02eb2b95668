// EVlInterpreterError: creation, message formatting and locating an error in its unit.
#include "VlInterpreterError.h"

#include "VlInterpreterConst.h"
#include "VlInterpreterValue.h"

EVlInterpreterError::EVlInterpreterError(int32_t code, int32_t position, std::string arg1,
                                         std::string arg2)
    : Code(code), Position(position), Arg1(std::move(arg1)), Arg2(std::move(arg2))
{
    BareMessage = VlFormatErrorTemplate(ErrorMessageText(code), Arg1, Arg2);
    Message = BareMessage;
}

std::string VlFormatErrorTemplate(const std::string &pattern, const std::string &arg0,
                                  const std::string &arg1, const std::string &arg2)
{
    const std::string *args[3] = {&arg0, &arg1, &arg2};
    std::string out;
    int next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        size_t j = i + 1;
        int index = next;
        if (pattern[j] >= '0' && pattern[j] <= '9' && j + 1 < pattern.size() && pattern[j + 1] == ':') {
            index = pattern[j] - '0';
            j += 2;
        }
        if (j < pattern.size() && (pattern[j] == 's' || pattern[j] == 'd')) {
            if (index >= 0 && index < 3)
                out += *args[index];
            next = index + 1;
            i = j;
        } else if (pattern[j] == '%') {
            out += '%';
            i = j;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

void RaiseError(int32_t code, int32_t position, const std::string &arg1, const std::string &arg2)
{
    throw EVlInterpreterError(code, position, arg1, arg2);
}

void LocateError(EVlInterpreterError &error, const std::string &unitName,
                 const std::string &source, int32_t readerPos)
{
    if (error.Located)
        return;
    if (error.Position == -1)
        error.Position = readerPos;
    if (error.ErrorUnit.empty())
        error.ErrorUnit = unitName;
    if (error.ErrorUnit.empty())
        return;
    int32_t count = 0;
    if (error.Position > static_cast<int32_t>(source.size())) {
        count = -1;
    } else {
        for (int32_t i = 0; i < error.Position; ++i)
            if (source[i] == '\r')
                ++count;
    }
    error.ErrorLine = count + 1;
    error.Message = VlFormatErrorTemplate(ErrorMessageText(erLocated), error.ErrorUnit,
                                          std::to_string(error.ErrorLine), error.BareMessage);
    error.Located = true;
}
