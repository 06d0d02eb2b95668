// The highlighters of the selector: line colouring and long-comment scanning by language.
#pragma once

#include "VlEditorCommon.h"
#include "VlLongStates.h"

// The selector's caption ("Pascal", "Coco/R") and the settings group name ("Pascal", "CocoR").
QString VlHighlighterCaption(TVlHighlighter hl);
QString VlHighlighterStorageName(int number); // 0..15, 15 is "User Defined"

// Colours the first `count` cells of a line beginning in the given long-comment state.
void VlColorLine(TVlHighlighter hl, QStringView line, TVlLongState start, TVlTokenClass *cells, int count);

// The scanner that carries multi-line comments over lines (empty for languages without them).
TVlLongStates::TScanner VlLongStateScanner(TVlHighlighter hl);
