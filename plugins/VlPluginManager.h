// TVlPluginManager: finds plug-in libraries, loads them, starts their plug-ins, announces their
// commands, and frees everything at the end.
#pragma once

#include "VlPlugin.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

// How a library is loaded. Run-time packages (plgPackage) have no equivalent here: loading one
// fails with a message saying so.
enum TVlPluginKind : uint8_t { plgDLL, plgPackage, plgCustom };

using TVlLibraryHandle = void *;

// Why a plug-in that came out of its library was not kept.
enum class TVlPluginSkipReason {
    Refused,       // its start (OnInitialize) cleared the allow flag
    InstanceLimit, // InstanceCount plug-ins with its PluginID are loaded already
};

// One loaded plug-in.
struct TPluginInfo {
    TVlPluginKind Kind = plgCustom;
    TVlLibraryHandle Handle = nullptr; // null for a plug-in that came without a library
    // Owned by the manager; the command handlers it announced only watch it, so a handler used
    // after the plug-in was unloaded does nothing.
    std::shared_ptr<TVlPlugIn> Plugin;
};

// The file extension searched for with each kind, without the dot.
QString DefaultPluginExtension(TVlPluginKind kind);

class TVlPluginManager {
public:
    TVlPluginManager();
    // Unloads the plug-ins from the front of the list until it is empty.
    ~TVlPluginManager();
    TVlPluginManager(const TVlPluginManager &) = delete;
    TVlPluginManager &operator=(const TVlPluginManager &) = delete;

    // Empty means the executable's folder; a relative folder is taken from the current directory.
    const QString &PluginFolder() const { return FPluginFolder; }
    void SetPluginFolder(const QString &folder) { FPluginFolder = folder; }
    const QString &Extension() const { return FExtension; }
    // An empty extension fails with "Extension may not be empty" and the old one stays.
    void SetExtension(const QString &extension);
    TVlPluginKind PluginKind() const { return FPluginKind; }
    // The extension follows the kind when it still is the old kind's default.
    void SetPluginKind(TVlPluginKind kind);
    // The host's entry points, handed to every plug-in as its OwnerApplication.
    const VlHost *HostApplication() const { return FHostApplication; }
    void SetHostApplication(const VlHost *host) { FHostApplication = host; }

    // Loads every library of the plug-in folder in file name order; one that fails is skipped.
    void LoadPluginsFromFolder();
    void LoadPluginFile(const QString &fileName, TVlPluginKind kind);
    // Starts the plug-in and announces its commands. On true the manager has taken the object
    // (`plugin` is then empty); on false it stays with the caller.
    bool AcceptPlugin(std::unique_ptr<TVlPlugIn> &plugin, const QString &fileName);
    void ListPluginNames(QStringList &names) const;
    int PluginCount() const { return static_cast<int>(FPlugins.size()); }
    // Both raise EListError "List index out of bounds (%d)".
    const TPluginInfo &Plugins(int index) const;
    TVlPlugIn *PluginAt(int index) const { return Plugins(index).Plugin.get(); }
    void UnloadPluginAt(int index);
    static void ReleasePluginLibrary(TVlPluginKind kind, TVlLibraryHandle handle);

    // Events. The allow flags start true; clearing them skips the file or releases the library.
    std::function<void(TVlPluginManager &sender, const QString &fileName, bool &allow)> OnBeforeLoad;
    std::function<void(TVlPluginManager &sender, const QString &fileName, TVlLibraryHandle handle, bool &allow)>
        OnAfterLoad;
    std::function<void(TVlPluginManager &sender, TVlPlugIn &plugin)> OnBeforeNewCommand;
    std::function<void(TVlPluginManager &sender, const QString &caption, const QString &hint, const QString &data,
                       uint16_t shortCut, const QImage &bitmap, const TVlExecuteEvent &execute)>
        OnNewCommand;
    std::function<void(TVlPluginManager &sender, TVlPlugIn &plugin)> OnAfterNewCommand;
    // When set, receives every error instead of the error being raised.
    std::function<void(TVlPluginManager &sender, const std::exception &error)> OnPlugInError;
    // A plug-in was dropped without an error (refused to start, or one instance too many).
    std::function<void(TVlPluginManager &sender, const QString &fileName, TVlPluginSkipReason reason)>
        OnPluginSkipped;

private:
    static TVlLibraryHandle OpenLibrary(TVlPluginKind kind, const QString &fileName);
    std::unique_ptr<TVlPlugIn> CallRegisterPlugin(TVlLibraryHandle handle, const QString &fileName) const;
    bool InstanceLimitReached(const TVlPlugIn &plugin) const;
    void AnnounceCommands(const std::shared_ptr<TVlPlugIn> &plugin);
    void Skipped(const QString &fileName, TVlPluginSkipReason reason);
    // Passes the error to OnPlugInError, or raises it again when that is not set.
    void HandleError(const std::exception_ptr &error);

    QString FPluginFolder = QStringLiteral("Plugins");
    QString FExtension = DefaultPluginExtension(plgDLL);
    TVlPluginKind FPluginKind = plgDLL;
    const VlHost *FHostApplication = nullptr;
    std::vector<TPluginInfo> FPlugins;
};
