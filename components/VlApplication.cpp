// The Application and Screen objects over QApplication and the primary screen.
#include "VlApplication.h"

#include "VlControls.h"
#include "VlExceptions.h"
#include "VlForms.h"
#include "VlMessageDialogs.h"
#include "VlModalWaits.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QScreen>
#include <QTimer>
#include <QWidget>

VL_IMPLEMENT_CLASS(TApplication, TComponent, "Forms",
    VlMethodProp<&TApplication::OnActivate, &TApplication::SetOnActivate>("OnActivate"),
    VlMethodProp<&TApplication::OnDeactivate, &TApplication::SetOnDeactivate>("OnDeactivate"),
    VlMethodProp<&TApplication::OnException, &TApplication::SetOnException>("OnException", "TExceptionEvent"),
    VlMethodProp<&TApplication::OnHelp, &TApplication::SetOnHelp>("OnHelp", "THelpEvent"),
    VlMethodProp<&TApplication::OnHint, &TApplication::SetOnHint>("OnHint"),
    VlMethodProp<&TApplication::OnIdle, &TApplication::SetOnIdle>("OnIdle", "TIdleEvent"),
    VlMethodProp<&TApplication::OnMinimize, &TApplication::SetOnMinimize>("OnMinimize"),
    VlMethodProp<&TApplication::OnRestore, &TApplication::SetOnRestore>("OnRestore"),
    VlMethodProp<&TApplication::OnShowHint, &TApplication::SetOnShowHint>("OnShowHint", "TShowHintEvent"))

VL_IMPLEMENT_CLASS(TScreen, TComponent, "Forms",
    VlMethodProp<&TScreen::OnActiveControlChange, &TScreen::SetOnActiveControlChange>("OnActiveControlChange"),
    VlMethodProp<&TScreen::OnActiveFormChange, &TScreen::SetOnActiveFormChange>("OnActiveFormChange"))

TApplication::TApplication(TComponent *owner) : TComponent(owner) {}

TApplication::~TApplication()
{
    if (FHandlerInstalled)
        SetVlExceptionHandler(std::move(FPreviousHandler));
}

std::string TApplication::ExeName() const
{
    return QCoreApplication::instance() ? VlFromQString(QCoreApplication::applicationFilePath()) : std::string();
}

void TApplication::SetHint(const std::string &hint)
{
    FHint = hint;
    TVlEventArgs args;
    Fire(FOnHint, "OnHint", "TNotifyEvent", args);
}

void TApplication::SetMainForm(TForm *form)
{
    Refer(FMainForm, form);
}

bool TApplication::Active() const
{
    return qApp && QApplication::activeWindow() != nullptr;
}

void TApplication::Notification(TComponent *component, TOperation operation)
{
    if (operation == TOperation::opRemove && component == FMainForm)
        FMainForm = nullptr;
    TComponent::Notification(component, operation);
}

void TApplication::Run()
{
    if (!qApp)
        return;
    FTerminated = false;
    const TVlModalWait wait([this] { Terminate(); });
    if (FMainForm)
        FMainForm->Show();
    // The loop ends when Terminate is called or the main form goes (hidden or freed).
    while (!FTerminated && FMainForm && FMainForm->Visible()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Idle();
    }
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void TApplication::ProcessMessages()
{
    if (qApp)
        QCoreApplication::processEvents();
}

void TApplication::HandleMessage()
{
    if (qApp)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Idle();
}

void TApplication::Minimize()
{
    if (FMainForm)
        FMainForm->SetWindowState(wsMinimized);
    TVlEventArgs args;
    Fire(FOnMinimize, "OnMinimize", "TNotifyEvent", args);
}

void TApplication::Restore()
{
    if (FMainForm)
        FMainForm->SetWindowState(wsNormal);
    TVlEventArgs args;
    Fire(FOnRestore, "OnRestore", "TNotifyEvent", args);
}

void TApplication::BringToFront()
{
    if (FMainForm && FMainForm->Widget()) {
        FMainForm->Widget()->raise();
        FMainForm->Widget()->activateWindow();
    }
}

bool TApplication::Fire(const TMethod &handler, std::string_view name, std::string_view typeName, TVlEventArgs &args)
{
    if (!handler.IsAssigned() || HasState(csDestroying))
        return false;
    args.Sender = this;
    args.Name = name;
    args.TypeName = typeName;
    return DispatchVlEvent(handler, args);
}

void TApplication::HandleException(const std::exception_ptr &error)
{
    TVlEventArgs args;
    args.Error = error;
    if (Fire(FOnException, "OnException", "TExceptionEvent", args))
        return;
    if (FPreviousHandler)
        FPreviousHandler(error);
    else
        ShowMessage(VlExceptionMessage(error));
}

void TApplication::SetOnException(const TMethod &h)
{
    FOnException = h;
    // Exceptions leaving events reach OnException first while it is assigned.
    if (h.IsAssigned() && !FHandlerInstalled) {
        FPreviousHandler = SetVlExceptionHandler([this](const std::exception_ptr &error) { HandleException(error); });
        FHandlerInstalled = true;
    }
}

int TApplication::MessageBox(const std::string &text, const std::string &caption, int flags)
{
    return VlMessageBox(text, caption.empty() ? FTitle : caption, flags);
}

void TApplication::HelpContext(int context)
{
    TVlEventArgs args;
    args.Value = context;
    Fire(FOnHelp, "OnHelp", "THelpEvent", args);
}

bool TApplication::Idle()
{
    TVlEventArgs args;
    args.Done = true;
    Fire(FOnIdle, "OnIdle", "TIdleEvent", args);
    return args.Done;
}

void TApplication::SetOnIdle(const TMethod &h)
{
    FOnIdle = h;
    if (h.IsAssigned())
        WatchIdle();
}

void TApplication::WatchIdle()
{
    // OnIdle runs whenever the event loop is about to wait; Done = False asks for another turn at once.
    if (FIdleWatcher || !QAbstractEventDispatcher::instance())
        return;
    FIdleWatcher = std::make_unique<QObject>();
    QObject *watcher = FIdleWatcher.get();
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, watcher, [this, watcher] {
        if (!FOnIdle.IsAssigned() || watcher->property("vlIdleBusy").toBool())
            return;
        watcher->setProperty("vlIdleBusy", true);
        VlGuard([this, watcher] {
            if (!Idle())
                QTimer::singleShot(0, watcher, [] {});
        });
        watcher->setProperty("vlIdleBusy", false);
    });
}

// TScreen -------------------------------------------------------------------------------------------

TScreen::TScreen(TComponent *owner) : TComponent(owner) {}
TScreen::~TScreen() = default;

namespace {

QRect ScreenRect(bool available)
{
    QScreen *screen = qApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return QRect(0, 0, 1024, 768);
    return available ? screen->availableGeometry() : screen->geometry();
}

std::vector<TForm *> LiveForms()
{
    std::vector<TForm *> forms;
    if (!qApp)
        return forms;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *form = dynamic_cast<TForm *>(TControl::FromWidget(widget));
        if (form && form->Widget() == widget && !form->HasState(csDestroying))
            forms.push_back(form);
    }
    return forms;
}

} // namespace

int TScreen::Width() const { return ScreenRect(false).width(); }
int TScreen::Height() const { return ScreenRect(false).height(); }
int TScreen::DesktopWidth() const { return ScreenRect(false).width(); }
int TScreen::DesktopHeight() const { return ScreenRect(false).height(); }
int TScreen::WorkAreaWidth() const { return ScreenRect(true).width(); }
int TScreen::WorkAreaHeight() const { return ScreenRect(true).height(); }

int TScreen::PixelsPerInch() const
{
    QScreen *screen = qApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

int TScreen::FormCount() const { return static_cast<int>(LiveForms().size()); }

TForm *TScreen::Forms(int index) const
{
    std::vector<TForm *> forms = LiveForms();
    if (index < 0 || index >= static_cast<int>(forms.size()))
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return forms[static_cast<size_t>(index)];
}

TForm *TScreen::ActiveForm() const
{
    QWidget *window = qApp ? QApplication::activeWindow() : nullptr;
    return window ? dynamic_cast<TForm *>(TControl::FromWidget(window)) : nullptr;
}

TWinControl *TScreen::ActiveControl() const
{
    QWidget *focus = qApp ? QApplication::focusWidget() : nullptr;
    for (TControl *control = TControl::FromWidget(focus); control; control = control->Parent())
        if (auto *win = dynamic_cast<TWinControl *>(control))
            return win;
    return nullptr;
}

void TScreen::SetCursor(int cursor)
{
    if (cursor == FCursor || !qApp)
        return;
    if (FCursor != crDefault)
        QApplication::restoreOverrideCursor();
    FCursor = cursor;
    if (cursor != crDefault)
        QApplication::setOverrideCursor(QCursor(CursorToQtShape(cursor)));
}

TStrings *TScreen::Fonts()
{
    if (!FFonts) {
        FFonts = std::make_unique<TStringList>();
        if (qApp)
            for (const QString &family : QFontDatabase::families())
                FFonts->Add(VlFromQString(family));
    }
    return FFonts.get();
}

TApplication &Application()
{
    // Never destroyed: forms it owns must go before the Qt application, which hosts arrange.
    static auto *application = [] {
        auto *app = new TApplication();
        app->SetName("Application");
        return app;
    }();
    return *application;
}

TScreen &Screen()
{
    static auto *screen = [] {
        auto *s = new TScreen();
        s->SetName("Screen");
        return s;
    }();
    return *screen;
}

void VlFreeApplicationComponents()
{
    Application().SetMainForm(nullptr);
    Application().DestroyComponents();
}
