// TControl and TWinControl: components that own a Qt widget and forward bounds, text, font and colour to it.
#include "VlControls.h"

#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlFormLimits.h"
#include "VlForms.h"
#include "VlMenus.h"
#include "VlWidgetBridge.h"
#include "VlDragDrop.h"

#include <QApplication>
#include <algorithm>

const TEnumInfo &AlignEnumInfo()
{
    static const TEnumInfo info("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
    return info;
}

const TEnumInfo &AnchorKindEnumInfo()
{
    static const TEnumInfo info("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
    return info;
}

const TEnumInfo &AlignmentEnumInfo()
{
    static const TEnumInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    return info;
}

const TEnumInfo &BorderStyleEnumInfo()
{
    static const TEnumInfo info("TBorderStyle", {"bsNone", "bsSingle"});
    return info;
}

const TEnumInfo &FormBorderStyleEnumInfo()
{
    static const TEnumInfo info("TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    return info;
}

const TEnumInfo &MouseButtonEnumInfo()
{
    static const TEnumInfo info("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
    return info;
}

const TEnumInfo &ShiftStateEnumInfo()
{
    static const TEnumInfo info("TShiftState", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"});
    return info;
}

QString VlToQString(const std::string &text)
{
    return QString::fromStdU16String(Cp1251ToUtf16(text));
}

std::string VlFromQString(const QString &text)
{
    return Utf16ToCp1251(text.toStdU16String());
}

TShiftState QtModifiersToShift(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

namespace {
const std::pair<int, int> KeyMap[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36},
    {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
    {Qt::Key_Print, 44}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187}, {Qt::Key_Comma, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191}, {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};
} // namespace

int VirtualKeyToQtKey(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    if (virtualKey >= 0x70 && virtualKey <= 0x87)
        return Qt::Key_F1 + (virtualKey - 0x70);
    for (auto [qt, vk] : KeyMap)
        if (vk == virtualKey)
            return qt;
    return 0;
}

int QtKeyToVirtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    for (auto [qt, vk] : KeyMap)
        if (qt == qtKey)
            return vk;
    return 0;
}

// ---------------------------------------------------------------------------------------------
// TControl

VL_IMPLEMENT_CLASS(TControl, TComponent, "Controls",
    VlIntProp<&TControl::Left, &TControl::SetLeft>("Left"),
    VlIntProp<&TControl::Top, &TControl::SetTop>("Top"),
    VlIntProp<&TControl::Width, &TControl::SetWidth>("Width"),
    VlIntProp<&TControl::Height, &TControl::SetHeight>("Height"),
    VlIntProp<&TControl::Cursor, &TControl::SetCursor>("Cursor", "TCursor").WithDefault(crDefault),
    VlStrProp<&TControl::Hint, &TControl::SetHint>("Hint"),
    VlIntProp<&TControl::HelpContext, &TControl::SetHelpContext>("HelpContext", "THelpContext").WithDefault(0))

TControl::TControl(TComponent *owner) : TComponent(owner), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    VlForgetDragControl(this);
    DetachWidget();
    DestroyComponents();
    if (FParent)
        FParent->RemoveControl(this);
    FParent = nullptr;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    delete FWidget.data();
}

void TControl::DetachWidget()
{
    // Deleting the bridge drops every signal connection made with it as context.
    delete FBridge;
    FBridge = nullptr;
}

void TControl::SetWidget(QWidget *widget)
{
    FWidget = widget;
    FBridge = new TVlWidgetBridge(this);
    FBridge->Watch(widget);
    widget->setProperty("vlControl", QVariant::fromValue(static_cast<void *>(this)));
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyGeometry();
    ApplyText();
    ApplyFont();
    ApplyColor();
    widget->setEnabled(FEnabled);
    ApplyHint();
    ApplyVisible();
}

TControl *TControl::FromWidget(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant value = widget->property("vlControl");
        if (value.isValid())
            return static_cast<TControl *>(value.value<void *>());
    }
    return nullptr;
}

void TControl::SetDefaultSize(int width, int height)
{
    FDefaultWidth = width;
    FDefaultHeight = height;
    SetBounds(FLeft, FTop, width, height);
}

bool TControl::CanFireEvents() const
{
    return !HasState(csLoading) && !HasState(csReading) && !HasState(csDesigning) && !HasState(csDestroying);
}

bool TControl::FireEvent(const TMethod &handler, std::string_view name, std::string_view typeName, TVlEventArgs &args)
{
    if (!handler.IsAssigned() || !CanFireEvents())
        return false;
    args.Sender = this;
    args.Name = name;
    args.TypeName = typeName;
    return DispatchVlEvent(handler, args);
}

bool TControl::FireNotify(const TMethod &handler, std::string_view name)
{
    TVlEventArgs args;
    return FireEvent(handler, name, "TNotifyEvent", args);
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent == FParent)
        return;
    for (TWinControl *p = parent; p; p = p->Parent())
        if (p == this)
            throw EInvalidOperation("Control cannot have itself as parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

TComponent *TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent *parent)
{
    if (auto *win = dynamic_cast<TWinControl *>(parent))
        SetParent(win);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    ApplyVisible();
}

void TControl::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupMenu)
        FPopupMenu = nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    VlCheckFormLimit("Width", width, VlMaxControlExtent);
    VlCheckFormLimit("Height", height, VlMaxControlExtent);
    const bool resized = width != FWidth || height != FHeight;
    if (!resized && left == FLeft && top == FTop)
        return;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    ApplyGeometry();
    if (resized)
        Resize();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::SetBoundsFields(int left, int top, int width, int height)
{
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (resized)
        Resize();
}

void TControl::ApplyGeometry()
{
    if (FWidget && !GeometryFromWidget())
        FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
}

void TControl::Resize()
{
    FireNotify(FOnResize, "OnResize");
}

TPoint TControl::ClientToScreen(const TPoint &point) const
{
    QWidget *input = InputWidget();
    if (!input)
        return point;
    const QPoint global = input->mapToGlobal(QPoint(point.X, point.Y));
    return {global.x(), global.y()};
}

TPoint TControl::ScreenToClient(const TPoint &point) const
{
    QWidget *input = InputWidget();
    if (!input)
        return point;
    const QPoint local = input->mapFromGlobal(QPoint(point.X, point.Y));
    return {local.x(), local.y()};
}

void TControl::SetAlign(TAlign align)
{
    if (align == FAlign)
        return;
    FAlign = align;
    if (FParent)
        FParent->Realign();
}

void TControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    ApplyVisible();
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::ApplyVisible()
{
    // A control without a parent is not on screen at all.
    if (FWidget)
        FWidget->setVisible(FVisible && FParent && !HasState(csLoading));
}

bool TControl::Showing() const
{
    for (const TControl *c = this; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return FWidget && FWidget->isVisible();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    if (FWidget)
        FWidget->setEnabled(enabled);
}

void TControl::SetText(const std::string &text)
{
    if (text == FText)
        return;
    FText = text;
    ApplyText();
}

void TControl::ApplyText() {}

void TControl::SetColor(TColor color)
{
    FParentColor = false;
    if (color == FColor)
        return;
    FColor = color;
    ApplyColor();
    Invalidate();
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!FParentColor || !FParent)
        return;
    FColor = FParent->Color();
    ApplyColor();
    Invalidate();
}

void TControl::ApplyColor()
{
    if (!FWidget)
        return;
    if (PaintsBackground() && !FParentColor) {
        QPalette palette = FWidget->palette();
        palette.setColor(QPalette::Window, ColorToQColor(FColor));
        FWidget->setPalette(palette);
        FWidget->setAutoFillBackground(true);
    } else {
        FWidget->setAutoFillBackground(false);
    }
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || !FParent)
        return;
    FApplyingParentFont = true;
    FFont->Assign(FParent->Font());
    FApplyingParentFont = false;
    ApplyFont();
}

void TControl::FontChanged()
{
    if (!FApplyingParentFont)
        FParentFont = false;
    ApplyFont();
    Invalidate();
}

void TControl::ApplyFont()
{
    if (!FWidget)
        return;
    FWidget->setFont(FFont->ToQFont());
    QPalette palette = FWidget->palette();
    const QColor color = ColorToQColor(FFont->Color());
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    FWidget->setPalette(palette);
}

void TControl::SetHint(const std::string &hint)
{
    FHint = hint;
    ApplyHint();
}

void TControl::SetShowHint(bool value)
{
    FParentShowHint = false;
    FShowHint = value;
    ApplyHint();
    if (auto *win = dynamic_cast<TWinControl *>(this))
        win->ParentShowHintChangedForChildren();
}

void TControl::SetParentShowHint(bool value)
{
    if (value == FParentShowHint)
        return;
    FParentShowHint = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (!FParentShowHint || !FParent)
        return;
    FShowHint = FParent->ShowHint();
    ApplyHint();
    if (auto *win = dynamic_cast<TWinControl *>(this))
        win->ParentShowHintChangedForChildren();
}

void TControl::ApplyHint()
{
    if (!FWidget)
        return;
    // "short|long": the tooltip shows the short part.
    const std::string shortHint = FHint.substr(0, FHint.find('|'));
    FWidget->setToolTip(FShowHint ? VlToQString(shortHint) : QString());
}

void TControl::SetCursor(TCursor cursor)
{
    FCursor = cursor;
    if (!FWidget)
        return;
    if (cursor == crDefault)
        FWidget->unsetCursor();
    else
        FWidget->setCursor(CursorToQtShape(cursor));
}

void TControl::SetPopupMenu(TPopupMenu *menu)
{
    if (menu != FPopupMenu)
        Refer(FPopupMenu, menu);
}

void TControl::BringToFront()
{
    if (FWidget)
        FWidget->raise();
    if (FParent) {
        auto &list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
    }
}

void TControl::SendToBack()
{
    if (FWidget)
        FWidget->lower();
    if (FParent) {
        auto &list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(list.begin(), this);
    }
}

void TControl::Invalidate()
{
    if (FWidget)
        FWidget->update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (FWidget && FWidget->isVisible())
        FWidget->repaint();
}

void TControl::Click() { FireNotify(FOnClick, "OnClick"); }

void TControl::DblClick() { FireNotify(FOnDblClick, "OnDblClick"); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FDragMode == dmAutomatic && button == mbLeft && !Dragging() && CanFireEvents())
        BeginDrag(false);
    TVlEventArgs args;
    args.Button = button;
    args.Shift = shift;
    args.X = x;
    args.Y = y;
    FireEvent(FOnMouseDown, "OnMouseDown", "TMouseEvent", args);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (Dragging())
        VlTrackDrag(this);
    TVlEventArgs args;
    args.Shift = shift;
    args.X = x;
    args.Y = y;
    FireEvent(FOnMouseMove, "OnMouseMove", "TMouseMoveEvent", args);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Dragging() && button == mbLeft)
        VlFinishDrag(this);
    TVlEventArgs args;
    args.Button = button;
    args.Shift = shift;
    args.X = x;
    args.Y = y;
    FireEvent(FOnMouseUp, "OnMouseUp", "TMouseEvent", args);
}

TForm *GetParentForm(const TControl *control)
{
    const TControl *top = control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TForm *>(const_cast<TControl *>(top));
}

// ---------------------------------------------------------------------------------------------
// TWinControl

VL_IMPLEMENT_CLASS(TWinControl, TControl, "Controls")
VL_IMPLEMENT_CLASS(TGraphicControl, TControl, "Controls")

TWinControl::TWinControl(TComponent *owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    DetachWidget();
    while (!FControls.empty())
        delete FControls.back();
    DestroyComponents();
}

TControl *TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FControls[size_t(index)];
}

bool TWinControl::ContainsControl(const TControl *control) const
{
    for (; control; control = control->Parent())
        if (control == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl *control)
{
    FControls.push_back(control);
    control->SetParentField(this);
    if (QWidget *widget = control->Widget()) {
        widget->setParent(ClientWidget());
        control->ApplyGeometry();
    }
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->ParentShowHintChanged();
    control->ApplyVisible();
    ControlAdded(control);
    if (control->Align() != alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl *control)
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    control->SetParentField(nullptr);
    if (!control->HasState(csDestroying)) {
        if (QWidget *widget = control->Widget()) {
            widget->hide();
            widget->setParent(nullptr);
        }
    }
    if (!HasState(csDestroying)) {
        ControlRemoved(control);
        if (control->Align() != alNone)
            Realign();
    }
}

void TWinControl::EnableAlign()
{
    if (FAlignDisabled > 0 && --FAlignDisabled == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (FRealigning || FAlignDisabled > 0 || HasState(csLoading) || HasState(csDestroying))
        return;
    FRealigning = true;
    VlGuard([this] {
        TRect rect = ClientRect();
        AlignControls(rect);
    });
    FRealigning = false;
}

void TWinControl::AlignControls(TRect &rect)
{
    // Aligned children in the order of their current position, one kind after another.
    auto placed = [this](TAlign align) {
        std::vector<TControl *> list;
        for (TControl *c : FControls)
            if (c->Align() == align && (c->Visible() || c->HasState(csDesigning)))
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [align](TControl *a, TControl *b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        return list;
    };
    for (TControl *c : placed(alTop)) {
        c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
        rect.Top += c->Height();
    }
    for (TControl *c : placed(alBottom)) {
        c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
        rect.Bottom -= c->Height();
    }
    for (TControl *c : placed(alLeft)) {
        c->SetBounds(rect.Left, rect.Top, c->Width(), std::max(0, rect.Height()));
        rect.Left += c->Width();
    }
    for (TControl *c : placed(alRight)) {
        c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), std::max(0, rect.Height()));
        rect.Right -= c->Width();
    }
    for (TControl *c : placed(alClient))
        c->SetBounds(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
}

void TWinControl::ApplyAnchors(int oldWidth, int oldHeight)
{
    const int dx = ClientWidth() - oldWidth;
    const int dy = ClientHeight() - oldHeight;
    if (dx == 0 && dy == 0)
        return;
    for (TControl *c : std::vector<TControl *>(FControls)) {
        if (c->Align() != alNone)
            continue;
        const TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a & (1u << akRight)) {
            if (a & (1u << akLeft))
                width += dx;
            else
                left += dx;
        }
        if (a & (1u << akBottom)) {
            if (a & (1u << akTop))
                height += dy;
            else
                top += dy;
        }
        c->SetBounds(left, top, width, height);
    }
}

void TWinControl::Resize()
{
    if (!HasState(csLoading) && FLaidOutWidth >= 0)
        ApplyAnchors(FLaidOutWidth, FLaidOutHeight);
    FLaidOutWidth = ClientWidth();
    FLaidOutHeight = ClientHeight();
    Realign();
    TControl::Resize();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FLaidOutWidth = ClientWidth();
    FLaidOutHeight = ClientHeight();
    // Tab order: windowed children by their TabOrder.
    std::vector<TWinControl *> tabbed;
    for (TControl *c : FControls)
        if (auto *w = dynamic_cast<TWinControl *>(c))
            tabbed.push_back(w);
    std::stable_sort(tabbed.begin(), tabbed.end(), [](TWinControl *a, TWinControl *b) { return a->FTabOrder < b->FTabOrder; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        if (tabbed[i - 1]->Widget() && tabbed[i]->Widget())
            QWidget::setTabOrder(tabbed[i - 1]->Widget(), tabbed[i]->Widget());
    Realign();
}

void TWinControl::ApplyFont()
{
    TControl::ApplyFont();
    for (TControl *c : FControls)
        c->ParentFontChanged();
}

void TWinControl::ApplyColor()
{
    TControl::ApplyColor();
    for (TControl *c : FControls)
        c->ParentColorChanged();
}

void TWinControl::ParentShowHintChangedForChildren()
{
    for (TControl *c : FControls)
        c->ParentShowHintChanged();
}

int TWinControl::TabOrder() const
{
    if (FTabOrder >= 0 || !Parent())
        return FTabOrder;
    int order = 0;
    for (TControl *c : Parent()->FControls) {
        if (c == this)
            return order;
        if (dynamic_cast<TWinControl *>(c))
            ++order;
    }
    return -1;
}

void TWinControl::SetTabOrder(int order) { FTabOrder = order; }

void TWinControl::SetTabStop(bool value)
{
    FTabStop = value;
    if (QWidget *w = Widget(); w && !dynamic_cast<TForm *>(this))
        w->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const
{
    for (const TControl *c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return Widget() != nullptr;
}

bool TWinControl::Focused() const { return Widget() && Widget()->hasFocus(); }

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::KeyDown(int &key, TShiftState shift)
{
    TVlEventArgs args;
    args.Key = key;
    args.Shift = shift;
    if (FireEvent(FOnKeyDown, "OnKeyDown", "TKeyEvent", args))
        key = args.Key;
}

void TWinControl::KeyPress(char &keyChar)
{
    TVlEventArgs args;
    args.KeyChar = keyChar;
    if (FireEvent(FOnKeyPress, "OnKeyPress", "TKeyPressEvent", args))
        keyChar = args.KeyChar;
}

void TWinControl::KeyUp(int &key, TShiftState shift)
{
    TVlEventArgs args;
    args.Key = key;
    args.Shift = shift;
    if (FireEvent(FOnKeyUp, "OnKeyUp", "TKeyEvent", args))
        key = args.Key;
}

void TWinControl::DoEnter() { FireNotify(FOnEnter, "OnEnter"); }
void TWinControl::DoExit() { FireNotify(FOnExit, "OnExit"); }

void TWinControl::GetChildren(const TGetChildProc &proc, TComponent *root)
{
    // The root first writes what it owns outside the control tree (timers, menus), then the
    // child controls nested by parent.
    if (root == this) {
        for (int i = 0; i < ComponentCount(); ++i) {
            TComponent *c = Components(i);
            if (!c->HasParent())
                proc(c);
        }
    }
    for (TControl *c : FControls)
        if (c->Owner() == root)
            proc(c);
}

void TWinControl::SetChildOrder(TComponent *child, int order)
{
    auto *control = dynamic_cast<TControl *>(child);
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    order = std::clamp(order, 0, ControlCount());
    FControls.insert(FControls.begin() + order, control);
    for (TControl *c : FControls)
        if (c->Widget())
            c->Widget()->raise();
}
