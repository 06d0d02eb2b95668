/* EditorTools: a sample plug-in with two commands that work on Veltrano's source editor: one puts
 * today's date at the caret, the other counts the lines of the text. Written in C against
 * VeltranoPlugin.h alone. */
#include "VeltranoPlugin.h"

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#define SIDE 16

/* The button pictures, one character per pixel; '.' is transparent. */
static const char *const kCalendarArt[SIDE] = {
    "................",
    "..K.........K...",
    ".RKRRRRRRRRRKRR.",
    ".RRRRRRRRRRRRRR.",
    ".RRRRRRRRRRRRRR.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWKKWWKKWWKKWK.",
    ".KWKKWWKKWWKKWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWKKWWKKWWRRWK.",
    ".KWKKWWKKWWRRWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KKKKKKKKKKKKKK.",
    "................",
};

static const char *const kLinesArt[SIDE] = {
    "................",
    "..KKKKKKKKKK....",
    "..KWWWWWWWWKK...",
    "..KWWWWWWWWWKK..",
    "..KWBBBBBBWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBBBBWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBBBBWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBBWWWK..",
    "..KWWWWWWWWWWK..",
    "..KKKKKKKKKKKK..",
    "................",
};

/* The plug-in object with everything it holds, freed in one piece. */
typedef struct EditorTools {
    VlPlugin Plugin; /* first: the VlPlugin the host sees is the start of this block */
    VlPluginCommand Commands[2];
    uint32_t Pixels[2][SIDE * SIDE];
} EditorTools;

static uint32_t ColorOf(char c)
{
    switch (c) {
    case 'K': return 0xFF303030u; /* outline */
    case 'W': return 0xFFFFFFFFu;
    case 'R': return 0xFFC8372Du;
    case 'B': return 0xFF2F6DB5u;
    default: return 0x00000000u;
    }
}

static VlPluginBitmap Paint(uint32_t *pixels, const char *const art[SIDE])
{
    VlPluginBitmap bitmap;
    int x, y;
    for (y = 0; y < SIDE; ++y)
        for (x = 0; x < SIDE; ++x)
            pixels[y * SIDE + x] = ColorOf(art[y][x]);
    bitmap.Width = SIDE;
    bitmap.Height = SIDE;
    bitmap.Pixels = pixels;
    return bitmap;
}

static void InsertDate(VlPlugin *plugin, const VlPluginCommand *command)
{
    const VlHost *host = plugin->OwnerApplication;
    const time_t now = time(NULL);
    const struct tm *local = localtime(&now);
    char date[16];
    (void)command;
    if (!local || strftime(date, sizeof date, "%d.%m.%Y", local) == 0)
        return;
    if (!host->InsertText(host, date))
        host->ShowMessage(host, "Редактор открыт только для чтения: дата не вставлена.");
}

static void CountLines(VlPlugin *plugin, const VlPluginCommand *command)
{
    const VlHost *host = plugin->OwnerApplication;
    const int32_t size = host->GetText(host, NULL, 0);
    char *text = (char *)malloc((size_t)size + 1);
    const char *p;
    long lines = 0;
    char message[64];
    (void)command;
    if (!text)
        return;
    host->GetText(host, text, size + 1);
    for (p = text; *p; ++p) /* every line ends with a line break */
        if (*p == '\n')
            ++lines;
    free(text);
    snprintf(message, sizeof message, "Строк в тексте: %ld", lines);
    host->AddLog(host, message);
    host->ShowMessage(host, message);
}

static void Configure(VlPlugin *plugin)
{
    const VlHost *host = plugin->OwnerApplication;
    host->ShowMessage(host, "У плагина EditorTools нет параметров.");
}

static void Destroy(VlPlugin *plugin)
{
    free(plugin); /* the whole EditorTools block */
}

static void Describe(VlPluginCommand *command, const char *name, const char *caption, const char *hint,
                     uint16_t shortCut, VlPluginBitmap bitmap, void (*execute)(VlPlugin *, const VlPluginCommand *))
{
    command->Name = name;
    command->Caption = caption;
    command->Hint = hint;
    command->ShortCut = shortCut;
    command->Bitmap = bitmap;
    command->OnExecute = execute;
}

VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void)
{
    EditorTools *tools = (EditorTools *)calloc(1, sizeof *tools);
    if (!tools)
        return NULL;
    VlPluginInit(&tools->Plugin);
    tools->Plugin.Name = "EditorTools";
    tools->Plugin.PluginID = "Veltrano.Samples.EditorTools";
    tools->Plugin.Author = "Команда Veltrano";
    tools->Plugin.Copyright = "(c) 2026 Veltrano Lab";
    tools->Plugin.Description = "Пример плагина: вставляет сегодняшнюю дату в позицию курсора и считает строки текста в редакторе.";
    tools->Plugin.PluginVersion = "1.0";
    tools->Plugin.OnConfigure = Configure;
    tools->Plugin.Destroy = Destroy;
    Describe(&tools->Commands[0], "InsertDate", "Вставить дату", "Вставить сегодняшнюю дату в позицию курсора (Ctrl+Shift+D)",
             VL_SC_CTRL | VL_SC_SHIFT | 'D', Paint(tools->Pixels[0], kCalendarArt), InsertDate);
    Describe(&tools->Commands[1], "CountLines", "Посчитать строки", "Сколько строк в тексте редактора (Ctrl+Shift+L)",
             VL_SC_CTRL | VL_SC_SHIFT | 'L', Paint(tools->Pixels[1], kLinesArt), CountLines);
    tools->Plugin.CommandCount = 2;
    tools->Plugin.Commands = tools->Commands;
    return &tools->Plugin;
}
