// The main window TForm1: layout, command wiring, title, quit confirmation, backup at exit.
//
// Extending the window (other parts of the program):
//  - Commands are identified by the handler names of the command table (VeltranoCommandTable.cpp),
//    e.g. "OpenClick", "RunProjectClick". Bind a handler with
//        form.SetCommandHandler("OpenClick", [&] { ... });
//    or, when the handler needs to know which item or button asked (its object name),
//        form.SetCommandHandler("RunProjectClick", [&](const QString &sender) { ... });
//    A command without a handler does nothing. Exceptions leaving a handler are shown in an error
//    box (Hooks().ShowError) and the program goes on.
//  - Add one install call to the marked block in TForm1's constructor (VeltranoForm.cpp).
//  - Menu items and toolbar buttons are found by object name: MenuItem("PrintText1"),
//    ToolButton("SaveButton"); context menus by EditorPopup(), TextPopup(), DesignerPopup().
//  - ReplaceComponent() swaps a placeholder widget (Memo2, VlDesignPanel, VlInspector1) for the real
//    one, keeping its place, name and context menu.
#pragma once

#include "VeltranoCommands.h"
#include "VeltranoMenus.h"
#include "editor/VlHLEditor.h"
#include "rtl/VlSettingsStore.h"
#include "rtl/VlWritableLocations.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QMenu;
class QSlider;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QToolButton;
class TAboutBox;
class TVlStatusBar;

// The window's ways of talking to the desktop; tests replace them to stay silent and headless.
struct TVlShellHooks {
    std::function<bool(const QString &question)> Confirm;  // OK = true, Cancel = false
    std::function<void(const QString &message)> ShowError;
    std::function<void(const QString &url)> OpenUrl;        // success is not checked
    std::function<bool(const QString &program)> StartInstance;
    // The user's own folders, used when the program folder cannot be written; empty parts are the
    // desktop's standard folders (~/.config/Veltrano, ~/.local/share/Veltrano).
    TVlUserFolders UserFolders;
    // Whether a folder or file may be written; empty: the operating system's access check.
    TVlWritableLocations::TWritableCheck IsWritable;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is the folder of the executable: settings, BackUp/ and Data/ live there, or in
    // the user's folders when it cannot be written (see Locations()).
    // Hooks left empty talk to the desktop (message boxes, the shell, process start).
    explicit TForm1(const QString &programDir, TVlShellHooks hooks = {}, QWidget *parent = nullptr);
    ~TForm1() override;

    // Commands.
    void SetCommandHandler(const QString &id, std::function<void()> handler);
    void SetCommandHandler(const QString &id, std::function<void(const QString &sender)> handler);
    bool HasCommandHandler(const QString &id) const { return FCommands.Has(id); }
    void RunCommand(const QString &id, const QString &sender = QString());
    QAction *MenuItem(const QString &name) const;
    QToolButton *ToolButton(const QString &name) const;
    QMenu *EditorPopup() const { return FEditorPopup; }
    QMenu *TextPopup() const { return FTextPopup; }
    QMenu *DesignerPopup() const { return FDesignerPopup; }
    TVlShortcutResolver &Shortcuts() { return FShortcuts; }
    // `menu` becomes the context menu of `widget`, for the mouse and for shortcut resolution.
    void AttachContextMenu(QWidget *widget, QMenu *menu);

    // Puts `replacement` where `old` is (layout or splitter), gives it the old object name and
    // context menu, and deletes `old`. Returns `replacement`.
    QWidget *ReplaceComponent(QWidget *old, QWidget *replacement);
    // Replaces Memo2 by a derived view (the rich-text view) and rewires its edit operations.
    void SetMemo2(QTextEdit *view);

    // Title and document.
    QString CurrentFileName = QStringLiteral("Project1.pas");
    // The title becomes "Veltrano - " + `text` (a file's full path, or a project name).
    void SetDocumentTitle(const QString &text);
    QString DocumentTitle() const;

    // Message log: one line appended at the end, scrolled into view.
    void AddLog(const QString &line);

    const QString &ProgramDir() const { return FProgramDir; }
    // Where every file the program writes goes; a part that writes a file asks here for its path.
    TVlWritableLocations &Locations() { return *FLocations; }
    // The "Test" store over VlInterpreterTest.ini, written back at exit.
    TVlSettingsStore &FormStorage() { return *FFormStorage; }
    TVlShellHooks &Hooks() { return FHooks; }
    void ShowErrorMessage(const QString &message);

    // Closes the window without the quit question, ending open dialogs first (the session ends).
    void CloseWithoutAsking();

    // Writes BackUp/Project.dpr and Data/Last.log; failures are shown and the other file is still
    // written. Called when the window is destroyed.
    void WriteBackup();

    // Components (names as the program's other parts know them).
    TVlHLEditor *Memo1 = nullptr;
    QTextEdit *Memo2 = nullptr;
    QListWidget *LOG1 = nullptr;
    QLabel *pnlResult = nullptr;
    QLabel *pnlTime = nullptr;
    TVlStatusBar *StatusBar1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolBar *PaletteBar = nullptr;       // designer palette strip
    QWidget *InspectorPanel = nullptr;    // 185-wide panel holding VlInspector1
    QWidget *VlInspector1 = nullptr;      // placeholder until the property grid exists
    QSplitter *DesignSplitter = nullptr;
    QWidget *VlDesignPanel = nullptr;     // placeholder until the design surface exists
    QWidget *RectPanel = nullptr;         // the text tab's indent strip
    QSlider *TrackBar1 = nullptr;
    QWidget *SamplesPage = nullptr;       // the "Избранное" page, empty until the samples browser fills it
    QSplitter *LogSplitter = nullptr;     // between the pages and LOG1
    TAboutBox *AboutBox = nullptr;

    // Fields of other parts of the window.
    bool UseCheckMarks = true;
    QString PendingAddClass;
    bool StickyAddClass = false;

signals:
    // Once, when the window is first shown, right after its placement was restored.
    void FirstShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Install(void (*install)(TForm1 &));
    void CreateToolBar();
    void CreateMenus();
    QWidget *CreatePages();
    QWidget *CreateResultLine();
    void RestorePlacement();
    void SavePlacement();
    bool TryShortcut(QWidget *focus, QKeyEvent *key, bool run);

    QString FProgramDir;
    std::unique_ptr<TVlWritableLocations> FLocations;
    std::string FBackupFile;
    std::string FLogFile;
    std::unique_ptr<TVlSettingsStore> FFormStorage;
    TVlCommandRegistry FCommands;
    TVlShortcutResolver FShortcuts;
    TVlShellHooks FHooks;
    QMenu *FEditorPopup = nullptr;
    QMenu *FTextPopup = nullptr;
    QMenu *FDesignerPopup = nullptr;
    bool FPlacementRestored = false;
    bool FQuitConfirmed = false;
};
