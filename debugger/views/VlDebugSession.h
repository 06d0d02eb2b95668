// A stepping session of the main window: the stepping engine wired to the run harness (its
// statement observer and its wait), the editor (breakpoints at the caret and in the gutter, the
// marks) and the "Переменные" pane. Runs without breakpoints or steps are left unobserved, so they
// run as fast as before.
#pragma once

#include "debugger/VlStepEngine.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class TVlDebugMarks;
class TVlHLEditor;
class TVlRunHarness;
class TVlVariablesPane;

class TVlDebugSession : public QObject {
    Q_OBJECT
public:
    // startRun runs the editor's text as F9 does (it returns when the run has ended);
    // showEditor brings the editor into view.
    TVlDebugSession(TVlRunHarness &harness, TVlHLEditor &editor, TVlVariablesPane &pane,
                    std::function<void()> startRun, std::function<void()> showEditor, QObject *parent = nullptr);
    ~TVlDebugSession() override;

    // F9 while paused; otherwise starts a run.
    void Continue();
    // Start a run paused at its first statement when none runs.
    void StepInto();
    void StepOver();
    void StepOut();
    void RunToCursor();
    void ToggleBreakpointAtCaret();
    void ToggleBreakpoint(int line);  // 0-based editor line

    bool Paused() const { return FEngine.Paused(); }
    TVlStepEngine &Engine() { return FEngine; }
    TVlDebugMarks &Marks() { return *FMarks; }

signals:
    void PausedChanged(bool paused);
    // A stepping run has started: the pane should be seen.
    void Wanted();

private:
    void Command(TVlStepCommand command, const TVlSourceLine &target = {});
    void Observe(TVlStepCommand first, const TVlSourceLine &target);
    void RunStarted();
    void RunEnded();
    void PauseBegan();
    void PauseEnded();
    void ShowBreakpoints();
    void ShowRunMarks();
    void KeepInView(int line);

    TVlRunHarness &FHarness;
    QPointer<TVlRunHarness> FHarnessAlive;  // the window may destroy the harness first
    TVlHLEditor &FEditor;
    TVlVariablesPane &FPane;
    std::function<void()> FStartRun;
    std::function<void()> FShowEditor;
    TVlStepEngine FEngine;
    std::unique_ptr<TVlDebugMarks> FMarks;
    bool FStarting = false;  // a step command is starting the run
    TVlStepCommand FFirst = TVlStepCommand::Continue;
    TVlSourceLine FFirstTarget;
};
