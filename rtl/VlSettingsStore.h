// Named settings over an INI file: "TRUE"/"FALSE" booleans, decimal integers, defaults when missing.
#pragma once

#include "VlIniFile.h"

#include <string>
#include <string_view>

// Every value has a path made of the store's root path, a backslash and the value's name
// ("Test" + "ShowCmd" -> "Test\ShowCmd"); the INI section is the part of the path before its last
// backslash and the key the part after it, so names may carry their own sub-paths ("Colors\Pascal").
class TVlSettingsStore {
public:
    // Reads `fileName` when it exists. Throws EVlFileError when it exists but cannot be read.
    explicit TVlSettingsStore(std::string fileName, std::string rootPath = "Test");

    const std::string &FileName() const { return FIni.FileName(); }
    const std::string &RootPath() const { return FRootPath; }

    std::string ReadString(std::string_view name, std::string_view defaultValue) const;
    long long ReadInteger(std::string_view name, long long defaultValue) const;
    // True for "TRUE", "YES", "Y"; false for "FALSE", "NO", "N" (any letter case); otherwise the default.
    bool ReadBoolean(std::string_view name, bool defaultValue) const;
    bool ValueExists(std::string_view name) const;

    void WriteString(std::string_view name, std::string_view value);
    void WriteInteger(std::string_view name, long long value);
    // Written as "TRUE" or "FALSE".
    void WriteBoolean(std::string_view name, bool value);
    void DeleteValue(std::string_view name);

    // Writes the file when something changed (atomically). Throws EVlFileError.
    void Save();
    TVlIniFile &IniFile() { return FIni; }

private:
    struct TLocation {
        std::string Section;
        std::string Key;
    };
    TLocation Locate(std::string_view name) const;

    TVlIniFile FIni;
    std::string FRootPath;
};
