// What the plug-in tests share: the test libraries, a host that records the plug-ins' calls, and
// a recorder of the manager's events.
#pragma once

#include "plugins/VlPluginHost.h"
#include "plugins/VlPluginManager.h"

#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// The test library NAME.so (built from libs/TestPlugin.c) beside the test program.
QString TestPluginPath(const QString &name);
// Copies test libraries into `folder` (created when missing), each under the name given after
// "=" or its own ("TwoCommands", "SameId=Second"); returns the folder.
QString StageTestPlugins(const QString &folder, const QStringList &names);
// True while the library at `path` is loaded in this process.
bool IsLibraryLoaded(const QString &path);
// A file with the plug-in extension that is no library at all.
void WriteBrokenPlugin(const QString &path);

// Host entry points over plain fields.
class TTestHost {
public:
    // Handlers over the fields below, for a window that makes its own host.
    TVlPluginHostHandlers Handlers();
    const VlHost *Table() const { return Host.Table(); }

    QStringList Log;      // AddLog lines
    QStringList Messages; // ShowMessage texts
    QString Text;         // the "editor"
    QString Selection;
    bool ReadOnly = false;
    TVlPluginHost Host{Handlers()};
};

// The manager's events as lines, e.g. "BeforeLoad TwoCommands.so", "NewCommand Первая".
class TEventRecorder {
public:
    // With `handleErrors` the errors become "Error <class>: <message>" lines instead of exceptions.
    void Attach(TVlPluginManager &manager, bool handleErrors = true);

    QStringList Events;
    std::vector<TVlExecuteEvent> Handlers; // announced execute handlers, in order
    std::vector<QImage> Bitmaps;
    std::vector<uint16_t> ShortCuts;
};

// The class name of a manager error, most derived first.
QString ErrorClassOf(const std::exception &error);
