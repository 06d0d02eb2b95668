// The word-list library libquillon.so, bound with dlopen.
#include "VlWordListLibrary.h"

#include <dlfcn.h>

TVlWordListLibrary::~TVlWordListLibrary()
{
    Unload();
}

TVlWordListLibrary &TVlWordListLibrary::Instance()
{
    static TVlWordListLibrary library;
    return library;
}

bool TVlWordListLibrary::Load(const std::string &path, std::string &error)
{
    Unload();
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *reason = dlerror();
        error = reason ? reason : "cannot load " + path;
        return false;
    }
    auto searchFor = reinterpret_cast<TVlSearchForFn>(dlsym(handle, "SearchFor"));
    auto checkListDelphi = reinterpret_cast<TVlCheckWordFn>(dlsym(handle, "CheckListDelphi"));
    if (!searchFor || !checkListDelphi) {
        error = path + ": SearchFor or CheckListDelphi is missing";
        dlclose(handle);
        return false;
    }
    FHandle = handle;
    FSearchFor = searchFor;
    FCheckListDelphi = checkListDelphi;
    return true;
}

void TVlWordListLibrary::Unload()
{
    if (FHandle)
        dlclose(FHandle);
    FHandle = nullptr;
    FSearchFor = nullptr;
    FCheckListDelphi = nullptr;
}

int32_t TVlWordListLibrary::SearchFor(const std::string &text, const std::string &pattern, int32_t start) const
{
    return FSearchFor ? FSearchFor(text.c_str(), pattern.c_str(), start)
                      : VlWordList::SearchFor(text, pattern, start);
}

bool TVlWordListLibrary::CheckListDelphi(const std::string &word) const
{
    return FCheckListDelphi ? FCheckListDelphi(word.c_str()) : VlWordList::CheckListDelphi(word);
}
