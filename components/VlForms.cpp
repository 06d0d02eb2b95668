// TForm: a top-level window with a client area, a main menu, modal showing and the form events.
#include "VlForms.h"

#include "VlControlProps.h"
#include "VlExceptions.h"
#include "VlMenus.h"
#include "VlModalWaits.h"
#include "VlPaintControls.h"
#include "VlStdCtrls.h"
#include "VlWidgetBridge.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

// The top-level window of a form: passes closing, showing, activation and user resizing on.
class TVlFormWindow : public QWidget {
public:
    explicit TVlFormWindow(TForm *form) : FForm(form)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    void Detach() { FForm = nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // The form decides (OnCloseQuery, OnClose) and hides itself.
        event->ignore();
        if (FForm)
            VlGuard([this] { FForm->WindowClosing(); });
    }
    void showEvent(QShowEvent *) override
    {
        if (FForm)
            VlGuard([this] { FForm->WindowShown(); });
    }
    void hideEvent(QHideEvent *) override
    {
        if (FForm)
            VlGuard([this] { FForm->WindowHidden(); });
    }
    void changeEvent(QEvent *event) override
    {
        QWidget::changeEvent(event);
        if (FForm && event->type() == QEvent::ActivationChange)
            VlGuard([this] { FForm->WindowActivated(isActiveWindow()); });
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (FForm)
            VlGuard([this] { FForm->WindowResized(); });
    }
    void moveEvent(QMoveEvent *event) override
    {
        QWidget::moveEvent(event);
        if (FForm)
            VlGuard([this] { FForm->WindowResized(); });
    }

private:
    TForm *FForm;
};

const TEnumInfo &FormStyleEnumInfo()
{
    static const TEnumInfo info("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    return info;
}

const TEnumInfo &WindowStateEnumInfo()
{
    static const TEnumInfo info("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
    return info;
}

const TEnumInfo &PositionEnumInfo()
{
    static const TEnumInfo info("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                              "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
    return info;
}

const TEnumInfo &BorderIconEnumInfo()
{
    static const TEnumInfo info("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
    return info;
}

namespace {
constexpr int MenuBarHeight = 20;
}

VL_IMPLEMENT_CLASS_PROPS(TForm, TWinControl, "Forms",
    {VlClassProp<&TForm::ActiveControl, &TForm::SetActiveControl>("ActiveControl", "TWinControl")},
    VlProps::Align(), VlProps::Anchors(),
    {VlBoolProp<&TForm::AutoScroll, &TForm::SetAutoScroll>("AutoScroll", true),
     VlSetProp<&TForm::BorderIcons, &TForm::SetBorderIcons>("BorderIcons", "TBorderIcons", BorderIconEnumInfo(), 0x7),
     VlEnumProp<&TForm::BorderStyle, &TForm::SetBorderStyle>("BorderStyle", FormBorderStyleEnumInfo(), bsSizeable)},
    VlProps::Caption(),
    {VlIntProp<&TForm::ClientHeight, &TForm::SetClientHeight>("ClientHeight").NotStored(),
     VlIntProp<&TForm::ClientWidth, &TForm::SetClientWidth>("ClientWidth").NotStored()},
    VlProps::Color(clBtnFace), VlProps::Enabled(), VlProps::ParentFont(), VlProps::Font(),
    {VlEnumProp<&TForm::FormStyle, &TForm::SetFormStyle>("FormStyle", FormStyleEnumInfo(), fsNormal),
     VlBoolProp<&TForm::KeyPreview, &TForm::SetKeyPreview>("KeyPreview", false),
     VlClassProp<&TForm::Menu, &TForm::SetMenu>("Menu", "TMainMenu"),
     VlBoolProp<&TForm::OldCreateOrder, &TForm::SetOldCreateOrder>("OldCreateOrder", false)},
    VlProps::Hints(), VlProps::PopupMenu(),
    {VlEnumProp<&TForm::Position, &TForm::SetPosition>("Position", PositionEnumInfo(), poDesigned),
     VlBoolProp<&TForm::Scaled, &TForm::SetScaled>("Scaled", true),
     VlBoolProp<&TControl::Visible, &TControl::SetVisible>("Visible", false),
     VlEnumProp<&TForm::WindowState, &TForm::SetWindowState>("WindowState", WindowStateEnumInfo(), wsNormal),
     VlMethodProp<&TForm::OnActivate, &TForm::SetOnActivate>("OnActivate")},
    VlProps::OnClick(),
    {VlMethodProp<&TForm::OnClose, &TForm::SetOnClose>("OnClose", "TCloseEvent"),
     VlMethodProp<&TForm::OnCloseQuery, &TForm::SetOnCloseQuery>("OnCloseQuery", "TCloseQueryEvent"),
     VlMethodProp<&TForm::OnCreate, &TForm::SetOnCreate>("OnCreate")},
    VlProps::OnDblClick(),
    {VlMethodProp<&TForm::OnDestroy, &TForm::SetOnDestroy>("OnDestroy"),
     VlMethodProp<&TForm::OnDeactivate, &TForm::SetOnDeactivate>("OnDeactivate"),
     VlMethodProp<&TForm::OnHide, &TForm::SetOnHide>("OnHide")},
    VlProps::KeyEvents(), VlProps::MouseEvents(),
    {VlMethodProp<&TForm::OnPaint, &TForm::SetOnPaint>("OnPaint")}, VlProps::OnResize(),
    {VlMethodProp<&TForm::OnShow, &TForm::SetOnShow>("OnShow"),
     VlIntProp<&TForm::PixelsPerInch, &TForm::SetPixelsPerInch>("PixelsPerInch"),
     VlIntProp<&TForm::TextHeight, &TForm::SetTextHeight>("TextHeight")})

TForm::TForm(TComponent *owner) : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    FWindow = new TVlFormWindow(this);
    auto *client = new TVlPaintWidget(FWindow);
    client->OnPaint = [this](QWidget *w) { FCanvas->Render(w, [this] { Paint(); }); };
    FCanvas->OnChange = [client] { client->update(); };
    FClient = client;
    FWindow->layout()->addWidget(client);
    SetParentFont(false);
    SetVisible(false);
    SetColor(clBtnFace);
    SetWidget(FWindow);
    Bridge()->Watch(client);
    client->setProperty("vlControl", QVariant::fromValue(static_cast<void *>(static_cast<TControl *>(this))));
    client->setFocusPolicy(Qt::ClickFocus);
    SetDefaultSize(400, 300);
}

TForm::~TForm()
{
    // OnDestroy runs while the form and its controls still exist.
    if (CanFireEvents())
        FireNotify(FOnDestroy, "OnDestroy");
    *FAlive = false;
    if (FModalLoop)
        FModalLoop->quit();
    Destroying();
    DetachWidget();
    FWindow->Detach();
    static_cast<TVlPaintWidget *>(FClient)->OnPaint = nullptr;
    DestroyComponents();
}

QWidget *TForm::ClientWidget() const { return FClient; }

int TForm::FrameWidth() const
{
    return FBorderStyle == bsNone ? 0 : 8;
}

int TForm::FrameHeight() const
{
    int height = 0;
    switch (FBorderStyle) {
    case bsNone: height = 0; break;
    case bsToolWindow: case bsSizeToolWin: height = 8 + 15; break;
    default: height = 8 + 19; break;
    }
    return height + (FMenu ? MenuBarHeight : 0);
}

int TForm::ClientWidth() const { return std::max(0, Width() - FrameWidth()); }
int TForm::ClientHeight() const { return std::max(0, Height() - FrameHeight()); }
void TForm::SetClientWidth(int value) { SetWidth(value + FrameWidth()); }
void TForm::SetClientHeight(int value) { SetHeight(value + FrameHeight()); }

void TForm::ApplyGeometry()
{
    if (!FWindow)
        return;
    FApplyingGeometry = true;
    FWindow->move(Left(), Top());
    FWindow->resize(ClientWidth(), ClientHeight() + (FMenu ? MenuBarHeight : 0));
    FClient->setFixedSize(ClientWidth(), ClientHeight());
    FApplyingGeometry = false;
}

void TForm::WindowResized()
{
    if (FApplyingGeometry || !FWindow)
        return;
    // The user (or the window manager) moved or resized the window.
    const int width = FWindow->width() + FrameWidth();
    const int height = FWindow->height() - (FMenu ? MenuBarHeight : 0) + FrameHeight();
    if (width == Width() && height == Height() && FWindow->x() == Left() && FWindow->y() == Top())
        return;
    SetBoundsFields(FWindow->x(), FWindow->y(), width, height);
}

void TForm::ApplyText()
{
    if (FWindow)
        FWindow->setWindowTitle(VlToQString(Caption()));
}

void TForm::ApplyColor()
{
    TWinControl::ApplyColor();
    if (FCanvas)
        FCanvas->Invalidate();
}

void TForm::ApplyVisible()
{
    if (!FWindow || HasState(csLoading) || HasState(csDestroying))
        return;
    if (Visible() && !FWindow->isVisible()) {
        if (FPosition == poScreenCenter || FPosition == poDesktopCenter || FPosition == poMainFormCenter ||
            FPosition == poOwnerFormCenter) {
            if (QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
            }
        }
        FWindow->show();
    } else if (!Visible() && FWindow->isVisible()) {
        FWindow->hide();
    }
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (FBorderStyle == bsNone)
        flags |= Qt::FramelessWindowHint;
    else if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
        flags = Qt::Tool;
    else if (FBorderStyle == bsDialog)
        flags = Qt::Dialog;
    if (FBorderStyle != bsNone) {
        // The caption buttons follow BorderIcons; dialogs and tool windows have no minimize or maximize.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        const bool resizableFrame = FBorderStyle == bsSizeable || FBorderStyle == bsSingle;
        if (FBorderIcons & (1u << biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (resizableFrame && (FBorderIcons & (1u << biMinimize)))
            flags |= Qt::WindowMinimizeButtonHint;
        if (resizableFrame && (FBorderIcons & (1u << biMaximize)))
            flags |= Qt::WindowMaximizeButtonHint;
        if (FBorderIcons & (1u << biHelp))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool shown = FWindow->isVisible();
    FWindow->setWindowFlags(flags);
    if (shown)
        FWindow->show();
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    // The client area keeps its size; the frame around it changes.
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    FBorderStyle = value;
    ApplyWindowFlags();
    SetBounds(Left(), Top(), clientWidth + FrameWidth(), clientHeight + FrameHeight());
}

void TForm::SetBorderIcons(TBorderIcons value)
{
    value &= 0xF;
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle value)
{
    if (value == FFormStyle)
        return;
    FFormStyle = value;
    ApplyWindowFlags();
}

void TForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (!FWindow || !FWindow->isVisible())
        return;
    if (value == wsMinimized)
        FWindow->showMinimized();
    else if (value == wsMaximized)
        FWindow->showMaximized();
    else
        FWindow->showNormal();
}

void TForm::SetMenu(TMainMenu *menu)
{
    if (menu == FMenu)
        return;
    // The window keeps its size; the menu bar takes its room from the client area.
    auto *layout = static_cast<QVBoxLayout *>(FWindow->layout());
    if (FMenu) {
        FMenu->RemoveFreeNotification(this);
        layout->setMenuBar(nullptr);
        FMenu->MenuBar()->setParent(nullptr);
    }
    FMenu = menu;
    if (menu) {
        menu->FreeNotification(this);
        layout->setMenuBar(menu->MenuBar());
        menu->MenuBar()->setFixedHeight(MenuBarHeight);
    }
    ApplyGeometry();
    Resize();
}

void TForm::SetActiveControl(TWinControl *control)
{
    FActiveControl = control;
    if (control && FWindow && FWindow->isVisible() && control->CanFocus())
        control->SetFocus();
}

void TForm::Notification(TComponent *component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FMenu) {
        auto *layout = static_cast<QVBoxLayout *>(FWindow->layout());
        layout->setMenuBar(nullptr);
        FMenu = nullptr;
        if (!HasState(csDestroying)) {
            ApplyGeometry();
            Resize();
        }
    }
    if (component == FActiveControl)
        FActiveControl = nullptr;
}

void TForm::Invalidate()
{
    if (FCanvas)
        FCanvas->Invalidate();
    if (FClient)
        FClient->update();
}

void TForm::Paint()
{
    TVlEventArgs args;
    args.Canvas = FCanvas.get();
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    FireEvent(FOnPaint, "OnPaint", "TNotifyEvent", args);
}

void TForm::Show()
{
    SetVisible(true);
    if (FWindow) {
        FWindow->raise();
        FWindow->activateWindow();
    }
}

bool TForm::DialogKey(int key, TWinControl *focused)
{
    constexpr int VK_RETURN = 13, VK_ESCAPE = 27;
    if (key != VK_RETURN && key != VK_ESCAPE)
        return false;
    if (key == VK_RETURN) {
        if (dynamic_cast<TButton *>(focused))
            return false; // a focused button presses itself
        if (auto *memo = dynamic_cast<TMemo *>(focused); memo && memo->WantReturns())
            return false;
    }
    // Depth first over the controls of the form.
    std::vector<TWinControl *> pending{this};
    while (!pending.empty()) {
        TWinControl *parent = pending.back();
        pending.pop_back();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl *control = parent->Controls(i);
            if (auto *button = dynamic_cast<TButton *>(control)) {
                const bool wanted = key == VK_RETURN ? button->Default() : button->Cancel();
                if (wanted && button->Showing() && button->Enabled()) {
                    button->Click();
                    return true;
                }
            }
            if (auto *win = dynamic_cast<TWinControl *>(control))
                pending.push_back(win);
        }
    }
    return false;
}

void TForm::DoCreate()
{
    FireNotify(FOnCreate, "OnCreate");
}

bool TForm::CloseQuery()
{
    TVlEventArgs args;
    args.CanClose = true;
    if (FireEvent(FOnCloseQuery, "OnCloseQuery", "TCloseQueryEvent", args))
        return args.CanClose;
    return true;
}

void TForm::Close()
{
    if (FModalLoop) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TVlEventArgs args;
    args.Action = FFormStyle == fsMDIChild ? caMinimize : caHide;
    if (FireEvent(FOnClose, "OnClose", "TCloseEvent", args) && args.Action == caNone)
        return;
    switch (args.Action) {
    case caNone: break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: Hide(); break;
    }
}

void TForm::WindowClosing() { Close(); }

void TForm::WindowShown()
{
    FireNotify(FOnShow, "OnShow");
    if (FActiveControl && FActiveControl->CanFocus())
        FActiveControl->SetFocus();
}

void TForm::WindowHidden() { FireNotify(FOnHide, "OnHide"); }

void TForm::WindowActivated(bool active)
{
    FireNotify(active ? FOnActivate : FOnDeactivate, active ? "OnActivate" : "OnDeactivate");
}

void TForm::SetModalResult(TModalResult value)
{
    FModalResult = value;
    if (FModalLoop && value != mrNone)
        FModalLoop->quit();
}

void TForm::Release()
{
    QTimer::singleShot(0, Bridge(), [this] { delete this; });
}

TModalResult TForm::ShowModal()
{
    if (FModalLoop || (FWindow && FWindow->isVisible()))
        throw EInvalidOperation("Cannot make a visible window modal");
    std::shared_ptr<bool> alive = FAlive;
    QEventLoop loop;
    // Ended from outside (the host stopped the script): the form goes without asking it.
    bool ended = false;
    const TVlModalWait wait([&loop, &ended] {
        ended = true;
        loop.quit();
    });
    // However the wait ends (an exception from OnCloseQuery or OnClose too), the form is left
    // hidden and no longer modal, so that nothing points at the finished loop.
    struct TModalState {
        TForm &Form;
        const std::shared_ptr<bool> &Alive;
        ~TModalState()
        {
            if (!*Alive)
                return;
            Form.FModalLoop = nullptr;
            VlGuard([this] { Form.Hide(); });
            Form.FWindow->setWindowModality(Qt::NonModal);
        }
    };
    FModalLoop = &loop;
    FModalResult = mrNone;
    FWindow->setWindowModality(Qt::ApplicationModal);
    const TModalState state{*this, alive};
    Show();
    for (;;) {
        // A handler asked below may have ended the wait already (a quit outside exec is lost).
        if (!ended)
            loop.exec();
        if (!*alive)
            return mrCancel;
        // A loop that ended without a result (the application is quitting) closes unconditionally.
        const bool forced = ended || FModalResult == mrNone;
        if (forced)
            FModalResult = mrCancel;
        // Closing a modal form asks OnCloseQuery and OnClose; a refusal keeps it open.
        if (!forced && !CloseQuery()) {
            FModalResult = mrNone;
            continue;
        }
        TVlEventArgs args;
        args.Action = caHide;
        if (!forced && FireEvent(FOnClose, "OnClose", "TCloseEvent", args) && args.Action == caNone) {
            FModalResult = mrNone;
            continue;
        }
        if (!*alive)
            return mrCancel;
        const TModalResult result = FModalResult;
        if (args.Action == caFree)
            Release();
        return result;
    }
}
