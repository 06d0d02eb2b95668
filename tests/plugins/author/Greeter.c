/* Greeter: a plug-in as an author outside the project writes it, from VeltranoPlugin.h alone.
 * Valid C and C++, so that the test builds it with both compilers. */
#include "VeltranoPlugin.h"

#include <stdio.h>
#include <stdlib.h>

static VlPluginCommand gGreet;

static void Greet(VlPlugin *plugin, const VlPluginCommand *command)
{
    const VlHost *host = plugin->OwnerApplication;
    char name[64];
    char greeting[128];
    (void)command;
    host->GetSelText(host, name, (int32_t)sizeof name);
    snprintf(greeting, sizeof greeting, "{ Привет, %s! }", name[0] ? name : "мир");
    host->InsertText(host, greeting);
}

static void Started(VlPlugin *plugin, VlBool *allow)
{
    const VlHost *host = plugin->OwnerApplication;
    char line[128];
    (void)allow;
    snprintf(line, sizeof line, "Greeter works with Veltrano %s", host->Version(host));
    host->AddLog(host, line);
}

static void Destroy(VlPlugin *plugin)
{
    free(plugin);
}

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = (VlPlugin *)malloc(sizeof *plugin);
    if (!plugin)
        return NULL;
    VlPluginInit(plugin);
    plugin->Name = "Greeter";
    plugin->PluginID = "Example.Greeter";
    plugin->Author = "A. Author";
    plugin->Description = "Greets whoever is selected.";
    gGreet.Caption = "Поприветствовать";
    gGreet.Hint = "Вставить приветствие";
    gGreet.ShortCut = VL_SC_CTRL | 'G';
    gGreet.OnExecute = Greet;
    plugin->CommandCount = 1;
    plugin->Commands = &gGreet;
    plugin->OnInitialize = Started;
    plugin->Destroy = Destroy;
    return plugin;
}
