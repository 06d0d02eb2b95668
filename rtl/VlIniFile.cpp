// An INI file held in memory: sections of "key=value" lines, read and written as a whole.
#include "VlIniFile.h"

#include "VlCp1251.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <utility>

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string_view Trim(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The key of a "key=value" line, or empty for comments and other lines.
std::string KeyOf(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return {};
    const size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return {};
    return std::string(Trim(trimmed.substr(0, eq)));
}

// Decimal, or hexadecimal after "0x" or "$", with an optional sign; false for anything else.
bool ParseInteger(std::string_view text, long long &value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

std::string_view ValueOf(std::string_view line)
{
    return Trim(line.substr(line.find('=') + 1));
}

} // namespace

TVlIniFile::TVlIniFile(std::string fileName)
    : FFileName(std::move(fileName))
{
    std::error_code error;
    if (!FFileName.empty() && std::filesystem::exists(FFileName, error))
        SetText(ReadTextFile(FFileName));
    FModified = false;
}

const TVlIniFile::TSection *TVlIniFile::FindSection(std::string_view name) const
{
    for (const TSection &section : FSections) {
        if (SameName(section.Name, name))
            return &section;
    }
    return nullptr;
}

TVlIniFile::TSection *TVlIniFile::FindSection(std::string_view name)
{
    return const_cast<TSection *>(std::as_const(*this).FindSection(name));
}

const TVlIniFile::TLine *TVlIniFile::FindLine(const TSection &section, std::string_view key)
{
    for (const TLine &line : section.Lines) {
        if (!line.Key.empty() && SameName(line.Key, key))
            return &line;
    }
    return nullptr;
}

std::string TVlIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const TSection *found = FindSection(section);
    const TLine *line = found ? FindLine(*found, key) : nullptr;
    return std::string(line ? ValueOf(line->Text) : defaultValue);
}

long long TVlIniFile::ReadInteger(std::string_view section, std::string_view key, long long defaultValue) const
{
    long long value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool TVlIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    long long value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value != 0 : defaultValue;
}

void TVlIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    TSection *target = FindSection(section);
    if (!target)
        target = &FSections.emplace_back(TSection{std::string(section), {}});
    const std::string text = std::string(key) + "=" + std::string(value);
    auto line = std::find_if(target->Lines.begin(), target->Lines.end(),
                             [key](const TLine &l) { return !l.Key.empty() && SameName(l.Key, key); });
    if (line != target->Lines.end()) {
        if (line->Text == text)
            return;
        line->Text = text;
    } else {
        // New keys go after the section's last key, before trailing blank lines and comments.
        auto insertAt = target->Lines.end();
        while (insertAt != target->Lines.begin() && std::prev(insertAt)->Key.empty())
            --insertAt;
        target->Lines.insert(insertAt, TLine{std::string(key), text});
    }
    FModified = true;
}

void TVlIniFile::WriteInteger(std::string_view section, std::string_view key, long long value)
{
    WriteString(section, key, std::to_string(value));
}

void TVlIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool TVlIniFile::SectionExists(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

bool TVlIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    const TSection *found = FindSection(section);
    return found && FindLine(*found, key);
}

std::vector<std::string> TVlIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const TSection &section : FSections) {
        if (!section.Name.empty())
            names.push_back(section.Name);
    }
    return names;
}

std::vector<std::string> TVlIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const TSection *found = FindSection(section)) {
        for (const TLine &line : found->Lines) {
            if (!line.Key.empty())
                keys.push_back(line.Key);
        }
    }
    return keys;
}

void TVlIniFile::EraseSection(std::string_view section)
{
    const auto before = FSections.size();
    std::erase_if(FSections, [section](const TSection &s) { return !s.Name.empty() && SameName(s.Name, section); });
    FModified = FModified || FSections.size() != before;
}

void TVlIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    if (TSection *found = FindSection(section)) {
        const auto removed = std::erase_if(found->Lines, [key](const TLine &l) { return !l.Key.empty() && SameName(l.Key, key); });
        FModified = FModified || removed > 0;
    }
}

std::string TVlIniFile::Text() const
{
    std::string text;
    for (const TSection &section : FSections) {
        if (section.Name.empty() && section.Lines.empty())
            continue;
        if (!text.empty())
            text += "\r\n";
        if (!section.Name.empty())
            text += "[" + section.Name + "]\r\n";
        for (const TLine &line : section.Lines)
            text += line.Text + "\r\n";
    }
    return text;
}

void TVlIniFile::SetText(std::string_view text)
{
    FSections.clear();
    TSection *current = nullptr;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
        const std::string_view trimmed = Trim(line);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            const std::string_view name = Trim(trimmed.substr(1, trimmed.size() - 2));
            current = FindSection(name);
            if (!current)
                current = &FSections.emplace_back(TSection{std::string(name), {}});
            continue;
        }
        if (!current)
            current = &FSections.emplace_back(TSection{std::string(), {}});
        current->Lines.push_back(TLine{KeyOf(line), std::string(line)});
    }
    // Blank lines that only separated sections are written back by Text(); drop them here.
    for (TSection &section : FSections) {
        while (!section.Lines.empty() && Trim(section.Lines.back().Text).empty())
            section.Lines.pop_back();
    }
    FModified = true;
}

void TVlIniFile::UpdateFile()
{
    WriteFileBytesAtomically(FFileName, EncodeFileText(Text()));
    FModified = false;
}
