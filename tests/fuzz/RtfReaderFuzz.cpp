// Fuzz target: the RTF reader must accept or reject any bytes without crashing or hanging.
#include "VlRtfDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const TVlRtfDocument document = ReadRtf(std::string_view(reinterpret_cast<const char *>(data), size));
        (void)WriteRtf(document);
    } catch (const EVlRtfError &) {
    }
    return 0;
}
