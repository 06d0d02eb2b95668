// Colours, cursors and font character sets as integers with their Delphi identifiers.
#include "VlColors.h"

#include "VlIntegerConsts.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace {

struct TIdentEntry {
    int32_t Value;
    const char *Name;
};

constexpr TIdentEntry ColorIdents[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clLtGray, "clLtGray"}, {clDkGray, "clDkGray"},
    {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"},
};

constexpr TIdentEntry CursorIdents[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"}, {crCross, "crCross"},
    {crIBeam, "crIBeam"}, {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"}, {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"}, {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"}, {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"}, {crSize, "crSize"},
};

constexpr TIdentEntry CharsetIdents[] = {
    {0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {2, "SYMBOL_CHARSET"}, {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"}, {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"}, {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"}, {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

// Index = system colour number.
constexpr std::array<QRgb, 31> SystemColors = {
    qRgb(200, 200, 200), qRgb(0, 0, 0),       qRgb(153, 180, 209), qRgb(191, 205, 219),
    qRgb(240, 240, 240), qRgb(255, 255, 255), qRgb(100, 100, 100), qRgb(0, 0, 0),
    qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(180, 180, 180), qRgb(244, 247, 252),
    qRgb(171, 171, 171), qRgb(0, 120, 215),   qRgb(255, 255, 255), qRgb(240, 240, 240),
    qRgb(160, 160, 160), qRgb(109, 109, 109), qRgb(0, 0, 0),       qRgb(0, 0, 0),
    qRgb(255, 255, 255), qRgb(105, 105, 105), qRgb(227, 227, 227), qRgb(0, 0, 0),
    qRgb(255, 255, 225), qRgb(0, 0, 0),       qRgb(0, 102, 204),   qRgb(185, 209, 234),
    qRgb(215, 228, 242), qRgb(0, 120, 215),   qRgb(240, 240, 240),
};

bool SameIdent(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

template <size_t N>
std::optional<int32_t> FindValue(const TIdentEntry (&table)[N], std::string_view ident)
{
    for (const TIdentEntry &entry : table)
        if (SameIdent(entry.Name, ident))
            return entry.Value;
    return std::nullopt;
}

template <size_t N>
std::optional<std::string> FindName(const TIdentEntry (&table)[N], int32_t value)
{
    for (const TIdentEntry &entry : table)
        if (entry.Value == value)
            return std::string(entry.Name);
    return std::nullopt;
}

QRgb ResolveColor(TColor color)
{
    if (color < 0) {
        const unsigned index = unsigned(color) & 0xFF;
        return index < SystemColors.size() ? SystemColors[index] : qRgb(0, 0, 0);
    }
    if (color == clNone || color == clDefault)
        return SystemColors[5];
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    return QColor(ResolveColor(color));
}

TColor QColorToColor(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

int GetRValue(TColor color) { return qRed(ResolveColor(color)); }
int GetGValue(TColor color) { return qGreen(ResolveColor(color)); }
int GetBValue(TColor color) { return qBlue(ResolveColor(color)); }

std::optional<int32_t> IdentToColor(std::string_view ident) { return FindValue(ColorIdents, ident); }
std::optional<std::string> ColorToIdent(TColor color) { return FindName(ColorIdents, color); }
std::optional<int32_t> IdentToCursor(std::string_view ident) { return FindValue(CursorIdents, ident); }
std::optional<std::string> CursorToIdent(int32_t cursor) { return FindName(CursorIdents, cursor); }
std::optional<int32_t> IdentToCharset(std::string_view ident) { return FindValue(CharsetIdents, ident); }
std::optional<std::string> CharsetToIdent(int32_t charset) { return FindName(CharsetIdents, charset); }

std::string ColorToString(TColor color)
{
    if (auto ident = ColorToIdent(color))
        return *ident;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", unsigned(color));
    return text;
}

bool StringToColor(std::string_view text, TColor &color)
{
    if (auto value = IdentToColor(text)) {
        color = *value;
        return true;
    }
    if (text.empty())
        return false;
    const bool hex = text.front() == '$';
    if (hex)
        text.remove_prefix(1);
    const bool negative = !hex && !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return false;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > int64_t(UINT32_MAX))
        return false;
    color = static_cast<TColor>(static_cast<uint32_t>(value));
    return true;
}

Qt::CursorShape CursorToQtShape(TCursor cursor)
{
    switch (cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: case crSQLWait: return Qt::WaitCursor;
    case crAppStart: return Qt::BusyCursor;
    case crDrag: case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

namespace {
template <size_t N>
std::vector<TIdentMapEntry> ToMap(const TIdentEntry (&table)[N])
{
    std::vector<TIdentMapEntry> map;
    for (const TIdentEntry &entry : table)
        map.emplace_back(entry.Name, entry.Value);
    return map;
}
} // namespace

namespace {
template <size_t N>
std::vector<std::pair<std::string, int32_t>> ToList(const TIdentEntry (&table)[N])
{
    std::vector<std::pair<std::string, int32_t>> list;
    for (const TIdentEntry &entry : table)
        list.emplace_back(entry.Name, entry.Value);
    return list;
}
} // namespace

std::vector<std::pair<std::string, int32_t>> ColorIdentList() { return ToList(ColorIdents); }
std::vector<std::pair<std::string, int32_t>> CursorIdentList() { return ToList(CursorIdents); }
std::vector<std::pair<std::string, int32_t>> CharsetIdentList() { return ToList(CharsetIdents); }

void RegisterGraphicsIdents()
{
    RegisterIntegerConsts("TColor", ToMap(ColorIdents));
    RegisterIntegerConsts("TCursor", ToMap(CursorIdents));
    RegisterIntegerConsts("TFontCharset", ToMap(CharsetIdents));
}
