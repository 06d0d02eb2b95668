// Helpers of the plug-in tests.
#include "PluginTestSupport.h"

#include "plugins/VlPluginErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

QString TestPluginPath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/TestPlugins/") + name + QStringLiteral(".so");
}

QString StageTestPlugins(const QString &folder, const QStringList &names)
{
    QDir().mkpath(folder);
    for (const QString &entry : names) {
        const QString source = entry.section(QLatin1Char('='), 0, 0);
        const QString target = entry.contains(QLatin1Char('=')) ? entry.section(QLatin1Char('='), 1) : source;
        QFile::copy(TestPluginPath(source), QDir(folder).filePath(target + QStringLiteral(".so")));
    }
    return folder;
}

bool IsLibraryLoaded(const QString &path)
{
    void *handle = dlopen(QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    dlclose(handle);
    return true;
}

void WriteBrokenPlugin(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("this is no shared library\n");
}

TVlPluginHostHandlers TTestHost::Handlers()
{
    TVlPluginHostHandlers handlers;
    handlers.Version = QStringLiteral("1.0.0");
    handlers.GetText = [this] { return Text; };
    handlers.SetText = [this](const QString &text) {
        if (!ReadOnly)
            Text = text;
        return !ReadOnly;
    };
    handlers.GetSelText = [this] { return Selection; };
    handlers.InsertText = [this](const QString &text) {
        if (!ReadOnly)
            Text += text;
        return !ReadOnly;
    };
    handlers.AddLog = [this](const QString &line) { Log << line; };
    handlers.ShowMessage = [this](const QString &text) { Messages << text; };
    return handlers;
}

QString ErrorClassOf(const std::exception &error)
{
    if (dynamic_cast<const EVlCantRegisterPlugInError *>(&error))
        return QStringLiteral("EVlCantRegisterPlugInError");
    if (dynamic_cast<const EVlLoadPluginError *>(&error))
        return QStringLiteral("EVlLoadPluginError");
    if (dynamic_cast<const EVlPlugInError *>(&error))
        return QStringLiteral("EVlPlugInError");
    return QStringLiteral("other");
}

void TEventRecorder::Attach(TVlPluginManager &manager, bool handleErrors)
{
    const auto base = [](const QString &fileName) { return QFileInfo(fileName).fileName(); };
    manager.OnBeforeLoad = [this, base](TVlPluginManager &, const QString &fileName, bool &) {
        Events << QStringLiteral("BeforeLoad ") + base(fileName);
    };
    manager.OnAfterLoad = [this, base](TVlPluginManager &, const QString &fileName, TVlLibraryHandle handle, bool &) {
        Events << QStringLiteral("AfterLoad ") + base(fileName) + (handle ? QString() : QStringLiteral(" no handle"));
    };
    manager.OnBeforeNewCommand = [this](TVlPluginManager &, TVlPlugIn &plugin) {
        Events << QStringLiteral("BeforeNewCommand ") + plugin.Name;
    };
    manager.OnNewCommand = [this](TVlPluginManager &, const QString &caption, const QString &, const QString &,
                                  uint16_t shortCut, const QImage &bitmap, const TVlExecuteEvent &execute) {
        Events << QStringLiteral("NewCommand ") + caption;
        Handlers.push_back(execute);
        Bitmaps.push_back(bitmap);
        ShortCuts.push_back(shortCut);
    };
    manager.OnAfterNewCommand = [this](TVlPluginManager &, TVlPlugIn &plugin) {
        Events << QStringLiteral("AfterNewCommand ") + plugin.Name;
    };
    manager.OnPluginSkipped = [this, base](TVlPluginManager &, const QString &fileName, TVlPluginSkipReason reason) {
        Events << QStringLiteral("Skipped ") + base(fileName)
                      + (reason == TVlPluginSkipReason::Refused ? QStringLiteral(" refused") : QStringLiteral(" limit"));
    };
    if (handleErrors)
        manager.OnPlugInError = [this](TVlPluginManager &, const std::exception &error) {
            Events << QStringLiteral("Error ") + ErrorClassOf(error) + QStringLiteral(": ") + QString::fromUtf8(error.what());
        };
}
