// Extra controls: panels, images, bevels, shapes, timers, radio groups and splitters.
#pragma once

#include "VlPaintControls.h"
#include "VlPicture.h"
#include "VlStringList.h"

#include <memory>

class QTimer;
class QGroupBox;
class QRadioButton;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A container with bevels and a centred caption.
class TPanel : public TCustomControl {
    VL_CLASS(TPanel)
    explicit TPanel(TComponent *owner = nullptr);
    bool AcceptsControls() const override { return true; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; Invalidate(); }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value) { FBevelInner = value; Changed(); }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value) { FBevelOuter = value; Changed(); }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value) { FBevelWidth = std::max(1, value); Changed(); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = std::max(0, value); Changed(); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { FBorderStyle = value; Changed(); }

protected:
    void Paint() override;
    void ApplyText() override { Invalidate(); }
    void AlignControls(TRect &rect) override;

private:
    void Changed();
    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone, FBevelOuter = bvRaised;
    int FBevelWidth = 1, FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
};

class TImage : public TGraphicControl {
    VL_CLASS(TImage)
    explicit TImage(TComponent *owner = nullptr);
    ~TImage() override;
    TPicture *Picture() const { return FPicture.get(); }
    void SetPicture(TPicture *picture) { FPicture->Assign(picture); }
    // Drawing on an image draws on its bitmap (created at the control's size when empty).
    TCanvas *Canvas();
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value) { FStretch = value; Invalidate(); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value) { FCenter = value; Invalidate(); }
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value) { FProportional = value; Invalidate(); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; Invalidate(); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

protected:
    bool PaintsBackground() const override { return false; }

private:
    void PictureChanged();
    void PaintImage(QWidget *widget);
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false, FCenter = false, FProportional = false, FTransparent = false, FAutoSize = false;
};

class TBevel : public TGraphicControl {
    VL_CLASS(TBevel)
    explicit TBevel(TComponent *owner = nullptr);
    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value) { FShape = value; Invalidate(); }
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value) { FStyle = value; Invalidate(); }

protected:
    bool PaintsBackground() const override { return false; }

private:
    void PaintBevel(QWidget *widget);
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

class TShape : public TGraphicControl {
    VL_CLASS(TShape)
    explicit TShape(TComponent *owner = nullptr);
    ~TShape() override;
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value) { FShape = value; Invalidate(); }
    TPen *Pen() const { return FCanvas->Pen(); }
    void SetPen(TPen *pen) { FCanvas->Pen()->Assign(pen); }
    TBrush *Brush() const { return FCanvas->Brush(); }
    void SetBrush(TBrush *brush) { FCanvas->Brush()->Assign(brush); }
    void Invalidate() override;

protected:
    bool PaintsBackground() const override { return false; }

private:
    void PaintShape();
    std::unique_ptr<TControlCanvas> FCanvas;
    TShapeType FShape = stRectangle;
};

// Raises OnTimer every Interval milliseconds while Enabled (through the event loop).
class TTimer : public TComponent {
    VL_CLASS(TTimer)
    explicit TTimer(TComponent *owner = nullptr);
    ~TTimer() override;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Interval() const { return FInterval; }
    void SetInterval(int value);
    TMethod OnTimer() const { return FOnTimer; }
    void SetOnTimer(const TMethod &h);
    void Loaded() override;
    virtual void Timer();

private:
    void UpdateTimer();
    std::unique_ptr<QTimer> FTimer;
    bool FEnabled = true;
    int FInterval = 1000;
    TMethod FOnTimer;
};

class TRadioGroup : public TWinControl {
    VL_CLASS(TRadioGroup)
    explicit TRadioGroup(TComponent *owner = nullptr);
    ~TRadioGroup() override;
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *items) { FItems->Assign(items); }
    int ItemIndex() const { return FItemIndex; }
    // Selecting another item raises OnClick.
    void SetItemIndex(int index);
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    void Loaded() override;

protected:
    void ApplyText() override;
    void Resize() override;

private:
    void Rebuild();
    void ArrangeButtons();
    std::unique_ptr<TStringList> FItems;
    std::vector<QRadioButton *> FButtons;
    int FItemIndex = -1, FColumns = 1;
    bool FApplying = false;
};

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

// Resizes the aligned control before it (in its align direction) while dragged.
class TSplitter : public TGraphicControl {
    VL_CLASS(TSplitter)
    explicit TSplitter(TComponent *owner = nullptr);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = std::max(1, value); }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool value) { FBeveled = value; }
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle value) { FResizeStyle = value; }
    TMethod OnMoved() const { return FOnMoved; }
    void SetOnMoved(const TMethod &h) { FOnMoved = h; }
    // The control that the splitter resizes: the nearest one with the same alignment before it.
    TControl *FindResizedControl() const;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    bool PaintsBackground() const override { return false; }

private:
    TControl *FResized = nullptr;
    int FDownPos = 0, FStartSize = 0;
    int FMinSize = 30;
    bool FBeveled = false;
    TResizeStyle FResizeStyle = rsPattern;
    TMethod FOnMoved;
};

const TEnumInfo &BevelCutEnumInfo();
const TEnumInfo &BevelShapeEnumInfo();
const TEnumInfo &BevelStyleEnumInfo();
const TEnumInfo &ShapeTypeEnumInfo();
const TEnumInfo &ResizeStyleEnumInfo();
