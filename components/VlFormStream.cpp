// Resource headers and format detection of form files.
#include "VlFormStream.h"

#include "VlExceptions.h"
#include "VlFormText.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view Signature = "TPF0";

[[noreturn]] void InvalidFormat()
{
    throw EReadError("Invalid stream format");
}

// The root object's class name: after the signature and an optional flags prefix.
std::string RootClassName(std::string_view binary)
{
    size_t pos = Signature.size();
    if (pos < binary.size() && (static_cast<uint8_t>(binary[pos]) & 0xF0) == 0xF0) {
        const uint8_t flags = static_cast<uint8_t>(binary[pos++]) & 0x0F;
        if (flags & 2) { // child position: an integer value follows
            if (pos >= binary.size())
                InvalidFormat();
            const uint8_t tag = static_cast<uint8_t>(binary[pos++]);
            pos += tag == 2 ? 1 : tag == 3 ? 2 : tag == 4 ? 4 : tag == 19 ? 8 : 0;
        }
    }
    if (pos >= binary.size())
        InvalidFormat();
    const size_t length = static_cast<uint8_t>(binary[pos]);
    if (pos + 1 + length > binary.size())
        InvalidFormat();
    return std::string(binary.substr(pos + 1, length));
}

} // namespace

TFormFileFormat DetectFormFileFormat(std::string_view bytes)
{
    if (bytes.empty())
        return TFormFileFormat::Unknown;
    const auto first = static_cast<uint8_t>(bytes[0]);
    if (first == 0xFF || bytes.substr(0, 4) == Signature)
        return TFormFileFormat::Binary;
    switch (first) {
    case '\t':
    case '\n':
    case '\v':
    case '\r':
    case ' ':
    case 'o':
    case 'O':
    case 'i':
    case 'I':
    case 0xEF: // UTF-8 byte order mark
        return TFormFileFormat::Text;
    default:
        return TFormFileFormat::Unknown;
    }
}

std::string AddResourceHeader(std::string_view binary)
{
    if (binary.substr(0, 4) != Signature)
        InvalidFormat();
    std::string name = RootClassName(binary).substr(0, 63);
    for (char &c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    std::string header;
    header += '\xFF';
    header += '\x0A';
    header += '\x00';
    header += name;
    header += '\0';
    header += '\x30';
    header += '\x10';
    const uint32_t size = static_cast<uint32_t>(binary.size());
    char sizeBytes[4];
    std::memcpy(sizeBytes, &size, 4);
    header.append(sizeBytes, 4);
    return header + std::string(binary);
}

std::string_view SkipResourceHeader(std::string_view bytes)
{
    if (bytes.substr(0, 4) == Signature)
        return bytes;
    if (bytes.size() < 3 || static_cast<uint8_t>(bytes[0]) != 0xFF || bytes[1] != '\x0A' || bytes[2] != '\0')
        InvalidFormat();
    const size_t nameEnd = bytes.find('\0', 3);
    if (nameEnd == std::string_view::npos || nameEnd + 7 > bytes.size())
        InvalidFormat();
    const std::string_view stream = bytes.substr(nameEnd + 7);
    if (stream.substr(0, 4) != Signature)
        InvalidFormat();
    return stream;
}

std::string FormFileToBinary(std::string_view bytes)
{
    switch (DetectFormFileFormat(bytes)) {
    case TFormFileFormat::Binary:
        return std::string(SkipResourceHeader(bytes));
    case TFormFileFormat::Text:
        return ObjectTextToBinary(bytes);
    case TFormFileFormat::Unknown:
        break;
    }
    InvalidFormat();
}

void AppendClipboardRecord(std::string &block, std::string_view binary)
{
    const int64_t count = static_cast<int64_t>(binary.size());
    char countBytes[8];
    std::memcpy(countBytes, &count, 8);
    block.append(countBytes, 8);
    block.append(binary);
}

std::vector<std::string> SplitClipboardRecords(std::string_view block)
{
    std::vector<std::string> records;
    size_t pos = 0;
    while (pos < block.size()) {
        int64_t count = 0;
        if (block.size() - pos < 8)
            throw EReadError("Stream read error");
        std::memcpy(&count, block.data() + pos, 8);
        pos += 8;
        if (count < 0 || static_cast<uint64_t>(count) > block.size() - pos)
            throw EReadError("Stream read error");
        records.emplace_back(block.substr(pos, static_cast<size_t>(count)));
        pos += static_cast<size_t>(count);
    }
    return records;
}
