// Controls that draw on a canvas: TCustomControl, TPaintBox, and the widget that shows their buffer.
#pragma once

#include "VlCanvas.h"
#include "VlControls.h"

#include <QWidget>
#include <functional>
#include <memory>

// A plain widget that hands its paint events to a callback.
class TVlPaintWidget : public QWidget {
public:
    explicit TVlPaintWidget(QWidget *parent = nullptr) : QWidget(parent) {}
    std::function<void(QWidget *)> OnPaint;

protected:
    void paintEvent(QPaintEvent *) override;
};

// A windowed control that draws itself on a canvas (user-drawn controls).
class TCustomControl : public TWinControl {
    VL_CLASS(TCustomControl)
    explicit TCustomControl(TComponent *owner = nullptr);
    ~TCustomControl() override;
    TCanvas *Canvas() const { return FCanvas.get(); }
    void Invalidate() override;

protected:
    // Draws the control on Canvas; the buffer was filled with Color before.
    virtual void Paint() {}
    TControlCanvas *ControlCanvas() const { return FCanvas.get(); }

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A drawing area: OnPaint draws on Canvas whenever the area needs repainting.
class TPaintBox : public TGraphicControl {
    VL_CLASS(TPaintBox)
    explicit TPaintBox(TComponent *owner = nullptr);
    ~TPaintBox() override;
    TCanvas *Canvas() const { return FCanvas.get(); }
    void Invalidate() override;

    TMethod OnPaint() const { return FOnPaint; }
    void SetOnPaint(const TMethod &h) { FOnPaint = h; }

protected:
    virtual void Paint();
    bool PaintsBackground() const override { return false; }

private:
    std::unique_ptr<TControlCanvas> FCanvas;
    TMethod FOnPaint;
};
