// The "Плагины" window: the plug-in manager's host, its lists and the plug-in commands.
#include "PluginForm.h"

#include "VlPluginErrors.h"
#include "VlPluginShortCut.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kClientWidth = 453;
constexpr int kClientHeight = 317;
constexpr int kButtonWidth = 23; // a speed button's usual size
constexpr int kButtonHeight = 22;
constexpr int kMaxGlyphs = 4;

QString SkipLine(const QString &fileName, TVlPluginSkipReason reason)
{
    switch (reason) {
    case TVlPluginSkipReason::Refused:
        return QStringLiteral("Плагин отказался запускаться: ") + fileName;
    case TVlPluginSkipReason::InstanceLimit:
        break;
    }
    return QStringLiteral("Плагин уже загружен, копия пропущена: ") + fileName;
}

QString ErrorLine(const std::exception &error)
{
    QString line = QStringLiteral("Плагин пропущен: ") + QString::fromUtf8(error.what());
    if (const auto *pluginError = dynamic_cast<const EVlPlugInError *>(&error))
        if (!pluginError->Detail().isEmpty())
            line += QStringLiteral(" (") + pluginError->Detail() + QLatin1Char(')');
    return line;
}

} // namespace

TPlug::TPlug(const QString &pluginFolder, TVlPluginHostHandlers host, QWidget *parent)
    : QDialog(parent)
    , FHost(std::move(host))
    , FManager(std::make_unique<TVlPluginManager>())
{
    setObjectName(QStringLiteral("Plug"));
    setWindowTitle(QStringLiteral("Плагины"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateMenu();
    layout->setMenuBar(MainMenu1);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(29);
    layout->addWidget(Panel1);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 0, 4, 4);
    body->setSpacing(6);
    body->addWidget(CreateLists());
    body->addWidget(CreateInformation(), 1);
    layout->addLayout(body, 1);
    // The menu bar sits inside the window here, above the designed client area.
    setFixedSize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());

    FManager->SetPluginFolder(pluginFolder);
    FManager->SetHostApplication(FHost.Table());
    ConnectManager();
    // 1-2. Every plug-in, then the list of them.
    FManager->LoadPluginsFromFolder();
    RefillPluginList();
}

TPlug::~TPlug()
{
    FManager.reset();
}

void TPlug::CreateMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    QMenu *file = MainMenu1->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("File1"));
    QAction *exit = file->addAction(QStringLiteral("Выход"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &QDialog::close);
    CommandsMenu = MainMenu1->addMenu(QStringLiteral("Команды"));
    CommandsMenu->setObjectName(QStringLiteral("Commands1"));
}

QWidget *TPlug::CreateLists()
{
    auto *lists = new QWidget(this);
    lists->setFixedWidth(200);
    auto *layout = new QVBoxLayout(lists);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    clbPlugins = new QListWidget(lists);
    clbPlugins->setObjectName(QStringLiteral("clbPlugins"));
    layout->addWidget(clbPlugins, 1);
    auto *status = new QLabel(QStringLiteral("Статус:"), lists);
    layout->addWidget(status);
    lbStatus = new QListWidget(lists);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setFixedHeight(110);
    layout->addWidget(lbStatus);
    connect(clbPlugins, &QListWidget::currentRowChanged, this, &TPlug::clbPluginsClick);
    connect(clbPlugins, &QListWidget::itemClicked, this, &TPlug::clbPluginsClick);
    connect(clbPlugins, &QListWidget::itemDoubleClicked, this, &TPlug::clbPluginsDblClick);
    return lists;
}

QWidget *TPlug::CreateInformation()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(column);
    panel->setObjectName(QStringLiteral("InfoPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *info = new QVBoxLayout(panel);
    info->addWidget(new QLabel(QStringLiteral("Автор:"), panel));
    labAuthor = new QLabel(panel);
    labAuthor->setObjectName(QStringLiteral("labAuthor"));
    labAuthor->setWordWrap(true);
    info->addWidget(labAuthor);
    info->addWidget(new QLabel(QStringLiteral("Описание:"), panel));
    labDescription = new QLabel(panel);
    labDescription->setObjectName(QStringLiteral("labDescription"));
    labDescription->setWordWrap(true);
    labDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->addWidget(labDescription, 1);
    auto *hint = new QLabel(QStringLiteral("Двойной щелчок - параметры плагина"), panel);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    info->addWidget(hint);
    layout->addWidget(panel, 1);
    CloseButton = new QPushButton(QStringLiteral("Закрыть"), column);
    CloseButton->setObjectName(QStringLiteral("btnClose"));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    return column;
}

void TPlug::ConnectManager()
{
    FManager->OnBeforeLoad = [this](TVlPluginManager &, const QString &fileName, bool &) {
        AddStatus(QStringLiteral("Загрузка плагина: ") + fileName);
    };
    FManager->OnAfterLoad = [this](TVlPluginManager &, const QString &fileName, TVlLibraryHandle, bool &) {
        RefillPluginList();
        AddStatus(QStringLiteral("Загрузка плагина завешена: ") + fileName);
    };
    FManager->OnNewCommand = [this](TVlPluginManager &, const QString &caption, const QString &hint, const QString &,
                                    uint16_t shortCut, const QImage &bitmap, const TVlExecuteEvent &execute) {
        AddCommand(caption, hint, shortCut, bitmap, execute);
    };
    // A library that is skipped says why.
    FManager->OnPlugInError = [this](TVlPluginManager &, const std::exception &error) { AddStatus(ErrorLine(error)); };
    FManager->OnPluginSkipped = [this](TVlPluginManager &, const QString &fileName, TVlPluginSkipReason reason) {
        AddStatus(SkipLine(fileName, reason));
    };
}

void TPlug::RefillPluginList()
{
    QStringList names;
    FManager->ListPluginNames(names);
    clbPlugins->clear();
    clbPlugins->addItems(names);
}

void TPlug::AddStatus(const QString &line)
{
    // Lines with long paths are cut by the narrow list: the whole line is the item's tooltip.
    auto *item = new QListWidgetItem(line, lbStatus);
    item->setToolTip(line);
    lbStatus->scrollToBottom();
}

void TPlug::AddCommand(const QString &caption, const QString &hint, uint16_t shortCut, const QImage &bitmap,
                       const TVlExecuteEvent &execute)
{
    // 1. The log.
    AddStatus(QStringLiteral("Добавлена команда: ") + caption);
    // 2. The menu item, with the shortcut the plug-in suggests.
    QAction *item = CommandsMenu->addAction(caption);
    item->setObjectName(QStringLiteral("CommandItem%1").arg(FButtonCount + 1));
    item->setShortcut(PluginShortCutToKeySequence(shortCut));
    connect(item, &QAction::triggered, this, [item, execute] { execute(item->objectName()); });
    // 3. The button.
    QToolButton *button = AddCommandButton(hint, bitmap);
    connect(button, &QToolButton::clicked, this, [button, execute] { execute(button->objectName()); });
    // 4. The next button goes to the right of this one.
    ++FButtonCount;
}

QToolButton *TPlug::AddCommandButton(const QString &hint, const QImage &bitmap)
{
    auto *button = new QToolButton(Panel1);
    button->setObjectName(QStringLiteral("CommandButton%1").arg(FButtonCount + 1));
    button->setAutoRaise(true);
    button->setGeometry(FButtonCount * kButtonWidth + 4, 4, kButtonWidth, kButtonHeight);
    button->setToolTip(hint);
    button->setProperty("NumGlyphs", 1);
    if (!bitmap.isNull()) {
        // The glyph holds its images side by side, each as wide as the glyph is high: the normal
        // one first, then the one for a disabled button.
        const int glyphs = std::clamp(bitmap.width() / bitmap.height(), 1, kMaxGlyphs);
        const int width = bitmap.width() / glyphs;
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(bitmap.copy(0, 0, width, bitmap.height())), QIcon::Normal);
        if (glyphs > 1)
            icon.addPixmap(QPixmap::fromImage(bitmap.copy(width, 0, width, bitmap.height())), QIcon::Disabled);
        button->setIcon(icon);
        button->setIconSize(QSize(width, bitmap.height()));
        button->setProperty("NumGlyphs", glyphs);
    }
    button->show();
    return button;
}

TVlPlugIn *TPlug::SelectedPlugin() const
{
    const int row = clbPlugins->currentRow();
    return row >= 0 && row < FManager->PluginCount() ? FManager->PluginAt(row) : nullptr;
}

void TPlug::clbPluginsClick()
{
    if (TVlPlugIn *plugin = SelectedPlugin()) {
        labAuthor->setText(plugin->Author);
        labDescription->setText(plugin->Description);
    }
}

void TPlug::clbPluginsDblClick()
{
    if (TVlPlugIn *plugin = SelectedPlugin())
        plugin->ShowConfiguration();
}
