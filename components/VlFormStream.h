// Form files on disk: the resource header of binary form files, and telling text from binary forms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class TFormFileFormat { Binary, Text, Unknown };

// Binary when the bytes start with 0xFF (resource header) or "TPF0"; text when they start with a
// blank, tab, line end, UTF-8 byte order mark or the letter o/O/i/I ("object", "inherited",
// "inline"); unknown otherwise.
TFormFileFormat DetectFormFileFormat(std::string_view bytes);

// Puts the resource header in front of a binary form stream: 0xFF, the 16-bit value 10, the
// root's class name in capitals ending with NUL, the flags 0x1030 and the stream's size.
std::string AddResourceHeader(std::string_view binary);

// The form stream behind a resource header (or the bytes themselves when they already start
// with "TPF0"). Anything else raises EReadError "Invalid stream format".
std::string_view SkipResourceHeader(std::string_view bytes);

// The binary form stream of a form file in either format; errors as for the conversions.
std::string FormFileToBinary(std::string_view bytes);

// Designer clipboard blocks: one record per component, each an 8-byte little-endian signed
// byte count followed by that many bytes of a binary form stream.
void AppendClipboardRecord(std::string &block, std::string_view binary);
// The records of a block in order; a count that is negative or runs past the block raises
// EReadError "Stream read error" (records before it are not returned either).
std::vector<std::string> SplitClipboardRecords(std::string_view block);
