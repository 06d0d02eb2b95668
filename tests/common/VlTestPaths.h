// Where tests find their golden files and the staged program folder (set by CTest).
#pragma once

#include <cstdlib>
#include <string>

inline std::string VlTestDataDir()
{
    const char *dir = std::getenv("VL_TEST_DATA_DIR");
    return dir ? dir : "tests/data";
}

inline std::string VlProgramDir()
{
    const char *dir = std::getenv("VL_PROGRAM_DIR");
    return dir ? dir : "build/bin";
}
