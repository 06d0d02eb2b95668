// TScrollBox over QScrollArea, and TDataModule.
#include "VlScrollBox.h"

#include "VlControlProps.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Tells the scroll box when one of its controls moves or changes size.
class TExtentWatcher : public QObject {
public:
    explicit TExtentWatcher(TScrollBox *box) : FBox(box) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show ||
            event->type() == QEvent::Hide)
            FBox->UpdateExtent();
        return QObject::eventFilter(watched, event);
    }

private:
    TScrollBox *FBox;
};

} // namespace

VL_IMPLEMENT_CLASS_PROPS(TScrollBox, TWinControl, "Forms",
    VlProps::Align(), VlProps::Anchors(),
    {VlBoolProp<&TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll>("AutoScroll", true),
     VlEnumProp<&TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle>("BorderStyle", BorderStyleEnumInfo(), bsSingle)},
    VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(), VlProps::ParentColor(true), VlProps::ParentFont(),
    VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(),
    VlProps::OnClick(), VlProps::OnDblClick(), VlProps::KeyEvents(), VlProps::MouseEvents(), VlProps::OnResize())

TScrollBox::TScrollBox(TComponent *owner) : TWinControl(owner)
{
    auto *area = new QScrollArea;
    FContent = new QWidget;
    area->setWidget(FContent);
    area->setWidgetResizable(false);
    FWatcher = new TExtentWatcher(this);
    FWatcher->setParent(area);
    area->viewport()->installEventFilter(FWatcher);
    SetWidget(area);
    SetParentColor(true);
    SetDefaultSize(185, 41);
}

TScrollBox::~TScrollBox()
{
    // The children go first; their moves must not reach a half-destroyed box.
    if (QScrollArea *area = Area())
        area->viewport()->removeEventFilter(FWatcher);
    DestroyComponents();
}

QScrollArea *TScrollBox::Area() const { return static_cast<QScrollArea *>(Widget()); }

QWidget *TScrollBox::ClientWidget() const { return FContent; }

int TScrollBox::ClientWidth() const
{
    return Area() ? Area()->viewport()->width() : Width();
}

int TScrollBox::ClientHeight() const
{
    return Area() ? Area()->viewport()->height() : Height();
}

void TScrollBox::ControlAdded(TControl *control)
{
    if (QWidget *widget = control->Widget())
        widget->installEventFilter(FWatcher);
    UpdateExtent();
}

void TScrollBox::UpdateExtent()
{
    if (HasState(csDestroying) || !Area())
        return;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *control = Controls(i);
        if (!control->Visible())
            continue;
        right = std::max(right, control->Left() + control->Width());
        bottom = std::max(bottom, control->Top() + control->Height());
    }
    const QSize viewport = Area()->viewport()->size();
    FContent->resize(std::max(right, viewport.width()), std::max(bottom, viewport.height()));
}

void TScrollBox::SetAutoScroll(bool value)
{
    FAutoScroll = value;
    const Qt::ScrollBarPolicy policy = value ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    Area()->setHorizontalScrollBarPolicy(policy);
    Area()->setVerticalScrollBarPolicy(policy);
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    Area()->setFrameShape(value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TScrollBox::ScrollInView(TControl *control)
{
    if (control && control->Widget() && control->Parent() == this)
        Area()->ensureWidgetVisible(control->Widget(), 0, 0);
}

int TScrollBox::HorzPosition() const { return Area()->horizontalScrollBar()->value(); }
void TScrollBox::SetHorzPosition(int value) { Area()->horizontalScrollBar()->setValue(value); }
int TScrollBox::VertPosition() const { return Area()->verticalScrollBar()->value(); }
void TScrollBox::SetVertPosition(int value) { Area()->verticalScrollBar()->setValue(value); }

void TScrollBox::ApplyColor()
{
    TWinControl::ApplyColor();
    QPalette palette = FContent->palette();
    palette.setColor(QPalette::Window, ColorToQColor(Color()));
    FContent->setPalette(palette);
    FContent->setAutoFillBackground(true);
}

// TDataModule -----------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDataModule, TComponent, "Forms",
    VlIntProp<&TDataModule::Height, &TDataModule::SetHeight>("Height"),
    VlIntProp<&TDataModule::Left, &TDataModule::SetLeft>("Left"),
    VlBoolProp<&TDataModule::OldCreateOrder, &TDataModule::SetOldCreateOrder>("OldCreateOrder", false),
    VlMethodProp<&TDataModule::OnCreate, &TDataModule::SetOnCreate>("OnCreate"),
    VlMethodProp<&TDataModule::OnDestroy, &TDataModule::SetOnDestroy>("OnDestroy"),
    VlIntProp<&TDataModule::Top, &TDataModule::SetTop>("Top"),
    VlIntProp<&TDataModule::Width, &TDataModule::SetWidth>("Width"))

TDataModule::TDataModule(TComponent *owner) : TComponent(owner) {}

TDataModule::~TDataModule()
{
    VlGuard([this] { Fire(FOnDestroy, "OnDestroy"); });
}

void TDataModule::Fire(const TMethod &handler, std::string_view name)
{
    if (!handler.IsAssigned() || HasState(csLoading) || HasState(csDesigning))
        return;
    TVlEventArgs args;
    args.Sender = this;
    args.Name = name;
    args.TypeName = "TNotifyEvent";
    DispatchVlEvent(handler, args);
}

void TDataModule::DoCreate()
{
    Fire(FOnCreate, "OnCreate");
}
