// Extra controls: panels, images, bevels, shapes, timers, radio groups and splitters.
#include "VlExtCtrls.h"

#include "VlControlProps.h"
#include "VlWidgetBridge.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#define VL_ENUM_INFO(Function, TypeName, ...)              \
    const TEnumInfo &Function()                              \
    {                                                        \
        static const TEnumInfo info(TypeName, {__VA_ARGS__}); \
        return info;                                         \
    }

VL_ENUM_INFO(BevelCutEnumInfo, "TBevelCut", "bvNone", "bvLowered", "bvRaised", "bvSpace")
VL_ENUM_INFO(BevelShapeEnumInfo, "TBevelShape", "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer")
VL_ENUM_INFO(BevelStyleEnumInfo, "TBevelStyle", "bsLowered", "bsRaised")
VL_ENUM_INFO(ResizeStyleEnumInfo, "TResizeStyle", "rsNone", "rsLine", "rsUpdate", "rsPattern")
VL_ENUM_INFO(ShapeTypeEnumInfo, "TShapeType", "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle")

namespace {
// A 3D frame of the given width: light on top/left for raised, dark for lowered; shrinks rect.
void Frame3D(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

const QColor Highlight = ColorToQColor(clBtnHighlight);
const QColor Shadow = ColorToQColor(clBtnShadow);
} // namespace

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TPanel, TCustomControl, "ExtCtrls",
    VlProps::Align(),
    {VlEnumProp<&TPanel::Alignment, &TPanel::SetAlignment>("Alignment", AlignmentEnumInfo(), taCenter)},
    VlProps::Anchors(),
    {VlEnumProp<&TPanel::BevelInner, &TPanel::SetBevelInner>("BevelInner", BevelCutEnumInfo(), bvNone),
     VlEnumProp<&TPanel::BevelOuter, &TPanel::SetBevelOuter>("BevelOuter", BevelCutEnumInfo(), bvRaised),
     VlIntProp<&TPanel::BevelWidth, &TPanel::SetBevelWidth>("BevelWidth", "TBevelWidth").WithDefault(1),
     VlIntProp<&TPanel::BorderWidth, &TPanel::SetBorderWidth>("BorderWidth", "TBorderWidth").WithDefault(0),
     VlEnumProp<&TPanel::BorderStyle, &TPanel::SetBorderStyle>("BorderStyle", BorderStyleEnumInfo(), bsNone)},
    VlProps::Caption(), VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(),
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(),
    VlProps::KeyEvents(), VlProps::MouseEvents(), VlProps::OnResize())

TPanel::TPanel(TComponent *owner) : TCustomControl(owner)
{
    SetColor(clBtnFace);
    SetDefaultSize(185, 41);
}

void TPanel::Changed()
{
    Realign();
    Invalidate();
}

void TPanel::Paint()
{
    QPainter painter(&ControlCanvas()->PaintBuffer());
    QRect rect(0, 0, Width(), Height());
    if (FBorderStyle == bsSingle)
        Frame3D(painter, rect, Qt::black, Qt::black, 1);
    if (FBevelOuter == bvRaised || FBevelOuter == bvLowered)
        Frame3D(painter, rect, FBevelOuter == bvRaised ? Highlight : Shadow, FBevelOuter == bvRaised ? Shadow : Highlight, FBevelWidth);
    rect.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    if (FBevelInner == bvRaised || FBevelInner == bvLowered)
        Frame3D(painter, rect, FBevelInner == bvRaised ? Highlight : Shadow, FBevelInner == bvRaised ? Shadow : Highlight, FBevelWidth);
    if (!Caption().empty()) {
        painter.setFont(Font()->ToQFont());
        painter.setPen(ColorToQColor(Font()->Color()));
        const Qt::Alignment horizontal = Alignment() == taLeftJustify ? Qt::AlignLeft : Alignment() == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
        painter.drawText(rect, int(horizontal | Qt::AlignVCenter), VlToQString(Caption()));
    }
}

void TPanel::AlignControls(TRect &rect)
{
    int inset = FBorderWidth + (FBorderStyle == bsSingle ? 1 : 0);
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    rect.Left += inset;
    rect.Top += inset;
    rect.Right -= inset;
    rect.Bottom -= inset;
    TCustomControl::AlignControls(rect);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TImage, TGraphicControl, "ExtCtrls",
    VlProps::Align(), VlProps::Anchors(),
    {VlBoolProp<&TImage::AutoSize, &TImage::SetAutoSize>("AutoSize", false),
     VlBoolProp<&TImage::Center, &TImage::SetCenter>("Center", false)},
    VlProps::Enabled(), VlProps::Hints(),
    {VlClassProp<&TImage::Picture, &TImage::SetPicture>("Picture", "TPicture")},
    VlProps::PopupMenu(),
    {VlBoolProp<&TImage::Proportional, &TImage::SetProportional>("Proportional", false),
     VlBoolProp<&TImage::Stretch, &TImage::SetStretch>("Stretch", false),
     VlBoolProp<&TImage::Transparent, &TImage::SetTransparent>("Transparent", false)},
    VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(), VlProps::MouseEvents())

TImage::TImage(TComponent *owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>())
{
    auto *widget = new TVlPaintWidget;
    widget->OnPaint = [this](QWidget *w) { PaintImage(w); };
    FPicture->OnChange = [this] { VlGuard([this] { PictureChanged(); }); };
    SetWidget(widget);
    SetDefaultSize(105, 105);
}

TImage::~TImage()
{
    DetachWidget();
    static_cast<TVlPaintWidget *>(Widget())->OnPaint = nullptr;
    FPicture->OnChange = nullptr;
}

TCanvas *TImage::Canvas()
{
    TBitmap *bitmap = FPicture->Bitmap();
    if (bitmap->Empty())
        bitmap->SetSize(std::max(1, Width()), std::max(1, Height()));
    return bitmap->Canvas();
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (FAutoSize && !FPicture->Empty())
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

void TImage::PaintImage(QWidget *widget)
{
    QPainter painter(widget);
    if (FPicture->Empty()) {
        return;
    }
    const QImage image = FPicture->Graphic()->ToImage();
    QRect target(0, 0, image.width(), image.height());
    if (FStretch) {
        target = QRect(0, 0, Width(), Height());
        if (FProportional) {
            const QSize size = image.size().scaled(Width(), Height(), Qt::KeepAspectRatio);
            target = QRect(0, 0, size.width(), size.height());
        }
    }
    if (FCenter)
        target.moveTo((Width() - target.width()) / 2, (Height() - target.height()) / 2);
    painter.drawImage(target, image);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TBevel, TGraphicControl, "ExtCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Hints(),
    {VlEnumProp<&TBevel::Shape, &TBevel::SetShape>("Shape", BevelShapeEnumInfo(), bsBox),
     VlEnumProp<&TBevel::Style, &TBevel::SetStyle>("Style", BevelStyleEnumInfo(), bsLowered)},
    VlProps::Visible())

TBevel::TBevel(TComponent *owner) : TGraphicControl(owner)
{
    auto *widget = new TVlPaintWidget;
    widget->OnPaint = [this](QWidget *w) { PaintBevel(w); };
    SetWidget(widget);
    SetDefaultSize(50, 50);
}

void TBevel::PaintBevel(QWidget *widget)
{
    QPainter painter(widget);
    const QColor first = FStyle == bsLowered ? Shadow : Highlight;
    const QColor second = FStyle == bsLowered ? Highlight : Shadow;
    const int w = Width() - 1, h = Height() - 1;
    auto line = [&](const QColor &color, int x1, int y1, int x2, int y2) {
        painter.setPen(color);
        painter.drawLine(x1, y1, x2, y2);
    };
    switch (FShape) {
    case bsBox: {
        QRect rect(0, 0, Width(), Height());
        Frame3D(painter, rect, first, second, 1);
        break;
    }
    case bsFrame: {
        QRect outer(0, 0, Width() - 1, Height() - 1), inner(1, 1, Width() - 1, Height() - 1);
        painter.setPen(first);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        painter.setPen(second);
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
        break;
    }
    case bsTopLine: line(first, 0, 0, w, 0); line(second, 0, 1, w, 1); break;
    case bsBottomLine: line(first, 0, h - 1, w, h - 1); line(second, 0, h, w, h); break;
    case bsLeftLine: line(first, 0, 0, 0, h); line(second, 1, 0, 1, h); break;
    case bsRightLine: line(first, w - 1, 0, w - 1, h); line(second, w, 0, w, h); break;
    case bsSpacer: break;
    }
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TShape, TGraphicControl, "ExtCtrls",
    VlProps::Align(), VlProps::Anchors(),
    {VlClassProp<&TShape::Brush, &TShape::SetBrush>("Brush", "TBrush")},
    VlProps::Enabled(), VlProps::Hints(),
    {VlClassProp<&TShape::Pen, &TShape::SetPen>("Pen", "TPen"),
     VlEnumProp<&TShape::Shape, &TShape::SetShape>("Shape", ShapeTypeEnumInfo(), stRectangle)},
    VlProps::Visible(), VlProps::MouseEvents())

TShape::TShape(TComponent *owner) : TGraphicControl(owner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    FParentColor = true;
    auto *widget = new TVlPaintWidget;
    widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->OnPaint = [this](QWidget *w) { FCanvas->Render(w, [this] { PaintShape(); }); };
    FCanvas->OnChange = [widget] { widget->update(); };
    FCanvas->Pen()->OnChange = [this] { Invalidate(); };
    FCanvas->Brush()->OnChange = [this] { Invalidate(); };
    SetWidget(widget);
    SetDefaultSize(65, 65);
}

TShape::~TShape()
{
    DetachWidget();
    static_cast<TVlPaintWidget *>(Widget())->OnPaint = nullptr;
    FCanvas->Pen()->OnChange = nullptr;
    FCanvas->Brush()->OnChange = nullptr;
}

void TShape::Invalidate()
{
    FCanvas->Invalidate();
    TGraphicControl::Invalidate();
}

void TShape::PaintShape()
{
    // The shape sits inside the control, inset by half the pen width; squares and circles use the shorter side.
    const int penWidth = Pen()->Width();
    int x = penWidth / 2, y = penWidth / 2;
    int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
    if (penWidth == 0) {
        w = Width();
        h = Height();
    }
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (FShape) {
    case stRectangle: case stSquare: FCanvas->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect: case stRoundSquare: FCanvas->RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse: case stCircle: FCanvas->Ellipse(x, y, x + w, y + h); break;
    }
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TTimer, TComponent, "ExtCtrls",
    VlBoolProp<&TTimer::Enabled, &TTimer::SetEnabled>("Enabled", true),
    VlIntProp<&TTimer::Interval, &TTimer::SetInterval>("Interval", "Cardinal").WithDefault(1000),
    VlMethodProp<&TTimer::OnTimer, &TTimer::SetOnTimer>("OnTimer"))

TTimer::TTimer(TComponent *owner) : TComponent(owner), FTimer(std::make_unique<QTimer>())
{
    QObject::connect(FTimer.get(), &QTimer::timeout, FTimer.get(), [this] { VlGuard([this] { Timer(); }); });
}

TTimer::~TTimer()
{
    Destroying();
    FTimer.reset();
}

void TTimer::UpdateTimer()
{
    // A timer runs only when it is enabled, has an interval and a handler, as in Delphi.
    if (FEnabled && FInterval > 0 && FOnTimer.IsAssigned() && !HasState(csLoading) && !HasState(csDesigning))
        FTimer->start(FInterval);
    else
        FTimer->stop();
}

void TTimer::SetEnabled(bool value)
{
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(int value)
{
    FInterval = std::max(0, value);
    UpdateTimer();
}

void TTimer::SetOnTimer(const TMethod &h)
{
    FOnTimer = h;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer()
{
    if (!FOnTimer.IsAssigned() || HasState(csDesigning) || HasState(csDestroying))
        return;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = "OnTimer";
    args.TypeName = "TNotifyEvent";
    DispatchVlEvent(FOnTimer, args);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TRadioGroup, TWinControl, "ExtCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Caption(), VlProps::Color(clBtnFace),
    {VlIntProp<&TRadioGroup::Columns, &TRadioGroup::SetColumns>("Columns").WithDefault(1)},
    VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex>("ItemIndex").WithDefault(-1),
     VlClassProp<&TRadioGroup::Items, &TRadioGroup::SetItems>("Items", "TStrings")},
    VlProps::ParentColor(true), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(), VlProps::OnClick(), VlProps::KeyEvents())

TRadioGroup::TRadioGroup(TComponent *owner) : TWinControl(owner), FItems(std::make_unique<TStringList>())
{
    FParentColor = true;
    SetWidget(new QGroupBox);
    FItems->OnChange = [this](TObject *) { VlGuard([this] { Rebuild(); }); };
    SetDefaultSize(185, 105);
}

TRadioGroup::~TRadioGroup()
{
    DetachWidget();
    FItems->OnChange = nullptr;
}

void TRadioGroup::ApplyText() { static_cast<QGroupBox *>(Widget())->setTitle(VlToQString(Caption())); }

void TRadioGroup::Rebuild()
{
    for (QRadioButton *button : FButtons)
        delete button;
    FButtons.clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        auto *button = new QRadioButton(VlToQString(FItems->Get(i)), Widget());
        button->setChecked(i == FItemIndex);
        button->setEnabled(Enabled());
        QObject::connect(button, &QRadioButton::toggled, Bridge(), [this, i](bool checked) {
            if (checked && !FApplying)
                VlGuard([this, i] { SetItemIndex(i); });
        });
        button->show();
        FButtons.push_back(button);
    }
    if (FItemIndex >= FItems->Count() && !HasState(csLoading))
        FItemIndex = -1;
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    if (FButtons.empty())
        return;
    // Items fill the columns top to bottom inside the frame, as in Delphi.
    const int columns = std::max(1, FColumns);
    const int rows = (int(FButtons.size()) + columns - 1) / columns;
    const int top = QFontMetrics(Widget()->font()).height();
    const int columnWidth = (Width() - 10) / columns;
    const int rowHeight = std::max(1, (Height() - top - 4) / rows);
    for (size_t i = 0; i < FButtons.size(); ++i) {
        const int column = int(i) / rows, row = int(i) % rows;
        FButtons[i]->setGeometry(8 + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight);
    }
}

void TRadioGroup::Resize()
{
    ArrangeButtons();
    TWinControl::Resize();
}

void TRadioGroup::SetItemIndex(int index)
{
    // Form files may give the index before the items.
    if (HasState(csLoading)) {
        FItemIndex = index;
        return;
    }
    if (index < -1 || index >= FItems->Count())
        index = -1;
    if (index == FItemIndex)
        return;
    FItemIndex = index;
    FApplying = true;
    for (size_t i = 0; i < FButtons.size(); ++i) {
        FButtons[i]->setAutoExclusive(false);
        FButtons[i]->setChecked(int(i) == index);
        FButtons[i]->setAutoExclusive(true);
    }
    FApplying = false;
    Click();
}

void TRadioGroup::SetColumns(int value)
{
    FColumns = std::clamp(value, 1, 16);
    ArrangeButtons();
}

void TRadioGroup::Loaded()
{
    TWinControl::Loaded();
    if (FItemIndex < -1 || FItemIndex >= FItems->Count())
        FItemIndex = -1;
    Rebuild();
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TSplitter, TGraphicControl, "ExtCtrls",
    {VlEnumProp<&TControl::Align, &TControl::SetAlign>("Align", AlignEnumInfo(), alLeft),
     VlBoolProp<&TSplitter::Beveled, &TSplitter::SetBeveled>("Beveled", false)},
    VlProps::Color(clBtnFace),
    {VlIntProp<&TControl::Cursor, &TControl::SetCursor>("Cursor", "TCursor").WithDefault(crHSplit),
     VlIntProp<&TSplitter::MinSize, &TSplitter::SetMinSize>("MinSize", "NaturalNumber").WithDefault(30)},
    VlProps::ParentColor(true),
    {VlEnumProp<&TSplitter::ResizeStyle, &TSplitter::SetResizeStyle>("ResizeStyle",
ResizeStyleEnumInfo(), rsPattern)},
    VlProps::Visible(),
    {VlMethodProp<&TSplitter::OnMoved, &TSplitter::SetOnMoved>("OnMoved")})

TSplitter::TSplitter(TComponent *owner) : TGraphicControl(owner)
{
    FParentColor = true;
    SetWidget(new QWidget);
    SetAlign(alLeft);
    SetCursor(crHSplit);
    SetDefaultSize(3, 100);
}

TControl *TSplitter::FindResizedControl() const
{
    if (!Parent())
        return nullptr;
    TControl *best = nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl *c = Parent()->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible())
            continue;
        // The neighbour touches the splitter's leading edge.
        bool touches = false;
        switch (Align()) {
        case alLeft: touches = c->Left() + c->Width() == Left(); break;
        case alRight: touches = c->Left() == Left() + Width(); break;
        case alTop: touches = c->Top() + c->Height() == Top(); break;
        case alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        if (touches)
            best = c;
    }
    return best;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FResized = FindResizedControl();
    const bool horizontal = Align() == alLeft || Align() == alRight;
    FDownPos = horizontal ? Left() + x : Top() + y;
    if (FResized)
        FStartSize = horizontal ? FResized->Width() : FResized->Height();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!FResized || !(shift & ssLeft))
        return;
    const bool horizontal = Align() == alLeft || Align() == alRight;
    const int pos = horizontal ? Left() + x : Top() + y;
    int delta = pos - FDownPos;
    if (Align() == alRight || Align() == alBottom)
        delta = -delta;
    const int size = std::max(FMinSize, FStartSize + delta);
    if (horizontal)
        FResized->SetWidth(size);
    else
        FResized->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (FResized && button == mbLeft) {
        FResized = nullptr;
        FireNotify(FOnMoved, "OnMoved");
    }
}
