// Fuzz target: any bytes given to the text form reader end in a binary stream or a clean error.
#include "VlFormText.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const std::string binary = ObjectTextToBinary(std::string_view(reinterpret_cast<const char *>(data), size));
        // What the parser produced must convert back to text.
        ObjectBinaryToText(binary);
    } catch (const std::exception &) {
    }
    return 0;
}
