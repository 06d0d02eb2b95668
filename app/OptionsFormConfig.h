// The eleven settings of the settings dialog kept in Config.ini: sections, keys and defaults.
#pragma once

#include <array>
#include <string>

class TVlIniFile;

enum class TVlOption {
    Log, Editor, StatusBar, RectPanel, MagnetForm, InsertMode, PrintMode, AutoPlugins,
    DefaultMode, PlainMode, RichMode,
};
inline constexpr int OptionCount = 11;

struct TVlOptionKey {
    TVlOption Option;
    const char *Section;
    const char *Key;
    bool Default;
};

// In the order they are read and written.
[[nodiscard]] const std::array<TVlOptionKey, OptionCount> &OptionKeys();

using TVlOptionValues = std::array<bool, OptionCount>; // indexed by TVlOption

[[nodiscard]] TVlOptionValues DefaultOptionValues();
// A missing or non-integer value gives the default; any non-zero integer is true.
[[nodiscard]] TVlOptionValues ReadOptionValues(const TVlIniFile &ini);
// Booleans are written as "1" and "0".
void WriteOptionValues(TVlIniFile &ini, const TVlOptionValues &values);
