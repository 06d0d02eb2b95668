// The word-list library libquillon.so, bound with dlopen; the built-in routines stand in when it
// cannot be loaded, so the text view works either way.
#pragma once

#include "VlWordList.h"

#include <string>

class TVlWordListLibrary {
public:
    TVlWordListLibrary() = default;
    ~TVlWordListLibrary();
    TVlWordListLibrary(const TVlWordListLibrary &) = delete;
    TVlWordListLibrary &operator=(const TVlWordListLibrary &) = delete;

    // The one library of the process, used by every text view.
    static TVlWordListLibrary &Instance();

    // Binds SearchFor and CheckListDelphi from the library file; on failure returns false, sets
    // error to a one-line reason and keeps the built-in routines.
    bool Load(const std::string &path, std::string &error);
    [[nodiscard]] bool IsLoaded() const { return FHandle != nullptr; }

    [[nodiscard]] int32_t SearchFor(const std::string &text, const std::string &pattern, int32_t start) const;
    [[nodiscard]] bool CheckListDelphi(const std::string &word) const;

private:
    void Unload();

    void *FHandle = nullptr;
    TVlSearchForFn FSearchFor = nullptr;
    TVlCheckWordFn FCheckListDelphi = nullptr;
};
