// The expression compiler libfornax.so, bound with dlopen when the window starts.
#pragma once

#include "fornax/Fornax.h"

#include <string>

class TVlFornaxLibrary {
public:
    TVlFornaxLibrary() = default;
    ~TVlFornaxLibrary();
    TVlFornaxLibrary(const TVlFornaxLibrary &) = delete;
    TVlFornaxLibrary &operator=(const TVlFornaxLibrary &) = delete;

    // Binds the library's routines; on failure returns false with a one-line reason in error.
    bool Load(const std::string &path, std::string &error);
    [[nodiscard]] bool IsLoaded() const { return FHandle != nullptr; }

    // The library's routines; only while loaded.
    double Prepare(const std::string &text) const { return FPrepare(text.c_str()); }
    [[nodiscard]] TFornaxRoutine Routine() const { return FCompiledRoutine(); }
    double &Input() const { return *FInputVariable(); }
    double &Output() const { return *FOutputVariable(); }

private:
    void *FHandle = nullptr;
    double (*FPrepare)(const char *) = nullptr;
    TFornaxRoutine (*FCompiledRoutine)() = nullptr;
    double *(*FInputVariable)() = nullptr;
    double *(*FOutputVariable)() = nullptr;
};
