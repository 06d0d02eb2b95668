// The eleven settings of the settings dialog kept in Config.ini.
#include "OptionsFormConfig.h"

#include "rtl/VlIniFile.h"

const std::array<TVlOptionKey, OptionCount> &OptionKeys()
{
    static const std::array<TVlOptionKey, OptionCount> keys = {{
        {TVlOption::Log, "General", "Log", true},
        {TVlOption::Editor, "General", "Editor", true},
        {TVlOption::StatusBar, "General", "StatusBar", true},
        {TVlOption::RectPanel, "General", "RectPanel", true},
        {TVlOption::MagnetForm, "General", "MagnetForm", false},
        {TVlOption::InsertMode, "Other", "InsertMode", true},
        {TVlOption::PrintMode, "Other", "PrintMode", true},
        {TVlOption::AutoPlugins, "Other", "AutoPlugins", true},
        {TVlOption::DefaultMode, "Editor", "DefaultMode", true},
        {TVlOption::PlainMode, "Editor", "PlainMode", false},
        {TVlOption::RichMode, "Editor", "RichMode", false},
    }};
    return keys;
}

TVlOptionValues DefaultOptionValues()
{
    TVlOptionValues values{};
    for (const TVlOptionKey &key : OptionKeys())
        values[static_cast<int>(key.Option)] = key.Default;
    return values;
}

TVlOptionValues ReadOptionValues(const TVlIniFile &ini)
{
    TVlOptionValues values{};
    for (const TVlOptionKey &key : OptionKeys())
        values[static_cast<int>(key.Option)] = ini.ReadBool(key.Section, key.Key, key.Default);
    return values;
}

void WriteOptionValues(TVlIniFile &ini, const TVlOptionValues &values)
{
    for (const TVlOptionKey &key : OptionKeys())
        ini.WriteBool(key.Section, key.Key, values[static_cast<int>(key.Option)]);
}
