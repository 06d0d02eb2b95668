// Fuzz target: any bytes read as a form file into real widgets (offscreen) end in a form or a
// clean read error, and whatever was read can be written back.
#include "VlFormWriter.h"
#include "VlForms.h"
#include "VlRegisterComponents.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication application(*argc, *argv);
    RegisterVlComponents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TForm form;
    try {
        LoadFormFromBytes(std::string_view(reinterpret_cast<const char *>(data), size), &form);
    } catch (const std::exception &) {
    }
    try {
        (void)WriteComponentToBinary(&form);
    } catch (const std::exception &) {
    }
    return 0;
}
