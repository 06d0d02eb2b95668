// Fuzz targets whose parser reads a file: the input goes to one private temporary file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// A file in a private folder made once per process, rewritten with each input; its path.
inline std::string VlFuzzWriteTempFile(const uint8_t *data, size_t size, const char *name)
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/vl-fuzz-XXXXXX";
        const char *made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return std::string(made);
    }();
    const std::string path = folder + "/" + name;
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    return path;
}
