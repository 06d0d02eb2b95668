// Conversion between binary form streams ("TPF0" + one object) and the text form format.
#pragma once

#include <string>
#include <string_view>

// Text form (bytes: UTF-8 with or without BOM, or CP1251; CR LF or LF) -> binary form stream.
// Syntax errors raise EParserError "<reason> on line <n>".
std::string ObjectTextToBinary(std::string_view text);

// Binary form stream -> text form with CR LF line ends. A stream that does not start with
// "TPF0" raises EReadError "Invalid stream format"; damaged data raises EReadError.
std::string ObjectBinaryToText(std::string_view binary);
