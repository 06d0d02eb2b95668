// Fonts, pens and brushes: the drawing attributes of controls and canvases, mapped to Qt.
#pragma once

#include "VlColors.h"
#include "VlPersistent.h"
#include "rtl/VlFontStyles.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <functional>
#include <string>

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Base of the drawing attributes: whoever uses one (a control, a canvas) listens to OnChange.
class TGraphicsObject : public TPersistent {
    VL_CLASS(TGraphicsObject)
    std::function<void()> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
};

class TFont : public TGraphicsObject {
    VL_CLASS(TFont)
    TFont();
    void Assign(const TPersistent *source) override;

    const std::string &Name() const { return FName; }
    void SetName(const std::string &name);
    // Points at 96 pixels per inch; Height < 0 is the character height in pixels.
    int Size() const;
    void SetSize(int size);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Charset() const { return FCharset; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);

    QFont ToQFont() const;
    // Name, pixel size and style of a Qt font (the colour stays).
    void AssignQFont(const QFont &font);
    bool SameAs(const TFont &other) const;

private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle = 0;
    TColor FColor = clWindowText;
    int FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
};

class TPen : public TGraphicsObject {
    VL_CLASS(TPen)
    void Assign(const TPersistent *source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    int Width() const { return FWidth; }
    void SetWidth(int width);

    QPen ToQPen() const;

private:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
};

class TBrush : public TGraphicsObject {
    VL_CLASS(TBrush)
    void Assign(const TPersistent *source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    QBrush ToQBrush() const;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

const TEnumInfo &FontStyleEnumInfo();
const TEnumInfo &FontPitchEnumInfo();
const TEnumInfo &PenStyleEnumInfo();
const TEnumInfo &PenModeEnumInfo();
const TEnumInfo &BrushStyleEnumInfo();
