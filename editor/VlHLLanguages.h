// Token rules of the languages other than Pascal, driven by one table, and the preview samples.
#pragma once

#include "VlEditorCommon.h"
#include "VlLongStates.h"

void VlColorLanguageLine(TVlHighlighter hl, QStringView line, TVlLongState start, TVlTokenClass *cells, int count);
TVlLongStates::TScanner VlLanguageScanner(TVlHighlighter hl);

// The preview sample sections: "[Pascal]" and its lines, "[Sql]" and its lines, and so on.
QStringList VlHighlighterSamples();
// The lines of one section of a sample list (section names compared without regard to case).
QStringList VlSampleSection(const QStringList &samples, const QString &caption);
