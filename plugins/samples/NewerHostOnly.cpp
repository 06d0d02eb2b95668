// NewerHostOnly: a sample plug-in that needs a newer Veltrano and turns its start down in
// OnInitialize, saying why in the program's log. Written in C++ against VeltranoPlugin.h alone.
#include "VeltranoPlugin.h"

#include <cstdlib>
#include <new>
#include <string>

namespace {

constexpr int kNeededMajorVersion = 2;

void Initialize(VlPlugin *plugin, VlBool *allow)
{
    const VlHost *host = plugin->OwnerApplication;
    const char *version = host->Version(host);
    if (std::atoi(version) >= kNeededMajorVersion)
        return;
    *allow = 0;
    const std::string line = std::string("NewerHostOnly: нужна Veltrano ") + std::to_string(kNeededMajorVersion)
                             + ".0 или новее, а это " + version + "; плагин не запущен.";
    host->AddLog(host, line.c_str());
}

void Destroy(VlPlugin *plugin)
{
    delete plugin;
}

} // namespace

VlPlugin *RegisterPlugin()
{
    auto *plugin = new (std::nothrow) VlPlugin;
    if (!plugin)
        return nullptr;
    VlPluginInit(plugin);
    plugin->Name = "NewerHostOnly";
    plugin->PluginID = "Veltrano.Samples.NewerHostOnly";
    plugin->Author = "Команда Veltrano";
    plugin->Description = "Пример плагина, который отказывается запускаться: ему нужна Veltrano 2.0.";
    plugin->PluginVersion = "1.0";
    plugin->OnInitialize = Initialize;
    plugin->Destroy = Destroy;
    return plugin;
}
