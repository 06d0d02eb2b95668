// Buttons with glyphs: TSpeedButton (tool-bar button, groups) and TBitBtn (push button with a kind).
#pragma once

#include "VlPicture.h"
#include "VlStdCtrls.h"

#include <memory>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TSpeedButton : public TGraphicControl {
    VL_CLASS(TSpeedButton)
    explicit TSpeedButton(TComponent *owner = nullptr);
    ~TSpeedButton() override;
    TBitmap *Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap *glyph) { FGlyph->Assign(glyph); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    // Pressing one button of a group releases the others.
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    void Click() override;

protected:
    void ApplyText() override;
    bool ClicksOnMouseUp() const override { return false; }
    bool PaintsBackground() const override { return false; }

private:
    void ApplyGlyph();
    std::unique_ptr<TBitmap> FGlyph;
    bool FFlat = false, FDown = false, FAllowAllUp = false;
    int FGroupIndex = 0, FNumGlyphs = 1;
};

class TBitBtn : public TButton {
    VL_CLASS(TBitBtn)
    explicit TBitBtn(TComponent *owner = nullptr);
    ~TBitBtn() override;
    TBitmap *Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap *glyph) { FGlyph->Assign(glyph); }
    TBitBtnKind Kind() const { return FKind; }
    // A kind other than custom gives the usual caption and modal result.
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);

private:
    void ApplyGlyph();
    std::unique_ptr<TBitmap> FGlyph;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FNumGlyphs = 1;
};

const TEnumInfo &ButtonLayoutEnumInfo();
const TEnumInfo &BitBtnKindEnumInfo();
