// The word-list routines the executable exports for plug-ins and other programs.
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

__attribute__((visibility("default"))) bool CheckList(const char *word)
{
    return VlWordList::CheckList(word ? word : "");
}

} // extern "C"
