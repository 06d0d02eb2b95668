// TApplication and TScreen: the process's Application and Screen objects as scripts and forms see them.
#pragma once

#include "VlComponent.h"
#include "VlEvents.h"
#include "VlStringList.h"

#include <memory>
#include <string>

class TForm;
class TControl;
class TWinControl;
class QObject;

// Owns the script forms made at run time; raises the application-wide events.
class TApplication : public TComponent {
    VL_CLASS(TApplication)
    explicit TApplication(TComponent *owner = nullptr);
    ~TApplication() override;

    const std::string &Title() const { return FTitle; }
    void SetTitle(const std::string &title) { FTitle = title; }
    std::string ExeName() const;
    const std::string &HelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string &file) { FHelpFile = file; }
    const std::string &Hint() const { return FHint; }
    // Raises OnHint.
    void SetHint(const std::string &hint);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int value) { FHintPause = value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int value) { FHintHidePause = value; }
    // The first form made through CreateForm (or the one set); Run ends when it closes.
    TForm *MainForm() const { return FMainForm; }
    void SetMainForm(TForm *form);
    bool Terminated() const { return FTerminated; }
    bool Active() const;

    void Initialize() {}
    // Runs the event loop until Terminate is called or the main form is hidden.
    void Run();
    void Terminate();
    void ProcessMessages();
    void HandleMessage();
    void Minimize();
    void Restore();
    void BringToFront();
    // Shows an exception as the application does for exceptions leaving an event: through
    // OnException when it is assigned, else through the installed exception handler.
    void HandleException(const std::exception_ptr &error);
    // A message box with the given caption (the Title when empty) and MB_* flags; the IDOK-style result.
    int MessageBox(const std::string &text, const std::string &caption, int flags);
    void HelpContext(int context);

    TMethod OnException() const { return FOnException; }
    void SetOnException(const TMethod &h);
    TMethod OnIdle() const { return FOnIdle; }
    void SetOnIdle(const TMethod &h);
    TMethod OnHint() const { return FOnHint; }
    void SetOnHint(const TMethod &h) { FOnHint = h; }
    TMethod OnShowHint() const { return FOnShowHint; }
    void SetOnShowHint(const TMethod &h) { FOnShowHint = h; }
    TMethod OnActivate() const { return FOnActivate; }
    void SetOnActivate(const TMethod &h) { FOnActivate = h; }
    TMethod OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(const TMethod &h) { FOnDeactivate = h; }
    TMethod OnMinimize() const { return FOnMinimize; }
    void SetOnMinimize(const TMethod &h) { FOnMinimize = h; }
    TMethod OnRestore() const { return FOnRestore; }
    void SetOnRestore(const TMethod &h) { FOnRestore = h; }
    TMethod OnHelp() const { return FOnHelp; }
    void SetOnHelp(const TMethod &h) { FOnHelp = h; }

    // Raises OnIdle once; answers its Done.
    bool Idle();
    void Notification(TComponent *component, TOperation operation) override;

private:
    bool Fire(const TMethod &handler, std::string_view name, std::string_view typeName, TVlEventArgs &args);
    void WatchIdle();
    std::string FTitle, FHelpFile, FHint;
    bool FShowHint = true, FTerminated = false;
    int FHintPause = 500, FHintHidePause = 2500;
    TForm *FMainForm = nullptr;
    std::unique_ptr<QObject> FIdleWatcher;
    TVlExceptionHandler FPreviousHandler;
    bool FHandlerInstalled = false;
    TMethod FOnException, FOnIdle, FOnHint, FOnShowHint, FOnActivate, FOnDeactivate, FOnMinimize, FOnRestore, FOnHelp;
};

// The screen: its size, the forms alive, the active form and control, the cursor, the fonts.
class TScreen : public TComponent {
    VL_CLASS(TScreen)
    explicit TScreen(TComponent *owner = nullptr);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    int DesktopWidth() const;
    int DesktopHeight() const;
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;
    int PixelsPerInch() const;
    // Forms alive (shown or not), in the order they were made.
    int FormCount() const;
    TForm *Forms(int index) const;
    TForm *ActiveForm() const;
    TWinControl *ActiveControl() const;
    // The cursor shown over every window; crDefault lets each control show its own.
    int Cursor() const { return FCursor; }
    void SetCursor(int cursor);
    TStrings *Fonts();
    TMethod OnActiveFormChange() const { return FOnActiveFormChange; }
    void SetOnActiveFormChange(const TMethod &h) { FOnActiveFormChange = h; }
    TMethod OnActiveControlChange() const { return FOnActiveControlChange; }
    void SetOnActiveControlChange(const TMethod &h) { FOnActiveControlChange = h; }

private:
    int FCursor = 0;
    std::unique_ptr<TStringList> FFonts;
    TMethod FOnActiveFormChange, FOnActiveControlChange;
};

// The process's objects; made on first use and kept until the process ends.
TApplication &Application();
TScreen &Screen();
// Frees what Application owns (script forms, data modules): hosts call it before their Qt
// application goes, so that no window outlives it.
void VlFreeApplicationComponents();
