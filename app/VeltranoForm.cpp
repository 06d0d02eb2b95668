// The main window TForm1: layout, command wiring, title, quit confirmation, backup at exit.
#include "VeltranoForm.h"

#include "AboutForm.h"
#include "VeltranoAppearance.h"
#include "VeltranoEditCommands.h"
#include "OptionsForm.h"
#include "VeltranoCodegen.h"
#include "VeltranoDesigner.h"
#include "VeltranoDocuments.h"
#include "VeltranoDocumentsTextView.h"
#include "VeltranoPrint.h"
#include "VeltranoIcons.h"
#include "VeltranoPlacement.h"
#include "VeltranoPlugins.h"
#include "VeltranoRunCommands.h"
#include "VeltranoShellCommands.h"
#include "VeltranoStatusBar.h"
#include "rtl/VlCp1251.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QResizeEvent>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <clocale>
#include <filesystem>

namespace {

const QString kTitlePrefix = QStringLiteral("Veltrano - ");
const QString kQuitQuestion = QStringLiteral("Вы действительно хотите выйти?");

// Fills the hooks that are not set with the desktop's services.
TVlShellHooks DesktopHooks(QWidget *owner, TVlShellHooks hooks)
{
    if (!hooks.Confirm)
        hooks.Confirm = [owner](const QString &question) {
        QMessageBox box(QMessageBox::Information, QApplication::applicationName(), question,
                        QMessageBox::Ok | QMessageBox::Cancel, owner);
        return box.exec() == QMessageBox::Ok;
    };
    if (!hooks.ShowError)
        hooks.ShowError = [owner](const QString &message) {
        // While the window goes away (shutdown errors) the box stands on its own.
        QMessageBox::critical(owner->isVisible() ? owner : nullptr, QApplication::applicationName(), message);
    };
    if (!hooks.OpenUrl)
        hooks.OpenUrl = [](const QString &url) { QDesktopServices::openUrl(QUrl(url)); };
    if (!hooks.StartInstance)
        hooks.StartInstance = [](const QString &program) { return QProcess::startDetached(program, {}); };
    return hooks;
}

// The hooks' folders, the parts left empty filled with the desktop's standard ones.
TVlUserFolders UserFoldersOf(const TVlShellHooks &hooks)
{
    const auto standard = [](QStandardPaths::StandardLocation location, const char *fallback) {
        const QString dir = QStandardPaths::writableLocation(location);
        return (dir.isEmpty() ? QDir::homePath() + fallback : dir).toStdString();
    };
    TVlUserFolders folders = hooks.UserFolders;
    if (folders.Config.empty())
        folders.Config = standard(QStandardPaths::AppConfigLocation, "/.config/Veltrano");
    if (folders.Data.empty())
        folders.Data = standard(QStandardPaths::AppDataLocation, "/.local/share/Veltrano");
    return folders;
}

// Hidden widgets get their resize events, and so their children's geometry, only when shown;
// deliver them now, parents first, so that sizes read while the window is created are real.
void LayOutHidden(QWidget *widget)
{
    if (QLayout *layout = widget->layout())
        layout->activate();
    QResizeEvent resize(widget->size(), widget->size());
    QApplication::sendEvent(widget, &resize);
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isWindow())
            LayOutHidden(childWidget);
    }
}

} // namespace

TForm1::TForm1(const QString &programDir, TVlShellHooks hooks, QWidget *parent)
    : QMainWindow(parent)
    , FProgramDir(QDir(programDir).absolutePath())
{
    setObjectName("Form1");
    FHooks = DesktopHooks(this, std::move(hooks));
    FLocations = std::make_unique<TVlWritableLocations>(FProgramDir.toStdString(), UserFoldersOf(FHooks),
                                                        FHooks.IsWritable);
    FBackupFile = FLocations->DataFile("BackUp/Project.dpr");
    FLogFile = FLocations->DataFile("Data/Last.log");
    FCommands.ReportError = [this](const QString &message) { ShowErrorMessage(message); };
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowTitle(QStringLiteral("Veltrano"));
    resize(815, 623);

    try {
        FFormStorage = std::make_unique<TVlSettingsStore>(FLocations->SettingsFile("VlInterpreterTest.ini"));
    } catch (const EVlFileError &e) {
        // An unreadable settings file leaves the defaults; the window still comes up.
        FFormStorage = std::make_unique<TVlSettingsStore>(std::string());
        ShowErrorMessage(QString::fromUtf8(e.what()));
    }

    CreateToolBar();
    auto *top = new QWidget(this);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);
    topLayout->addWidget(CreatePages(), 1);
    topLayout->addWidget(CreateResultLine());

    LOG1 = new QListWidget(this);
    LOG1->setObjectName("LOG1");
    LOG1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LOG1->setUniformItemSizes(true);
    LOG1->setStyleSheet(QStringLiteral("QListWidget::item { height: 13px; padding: 0px; }"));
    LOG1->setMinimumHeight(16);
    top->setMinimumHeight(16);

    LogSplitter = new QSplitter(Qt::Vertical, this);
    LogSplitter->setObjectName("Splitter1");
    LogSplitter->setHandleWidth(3);
    LogSplitter->setChildrenCollapsible(false);
    LogSplitter->addWidget(top);
    LogSplitter->addWidget(LOG1);
    LogSplitter->setStretchFactor(0, 1);
    LogSplitter->setStretchFactor(1, 0);
    LogSplitter->setSizes({1000, 64});
    setCentralWidget(LogSplitter);

    StatusBar1 = new TVlStatusBar(this);
    setStatusBar(StatusBar1);
    CreateMenus();
    qApp->installEventFilter(this);

    // 1. Title and document name.
    SetDocumentTitle(QStringLiteral("Project1"));
    CurrentFileName = QStringLiteral("Project1.pas");
    // 2. The indent slider reaches across the editor's width at the designed size. The editor fills
    //    its page, and a page spans the whole page control (no frame in document mode); the page
    //    itself gets its size only when shown.
    LayOutHidden(this);
    TrackBar1->setMaximum(PageControl1->width());
    // 5. The editor page first.
    PageControl1->setCurrentIndex(0);
    // 9. Numbers are formatted and parsed with "." whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    // ---- Install functions, in the order the window's dialogs are created (TDelphiF, TAboutBox,
    // ---- TGoLine, TConsoleF, TLibraryF, TOptions, TProcedureForm, TPlug, TModuleF, TAlBl, TRectF).
    // ---- Each part of the program adds one line here; the function binds its commands and creates
    // ---- its dialogs as children of the window. A failing one is reported and the window still comes up.
    Install(InstallShellCommands); // TAboutBox, new window, exit, mail link
    Install(InstallEditCommands);  // the edit operations of Memo1 and Memo2
    Install(InstallAppearanceCommands);   // TGoLine, TAlBl, zoom, font, search, editor properties, status
    Install(InstallDocumentCommands);     // open, save, the text tab's files
    Install(InstallDesigner);             // VlDesignPanel, the palette, VlInspector1, the "Форма" commands
    Install(InstallTextView);             // Memo2 as the rich-text view, indent, TRectF
    Install(InstallCodegenCommands);      // TDelphiF, TConsoleF, TLibraryF, TModuleF, snippets
    Install(InstallOptionsCommands);      // TOptions: applies Config.ini to the window
    Install(InstallNewProcedureCommands); // TProcedureForm: loads its event lists
    Install(InstallPluginCommands);       // TPlug: loads every plug-in
    Install(InstallPrintCommands);        // printing the text tab, printer setup
    Install(InstallRunCommands);          // run, compile, stop, the samples tab, the output pane
    // ---- end of install functions

    if (FLocations->UsesUserFolders())
        AddLog(QStringLiteral("Папка программы закрыта для записи, файлы сохраняются в папках пользователя: %1, %2")
                   .arg(QString::fromStdString(FLocations->UserFolders().Config),
                        QString::fromStdString(FLocations->UserFolders().Data)));
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    WriteBackup();
    RunGuarded([this] { FFormStorage->Save(); }, [this](const QString &m) { ShowErrorMessage(m); });
}

void TForm1::Install(void (*install)(TForm1 &))
{
    RunGuarded([this, install] { install(*this); }, [this](const QString &m) { ShowErrorMessage(m); });
}

void TForm1::CreateToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
}

void TForm1::CreateMenus()
{
    auto connectItem = [this](QAction *action) {
        const QString command = CommandOf(action);
        const QString sender = action->objectName();
        connect(action, &QAction::triggered, this, [this, command, sender] { RunCommand(command, sender); });
    };
    menuBar()->setNativeMenuBar(false); // keeps the "N" button at the right end of the bar
    BuildMenuItems(menuBar(), MainMenuItems(), connectItem);
    FShortcuts.SetMainMenu(menuBar());

    FEditorPopup = new QMenu(this);
    FEditorPopup->setObjectName("PopupMenu1");
    BuildMenuItems(FEditorPopup, EditorPopupItems(), connectItem);
    FTextPopup = new QMenu(this);
    FTextPopup->setObjectName("PopupMenu2");
    BuildMenuItems(FTextPopup, TextPopupItems(), connectItem);
    FDesignerPopup = new QMenu(this);
    FDesignerPopup->setObjectName("PopupMenu3");
    BuildMenuItems(FDesignerPopup, DesignerPopupItems(), connectItem);
    AttachContextMenu(Memo1, FEditorPopup);
    AttachContextMenu(Memo2, FTextPopup);
    AttachContextMenu(VlDesignPanel, FDesignerPopup);

    for (const TVlToolButtonDesc &desc : ToolButtons()) {
        if (desc.Style == TVlToolButtonStyle::Separator) {
            ToolBar1->addSeparator()->setObjectName(QString::fromUtf8(desc.Name));
            continue;
        }
        auto *button = new QToolButton(ToolBar1);
        const QString name = QString::fromUtf8(desc.Name);
        const QString command = QString::fromUtf8(desc.Command);
        button->setObjectName(name);
        button->setToolTip(QString::fromUtf8(desc.Hint));
        button->setIcon(MakeToolIcon(desc.Icon));
        button->setAutoRaise(true);
        if (desc.Style == TVlToolButtonStyle::DropDown) {
            QAction *owner = MenuItem(QString::fromUtf8(desc.DropDownMenu));
            button->setMenu(owner ? owner->menu() : nullptr);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
        if (desc.Icon == TVlIconKind::About)
            button->setCursor(Qt::WhatsThisCursor);
        connect(button, &QToolButton::clicked, this, [this, button, command, name] {
            if (command.isEmpty() && button->menu())
                button->showMenu(); // a drop-down without a command of its own opens its menu
            else
                RunCommand(command, name);
        });
        ToolBar1->addWidget(button);
    }

    const TVlCaptionButtonDesc &caption = CaptionButton();
    auto *newWindow = new QToolButton(menuBar());
    newWindow->setObjectName(QString::fromUtf8(caption.Name));
    newWindow->setText(QString::fromUtf8(caption.Text));
    newWindow->setToolTip(QString::fromUtf8(caption.Hint));
    newWindow->setAutoRaise(true);
    newWindow->setBackgroundRole(QPalette::Window);
    const QString command = QString::fromUtf8(caption.Command);
    const QString sender = newWindow->objectName();
    connect(newWindow, &QToolButton::clicked, this, [this, command, sender] { RunCommand(command, sender); });
    menuBar()->setCornerWidget(newWindow, Qt::TopRightCorner);
}

QWidget *TForm1::CreatePages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setDocumentMode(true);

    // "Редактор"
    Memo1 = new TVlHLEditor(PageControl1);
    Memo1->setObjectName("Memo1");
    PageControl1->addTab(Memo1, QStringLiteral("Редактор"));

    // "Дизайнер": palette strip over the inspector panel, a splitter and the design panel.
    auto *designer = new QWidget(PageControl1);
    designer->setObjectName("TabSheet2");
    auto *designerLayout = new QVBoxLayout(designer);
    designerLayout->setContentsMargins(0, 0, 0, 0);
    designerLayout->setSpacing(0);
    PaletteBar = new QToolBar(designer);
    PaletteBar->setObjectName("PaletteBar");
    PaletteBar->setFixedHeight(34);
    PaletteBar->setIconSize(QSize(26, 26));
    designerLayout->addWidget(PaletteBar);
    DesignSplitter = new QSplitter(Qt::Horizontal, designer);
    DesignSplitter->setObjectName("Splitter2");
    DesignSplitter->setHandleWidth(2);
    InspectorPanel = new QWidget(DesignSplitter);
    InspectorPanel->setObjectName("Panel2");
    auto *inspectorLayout = new QVBoxLayout(InspectorPanel);
    inspectorLayout->setContentsMargins(0, 0, 0, 0);
    VlInspector1 = new QWidget(InspectorPanel);
    VlInspector1->setObjectName("VlInspector1");
    inspectorLayout->addWidget(VlInspector1);
    VlDesignPanel = new QWidget(DesignSplitter);
    VlDesignPanel->setObjectName("VlDesignPanel");
    VlDesignPanel->setAutoFillBackground(true);
    QPalette white = VlDesignPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    VlDesignPanel->setPalette(white);
    DesignSplitter->addWidget(InspectorPanel);
    DesignSplitter->addWidget(VlDesignPanel);
    DesignSplitter->setStretchFactor(1, 1);
    DesignSplitter->setSizes({185, 600});
    designerLayout->addWidget(DesignSplitter, 1);
    PageControl1->addTab(designer, QStringLiteral("Дизайнер"));

    // "Текст": the indent strip over Memo2.
    auto *text = new QWidget(PageControl1);
    text->setObjectName("TabSheet3");
    auto *textLayout = new QVBoxLayout(text);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(0);
    RectPanel = new QWidget(text);
    RectPanel->setObjectName("RectPanel");
    RectPanel->setFixedHeight(28);
    auto *stripLayout = new QHBoxLayout(RectPanel);
    stripLayout->setContentsMargins(4, 2, 4, 2);
    TrackBar1 = new QSlider(Qt::Horizontal, RectPanel);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setToolTip(QStringLiteral("Настройка отступа"));
    stripLayout->addWidget(TrackBar1);
    textLayout->addWidget(RectPanel);
    Memo2 = new QTextEdit(text);
    Memo2->setObjectName("Memo2");
    Memo2->setToolTip(QStringLiteral("Редактор кода"));
    textLayout->addWidget(Memo2, 1);
    PageControl1->addTab(text, QStringLiteral("Текст"));

    // "Избранное": filled by the samples browser.
    SamplesPage = new QWidget(PageControl1);
    SamplesPage->setObjectName("TabSheet4");
    auto *samplesLayout = new QVBoxLayout(SamplesPage);
    samplesLayout->setContentsMargins(0, 0, 0, 0);
    PageControl1->addTab(SamplesPage, QStringLiteral("Избранное"));
    return PageControl1;
}

QWidget *TForm1::CreateResultLine()
{
    auto *line = new QWidget(this);
    line->setObjectName("ResultPanel");
    line->setFixedHeight(18);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pnlResult = new QLabel(line);
    pnlResult->setObjectName("pnlResult");
    pnlResult->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTime = new QLabel(line);
    pnlTime->setObjectName("pnlTime");
    pnlTime->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTime->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pnlTime->setMargin(3);
    pnlTime->setFixedWidth(134);
    layout->addWidget(pnlResult, 1);
    layout->addWidget(pnlTime);
    return line;
}

void TForm1::SetCommandHandler(const QString &id, std::function<void()> handler)
{
    if (!handler) {
        FCommands.Set(id, nullptr);
        return;
    }
    FCommands.Set(id, [handler = std::move(handler)](const QString &) { handler(); });
}

void TForm1::SetCommandHandler(const QString &id, std::function<void(const QString &sender)> handler)
{
    FCommands.Set(id, std::move(handler));
}

void TForm1::RunCommand(const QString &id, const QString &sender)
{
    // A command of the window ends what the keyboard had started in the editor: a waiting two-key
    // command and the completion list (which would otherwise float over whatever comes next).
    Memo1->CancelPendingInput();
    FCommands.Run(id, sender);
}

QAction *TForm1::MenuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

QToolButton *TForm1::ToolButton(const QString &name) const
{
    return ToolBar1->findChild<QToolButton *>(name);
}

void TForm1::AttachContextMenu(QWidget *widget, QMenu *menu)
{
    FShortcuts.SetContextMenu(widget, menu);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu, [widget, menu](const QPoint &pos) {
        // Scroll areas report positions in their viewport.
        const auto *area = qobject_cast<QAbstractScrollArea *>(widget);
        menu->popup((area ? area->viewport() : widget)->mapToGlobal(pos));
    });
}

QWidget *TForm1::ReplaceComponent(QWidget *old, QWidget *replacement)
{
    QWidget *parent = old->parentWidget();
    const bool wasHidden = old->isHidden(); // a splitter hides the widget it gives up
    replacement->setObjectName(old->objectName());
    if (auto *splitter = qobject_cast<QSplitter *>(parent)) {
        const int index = splitter->indexOf(old);
        const QList<int> sizes = splitter->sizes();
        splitter->replaceWidget(index, replacement);
        splitter->setSizes(sizes);
    } else if (parent && parent->layout()) {
        replacement->setParent(parent);
        delete parent->layout()->replaceWidget(old, replacement);
    } else if (auto *tabs = qobject_cast<QTabWidget *>(parent ? parent->parentWidget() : nullptr)) {
        const int index = tabs->indexOf(old);
        const QString label = tabs->tabText(index);
        tabs->removeTab(index);
        tabs->insertTab(index, replacement, label);
    }
    if (QMenu *menu = FShortcuts.ContextMenu(old)) {
        FShortcuts.SetContextMenu(old, nullptr);
        AttachContextMenu(replacement, menu);
    }
    replacement->setVisible(!wasHidden);
    old->hide();
    old->deleteLater();
    return replacement;
}

void TForm1::SetMemo2(QTextEdit *view)
{
    view->setToolTip(Memo2->toolTip());
    Memo2 = static_cast<QTextEdit *>(ReplaceComponent(Memo2, view));
}

void TForm1::SetDocumentTitle(const QString &text)
{
    setWindowTitle(kTitlePrefix + text);
}

QString TForm1::DocumentTitle() const
{
    const QString title = windowTitle();
    return title.startsWith(kTitlePrefix) ? title.mid(kTitlePrefix.size()) : title;
}

void TForm1::AddLog(const QString &line)
{
    LOG1->addItem(line);
    LOG1->scrollToBottom();
}

void TForm1::ShowErrorMessage(const QString &message)
{
    if (FHooks.ShowError)
        FHooks.ShowError(message);
}

void TForm1::WriteBackup()
{
    const auto report = [this](const QString &m) { ShowErrorMessage(m); };
    RunGuarded([this] {
        const std::filesystem::path folder = std::filesystem::path(FBackupFile).parent_path();
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error)
            throw EVlFileError("Cannot create folder \"" + folder.string() + "\": " + error.message());
        QString text;
        for (int i = 0; i < Memo1->LineCount(); ++i)
            text += Memo1->Line(i) + QStringLiteral("\r\n");
        WriteTextFile(FBackupFile, text.toStdString());
    }, report);
    // The log goes out even when the backup failed: losing it too would help nobody. The program
    // folder's Data folder is not created; without it the write fails with the system's reason.
    RunGuarded([this] {
        QString text;
        for (int i = 0; i < LOG1->count(); ++i)
            text += LOG1->item(i)->text() + QStringLiteral("\r\n");
        WriteTextFile(FLogFile, text.toStdString());
    }, report);
}

void TForm1::CloseWithoutAsking()
{
    FQuitConfirmed = true;
    // Modal dialogs and message boxes end first, so that their loops give way to the main one.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    QTimer::singleShot(0, this, [this] { close(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FQuitConfirmed) {
        const bool ok = !FHooks.Confirm || FHooks.Confirm(kQuitQuestion);
        if (!ok) {
            event->ignore();
            return;
        }
        FQuitConfirmed = true;
    }
    SavePlacement();
    event->accept();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!FPlacementRestored) {
        FPlacementRestored = true;
        RestorePlacement();
        emit FirstShown();
    }
}

void TForm1::RestorePlacement()
{
    if (const std::optional<TVlWindowPlacement> placement = ReadPlacement(*FFormStorage))
        ApplyPlacement(*this, *placement);
    else
        CenterOnScreen(*this);
}

void TForm1::SavePlacement()
{
    const QScreen *screen = this->screen();
    const QSize screenSize = screen ? screen->size() : QSize();
    WritePlacement(*FFormStorage, PlacementOf(*this), screenSize);
}

bool TForm1::TryShortcut(QWidget *focus, QKeyEvent *key, bool run)
{
    QAction *action = FShortcuts.Resolve(focus, TVlShortcutResolver::KeyOf(key->key(), key->modifiers()));
    if (!action)
        return false;
    if (run)
        action->trigger(); // toggles auto-check items, then runs the command
    return true;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    // Keys typed in dialogs and open menus are theirs.
    if (!widget || widget->window() != this || QApplication::activePopupWidget())
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // Esc after the first key of a two-key command cancels that command, not the program.
    if (widget == Memo1 && key->key() == Qt::Key_Escape && Memo1->KeySequencePending()) {
        if (type == QEvent::ShortcutOverride)
            event->accept();
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // Claim the key so that no Qt shortcut takes it; the key press that follows runs the item.
        if (TryShortcut(widget, key, false)) {
            event->accept();
            return true;
        }
        return false;
    }
    return TryShortcut(widget, key, true);
}
