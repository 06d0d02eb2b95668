// Fonts, pens and brushes: the drawing attributes of controls and canvases, mapped to Qt.
#include "VlGraphics.h"

#include "VlExceptions.h"

#include <QFontInfo>
#include <cmath>

const TEnumInfo &FontStyleEnumInfo()
{
    static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return info;
}

const TEnumInfo &FontPitchEnumInfo()
{
    static const TEnumInfo info("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
    return info;
}

const TEnumInfo &PenStyleEnumInfo()
{
    static const TEnumInfo info("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot",
                                              "psDashDotDot", "psClear", "psInsideFrame"});
    return info;
}

const TEnumInfo &PenModeEnumInfo()
{
    static const TEnumInfo info("TPenMode",
                                {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                 "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                 "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"});
    return info;
}

const TEnumInfo &BrushStyleEnumInfo()
{
    static const TEnumInfo info("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"});
    return info;
}

VL_IMPLEMENT_CLASS(TGraphicsObject, TPersistent, "Graphics")

// Size is derived from Height, so only Height goes into form files.
VL_IMPLEMENT_CLASS(TFont, TGraphicsObject, "Graphics",
    VlIntProp<&TFont::Charset, &TFont::SetCharset>("Charset", "TFontCharset").WithDefault(DEFAULT_CHARSET),
    VlIntProp<&TFont::Color, &TFont::SetColor>("Color", "TColor").WithDefault(clWindowText),
    VlIntProp<&TFont::Height, &TFont::SetHeight>("Height"),
    VlStrProp<&TFont::Name, &TFont::SetName>("Name", "TFontName"),
    VlEnumProp<&TFont::Pitch, &TFont::SetPitch>("Pitch", FontPitchEnumInfo(), fpDefault),
    VlIntProp<&TFont::Size, &TFont::SetSize>("Size").NotStored(),
    VlSetProp<&TFont::Style, &TFont::SetStyle>("Style", "TFontStyles", FontStyleEnumInfo(), 0))

TFont::TFont() = default;

void TFont::Assign(const TPersistent *source)
{
    if (auto *font = dynamic_cast<const TFont *>(source)) {
        if (SameAs(*font))
            return;
        FName = font->FName;
        FHeight = font->FHeight;
        FStyle = font->FStyle;
        FColor = font->FColor;
        FCharset = font->FCharset;
        FPitch = font->FPitch;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool TFont::SameAs(const TFont &other) const
{
    return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle &&
           FColor == other.FColor && FCharset == other.FCharset && FPitch == other.FPitch;
}

void TFont::SetName(const std::string &name)
{
    if (name.empty() || name == FName)
        return;
    FName = name;
    Changed();
}

int TFont::Size() const
{
    // Delphi's MulDiv rounding at 96 pixels per inch.
    return -static_cast<int>(std::lround(FHeight * 72.0 / 96.0));
}

void TFont::SetSize(int size)
{
    SetHeight(-static_cast<int>(std::lround(size * 96.0 / 72.0)));
}

void TFont::SetHeight(int height)
{
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    style &= 0xF;
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == FPitch)
        return;
    FPitch = pitch;
    Changed();
}

QFont TFont::ToQFont() const
{
    QFont font(QString::fromLatin1(FName.c_str()));
    // Negative heights are the em size in pixels; positive ones include the internal leading.
    const int pixels = FHeight < 0 ? -FHeight : (FHeight > 0 ? std::max(1, FHeight * 4 / 5) : 11);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(FStyle & VlFontStyle(fsBold));
    font.setItalic(FStyle & VlFontStyle(fsItalic));
    font.setUnderline(FStyle & VlFontStyle(fsUnderline));
    font.setStrikeOut(FStyle & VlFontStyle(fsStrikeOut));
    if (FPitch == fpFixed)
        font.setFixedPitch(true);
    return font;
}

void TFont::AssignQFont(const QFont &font)
{
    FName = font.family().toStdString();
    if (font.pixelSize() > 0)
        FHeight = -font.pixelSize();
    else
        FHeight = -static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    FStyle = (font.bold() ? VlFontStyle(fsBold) : 0) | (font.italic() ? VlFontStyle(fsItalic) : 0) |
             (font.underline() ? VlFontStyle(fsUnderline) : 0) |
             (font.strikeOut() ? VlFontStyle(fsStrikeOut) : 0);
    Changed();
}

VL_IMPLEMENT_CLASS(TPen, TGraphicsObject, "Graphics",
    VlIntProp<&TPen::Color, &TPen::SetColor>("Color", "TColor").WithDefault(clBlack),
    VlEnumProp<&TPen::Mode, &TPen::SetMode>("Mode", PenModeEnumInfo(), pmCopy),
    VlEnumProp<&TPen::Style, &TPen::SetStyle>("Style", PenStyleEnumInfo(), psSolid),
    VlIntProp<&TPen::Width, &TPen::SetWidth>("Width").WithDefault(1))

void TPen::Assign(const TPersistent *source)
{
    if (auto *pen = dynamic_cast<const TPen *>(source)) {
        FColor = pen->FColor;
        FMode = pen->FMode;
        FStyle = pen->FStyle;
        FWidth = pen->FWidth;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TPen::SetColor(TColor color)
{
    if (color != FColor) {
        FColor = color;
        Changed();
    }
}

void TPen::SetMode(TPenMode mode)
{
    if (mode != FMode) {
        FMode = mode;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle style)
{
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

void TPen::SetWidth(int width)
{
    width = std::max(0, width);
    if (width != FWidth) {
        FWidth = width;
        Changed();
    }
}

QPen TPen::ToQPen() const
{
    if (FStyle == psClear)
        return QPen(Qt::NoPen);
    QPen pen(ColorToQColor(FColor));
    pen.setWidth(std::max(1, FWidth));
    // Square caps and mitre joins keep thick rectangles square, as GDI draws them.
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (FStyle) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    return pen;
}

VL_IMPLEMENT_CLASS(TBrush, TGraphicsObject, "Graphics",
    VlIntProp<&TBrush::Color, &TBrush::SetColor>("Color", "TColor").WithDefault(clWhite),
    VlEnumProp<&TBrush::Style, &TBrush::SetStyle>("Style", BrushStyleEnumInfo(), bsSolid))

void TBrush::Assign(const TPersistent *source)
{
    if (auto *brush = dynamic_cast<const TBrush *>(source)) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TBrush::SetColor(TColor color)
{
    if (color != FColor) {
        FColor = color;
        if (FStyle == bsClear)
            FStyle = bsSolid;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

QBrush TBrush::ToQBrush() const
{
    const QColor color = ColorToQColor(FColor);
    switch (FStyle) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    default: return QBrush(color);
    }
}
