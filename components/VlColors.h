// Colours, cursors and font character sets as integers with their Delphi identifiers.
#pragma once

#include <QColor>
#include <Qt>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// $00BBGGRR for plain colours; system colours have the high bit set and the palette index below.
using TColor = int32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clLtGray = clSilver, clDkGray = clGray, clMoneyGreen = 0xC0DCC0,
                 clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0,
                 clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor VlSystemColor(int index) { return static_cast<TColor>(0x80000000u | unsigned(index)); }
constexpr TColor clScrollBar = VlSystemColor(0), clBackground = VlSystemColor(1),
                 clActiveCaption = VlSystemColor(2), clInactiveCaption = VlSystemColor(3),
                 clMenu = VlSystemColor(4), clWindow = VlSystemColor(5),
                 clWindowFrame = VlSystemColor(6), clMenuText = VlSystemColor(7),
                 clWindowText = VlSystemColor(8), clCaptionText = VlSystemColor(9),
                 clActiveBorder = VlSystemColor(10), clInactiveBorder = VlSystemColor(11),
                 clAppWorkSpace = VlSystemColor(12), clHighlight = VlSystemColor(13),
                 clHighlightText = VlSystemColor(14), clBtnFace = VlSystemColor(15),
                 clBtnShadow = VlSystemColor(16), clGrayText = VlSystemColor(17),
                 clBtnText = VlSystemColor(18), clInactiveCaptionText = VlSystemColor(19),
                 clBtnHighlight = VlSystemColor(20), cl3DDkShadow = VlSystemColor(21),
                 cl3DLight = VlSystemColor(22), clInfoText = VlSystemColor(23),
                 clInfoBk = VlSystemColor(24), clHotLight = VlSystemColor(26),
                 clGradientActiveCaption = VlSystemColor(27),
                 clGradientInactiveCaption = VlSystemColor(28), clMenuHighlight = VlSystemColor(29),
                 clMenuBar = VlSystemColor(30);

// System colours resolve to one fixed light theme, so drawings look the same on every desktop.
QColor ColorToQColor(TColor color);
// The nearest plain colour ($00BBGGRR) of a Qt colour.
TColor QColorToColor(const QColor &color);
// 0..255 components of a colour after resolving system colours.
int GetRValue(TColor color);
int GetGValue(TColor color);
int GetBValue(TColor color);
constexpr TColor RGB(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

// Identifier <-> value maps used by form files and scripts ("clBtnFace", "crHandPoint", ...).
// Identifiers compare ignoring letter case; an unknown identifier gives no value.
std::optional<int32_t> IdentToColor(std::string_view ident);
std::optional<std::string> ColorToIdent(TColor color);
std::optional<int32_t> IdentToCursor(std::string_view ident);
std::optional<std::string> CursorToIdent(int32_t cursor);
std::optional<int32_t> IdentToCharset(std::string_view ident);
std::optional<std::string> CharsetToIdent(int32_t charset);

// Text of a colour for form files and the property grid: its identifier, else "$00BBGGRR".
std::string ColorToString(TColor color);
// Parses an identifier, a decimal or a "$" hex number; false when it is none of these.
bool StringToColor(std::string_view text, TColor &color);

using TCursor = int32_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                  crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22, crSize = -22;
Qt::CursorShape CursorToQtShape(TCursor cursor);

using TFontCharset = int32_t;
constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, RUSSIAN_CHARSET = 204;

// Every colour, cursor and character-set identifier with its value, in table order.
std::vector<std::pair<std::string, int32_t>> ColorIdentList();
std::vector<std::pair<std::string, int32_t>> CursorIdentList();
std::vector<std::pair<std::string, int32_t>> CharsetIdentList();

// Makes "clBtnFace", "crHandPoint" and "RUSSIAN_CHARSET" readable in form files (types TColor,
// TCursor, TFontCharset).
void RegisterGraphicsIdents();
