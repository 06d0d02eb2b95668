// Per-highlighter colour settings in the settings store: reading with defaults, writing back.
#pragma once

#include "VlEditorCommon.h"

class TVlSettingsStore;

struct TVlHighlighterColors
{
    TColor BackColor = VlColors::clWindow;
    QString FontName = QStringLiteral("Courier New");
    int Charset = 1;
    int FontSize = 10;
    TColor RightMarginColor = VlColors::clSilver;
    TVlColors Colors;
};

// The colours a highlighter gets when nothing is stored for it.
TVlHighlighterColors VlDefaultHighlighterColors();

// "clNavy, clWindow, 2": fore colour, back colour and style bits.
QString VlColorRecordText(const TVlSymbolColor &color);
// Parts are split at commas and trimmed; an empty or unreadable part keeps its default.
TVlSymbolColor VlParseColorRecord(const QString &text, const TVlSymbolColor &defaults);

// The settings key of a colour class ("Comment", "Strings", "Preproc", ...).
QString VlColorRecordKey(TVlTokenClass cls);

// Values live under the highlighter's storage name followed directly by the key ("PascalComment").
TVlHighlighterColors VlReadHighlighterColors(const TVlSettingsStore &store, int highlighter);
void VlWriteHighlighterColors(TVlSettingsStore &store, int highlighter, const TVlHighlighterColors &colors);
