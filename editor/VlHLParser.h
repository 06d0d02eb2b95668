// The Pascal line tokenizer, the Pascal colouring of one line and the long-comment line scanner.
#pragma once

#include "VlEditorCommon.h"

// Only this many characters of a line get their own colour.
inline constexpr int VlMaxColoredCells = 1024;

// A token of one line: characters [Start, End).
struct TVlToken
{
    int Start = 0;
    int End = 0;
};

// Splits one line into tokens; comments are tokens too.
class TVlIParser
{
public:
    explicit TVlIParser(QStringView line, int from = 0) : fLine(line), fPos(from) {}
    bool Next(TVlToken &token);

private:
    QStringView fLine;
    int fPos;
};

bool VlIsPascalReserved(QStringView word);

// The long-comment state at the end of a line that begins in the given state.
TVlLongState VlPascalScanLine(QStringView line, TVlLongState start);

// Colours the first `count` cells of a line that begins in the given state.
void VlColorPascalLine(QStringView line, TVlLongState start, TVlTokenClass *cells, int count);
