/* VeltranoPlugin.h: the contract between Veltrano and its plug-in libraries, in plain C.
 *
 * Writing a plug-in
 * -----------------
 * A plug-in is a shared library (".so") placed in the "Plugins" folder beside the program. Any C
 * (C99 or later) or C++ compiler builds one from this header alone; nothing else of Veltrano is
 * needed, and the library links nothing of it:
 *
 *     cc -shared -fPIC -o Plugins/MyTools.so MyTools.c
 *
 * The library exports one function, "RegisterPlugin", with C linkage:
 *
 *     VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void);
 *
 * It returns a newly made plug-in object (a VlPlugin), or NULL when it cannot make one. Fill the
 * object with VlPluginInit() first, then set what describes the plug-in: its name, identifier,
 * author, description, version, its commands and, as a rule, only the events. The host reads the
 * object when RegisterPlugin returns and once more after the plug-in has started, so OnInitialize
 * may still change the description and the commands.
 *
 * What the host does with it, in this order:
 *  1. checks ContractVersion; a library built for another version of this header is refused with
 *     a status line and nothing of the object is read or called;
 *  2. counts the loaded plug-ins with the same PluginID and drops the new one (calling Destroy)
 *     when InstanceCount of them are loaded already;
 *  3. fills LoadedFrom, OwnerApplication and OwningManager and starts the plug-in: the standard
 *     start sets the allow flag to 1 and raises OnInitialize; a plug-in that clears the flag is
 *     refused (with a status line), destroyed and its library released;
 *  4. announces every command: each becomes a menu item and a tool button of the plug-ins window,
 *     with the caption, hint, shortcut and bitmap given; using one calls OnExecute;
 *  5. at the end (program exit) calls Destroy, then releases the library.
 *
 * Rules for plug-in code:
 *  - Everything runs on the host's one GUI thread; never call the host from another thread.
 *  - Text is UTF-8, NUL-terminated. Strings the plug-in hands over (in the object, its commands,
 *    the arguments of host calls) are only read; those in the object must stay valid and unchanged
 *    until Destroy, or until OnInitialize changes them.
 *  - The object stays at the same address until Destroy, and so does the Commands array as it
 *    stands once the plug-in has started.
 *  - Never let a C++ exception leave a function the host calls.
 *  - LoadedFrom, OwnerApplication and OwningManager belong to the host: read them, never write.
 */
#ifndef VELTRANO_PLUGIN_H
#define VELTRANO_PLUGIN_H

#include <stdint.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The version of this contract. The host loads only plug-ins whose object carries exactly this
 * number; any change to the layout of the structures below gives a new number. */
#define VL_PLUGIN_CONTRACT_VERSION 1

/* Marks RegisterPlugin for export, also when the library is built with -fvisibility=hidden. */
#if defined(_WIN32)
#define VL_PLUGIN_EXPORT __declspec(dllexport)
#else
#define VL_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

/* The exported entry point's name. */
#define VL_REGISTER_PLUGIN_NAME "RegisterPlugin"

/* A truth value across the contract: 0 is false, anything else true. */
typedef int32_t VlBool;

/* Shortcuts: a key code in the low byte and modifier bits above it, e.g.
 * VL_SC_CTRL | VL_SC_SHIFT | 'D'. Letters ('A'..'Z', upper case) and digits ('0'..'9') are their
 * own codes; the other keys have the codes below. 0 means no shortcut. */
#define VL_SC_SHIFT 0x2000
#define VL_SC_CTRL 0x4000
#define VL_SC_ALT 0x8000
#define VL_KEY_BACK 0x08
#define VL_KEY_TAB 0x09
#define VL_KEY_RETURN 0x0D
#define VL_KEY_ESCAPE 0x1B
#define VL_KEY_SPACE 0x20
#define VL_KEY_PAGEUP 0x21
#define VL_KEY_PAGEDOWN 0x22
#define VL_KEY_END 0x23
#define VL_KEY_HOME 0x24
#define VL_KEY_LEFT 0x25
#define VL_KEY_UP 0x26
#define VL_KEY_RIGHT 0x27
#define VL_KEY_DOWN 0x28
#define VL_KEY_INSERT 0x2D
#define VL_KEY_DELETE 0x2E
#define VL_KEY_F(n) (0x6F + (n)) /* VL_KEY_F(1) .. VL_KEY_F(12) */

/* An image as pixel data: Width * Height pixels, row after row from the top, each 0xAARRGGBB
 * (alpha 0 is transparent). Command bitmaps are 16 x 16; a bitmap twice as wide holds two images
 * side by side, the normal one and the one shown while the button is disabled. Width 0 means no
 * image. The host copies the pixels when it reads the command. At most 1024 x 1024. */
typedef struct VlPluginBitmap {
    int32_t Width;
    int32_t Height;
    const uint32_t *Pixels;
} VlPluginBitmap;

typedef struct VlHost VlHost;
typedef struct VlPlugin VlPlugin;
typedef struct VlPluginCommand VlPluginCommand;

/* A command the plug-in offers. */
struct VlPluginCommand {
    /* The command's name; NULL or "" gives "Command1", "Command2", ... (the smallest number not
     * used by another command of the plug-in, letter case ignored). */
    const char *Name;
    const char *Caption; /* menu text */
    const char *Hint;    /* tooltip of its button */
    const char *Data;    /* free data for the host; Veltrano does not use it */
    uint16_t ShortCut;   /* suggested shortcut (see VL_SC_...), 0 for none */
    VlPluginBitmap Bitmap;
    /* Runs when the menu item or the button is used; NULL does nothing. */
    void (*OnExecute)(VlPlugin *plugin, const VlPluginCommand *command);
    void *UserData; /* the plug-in's own */
};

/* The host's entry points: the table a plug-in receives in OwnerApplication. Pass the table itself
 * as the first argument of every call. All of them may be called from OnInitialize, OnExecute,
 * OnConfigure, OnPluginMessage and Destroy; while the program shuts down they quietly do nothing.
 * OwnerApplication is NULL until the start: a plug-in dropped before it (one instance too many,
 * a description that does not fit) is destroyed without a host to call.
 *
 * Text comes back in a buffer the plug-in supplies: at most size - 1 bytes are written, always
 * followed by a NUL and never cutting a character in two; the result is the length of the whole
 * text in bytes (without the NUL), so call once with size 0 to learn how much room it needs. */
struct VlHost {
    uint32_t ContractVersion; /* VL_PLUGIN_CONTRACT_VERSION of the host */
    void *Context;            /* the host's own; leave it alone */
    /* The program's version, e.g. "1.0.0". */
    const char *(*Version)(const VlHost *host);
    /* The whole text of the source editor, every line followed by "\r\n". */
    int32_t (*GetText)(const VlHost *host, char *buffer, int32_t size);
    /* Replaces the editor's whole text as one step the user can undo; lines may end in "\r\n",
     * "\n" or "\r". Returns 0 (and changes nothing) while the editor is read-only, else 1. */
    VlBool (*SetText)(const VlHost *host, const char *text);
    /* The editor's selected text, "" without a selection. */
    int32_t (*GetSelText)(const VlHost *host, char *buffer, int32_t size);
    /* Replaces the selection, or inserts at the caret without one, as one step the user can undo;
     * the caret ends after the text. Returns 0 (and changes nothing) while read-only, else 1. */
    VlBool (*InsertText)(const VlHost *host, const char *text);
    /* Adds one line at the end of the program's message log. */
    void (*AddLog)(const VlHost *host, const char *line);
    /* Shows the text in a message box and waits until the user closes it. */
    void (*ShowMessage)(const VlHost *host, const char *text);
};

/* The plug-in object. */
struct VlPlugin {
    uint32_t ContractVersion; /* VL_PLUGIN_CONTRACT_VERSION; must stay the first field */
    /* The name the plug-ins window lists (an identifier, e.g. "EditorTools"); NULL or "" lists the
     * library's file name without its extension. */
    const char *Name;
    /* Plug-ins with equal identifiers (compared exactly) count as instances of one plug-in. */
    const char *PluginID;
    const char *Author;      /* shown by the plug-ins window */
    const char *Copyright;   /* informational */
    const char *Description; /* shown by the plug-ins window */
    const char *LoadedFrom;  /* set by the host: the library's file name */
    int32_t CommandCount;    /* number of entries in Commands, 0 .. 1000 */
    const VlPluginCommand *Commands;
    const VlHost *OwnerApplication; /* set by the host before the start: its entry points */
    void *OwningManager;            /* set by the host: the manager that loaded the plug-in */
    /* The most plug-ins with this PluginID loaded at once; 0 or less means no limit. */
    int32_t InstanceCount;

    /* Events; NULL when not used. */
    void (*OnPluginMessage)(VlPlugin *self, int32_t message, const char *text);
    /* Clear *allow to refuse to start. */
    void (*OnInitialize)(VlPlugin *self, VlBool *allow);
    /* The user asked for the plug-in's settings (a double click in the plug-ins window). */
    void (*OnConfigure)(VlPlugin *self);
    const char *PluginVersion; /* informational */

    /* The object's operations, which a plug-in may replace; NULL keeps the standard one:
     *  DeliverMessage raises OnPluginMessage;
     *  RunInitializeEvent raises OnInitialize;
     *  RunConfigureEvent raises OnConfigure;
     *  ShowConfiguration (called by the host) runs RunConfigureEvent;
     *  StartPlugin (called by the host, after it filled LoadedFrom, OwnerApplication and
     *  OwningManager) sets the allow flag to 1, runs RunInitializeEvent with it and returns it. */
    void (*DeliverMessage)(VlPlugin *self, int32_t message, const char *text);
    void (*RunInitializeEvent)(VlPlugin *self, VlBool *allow);
    void (*RunConfigureEvent)(VlPlugin *self);
    void (*ShowConfiguration)(VlPlugin *self);
    VlBool (*StartPlugin)(VlPlugin *self, void *manager, const VlHost *host, const char *fileName);

    /* Frees the object and everything it holds; called once, last. NULL for an object that needs
     * no freeing (a static one: then RegisterPlugin must not be called twice). */
    void (*Destroy)(VlPlugin *self);
    void *UserData; /* the plug-in's own */
};

/* The entry point every plug-in library defines (declared here so that its definition gets C
 * linkage and a checked type in C++ too), and its type as the host looks it up. */
VL_PLUGIN_EXPORT VlPlugin *RegisterPlugin(void);
typedef VlPlugin *(*VlRegisterPluginFunction)(void);

/* Clears the object and sets the contract version and the usual instance count (1). */
static inline void VlPluginInit(VlPlugin *plugin)
{
    memset(plugin, 0, sizeof *plugin);
    plugin->ContractVersion = VL_PLUGIN_CONTRACT_VERSION;
    plugin->InstanceCount = 1;
}

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VELTRANO_PLUGIN_H */
