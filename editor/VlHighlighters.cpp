// Dispatch from a highlighter number to its token rules.
#include "VlHighlighters.h"

#include "VlHLLanguages.h"
#include "VlHLParser.h"

#include <algorithm>

namespace {
const char *const Captions[VlHighlighterCount] = {
    "Default", "Pascal", "CBuilder", "Sql", "Python", "Java", "JScript", "VB", "Html", "Perl",
    "Ini", "Coco/R", "PHP", "NQC", "C#"};
const char *const StorageNames[VlHighlighterCount + 1] = {
    "None", "Pascal", "CBuilder", "Sql", "Python", "Java", "JScript", "VB", "Html", "Perl",
    "Ini", "CocoR", "PHP", "NQC", "C#", "User Defined"};
} // namespace

QString VlHighlighterCaption(TVlHighlighter hl)
{
    const int i = static_cast<int>(hl);
    return i >= 0 && i < VlHighlighterCount ? QString::fromLatin1(Captions[i]) : QString();
}

QString VlHighlighterStorageName(int number)
{
    return number >= 0 && number <= VlHighlighterCount ? QString::fromLatin1(StorageNames[number]) : QString();
}

void VlColorLine(TVlHighlighter hl, QStringView line, TVlLongState start, TVlTokenClass *cells, int count)
{
    switch (hl) {
    case TVlHighlighter::hlNone:
        std::fill(cells, cells + count, TVlTokenClass::PlainText);
        return;
    case TVlHighlighter::hlPascal:
        VlColorPascalLine(line, start, cells, count);
        return;
    default:
        VlColorLanguageLine(hl, line, start, cells, count);
        return;
    }
}

TVlLongStates::TScanner VlLongStateScanner(TVlHighlighter hl)
{
    switch (hl) {
    case TVlHighlighter::hlNone:
        return {};
    case TVlHighlighter::hlPascal:
        return VlPascalScanLine;
    default:
        return VlLanguageScanner(hl);
    }
}
