// The plug-in manager: loading libraries, starting plug-ins, announcing commands, unloading.
#include "VlPluginManager.h"

#include "VlLibraryPlugIn.h"
#include "VlPluginErrors.h"
#include "rtl/VlExceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <utility>

namespace {

const QString kRegisterPlugin = QStringLiteral(VL_REGISTER_PLUGIN_NAME);

// The handler announced for a command: runs the command's own while its plug-in is loaded.
TVlExecuteEvent WatchedHandler(const std::shared_ptr<TVlPlugIn> &plugin, int index)
{
    return [watched = std::weak_ptr<TVlPlugIn>(plugin), index](const QString &sender) {
        const std::shared_ptr<TVlPlugIn> alive = watched.lock();
        if (!alive || index >= alive->Commands.Count())
            return;
        const TVlPluginCommand &command = alive->Commands.Items(index);
        if (command.OnExecute)
            command.OnExecute(sender);
    };
}

} // namespace

QString DefaultPluginExtension(TVlPluginKind kind)
{
    switch (kind) {
    case plgDLL:
        return QStringLiteral("so"); // the platform's shared libraries
    case plgPackage:
        return QStringLiteral("bpl");
    case plgCustom:
        break;
    }
    return QStringLiteral("xxx");
}

TVlPluginManager::TVlPluginManager() = default;

TVlPluginManager::~TVlPluginManager()
{
    while (!FPlugins.empty())
        UnloadPluginAt(0);
}

void TVlPluginManager::SetExtension(const QString &extension)
{
    if (extension.isEmpty()) {
        HandleError(std::make_exception_ptr(EVlPlugInError(VlPluginMessages::ExtensionEmpty())));
        return;
    }
    FExtension = extension;
}

void TVlPluginManager::SetPluginKind(TVlPluginKind kind)
{
    if (FExtension == DefaultPluginExtension(FPluginKind))
        FExtension = DefaultPluginExtension(kind);
    FPluginKind = kind;
}

void TVlPluginManager::LoadPluginsFromFolder()
{
    try {
        // 1. The folder, with a trailing separator.
        QString folder = FPluginFolder.isEmpty() ? QCoreApplication::applicationDirPath() : FPluginFolder;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        // 2. Its plain files with the extension, by name so that the order is the same every time.
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("*.") + FExtension}, QDir::Files, QDir::Name);
        // 3. One bad file never stops the others.
        for (const QString &file : files) {
            try {
                LoadPluginFile(folder + file, FPluginKind);
            } catch (...) {
            }
        }
    } catch (...) {
        // 4. The enumeration itself failed.
        HandleError(std::current_exception());
    }
}

void TVlPluginManager::LoadPluginFile(const QString &fileName, TVlPluginKind kind)
{
    // 1. The host may skip the file.
    bool allow = true;
    if (OnBeforeLoad)
        OnBeforeLoad(*this, fileName, allow);
    if (!allow)
        return;
    const int countBefore = PluginCount();
    TVlLibraryHandle handle = nullptr;
    std::unique_ptr<TVlPlugIn> plugin;
    try {
        // 2. The library.
        handle = OpenLibrary(kind, fileName);
        // 3. The host may release it again.
        allow = true;
        if (OnAfterLoad)
            OnAfterLoad(*this, fileName, handle, allow);
        if (!allow) {
            ReleasePluginLibrary(kind, std::exchange(handle, nullptr));
            return;
        }
        // 4-5. Its plug-in.
        plugin = CallRegisterPlugin(handle, fileName);
        // 6. One instance too many goes quietly, and its library with it.
        if (InstanceLimitReached(*plugin)) {
            plugin.reset();
            ReleasePluginLibrary(kind, std::exchange(handle, nullptr));
            Skipped(fileName, TVlPluginSkipReason::InstanceLimit);
            return;
        }
        // 7. Started and announced, the record gets the library.
        if (AcceptPlugin(plugin, fileName)) {
            FPlugins.back().Kind = kind;
            FPlugins.back().Handle = handle;
            return;
        }
        // A plug-in that did not start is freed at once, its library too.
        plugin.reset();
        ReleasePluginLibrary(kind, std::exchange(handle, nullptr));
    } catch (...) {
        // 8. Nothing of the file stays.
        if (PluginCount() > countBefore)
            FPlugins.pop_back();
        plugin.reset();
        if (handle)
            ReleasePluginLibrary(kind, handle);
        HandleError(std::current_exception());
    }
}

bool TVlPluginManager::AcceptPlugin(std::unique_ptr<TVlPlugIn> &plugin, const QString &fileName)
{
    // 1. Start it.
    const QString name = fileName.isEmpty() ? QStringLiteral("CustomPlugin") : fileName;
    bool started = false;
    try {
        started = plugin->StartPlugin(this, FHostApplication, name);
    } catch (...) {
        HandleError(std::current_exception());
        return false;
    }
    if (!started) {
        Skipped(name, TVlPluginSkipReason::Refused);
        return false;
    }
    // 2. Its record.
    TPluginInfo info;
    info.Plugin = std::shared_ptr<TVlPlugIn>(std::move(plugin));
    FPlugins.push_back(info);
    // 3. Its commands.
    try {
        AnnounceCommands(info.Plugin);
    } catch (...) {
        HandleError(std::current_exception());
    }
    return true;
}

void TVlPluginManager::ListPluginNames(QStringList &names) const
{
    QStringList result;
    for (const TPluginInfo &info : FPlugins)
        result << info.Plugin->Name;
    names = result; // one change, as if inside an update bracket
}

const TPluginInfo &TVlPluginManager::Plugins(int index) const
{
    if (index < 0 || index >= PluginCount())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FPlugins[static_cast<size_t>(index)];
}

void TVlPluginManager::UnloadPluginAt(int index)
{
    Plugins(index); // checks the index
    TPluginInfo &info = FPlugins[static_cast<size_t>(index)];
    // The object first: its Destroy runs inside the library.
    info.Plugin.reset();
    ReleasePluginLibrary(info.Kind, std::exchange(info.Handle, nullptr));
    FPlugins.erase(FPlugins.begin() + index);
}

void TVlPluginManager::ReleasePluginLibrary(TVlPluginKind kind, TVlLibraryHandle handle)
{
    // Packages are never loaded here and custom plug-ins have no library.
    if (kind == plgDLL && handle)
        dlclose(handle);
}

TVlLibraryHandle TVlPluginManager::OpenLibrary(TVlPluginKind kind, const QString &fileName)
{
    if (kind == plgPackage)
        throw EVlLoadPluginError(VlPluginMessages::PackagesUnsupported(fileName));
    if (kind != plgDLL)
        throw EVlLoadPluginError(VlPluginMessages::PackageNotFound(fileName));
    // A bare name would make the loader search the system's folders: the file is always a path.
    // Every symbol is bound now, so that a library with a missing one fails here, not when used.
    const QByteArray path = QFile::encodeName(QFileInfo(fileName).absoluteFilePath());
    TVlLibraryHandle handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // The loader's reason, without the path it starts with (the message names the file).
        QString reason = QString::fromLocal8Bit(dlerror());
        const QString prefix = QString::fromLocal8Bit(path) + QStringLiteral(": ");
        if (reason.startsWith(prefix))
            reason.remove(0, prefix.size());
        throw EVlLoadPluginError(VlPluginMessages::PackageNotFound(fileName), reason);
    }
    return handle;
}

std::unique_ptr<TVlPlugIn> TVlPluginManager::CallRegisterPlugin(TVlLibraryHandle handle, const QString &fileName) const
{
    dlerror();
    auto entry = reinterpret_cast<VlRegisterPluginFunction>(dlsym(handle, VL_REGISTER_PLUGIN_NAME));
    if (!entry)
        throw EVlLoadPluginError(VlPluginMessages::FunctionNotFound(kRegisterPlugin, fileName));
    VlPlugin *object = entry();
    if (!object)
        throw EVlCantRegisterPlugInError(VlPluginMessages::CallFailed(kRegisterPlugin, fileName));
    return TVlLibraryPlugIn::Adopt(object, fileName);
}

bool TVlPluginManager::InstanceLimitReached(const TVlPlugIn &plugin) const
{
    if (plugin.InstanceCount <= 0)
        return false;
    int count = 0;
    for (const TPluginInfo &info : FPlugins)
        if (info.Plugin->PluginID == plugin.PluginID)
            ++count;
    return count >= plugin.InstanceCount;
}

void TVlPluginManager::AnnounceCommands(const std::shared_ptr<TVlPlugIn> &plugin)
{
    if (OnBeforeNewCommand)
        OnBeforeNewCommand(*this, *plugin);
    try {
        if (OnNewCommand)
            for (int i = 0; i < plugin->Commands.Count(); ++i) {
                const TVlPluginCommand &command = plugin->Commands.Items(i);
                OnNewCommand(*this, command.Caption, command.Hint, command.Data, command.ShortCut, command.Bitmap,
                             WatchedHandler(plugin, i));
            }
    } catch (...) {
        if (OnAfterNewCommand)
            OnAfterNewCommand(*this, *plugin);
        throw;
    }
    if (OnAfterNewCommand)
        OnAfterNewCommand(*this, *plugin);
}

void TVlPluginManager::Skipped(const QString &fileName, TVlPluginSkipReason reason)
{
    if (OnPluginSkipped)
        OnPluginSkipped(*this, fileName, reason);
}

void TVlPluginManager::HandleError(const std::exception_ptr &error)
{
    if (!OnPlugInError)
        std::rethrow_exception(error);
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        OnPlugInError(*this, e);
    } catch (...) {
        OnPlugInError(*this, EVlPlugInError(QStringLiteral("Unknown error")));
    }
}
