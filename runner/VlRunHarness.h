// The window's run harness: loads the editor's text (or a unit file) into the window's program,
// runs or compiles it, and shows the result, the time or the error with the caret on it. While a
// script runs the window stays live, a "Стоп" ends the run, and a second run is refused.
//
// Everything a running script does to the window passes through two places here:
// VlInterpreterProgram1Statement (the periodic interrupt: serve the event queue, honour a stop)
// and, while a statement observer is installed, the hook before every statement (a stepping
// engine's place).
#pragma once

#include "VlConsoleStreams.h"
#include "VlRunFolders.h"

#include "interpreter/bindings/VlInterpreter_Console.h"

#include "components/VlEvents.h"

#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QTimer;
class QWidget;
class TVlDemoNames;
class TVlHLEditor;
class TVlInterpreterFm;
class TVlInterpreterProgram;
class TVlOutputPane;
class TVlWindowPrograms;
class EVlInterpreterError;
class TVlValue;
struct TVlInterpreterArgs;

// The parts of the window the harness works with.
struct TVlRunWindow {
    QWidget *Form = nullptr;           // the main window: "Test" and the parent of message boxes
    TVlHLEditor *Editor = nullptr;     // Memo1
    QLabel *ResultPanel = nullptr;     // pnlResult
    QLabel *TimePanel = nullptr;       // pnlTime
    TVlOutputPane *Console = nullptr;  // "Вывод"
    std::function<void(const QString &line)> AddLog;
    std::function<QString()> CurrentFileName;
    std::function<std::optional<QString>()> AskUnitFile;  // the open dialog; nullopt when cancelled
    std::function<void(const QString &file)> FileLoaded;  // a unit file is the editor's document now
    std::function<void()> SaveCustomSample;               // the samples browser's save-before-run
    std::function<void()> FocusEditor;                    // shows Memo1 and gives it the focus
    std::function<void(const QString &text)> ShowMessage; // Test.ShowMessage
    std::function<void(const QString &message)> ShowError; // the window's error box
};

class TVlRunHarness : public QObject {
    Q_OBJECT
public:
    // samplesDir: the custom samples folder, also searched for units.
    TVlRunHarness(TVlRunWindow window, const std::string &programDir, const std::string &samplesDir,
                  QObject *parent = nullptr);
    ~TVlRunHarness() override;

    // The toolbar's and the menu's run commands: sender RunProject, Run2Proj or RunUnit runs,
    // CompileProject compiles (the names of the buttons and items). Run2Proj (and the samples
    // tab's "Запуск формы") shows the editor's unit as a form made from its form file, and runs
    // anything that is not a unit as RunProject does.
    void RunProjectClick(const QString &sender);
    // The samples tab's compile button (sender Button5); the "Проект" menu's Run1 and
    // CompileProject1 run and compile as RunProject and CompileProject do.
    void Button5Click(const QString &sender);
    // Ends the running script at its next step, or its wait for input, and closes the script's
    // modal windows; nothing when none runs.
    void Stop();
    bool Running() const { return FRunning; }
    // Whether the user stopped the current or last run, and whether it ended with a script error.
    bool StopRequested() const { return FStopRequested; }
    bool Failed() const { return FFailed; }

    // The window parts and callbacks given at creation (tests replace the dialogs).
    TVlRunWindow &Window() { return FWindow; }
    TVlInterpreterFm &Program() { return *FProgram; }
    TVlRunFolders &Folders() { return FFolders; }
    // Frees the windows and objects that scripts gave to the Application object (the forms of
    // earlier runs); done before every run and when the window goes.
    void ReleaseScriptObjects();

    // The host callbacks of the program. The form-file lookup waits for script forms to ask.
    void VlInterpreterProgram1GetValue(const std::string &name, TVlValue &value, TVlInterpreterArgs &args, bool &done);
    void VlInterpreterProgram1GetUnitSource(const std::string &unitName, std::string &source, bool &done);
    void VlInterpreterProgram1GetDfmFileName(const std::string &unitName, std::string &fileName, bool &done);
    // Every PumpPeriodMs while a script runs: shows new console output, serves the event queue
    // and raises the stop (code 3, "User break") when the user has asked for one.
    void VlInterpreterProgram1Statement();

    // Called before every statement while set (runs then report every statement, at some cost
    // in speed): the place for a stepping engine, which may wait there with WaitUntil.
    void SetStatementObserver(std::function<void(TVlInterpreterProgram &program)> observer);
    // Serves the window until ready() answers true; raises the stop (code 3, "User break")
    // when the user stops the run meanwhile. Only while a script runs.
    void WaitUntil(const std::function<bool()> &ready);

    // An exception that left a script form's event: a script error is shown as a failed run is
    // (without taking the focus from the form), a stop as a stop, anything else in the error box.
    void HandleEventError(const std::exception_ptr &error);

    // How often VlInterpreterProgram1Statement runs while a script runs.
    static constexpr int PumpPeriodMs = 15;

signals:
    void RunningChanged(bool running);

private:
    enum class TAction { Execute, Prepare, RunForm };
    struct TTexts;
    class TRunScope;

    bool RefuseWhileRunning();
    void EnterRoutine(const std::function<void()> &call);
    bool EditorHoldsRunSource() const;
    std::string EditorSource() const;
    void RunLoaded(TAction action, const TTexts &texts);
    void ShowFailure(const EVlInterpreterError &error, bool logExplanation);
    void ShowStopped();
    void SetResult(const QString &text);
    void SetResultColour(bool running);
    void RaiseIfStopped() const;
    void FlushConsole();
    std::string ReadConsoleLine();
    void Log(const QString &line);

    TVlRunWindow FWindow;
    TVlRunFolders FFolders;
    TVlConsoleStreams FStreams;
    TVlConsole FConsole;
    std::unique_ptr<TVlDemoNames> FDemoNames;
    std::shared_ptr<TVlWindowPrograms> FPrograms;  // FProgram and the programs of its scripts' forms
    std::unique_ptr<TVlInterpreterFm> FProgram;
    // The form unit of the last "Запуск формы": its file name and the editor's text served as its source.
    std::string FFormFile;
    std::string FFormUnit;
    std::string FFormSource;
    TVlExceptionHandler FPreviousExceptionHandler;
    std::function<void(TVlInterpreterProgram &program)> FObserver;
    bool FRunning = false;
    bool FStopRequested = false;
    bool FFailed = false;
    // After a stop, ends the modal windows a script opens before its next step.
    QTimer *FModalEnder = nullptr;
};
