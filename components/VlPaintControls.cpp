// Controls that draw on a canvas: TCustomControl, TPaintBox, and the widget that shows their buffer.
#include "VlPaintControls.h"

#include "VlControlProps.h"

void TVlPaintWidget::paintEvent(QPaintEvent *)
{
    if (OnPaint)
        VlGuard([this] { OnPaint(this); });
}

VL_IMPLEMENT_CLASS(TCustomControl, TWinControl, "Controls")

TCustomControl::TCustomControl(TComponent *owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    auto *widget = new TVlPaintWidget;
    widget->OnPaint = [this](QWidget *w) { FCanvas->Render(w, [this] { Paint(); }); };
    FCanvas->OnChange = [widget] { widget->update(); };
    SetWidget(widget);
}

TCustomControl::~TCustomControl()
{
    DetachWidget();
    if (auto *widget = static_cast<TVlPaintWidget *>(Widget()))
        widget->OnPaint = nullptr;
}

void TCustomControl::Invalidate()
{
    FCanvas->Invalidate();
    TWinControl::Invalidate();
}

VL_IMPLEMENT_CLASS_PROPS(TPaintBox, TGraphicControl, "ExtCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(),
    VlProps::ParentColor(true), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(), VlProps::MouseEvents(),
    {VlMethodProp<&TPaintBox::OnPaint, &TPaintBox::SetOnPaint>("OnPaint")})

TPaintBox::TPaintBox(TComponent *owner) : TGraphicControl(owner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    FParentColor = true;
    auto *widget = new TVlPaintWidget;
    widget->OnPaint = [this](QWidget *w) { FCanvas->Render(w, [this] { Paint(); }); };
    FCanvas->OnChange = [widget] { widget->update(); };
    SetWidget(widget);
    SetDefaultSize(105, 105);
}

TPaintBox::~TPaintBox()
{
    DetachWidget();
    if (auto *widget = static_cast<TVlPaintWidget *>(Widget()))
        widget->OnPaint = nullptr;
}

void TPaintBox::Invalidate()
{
    FCanvas->Invalidate();
    TGraphicControl::Invalidate();
}

void TPaintBox::Paint()
{
    TVlEventArgs args;
    args.Canvas = FCanvas.get();
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    FireEvent(FOnPaint, "OnPaint", "TNotifyEvent", args);
}
