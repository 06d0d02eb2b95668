// libquillon.so: the in-house word-list library the text view loads at start.
#include "VlWordList.h"

extern "C" {

__attribute__((visibility("default"))) int32_t SearchFor(const char *text, const char *pattern,
                                                         int32_t start)
{
    return VlWordList::SearchFor(text ? text : "", pattern ? pattern : "", start);
}

__attribute__((visibility("default"))) bool CheckListDelphi(const char *word)
{
    return VlWordList::CheckListDelphi(word ? word : "");
}

} // extern "C"
