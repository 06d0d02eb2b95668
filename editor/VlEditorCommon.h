// Types shared by the editor model and its views: positions, colours, token classes, commands.
#pragma once

#include "rtl/VlFontStyles.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// A place in the text: X is the 0-based column, Y the 0-based line.
struct TVlPos
{
    int X = 0;
    int Y = 0;
    friend bool operator==(const TVlPos &a, const TVlPos &b) = default;
    friend bool operator<(const TVlPos &a, const TVlPos &b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }
    friend bool operator<=(const TVlPos &a, const TVlPos &b) { return !(b < a); }
};

// A colour as the settings store and the rest of the program write it: 0x00BBGGRR for an RGB
// colour, 0xFF0000nn for a system colour of the desktop's palette (resolved by the view).
using TColor = std::int32_t;

namespace VlColors {
inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
    clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000,
    clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00,
    clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor clBtnFace = clSystemColor | 15, clHighlight = clSystemColor | 13,
    clHighlightText = clSystemColor | 14, clWindow = clSystemColor | 5,
    clWindowText = clSystemColor | 8;
inline constexpr TColor clNone = 0x1FFFFFFF;

// "clNavy" for a named colour, otherwise "$" and eight hexadecimal digits.
QString ColorToString(TColor color);
// Reads what ColorToString writes (and plain or "$"-prefixed numbers); false when it cannot.
bool StringToColor(const QString &text, TColor &color);
} // namespace VlColors

struct TVlSymbolColor
{
    TColor ForeColor = VlColors::clWindowText;
    TColor BackColor = VlColors::clWindow;
    std::uint8_t Style = 0;
    friend bool operator==(const TVlSymbolColor &, const TVlSymbolColor &) = default;
};

// Token colour classes; the order is that of the colour records.
enum class TVlTokenClass : std::uint8_t {
    Comment, Reserved, Identifier, Symbol, Strings, Number, Preproc, PlainText,
    FunctionCall, Declaration, Statement
};
inline constexpr int VlTokenClassCount = 11;

struct TVlColors
{
    TVlSymbolColor Items[VlTokenClassCount];
    TVlSymbolColor &operator[](TVlTokenClass c) { return Items[static_cast<int>(c)]; }
    const TVlSymbolColor &operator[](TVlTokenClass c) const { return Items[static_cast<int>(c)]; }
    friend bool operator==(const TVlColors &, const TVlColors &) = default;
    // The colours the main window gives the source editor.
    static TVlColors MainWindowDefaults();
};

// The languages of the highlighter selector, numbered as the selector lists them.
enum class TVlHighlighter : int {
    hlNone, hlPascal, hlCBuilder, hlSql, hlPython, hlJava, hlJScript, hlVB, hlHtml, hlPerl,
    hlIni, hlCocoR, hlPhp, hlNqc, hlCSharp
};
inline constexpr int VlHighlighterCount = 15;

// Long-comment state of a line start; Rescan marks a state that must be computed before use.
enum class TVlLongState : std::uint8_t {
    None, BraceComment, ParenComment, BraceDirective, ParenDirective, Rescan
};

enum class TVlSelectionMode : std::uint8_t { Normal, Line, Column, Inclusive };

// Editor commands, numbered as scripts see them.
enum TVlCommand : int {
    ecNone = 0, ecChar = 1, // ecChar carries the typed text separately
    ecCommandFirst = 256,
    ecLeft = 257, ecRight, ecUp, ecDown,
    ecSelLeft = 265, ecSelRight, ecSelUp, ecSelDown,
    ecPrevWord = 269, ecNextWord, ecSelPrevWord, ecSelNextWord, ecSelWord, ecWindowTop,
    ecWindowBottom, ecPrevPage, ecNextPage, ecSelPrevPage, ecSelNextPage, ecBeginLine, ecEndLine,
    ecBeginDoc, ecEndDoc, ecSelBeginLine, ecSelEndLine, ecSelBeginDoc, ecSelEndDoc, ecSelAll,
    ecScrollLineUp = 289, ecScrollLineDown = 290,
    // Commands with no script number of their own live in this private range.
    ecColumnSelLeft = 300, ecColumnSelRight, ecColumnSelUp, ecColumnSelDown, ecDeleteWordLeft,
    ecNormalSelect, ecLineSelect, ecColumnSelect, ecInclusiveSelect,
    ecInsertPara = 377, ecBackspace, ecDelete, ecChangeInsertMode, ecTab, ecBackTab, ecIndent,
    ecUnindent,
    ecDeleteSelected = 387, ecClipboardCopy, ecClipboardCut, ecClipBoardPaste, ecDeleteLine,
    ecDeleteWord, ecToUpperCase, ecToLowerCase, ecChangeCase, ecUndo, ecRedo, ecBeginCompound,
    ecEndCompound, ecBeginUpdate, ecEndUpdate,
    ecSetBookmark0 = 402, ecGotoBookmark0 = 412,
    ecCompletionIdentifiers = 422, ecCompletionTemplates, ecRecordMacro, ecPlayMacro,
    ecBeginRecord, ecEndRecord,
    ecUser = 32768
};

// Characters that end a word for the word at the caret, word pairs and completion.
bool VlIsWordSeparator(QChar c);

// Tab stops written as 1-based columns separated by blanks ("3 5").
class TVlTabStops
{
public:
    explicit TVlTabStops(const QString &text = QStringLiteral("3 5"));
    const QString &Text() const { return fText; }
    // 0-based column of the next stop after column x.
    int NextStop(int x) const;
    // 0-based column of the previous stop before column x (0 when none).
    int PrevStop(int x) const;
    // Blanks a tab character stands for in text entering the editor.
    int TabWidth() const;

private:
    QString fText;
    std::vector<int> fStops; // 0-based, ascending
};
