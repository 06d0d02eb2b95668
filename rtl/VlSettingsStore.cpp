// Named settings over an INI file: "TRUE"/"FALSE" booleans, decimal integers, defaults when missing.
#include "VlSettingsStore.h"

#include <algorithm>

namespace {

std::string UpperAscii(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return out;
}

} // namespace

TVlSettingsStore::TVlSettingsStore(std::string fileName, std::string rootPath)
    : FIni(std::move(fileName))
    , FRootPath(std::move(rootPath))
{
}

TVlSettingsStore::TLocation TVlSettingsStore::Locate(std::string_view name) const
{
    const std::string path = FRootPath.empty() ? std::string(name) : FRootPath + "\\" + std::string(name);
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

std::string TVlSettingsStore::ReadString(std::string_view name, std::string_view defaultValue) const
{
    const TLocation at = Locate(name);
    return FIni.ReadString(at.Section, at.Key, defaultValue);
}

long long TVlSettingsStore::ReadInteger(std::string_view name, long long defaultValue) const
{
    const TLocation at = Locate(name);
    return FIni.ReadInteger(at.Section, at.Key, defaultValue);
}

bool TVlSettingsStore::ReadBoolean(std::string_view name, bool defaultValue) const
{
    const std::string value = UpperAscii(ReadString(name, ""));
    if (value == "TRUE" || value == "YES" || value == "Y")
        return true;
    if (value == "FALSE" || value == "NO" || value == "N")
        return false;
    return defaultValue;
}

bool TVlSettingsStore::ValueExists(std::string_view name) const
{
    const TLocation at = Locate(name);
    return FIni.ValueExists(at.Section, at.Key);
}

void TVlSettingsStore::WriteString(std::string_view name, std::string_view value)
{
    const TLocation at = Locate(name);
    FIni.WriteString(at.Section, at.Key, value);
}

void TVlSettingsStore::WriteInteger(std::string_view name, long long value)
{
    WriteString(name, std::to_string(value));
}

void TVlSettingsStore::WriteBoolean(std::string_view name, bool value)
{
    WriteString(name, value ? "TRUE" : "FALSE");
}

void TVlSettingsStore::DeleteValue(std::string_view name)
{
    const TLocation at = Locate(name);
    FIni.DeleteKey(at.Section, at.Key);
}

void TVlSettingsStore::Save()
{
    if (FIni.Modified())
        FIni.UpdateFile();
}
