// An INI file held in memory: sections of "key=value" lines, read and written as a whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Section and key names compare without regard to ASCII letter case, as INI files always have.
// Text is UTF-8 in memory; the file is read and written by the rules of VlCp1251.h (CP1251 unless a
// character needs UTF-8, CR LF line ends). Lines that are not "key=value" (comments, blanks) are kept.
class TVlIniFile {
public:
    // Reads the file when it exists; a missing file gives an empty INI. Throws EVlFileError when the
    // file exists but cannot be read.
    explicit TVlIniFile(std::string fileName);

    const std::string &FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // Decimal (or "0x"/"$" hexadecimal) integer; the default when missing or not a number.
    long long ReadInteger(std::string_view section, std::string_view key, long long defaultValue) const;
    // "0" is false, any other number true; the default when missing or not a number.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, long long value);
    // Written as "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const; // key names in file order
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // The file's text: "[Section]" lines followed by their lines, a blank line between sections,
    // every line ended by CR LF.
    std::string Text() const;
    void SetText(std::string_view text);

    // True when something changed since the file was read or written.
    bool Modified() const { return FModified; }
    // Writes the whole file atomically (temporary file + rename). Throws EVlFileError.
    void UpdateFile();

private:
    struct TLine {
        std::string Key;  // empty for lines that are not "key=value"
        std::string Text; // the whole line as read, or "key=value" as written
    };
    struct TSection {
        std::string Name;
        std::vector<TLine> Lines;
    };

    const TSection *FindSection(std::string_view name) const;
    TSection *FindSection(std::string_view name);
    static const TLine *FindLine(const TSection &section, std::string_view key);

    std::string FFileName;
    std::vector<TSection> FSections; // a first section with an empty name holds lines before any header
    bool FModified = false;
};
