// Common controls: track bars, progress bars, up-down buttons, tree views, status bars, page controls.
#include "VlComCtrls.h"

#include "VlControlProps.h"
#include "VlExceptions.h"
#include "VlFormLimits.h"
#include "VlFiler.h"
#include "VlStreams.h"
#include "VlPaintControls.h"
#include "VlStdCtrls.h"
#include "VlWidgetBridge.h"

#include <QHBoxLayout>
#include <cstring>
#include <QHeaderView>
#include <QProgressBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#define VL_ENUM_INFO(Function, TypeName, ...)              \
    const TEnumInfo &Function()                              \
    {                                                        \
        static const TEnumInfo info(TypeName, {__VA_ARGS__}); \
        return info;                                         \
    }

namespace {
VL_ENUM_INFO(TrackBarOrientationEnumInfo, "TTrackBarOrientation", "trHorizontal", "trVertical")
VL_ENUM_INFO(ProgressBarOrientationEnumInfo, "TProgressBarOrientation", "pbHorizontal", "pbVertical")
VL_ENUM_INFO(UDOrientationEnumInfo, "TUDOrientation", "udHorizontal", "udVertical")
VL_ENUM_INFO(StatusPanelBevelEnumInfo, "TStatusPanelBevel", "pbNone", "pbLowered", "pbRaised")
VL_ENUM_INFO(StatusPanelStyleEnumInfo, "TStatusPanelStyle", "psText", "psOwnerDraw")
} // namespace

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TTrackBar, TWinControl, "ComCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Enabled(),
    {VlIntProp<&TTrackBar::Frequency, &TTrackBar::SetFrequency>("Frequency").WithDefault(1)},
    VlProps::Hints(),
    {VlIntProp<&TTrackBar::Max, &TTrackBar::SetMax>("Max").WithDefault(10),
     VlIntProp<&TTrackBar::Min, &TTrackBar::SetMin>("Min").WithDefault(0),
     VlEnumProp<&TTrackBar::Orientation, &TTrackBar::SetOrientation>("Orientation", TrackBarOrientationEnumInfo(), trHorizontal),
     VlIntProp<&TTrackBar::Position, &TTrackBar::SetPosition>("Position").WithDefault(0)},
    VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlMethodProp<&TTrackBar::OnChange, &TTrackBar::SetOnChange>("OnChange")}, VlProps::KeyEvents())

TTrackBar::TTrackBar(TComponent *owner) : TWinControl(owner)
{
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setTickPosition(QSlider::TicksBelow);
    SetWidget(slider);
    QObject::connect(slider, &QSlider::valueChanged, Bridge(), [this](int value) {
        if (FApplying)
            return;
        VlGuard([&] {
            FPosition = value;
            FireNotify(FOnChange, "OnChange");
        });
    });
    SetTabStop(true);
    Apply();
    SetDefaultSize(150, 45);
}

QSlider *TTrackBar::Slider() const { return static_cast<QSlider *>(Widget()); }

void TTrackBar::Apply()
{
    FApplying = true;
    Slider()->setRange(FMin, std::max(FMin, FMax));
    Slider()->setTickInterval(FFrequency);
    Slider()->setValue(FPosition);
    FApplying = false;
}

void TTrackBar::SetMin(int value)
{
    FMin = value;
    FPosition = std::max(FPosition, FMin);
    Apply();
}

void TTrackBar::SetMax(int value)
{
    FMax = value;
    FPosition = std::min(FPosition, std::max(FMin, FMax));
    Apply();
}

void TTrackBar::SetPosition(int value)
{
    value = std::clamp(value, FMin, std::max(FMin, FMax));
    if (value == FPosition)
        return;
    FPosition = value;
    Apply();
    FireNotify(FOnChange, "OnChange");
}

void TTrackBar::SetFrequency(int value)
{
    FFrequency = value;
    Apply();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    Slider()->setOrientation(value == trVertical ? Qt::Vertical : Qt::Horizontal);
    if (!HasState(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TProgressBar, TWinControl, "ComCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Enabled(), VlProps::Hints(),
    {VlIntProp<&TProgressBar::Max, &TProgressBar::SetMax>("Max").WithDefault(100),
     VlIntProp<&TProgressBar::Min, &TProgressBar::SetMin>("Min").WithDefault(0),
     VlEnumProp<&TProgressBar::Orientation, &TProgressBar::SetOrientation>("Orientation", ProgressBarOrientationEnumInfo(), trHorizontal)},
    VlProps::PopupMenu(),
    {VlIntProp<&TProgressBar::Position, &TProgressBar::SetPosition>("Position").WithDefault(0),
     VlBoolProp<&TProgressBar::Smooth, &TProgressBar::SetSmooth>("Smooth", false),
     VlIntProp<&TProgressBar::Step, &TProgressBar::SetStep>("Step").WithDefault(10)},
    VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(), VlProps::MouseEvents())

TProgressBar::TProgressBar(TComponent *owner) : TWinControl(owner)
{
    auto *bar = new QProgressBar;
    bar->setTextVisible(false);
    SetWidget(bar);
    Apply();
    SetDefaultSize(150, 16);
}

void TProgressBar::Apply()
{
    auto *bar = static_cast<QProgressBar *>(Widget());
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    bar->setRange(FMin, std::max(FMin, FMax));
    bar->setValue(FPosition);
}

void TProgressBar::SetOrientation(TTrackBarOrientation value)
{
    FOrientation = value;
    static_cast<QProgressBar *>(Widget())->setOrientation(value == trVertical ? Qt::Vertical : Qt::Horizontal);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TUpDown, TWinControl, "ComCtrls",
    VlProps::Anchors(),
    {VlClassProp<&TUpDown::Associate, &TUpDown::SetAssociate>("Associate", "TWinControl")},
    VlProps::Enabled(), VlProps::Hints(),
    {VlIntProp<&TUpDown::Increment, &TUpDown::SetIncrement>("Increment").WithDefault(1),
     VlIntProp<&TUpDown::Max, &TUpDown::SetMax>("Max", "SmallInt").WithDefault(100),
     VlIntProp<&TUpDown::Min, &TUpDown::SetMin>("Min", "SmallInt").WithDefault(0),
     VlEnumProp<&TUpDown::Orientation, &TUpDown::SetOrientation>("Orientation", UDOrientationEnumInfo(), udVertical)},
    VlProps::PopupMenu(),
    {VlIntProp<&TUpDown::Position, &TUpDown::SetPosition>("Position", "SmallInt").WithDefault(0)},
    VlProps::TabOrder(), VlProps::TabStop(false), VlProps::Visible(),
    {VlBoolProp<&TUpDown::Wrap, &TUpDown::SetWrap>("Wrap", false),
     VlMethodProp<&TUpDown::OnChanging, &TUpDown::SetOnChanging>("OnChanging", "TUDChangingEvent"),
     VlMethodProp<&TUpDown::OnClick, &TUpDown::SetOnClick>("OnClick", "TUDClickEvent")})

TUpDown::TUpDown(TComponent *owner) : TWinControl(owner)
{
    auto *widget = new QWidget;
    auto *layout = new QBoxLayout(QBoxLayout::TopToBottom, widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *up = new QToolButton(widget);
    auto *down = new QToolButton(widget);
    up->setObjectName("next");
    down->setObjectName("prev");
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    for (QToolButton *b : {up, down})
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(up);
    layout->addWidget(down);
    SetWidget(widget);
    QObject::connect(up, &QToolButton::clicked, Bridge(), [this] { VlGuard([this] { ClickButton(btNext); }); });
    QObject::connect(down, &QToolButton::clicked, Bridge(), [this] { VlGuard([this] { ClickButton(btPrev); }); });
    SetDefaultSize(17, 25);
}

void TUpDown::ClickButton(TUDBtnType button)
{
    int position = FPosition + (button == btNext ? FIncrement : -FIncrement);
    if (position > FMax)
        position = FWrap ? FMin : FMax;
    if (position < FMin)
        position = FWrap ? FMax : FMin;
    TVlEventArgs args;
    args.Allow = true;
    if (FireEvent(FOnChanging, "OnChanging", "TUDChangingEvent", args) && !args.Allow)
        return;
    SetPosition(position);
    TVlEventArgs click;
    click.Value = button;
    FireEvent(FOnClickUD, "OnClick", "TUDClickEvent", click);
}

void TUpDown::SetPosition(int value)
{
    FPosition = value;
    if (auto *edit = dynamic_cast<TEdit *>(FAssociate))
        edit->SetText(std::to_string(value));
}

void TUpDown::SetOrientation(TUDOrientation value)
{
    FOrientation = value;
    static_cast<QBoxLayout *>(Widget()->layout())->setDirection(value == udVertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    auto buttons = Widget()->findChildren<QToolButton *>();
    for (QToolButton *b : buttons)
        b->setArrowType(b->objectName() == "next" ? (value == udVertical ? Qt::UpArrow : Qt::RightArrow)
                                                   : (value == udVertical ? Qt::DownArrow : Qt::LeftArrow));
}

void TUpDown::SetAssociate(TWinControl *control)
{
    Refer(FAssociate, control);
    if (control) {
        Layout();
        SetPosition(FPosition);
    }
}

void TUpDown::Layout()
{
    // The buttons sit at the right edge of the associated control, which makes room for them.
    if (!FAssociate || FAssociate->Parent() != Parent() || HasState(csLoading))
        return;
    SetBounds(FAssociate->Left() + FAssociate->Width(), FAssociate->Top(), Width(), FAssociate->Height());
}

void TUpDown::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FAssociate)
        FAssociate = nullptr;
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TTreeNode, TObject, "ComCtrls")

TTreeNode::TTreeNode(TTreeView *owner, TTreeNode *parent, void *item) : FOwner(owner), FParent(parent), FItem(item) {}

std::string TTreeNode::Text() const { return VlFromQString(static_cast<QTreeWidgetItem *>(FItem)->text(0)); }
void TTreeNode::SetText(const std::string &text) { static_cast<QTreeWidgetItem *>(FItem)->setText(0, VlToQString(text)); }

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode *p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

bool TTreeNode::Expanded() const { return static_cast<QTreeWidgetItem *>(FItem)->isExpanded(); }

TTreeNode *TTreeNodes::Add(TTreeNode *sibling, const std::string &text)
{
    return AddChild(sibling ? sibling->Parent() : nullptr, text);
}

TTreeNode *TTreeNodes::AddChild(TTreeNode *parent, const std::string &text)
{
    return InsertAt(parent, -1, text);
}

int TTreeNodes::Count() const
{
    int count = 0;
    std::function<void(const std::vector<std::unique_ptr<TTreeNode>> &)> walk = [&](const auto &nodes) {
        for (const auto &n : nodes) {
            ++count;
            walk(n->FChildren);
        }
    };
    walk(FTop);
    return count;
}

TTreeNode *TTreeNodes::Item(int index) const
{
    TTreeNode *found = nullptr;
    int i = 0;
    std::function<void(const std::vector<std::unique_ptr<TTreeNode>> &)> walk = [&](const auto &nodes) {
        for (const auto &n : nodes) {
            if (found)
                return;
            if (i++ == index) {
                found = n.get();
                return;
            }
            walk(n->FChildren);
        }
    };
    walk(FTop);
    if (!found)
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return found;
}

VL_IMPLEMENT_CLASS(TTreeNodes, TPersistent, "ComCtrls")

void TTreeNodes::DefineProperties(TFiler &filer)
{
    filer.DefineBinaryProperty(
        "Data", [this](TStream &stream) { ReadData(stream); },
        [this](TStream &stream) { WriteData(stream); }, !FTop.empty());
}

namespace {
// One node record: its size, then image, selected, state and overlay indexes, a 4-byte data
// pointer, the number of children and the text as a short string; the children follow it.
constexpr int32_t NodeRecordFixedSize = 4 * 4 + 4 + 4;

int32_t ReadInt32(TStream &stream)
{
    int32_t value = 0;
    stream.ReadBuffer(&value, 4);
    return value;
}
} // namespace

void TTreeNodes::ReadData(TStream &stream)
{
    Clear();
    const int32_t count = ReadInt32(stream);
    if (count < 0)
        throw EReadError("Invalid tree node data");
    int nodes = 0;
    std::function<void(TTreeNode *, int)> readNode = [&](TTreeNode *parent, int depth) {
        VlCheckFormLimit("Tree node depth", depth, VlMaxFormNesting);
        VlCheckFormLimit("Tree nodes", ++nodes, VlMaxFormListItems);
        const int32_t size = ReadInt32(stream);
        if (size < NodeRecordFixedSize + 1 || size > NodeRecordFixedSize + 256 || size > stream.Remaining())
            throw EReadError("Invalid tree node data");
        std::string record(size_t(size), '\0');
        stream.ReadBuffer(record.data(), size);
        int32_t ints[6];
        std::memcpy(ints, record.data(), sizeof ints);
        const size_t textLength = std::min<size_t>(static_cast<unsigned char>(record[NodeRecordFixedSize]),
                                                   size_t(size - NodeRecordFixedSize - 1));
        TTreeNode *node = AddChild(parent, record.substr(NodeRecordFixedSize + 1, textLength));
        node->ImageIndex = ints[0];
        node->SelectedIndex = ints[1];
        const int32_t children = ints[5];
        if (children < 0 || children > stream.Remaining())
            throw EReadError("Invalid tree node data");
        for (int32_t i = 0; i < children; ++i)
            readNode(node, depth + 1);
    };
    for (int32_t i = 0; i < count; ++i)
        readNode(nullptr, 1);
}

void TTreeNodes::WriteData(TStream &stream) const
{
    std::function<void(const TTreeNode &)> writeNode = [&](const TTreeNode &node) {
        std::string text = node.Text().substr(0, 255);
        const int32_t size = NodeRecordFixedSize + 1 + int32_t(text.size());
        const int32_t ints[6] = {node.ImageIndex, node.SelectedIndex, -1, -1, 0, node.Count()};
        stream.WriteBuffer(&size, 4);
        stream.WriteBuffer(ints, sizeof ints);
        const auto length = static_cast<unsigned char>(text.size());
        stream.WriteBuffer(&length, 1);
        stream.WriteBuffer(text.data(), int64_t(text.size()));
        for (int i = 0; i < node.Count(); ++i)
            writeNode(*node.Item(i));
    };
    const int32_t count = int32_t(FTop.size());
    stream.WriteBuffer(&count, 4);
    for (const auto &node : FTop)
        writeNode(*node);
}

void TTreeNodes::Assign(const TPersistent *source)
{
    auto *other = dynamic_cast<const TTreeNodes *>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Clear();
    std::function<void(TTreeNode *, const TTreeNode &)> copy = [&](TTreeNode *parent, const TTreeNode &node) {
        TTreeNode *added = AddChild(parent, node.Text());
        added->ImageIndex = node.ImageIndex;
        added->SelectedIndex = node.SelectedIndex;
        for (int i = 0; i < node.Count(); ++i)
            copy(added, *node.Item(i));
    };
    for (const auto &node : other->FTop)
        copy(nullptr, *node);
}

void TTreeNodes::Clear()
{
    while (!FTop.empty())
        Delete(FTop.back().get());
}

VL_IMPLEMENT_CLASS_PROPS(TTreeView, TWinControl, "ComCtrls",
    VlProps::Align(), VlProps::Anchors(), VlProps::Color(clWindow), VlProps::Enabled(), VlProps::Font(),
    {VlBoolProp<&TTreeView::HideSelection, &TTreeView::SetHideSelection>("HideSelection", true)},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TTreeView::ReadOnly, &TTreeView::SetReadOnly>("ReadOnly", false),
     VlBoolProp<&TTreeView::ShowButtons, &TTreeView::SetShowButtons>("ShowButtons", true),
     VlBoolProp<&TTreeView::ShowLines, &TTreeView::SetShowLines>("ShowLines", true),
     VlBoolProp<&TTreeView::ShowRoot, &TTreeView::SetShowRoot>("ShowRoot", true),
     VlClassProp<&TTreeView::Items, &TTreeView::SetItems>("Items", "TTreeNodes")},
    VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlMethodProp<&TTreeView::OnChange, &TTreeView::SetOnChange>("OnChange", "TTVChangedEvent"),
     VlMethodProp<&TTreeView::OnChanging, &TTreeView::SetOnChanging>("OnChanging", "TTVChangingEvent")},
    VlProps::OnClick(),
    {VlMethodProp<&TTreeView::OnCollapsed, &TTreeView::SetOnCollapsed>("OnCollapsed", "TTVExpandedEvent"),
     VlMethodProp<&TTreeView::OnCollapsing, &TTreeView::SetOnCollapsing>("OnCollapsing", "TTVCollapsingEvent"),
     VlMethodProp<&TTreeView::OnCompare, &TTreeView::SetOnCompare>("OnCompare", "TTVCompareEvent")},
    VlProps::OnDblClick(),
    {VlMethodProp<&TTreeView::OnDeletion, &TTreeView::SetOnDeletion>("OnDeletion", "TTVExpandedEvent"),
     VlMethodProp<&TTreeView::OnEdited, &TTreeView::SetOnEdited>("OnEdited", "TTVEditedEvent"),
     VlMethodProp<&TTreeView::OnEditing, &TTreeView::SetOnEditing>("OnEditing", "TTVEditingEvent"),
     VlMethodProp<&TTreeView::OnExpanded, &TTreeView::SetOnExpanded>("OnExpanded", "TTVExpandedEvent"),
     VlMethodProp<&TTreeView::OnExpanding, &TTreeView::SetOnExpanding>("OnExpanding", "TTVExpandingEvent")},
    VlProps::KeyEvents(), VlProps::MouseEvents())

TTreeView::TTreeView(TComponent *owner) : TWinControl(owner), FItems(std::make_unique<TTreeNodes>(this))
{
    ConnectTree(nullptr);
    SetTabStop(true);
    SetColor(clWindow);
    SetDefaultSize(121, 97);
}

TTreeView::~TTreeView()
{
    DetachWidget();
    // The nodes go without events.
    Destroying();
    FItems->FTop.clear();
    FItems.reset();
}

QTreeWidget *TTreeView::Tree() const { return static_cast<QTreeWidget *>(Widget()); }

TTreeNode *TTreeView::NodeOf(const void *item) const
{
    for (int i = 0, n = FItems->Count(); i < n; ++i)
        if (FItems->Item(i)->FItem == item)
            return FItems->Item(i);
    return nullptr;
}

TTreeNode *TTreeView::Selected() const { return NodeOf(Tree()->currentItem()); }

void TTreeView::SetSelected(TTreeNode *node)
{
    Tree()->setCurrentItem(node ? static_cast<QTreeWidgetItem *>(node->FItem) : nullptr);
}

void TTreeView::SetShowRoot(bool value)
{
    FShowRoot = value;
    Tree()->setRootIsDecorated(value);
}

void TTreeView::ApplyColor()
{
    TWinControl::ApplyColor();
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ColorToQColor(Color()));
    Widget()->setPalette(palette);
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TStatusPanel, TCollectionItem, "ComCtrls",
    VlEnumProp<&TStatusPanel::Alignment, &TStatusPanel::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify),
    VlEnumProp<&TStatusPanel::Bevel, &TStatusPanel::SetBevel>("Bevel", StatusPanelBevelEnumInfo(), pbLowered),
    VlEnumProp<&TStatusPanel::Style, &TStatusPanel::SetStyle>("Style", StatusPanelStyleEnumInfo(), psText),
    VlStrProp<&TStatusPanel::Text, &TStatusPanel::SetText>("Text"),
    VlIntProp<&TStatusPanel::Width, &TStatusPanel::SetWidth>("Width"))

TStatusPanel::TStatusPanel(TCollection *collection) : TCollectionItem(collection) {}

void TStatusPanel::SetText(const std::string &text) { FText = text; Changed(false); }
void TStatusPanel::SetWidth(int value) { FWidth = value; Changed(false); }
void TStatusPanel::SetAlignment(TAlignment value) { FAlignment = value; Changed(false); }
void TStatusPanel::SetBevel(TStatusPanelBevel value) { FBevel = value; Changed(false); }

void TStatusPanel::Assign(const TPersistent *source)
{
    if (auto *panel = dynamic_cast<const TStatusPanel *>(source)) {
        FText = panel->FText;
        FWidth = panel->FWidth;
        FAlignment = panel->FAlignment;
        FBevel = panel->FBevel;
        FStyle = panel->FStyle;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

VL_IMPLEMENT_CLASS(TStatusPanels, TCollection, "ComCtrls")

TStatusPanels::TStatusPanels(TStatusBar *owner) : TCollection(TStatusPanel::StaticClassInfo(), owner), FStatusBar(owner)
{
    SetPropName("Panels");
}

void TStatusPanels::Update(TCollectionItem *)
{
    FStatusBar->Invalidate();
}

VL_IMPLEMENT_CLASS_PROPS(TStatusBar, TWinControl, "ComCtrls",
    {VlEnumProp<&TControl::Align, &TControl::SetAlign>("Align", AlignEnumInfo(), alBottom)},
    VlProps::Anchors(), VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::Font(),
    {VlClassProp<&TStatusBar::Panels, &TStatusBar::SetPanels>("Panels", "TStatusPanels")},
    VlProps::ParentColor(false), VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel>("SimplePanel", false),
     VlStrProp<&TStatusBar::SimpleText, &TStatusBar::SetSimpleText>("SimpleText"),
     VlBoolProp<&TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip>("SizeGrip", true)},
    VlProps::Visible(), VlProps::OnClick(), VlProps::OnDblClick(), VlProps::MouseEvents(), VlProps::OnResize(),
    {VlMethodProp<&TStatusBar::OnDrawPanel, &TStatusBar::SetOnDrawPanel>("OnDrawPanel", "TDrawPanelEvent")})

TStatusBar::TStatusBar(TComponent *owner) : TWinControl(owner), FPanels(std::make_unique<TStatusPanels>(this))
{
    auto *widget = new TVlPaintWidget;
    widget->OnPaint = [this](QWidget *w) { PaintPanels(w); };
    SetWidget(widget);
    SetColor(clBtnFace);
    SetDefaultSize(185, 19);
    SetAlign(alBottom);
}

bool TStatusBar::DrawPanel(QPainter &painter, TStatusPanel *panel, const QRect &rect)
{
    if (!FOnDrawPanel.IsAssigned() || !CanFireEvents())
        return false;
    // The handler draws on a canvas as large as the bar; the panel's part is copied.
    if (!FCanvas)
        FCanvas = std::make_unique<TStatusCanvas>();
    QImage &buffer = FCanvas->Buffer();
    if (buffer.size() != Widget()->size())
        buffer = QImage(Widget()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    buffer.fill(ColorToQColor(Color()));
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    TVlEventArgs args;
    args.Item = panel;
    args.Rect[0] = rect.left();
    args.Rect[1] = rect.top();
    args.Rect[2] = rect.right() + 1;
    args.Rect[3] = rect.bottom() + 1;
    args.Canvas = FCanvas.get();
    FCanvas->BeginPaint();
    VlGuard([&] { FireEvent(FOnDrawPanel, "OnDrawPanel", "TDrawPanelEvent", args); });
    FCanvas->EndPaint();
    painter.drawImage(rect, buffer, rect);
    return true;
}

TCanvas *TStatusBar::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TStatusCanvas>();
    return FCanvas.get();
}

TStatusBar::~TStatusBar()
{
    DetachWidget();
    static_cast<TVlPaintWidget *>(Widget())->OnPaint = nullptr;
    FPanels.reset();
}

void TStatusBar::Invalidate()
{
    if (Widget())
        Widget()->update();
}

void TStatusBar::SetSimplePanel(bool value) { FSimplePanel = value; Invalidate(); }
void TStatusBar::SetSimpleText(const std::string &text) { FSimpleText = text; Invalidate(); }

void TStatusBar::PaintPanels(QWidget *widget)
{
    QPainter painter(widget);
    painter.fillRect(widget->rect(), ColorToQColor(Color()));
    painter.setFont(Font()->ToQFont());
    const QColor text = ColorToQColor(Font()->Color());
    if (FSimplePanel || !FPanels || FPanels->Count() == 0) {
        painter.setPen(text);
        painter.drawText(widget->rect().adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, VlToQString(FSimpleText));
        return;
    }
    // Panels side by side; the last one takes the rest of the width.
    int x = 0;
    for (int i = 0; i < FPanels->Count(); ++i) {
        TStatusPanel *panel = FPanels->Items(i);
        const int width = i == FPanels->Count() - 1 ? std::max(panel->Width(), Width() - x) : panel->Width();
        const QRect r(x, 2, width - 2, Height() - 2);
        if (panel->Bevel() != pbNone) {
            painter.setPen(ColorToQColor(panel->Bevel() == pbLowered ? clBtnShadow : clBtnHighlight));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
        }
        x += width;
        if (panel->Style() == psOwnerDraw && DrawPanel(painter, panel, r))
            continue;
        painter.setPen(text);
        const Qt::Alignment align = panel->Alignment() == taCenter ? Qt::AlignHCenter : panel->Alignment() == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(r.adjusted(2, 0, -2, 0), int(align | Qt::AlignVCenter), VlToQString(panel->Text()));
    }
}

// ---------------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(TTabSheet, TWinControl, "ComCtrls",
    VlProps::Caption(), VlProps::Enabled(), VlProps::Font(),
    {VlIntProp<&TTabSheet::ImageIndex, &TTabSheet::SetImageIndex>("ImageIndex").WithDefault(0)},
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlBoolProp<&TTabSheet::TabVisible, &TTabSheet::SetTabVisible>("TabVisible", true)},
    VlProps::Visible(), VlProps::OnResize(), VlProps::KeyEvents(), VlProps::MouseEvents())

TTabSheet::TTabSheet(TComponent *owner) : TWinControl(owner)
{
    SetWidget(new QWidget);
    SetDefaultSize(185, 41);
}

TPageControl *TTabSheet::PageControl() const { return dynamic_cast<TPageControl *>(Parent()); }

void TTabSheet::SetPageControl(TPageControl *control) { SetParent(control); }

int TTabSheet::PageIndex() const
{
    TPageControl *pages = PageControl();
    if (!pages)
        return -1;
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Pages(i) == this)
            return i;
    return -1;
}

void TTabSheet::SetPageIndex(int index)
{
    if (TPageControl *pages = PageControl()) {
        pages->SetChildOrder(this, index);
        pages->SyncTabs();
    }
}

void TTabSheet::SetTabVisible(bool value)
{
    FTabVisible = value;
    if (TPageControl *pages = PageControl())
        pages->SyncTabs();
}

void TTabSheet::ApplyText()
{
    if (TPageControl *pages = PageControl()) {
        const int index = pages->Tabs()->indexOf(Widget());
        if (index >= 0)
            pages->Tabs()->setTabText(index, VlToQString(Caption()));
    }
}

VL_IMPLEMENT_CLASS_PROPS(TPageControl, TWinControl, "ComCtrls",
    {VlClassProp<&TPageControl::ActivePage, &TPageControl::SetActivePage>("ActivePage", "TTabSheet")},
    VlProps::Align(), VlProps::Anchors(), VlProps::Enabled(), VlProps::Font(), VlProps::ParentFont(),
    VlProps::Hints(), VlProps::PopupMenu(), VlProps::TabOrder(), VlProps::TabStop(true), VlProps::Visible(),
    {VlMethodProp<&TPageControl::OnChange, &TPageControl::SetOnChange>("OnChange"),
     VlMethodProp<&TPageControl::OnChanging, &TPageControl::SetOnChanging>("OnChanging", "TTabChangingEvent")},
    VlProps::KeyEvents(), VlProps::MouseEvents())

TPageControl::TPageControl(TComponent *owner) : TWinControl(owner)
{
    auto *tabs = new QTabWidget;
    SetWidget(tabs);
    QObject::connect(tabs, &QTabWidget::currentChanged, Bridge(), [this](int) {
        if (!FSyncing)
            VlGuard([this] { FireNotify(FOnChange, "OnChange"); });
    });
    SetTabStop(true);
    SetDefaultSize(289, 193);
}

TPageControl::~TPageControl()
{
    DetachWidget();
    // Sheets leave the tab widget without raising page changes.
    FSyncing = true;
}

QTabWidget *TPageControl::Tabs() const { return static_cast<QTabWidget *>(Widget()); }

int TPageControl::PageCount() const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TTabSheet *>(Controls(i)))
            ++count;
    return count;
}

TTabSheet *TPageControl::Pages(int index) const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto *sheet = dynamic_cast<TTabSheet *>(Controls(i)))
            if (count++ == index)
                return sheet;
    throw EListError(VlSprintf("List index out of bounds (%d)", index));
}

void TPageControl::SyncTabs()
{
    FSyncing = true;
    QWidget *current = Tabs()->currentWidget();
    while (Tabs()->count() > 0)
        Tabs()->removeTab(0);
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet *sheet = Pages(i);
        if (sheet->TabVisible())
            Tabs()->addTab(sheet->Widget(), VlToQString(sheet->Caption()));
        else
            sheet->Widget()->hide();
    }
    if (current && Tabs()->indexOf(current) >= 0)
        Tabs()->setCurrentWidget(current);
    FSyncing = false;
}

void TPageControl::ControlAdded(TControl *control)
{
    if (dynamic_cast<TTabSheet *>(control))
        SyncTabs();
}

void TPageControl::ControlRemoved(TControl *control)
{
    if (dynamic_cast<TTabSheet *>(control))
        SyncTabs();
}

TTabSheet *TPageControl::ActivePage() const
{
    QWidget *current = Tabs()->currentWidget();
    return current ? dynamic_cast<TTabSheet *>(TControl::FromWidget(current)) : nullptr;
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    if (!page || page->Parent() != this)
        return;
    TVlEventArgs args;
    args.Allow = true;
    if (FireEvent(FOnChanging, "OnChanging", "TTabChangingEvent", args) && !args.Allow)
        return;
    Tabs()->setCurrentWidget(page->Widget());
}

int TPageControl::ActivePageIndex() const
{
    TTabSheet *page = ActivePage();
    return page ? page->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageCount())
        SetActivePage(Pages(index));
}

void TPageControl::Loaded()
{
    TWinControl::Loaded();
    SyncTabs();
}
