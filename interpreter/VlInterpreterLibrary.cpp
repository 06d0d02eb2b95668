// Finding and opening the shared library an external routine names; Windows names ("x.dll")
// fall back to the shared libraries of this platform, in the program folder first.
#include "VlInterpreterForeign.h"

#include "VlInterpreterNames.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

std::string VlProgramFolder()
{
    char path[PATH_MAX];
    ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0)
        return {};
    std::string exe(path, static_cast<size_t>(size));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

std::vector<std::string> VlLibraryCandidates(const std::string &dllName, const std::string &programFolder)
{
    std::vector<std::string> names;
    if (dllName.empty())
        return names;
    names.push_back(dllName);
    constexpr std::string_view suffix = ".dll";
    if (dllName.size() <= suffix.size() ||
        !VlSameName(std::string_view(dllName).substr(dllName.size() - suffix.size()), suffix))
        return names;
    // A Windows path ("C:\Windows\System32\user32.dll") keeps only its file name.
    size_t folderEnd = dllName.find_last_of("/\\");
    size_t baseStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
    std::string base = dllName.substr(baseStart, dllName.size() - suffix.size() - baseStart);
    if (base.empty())
        return names;
    std::vector<std::string> bases{base};
    if (VlLowerName(base) != base)
        bases.push_back(VlLowerName(base));
    std::vector<std::string> folders;
    if (!programFolder.empty())
        folders.push_back(programFolder + "/");
    folders.emplace_back();  // the system's search path
    for (const std::string &folder : folders)
        for (const std::string &b : bases)
            for (const std::string &file : {"lib" + b + ".so", b + ".so"})
                if (std::find(names.begin(), names.end(), folder + file) == names.end())
                    names.push_back(folder + file);
    return names;
}

void *VlOpenLibrary(const std::string &dllName)
{
    // An empty name would open the program itself, whose every symbol no script declared.
    if (dllName.empty())
        return nullptr;
    if (void *handle = ::dlopen(dllName.c_str(), RTLD_NOW | RTLD_LOCAL))
        return handle;
    std::vector<std::string> names = VlLibraryCandidates(dllName, VlProgramFolder());
    for (size_t i = 1; i < names.size(); ++i)  // names[0] is dllName itself
        if (void *handle = ::dlopen(names[i].c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    return nullptr;
}
