// TPlug, the "Плагины" window: the only host of plug-ins. Creating it loads every plug-in of its
// folder; it lists them with author and description, logs the loading, and makes each plug-in
// command a menu item and a button of its own.
#pragma once

#include "VlPluginHost.h"
#include "VlPluginManager.h"

#include <QDialog>

#include <memory>

class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;

class TPlug : public QDialog {
    Q_OBJECT
public:
    // `pluginFolder` is searched for libraries at once; `host` answers the plug-ins' calls.
    TPlug(const QString &pluginFolder, TVlPluginHostHandlers host, QWidget *parent = nullptr);
    // Frees the plug-ins while the window and the host's entry points still stand.
    ~TPlug() override;

    QMenuBar *MainMenu1 = nullptr;
    QMenu *CommandsMenu = nullptr; // the second top-level menu: one item per plug-in command
    QWidget *Panel1 = nullptr;     // the command bar: one button per plug-in command
    QListWidget *clbPlugins = nullptr;
    QListWidget *lbStatus = nullptr;
    QLabel *labAuthor = nullptr;
    QLabel *labDescription = nullptr;
    QPushButton *CloseButton = nullptr;
    int ButtonCount() const { return FButtonCount; }

    // List handlers.
    void clbPluginsClick();
    void clbPluginsDblClick();

private:
    void CreateMenu();
    QWidget *CreateLists();
    QWidget *CreateInformation();
    void ConnectManager();
    void RefillPluginList();
    void AddStatus(const QString &line);
    void AddCommand(const QString &caption, const QString &hint, uint16_t shortCut, const QImage &bitmap,
                    const TVlExecuteEvent &execute);
    QToolButton *AddCommandButton(const QString &hint, const QImage &bitmap);
    TVlPlugIn *SelectedPlugin() const;

    TVlPluginHost FHost; // outlives the plug-ins, which hold its table
    std::unique_ptr<TVlPluginManager> FManager;
    int FButtonCount = 0;
};
