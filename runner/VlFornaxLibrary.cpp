// The expression compiler library, bound with dlopen.
#include "VlFornaxLibrary.h"

#include <dlfcn.h>

TVlFornaxLibrary::~TVlFornaxLibrary()
{
    if (FHandle)
        dlclose(FHandle);
}

bool TVlFornaxLibrary::Load(const std::string &path, std::string &error)
{
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *reason = dlerror();
        error = reason ? reason : "cannot load " + path;
        return false;
    }
    auto prepare = reinterpret_cast<double (*)(const char *)>(dlsym(handle, "Prepare"));
    auto routine = reinterpret_cast<TFornaxRoutine (*)()>(dlsym(handle, "CompiledRoutine"));
    auto input = reinterpret_cast<double *(*)()>(dlsym(handle, "InputVariable"));
    auto output = reinterpret_cast<double *(*)()>(dlsym(handle, "OutputVariable"));
    if (!prepare || !routine || !input || !output) {
        error = path + ": Prepare, CompiledRoutine, InputVariable or OutputVariable is missing";
        dlclose(handle);
        return false;
    }
    if (FHandle)
        dlclose(FHandle);
    FHandle = handle;
    FPrepare = prepare;
    FCompiledRoutine = routine;
    FInputVariable = input;
    FOutputVariable = output;
    return true;
}
