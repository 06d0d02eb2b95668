/* The small libraries the plug-in tests load: one source, one variant per library (VARIANT_...).
 * Each reports what happens to it through the host's log, so that tests can watch it. */
#include "VeltranoPlugin.h"

#include <stdio.h>
#include <stdlib.h>

static inline void Log(VlPlugin *plugin, const char *what)
{
    const VlHost *host = plugin->OwnerApplication;
    char line[1024];
    if (!host)
        return;
    snprintf(line, sizeof line, "%s: %s", plugin->Name ? plugin->Name : "?", what);
    host->AddLog(host, line);
}

static inline void Destroy(VlPlugin *plugin)
{
    Log(plugin, "destroy");
    free(plugin);
}

/* A plug-in object with the usual description, freed by Destroy. */
static inline VlPlugin *NewPlugin(const char *name, const char *id)
{
    VlPlugin *plugin = (VlPlugin *)calloc(1, sizeof *plugin);
    if (!plugin)
        return NULL;
    VlPluginInit(plugin);
    plugin->Name = name;
    plugin->PluginID = id;
    plugin->Author = "Автор теста";
    plugin->Description = "Описание теста";
    plugin->Destroy = Destroy;
    return plugin;
}

#if defined(VARIANT_TwoCommands)

static uint32_t gSmall[16 * 16];
static uint32_t gWide[32 * 16];
static VlPluginCommand gCommands[2];

static void Execute(VlPlugin *plugin, const VlPluginCommand *command)
{
    char what[128];
    snprintf(what, sizeof what, "execute %s", command->Caption);
    Log(plugin, what);
}

static void Initialize(VlPlugin *plugin, VlBool *allow)
{
    (void)allow;
    plugin->Description = "Два тестовых действия"; /* read again after the start */
    Log(plugin, "initialize");
}

static void Configure(VlPlugin *plugin)
{
    Log(plugin, "configure");
}

static void Message(VlPlugin *plugin, int32_t message, const char *text)
{
    char what[128];
    snprintf(what, sizeof what, "message %d %s", (int)message, text);
    Log(plugin, what);
}

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = NewPlugin("TwoCommands", "Test.TwoCommands");
    int i;
    if (!plugin)
        return NULL;
    for (i = 0; i < 16 * 16; ++i)
        gSmall[i] = 0xFF112233u;
    for (i = 0; i < 32 * 16; ++i)
        gWide[i] = (i % 32) < 16 ? 0xFFFF0000u : 0xFF0000FFu;
    gCommands[0].Caption = "Первая";
    gCommands[0].Hint = "Подсказка первой";
    gCommands[0].Data = "data1";
    gCommands[0].ShortCut = VL_SC_CTRL | VL_SC_SHIFT | '1';
    gCommands[0].Bitmap.Width = 16;
    gCommands[0].Bitmap.Height = 16;
    gCommands[0].Bitmap.Pixels = gSmall;
    gCommands[0].OnExecute = Execute;
    gCommands[1].Caption = "Вторая";
    gCommands[1].Hint = "Подсказка второй";
    gCommands[1].ShortCut = VL_SC_ALT | VL_KEY_F(5);
    gCommands[1].Bitmap.Width = 32;
    gCommands[1].Bitmap.Height = 16;
    gCommands[1].Bitmap.Pixels = gWide;
    gCommands[1].OnExecute = Execute;
    plugin->Description = "до запуска";
    plugin->Copyright = "(c) тест";
    plugin->PluginVersion = "2.5";
    plugin->CommandCount = 2;
    plugin->Commands = gCommands;
    plugin->OnInitialize = Initialize;
    plugin->OnConfigure = Configure;
    plugin->OnPluginMessage = Message;
    return plugin;
}

#elif defined(VARIANT_NoCommands)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    return NewPlugin("NoCommands", "Test.NoCommands");
}

#elif defined(VARIANT_SameId)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    return NewPlugin("SameId", "Test.Same");
}

#elif defined(VARIANT_Unlimited)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = NewPlugin("Unlimited", "Test.Unlimited");
    if (plugin)
        plugin->InstanceCount = 0;
    return plugin;
}

#elif defined(VARIANT_Refuses)

static void Refuse(VlPlugin *plugin, VlBool *allow)
{
    Log(plugin, "refuse");
    *allow = 0;
}

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = NewPlugin("Refuses", "Test.Refuses");
    if (plugin)
        plugin->OnInitialize = Refuse;
    return plugin;
}

#elif defined(VARIANT_OwnOperations)

static VlBool Start(VlPlugin *plugin, void *manager, const VlHost *host, const char *fileName)
{
    char what[256];
    (void)host;
    snprintf(what, sizeof what, "own start %s %s", manager == plugin->OwningManager ? "manager" : "?",
             fileName == plugin->LoadedFrom ? "file" : "?");
    Log(plugin, what);
    return 1;
}

static void ShowConfiguration(VlPlugin *plugin)
{
    Log(plugin, "own configuration");
}

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = NewPlugin("OwnOperations", "Test.OwnOperations");
    if (plugin) {
        plugin->StartPlugin = Start;
        plugin->ShowConfiguration = ShowConfiguration;
    }
    return plugin;
}

#elif defined(VARIANT_BadDescription)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    VlPlugin *plugin = NewPlugin("BadDescription", "Test.Bad");
    if (plugin)
        plugin->CommandCount = -1;
    return plugin;
}

#elif defined(VARIANT_NullEntry)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    return NULL;
}

#elif defined(VARIANT_OtherVersion)

/* Built for a later contract: the host must not read or call anything but the version. */
static VlPlugin gFuture;

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    gFuture.ContractVersion = VL_PLUGIN_CONTRACT_VERSION + 1;
    gFuture.Destroy = (void (*)(VlPlugin *))1; /* a trap: calling it crashes */
    return &gFuture;
}

#elif defined(VARIANT_NoEntry)

VL_PLUGIN_EXPORT int SomethingElse(void)
{
    return 1;
}

#elif defined(VARIANT_ExeFolderProbe)

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    return NewPlugin("ExeFolderProbe", "Test.ExeFolderProbe");
}

#else
#error "no VARIANT_ given"
#endif
