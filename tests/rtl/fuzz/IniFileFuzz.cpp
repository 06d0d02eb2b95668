// Fuzz target: any bytes read as an INI file parse without crashing, and writing is stable.
#include "rtl/VlCp1251.h"
#include "rtl/VlIniFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    TVlIniFile ini("");
    ini.SetText(DecodeFileText(bytes));
    const std::string once = ini.Text();
    // What we write, we read back to the same text.
    TVlIniFile again("");
    again.SetText(once);
    if (again.Text() != once)
        __builtin_trap();
    for (const std::string &section : ini.ReadSections()) {
        for (const std::string &key : ini.ReadSection(section))
            (void)ini.ReadInteger(section, key, 0);
    }
    // Whatever we encode for a file decodes to the same text.
    if (DecodeFileText(EncodeFileText(once)) != once && IsValidUtf8(once))
        __builtin_trap();
    return 0;
}
