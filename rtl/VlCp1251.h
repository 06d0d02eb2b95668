// Code page 1251 <-> Unicode conversion and the rules for reading and writing text files.
#pragma once

#include "VlFileIO.h"

#include <string>
#include <string_view>

// The Unicode character of a single CP1251 byte (every byte has one).
char32_t Cp1251ToUnicode(unsigned char byte);
// The CP1251 byte of a Unicode character, or -1 when the code page has none.
int UnicodeToCp1251(char32_t ch);

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page cannot store become `replacement`; malformed UTF-8 bytes too.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = '?');
// True when every character of the (valid) UTF-8 text has a CP1251 byte.
bool CanEncodeCp1251(std::string_view utf8);

// One byte per UTF-16 unit, so offsets agree one to one; units outside the code page become '?'.
std::string Utf16ToCp1251(std::u16string_view text);
std::u16string Cp1251ToUtf16(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

enum class TVlTextEncoding { Cp1251, Utf8 };

// File bytes -> UTF-8 text: UTF-8 when the bytes are valid UTF-8 with non-ASCII content, or when
// they begin with a UTF-8 BOM (dropped) and the rest is valid UTF-8; otherwise CP1251, so a CP1251
// text that happens to begin with the BOM's bytes ("п»ї") is read as it stands. Line ends are kept.
std::string DecodeFileText(std::string_view bytes, TVlTextEncoding *detected = nullptr);
// UTF-8 text -> file bytes that DecodeFileText reads back as the same text: CP1251 unless the text
// holds a character CP1251 cannot store (then UTF-8, no BOM) or its CP1251 bytes would be taken for
// UTF-8 (then UTF-8 behind a BOM), so nothing is lost.
std::string EncodeFileText(std::string_view utf8, TVlTextEncoding *used = nullptr);

// Every line end (CR LF, LF or a lone CR) becomes CR LF.
std::string ToCrLf(std::string_view text);

// ReadFileBytes + DecodeFileText.
std::string ReadTextFile(const std::string &path);
// CR LF line ends, encoded by EncodeFileText, written atomically.
void WriteTextFile(const std::string &path, std::string_view utf8Text);
