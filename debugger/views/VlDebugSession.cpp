// A stepping session of the main window.
#include "VlDebugSession.h"

#include "VlDebugMarks.h"
#include "VlVariablesPane.h"

#include "editor/VlHLEditor.h"
#include "interpreter/VlInterpreter.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "runner/VlRunHarness.h"

namespace {

const QString kRunning = QStringLiteral("Выполняется...");
const QString kEnded = QStringLiteral("Программа завершена");
const QString kStopped = QStringLiteral("Программа остановлена");
const QString kFailed = QStringLiteral("Программа завершена с ошибкой");

// "x = 4, s = 'ab'"
QString ValuesText(const std::vector<TVlLineValue> &values)
{
    QStringList parts;
    for (const TVlLineValue &value : values)
        parts << QString::fromStdString(value.Name) + QStringLiteral(" = ") + QString::fromStdString(value.Text);
    return parts.join(QStringLiteral(", "));
}

} // namespace

TVlDebugSession::TVlDebugSession(TVlRunHarness &harness, TVlHLEditor &editor, TVlVariablesPane &pane,
                                 std::function<void()> startRun, std::function<void()> showEditor, QObject *parent)
    : QObject(parent)
    , FHarness(harness)
    , FHarnessAlive(&harness)
    , FEditor(editor)
    , FPane(pane)
    , FStartRun(std::move(startRun))
    , FShowEditor(std::move(showEditor))
    , FEngine([this](const std::function<bool()> &ready) { FHarness.WaitUntil(ready); })
    , FMarks(std::make_unique<TVlDebugMarks>(editor))
{
    setObjectName("VlDebugSession");
    FEngine.OnPaused = [this] { PauseBegan(); };
    FEngine.OnResumed = [this] { PauseEnded(); };
    connect(&harness, &TVlRunHarness::RunningChanged, this, [this](bool running) {
        if (running)
            RunStarted();
        else
            RunEnded();
    });
    connect(&editor, &TVlHLEditor::GutterClicked, this, [this](int line) { ToggleBreakpoint(line); });
    // Marks of a finished run belong to the text it ran; an edit makes them stale.
    connect(&editor, &TVlHLEditor::TextChanged, this, [this] {
        if (!FHarness.Running()) {
            FMarks->SetExecuted({});
            FMarks->SetLineValues({});
        }
    });
}

TVlDebugSession::~TVlDebugSession()
{
    if (FHarnessAlive)
        FHarness.SetStatementObserver(nullptr);
}

// ---- commands ---------------------------------------------------------------------------------

void TVlDebugSession::Continue()
{
    if (FEngine.Paused())
        FEngine.Command(TVlStepCommand::Continue);
    else if (!FHarness.Running())
        FStartRun();
}

void TVlDebugSession::StepInto() { Command(TVlStepCommand::StepInto); }
void TVlDebugSession::StepOver() { Command(TVlStepCommand::StepOver); }

void TVlDebugSession::StepOut()
{
    if (FHarness.Running())
        Command(TVlStepCommand::StepOut);
}

void TVlDebugSession::RunToCursor()
{
    Command(TVlStepCommand::RunToLine, {"", FEditor.CaretY() + 1});
}

void TVlDebugSession::ToggleBreakpointAtCaret()
{
    ToggleBreakpoint(FEditor.CaretY());
}

void TVlDebugSession::ToggleBreakpoint(int line)
{
    FEngine.ToggleBreakpoint({"", line + 1});
    ShowBreakpoints();
    // A run going on without observing starts observing for the new breakpoint.
    if (FHarness.Running() && !FEngine.Active() && !FEngine.Breakpoints().empty())
        Observe(TVlStepCommand::Continue, {});
}

void TVlDebugSession::Command(TVlStepCommand command, const TVlSourceLine &target)
{
    if (FEngine.Active()) {
        FEngine.Command(command, target);
    } else if (FHarness.Running()) {
        Observe(command, target);
    } else {
        FStarting = true;
        FFirst = command;
        FFirstTarget = target;
        FStartRun();
        FStarting = false;
    }
}

// ---- the run ----------------------------------------------------------------------------------

void TVlDebugSession::Observe(TVlStepCommand first, const TVlSourceLine &target)
{
    FEngine.Begin(FHarness.Program(), first, target);
    FHarness.SetStatementObserver([this](TVlInterpreterProgram &program) { FEngine.OnStatement(program); });
    FPane.ShowIdle(kRunning);
    emit Wanted();
}

void TVlDebugSession::RunStarted()
{
    FMarks->SetExecuted({});
    FMarks->SetLineValues({});
    if (FStarting)
        Observe(FFirst, FFirstTarget);
    else if (!FEngine.Breakpoints().empty())
        Observe(TVlStepCommand::Continue, {});
}

void TVlDebugSession::RunEnded()
{
    if (!FEngine.Active())
        return;
    FHarness.SetStatementObserver(nullptr);
    ShowRunMarks();
    FEngine.End();
    FMarks->SetCurrentLine(-1);
    FPane.ShowIdle(FHarness.StopRequested() ? kStopped : FHarness.Failed() ? kFailed : kEnded);
}

void TVlDebugSession::PauseBegan()
{
    const TVlSourceLine &at = FEngine.PausedAt();
    const int line = at.Unit.empty() ? at.Line - 1 : -1;
    FMarks->SetCurrentLine(line);
    ShowRunMarks();
    if (line >= 0) {
        FShowEditor();
        KeepInView(line);
    }
    FPane.ShowPaused(FEngine);
    emit Wanted();
    emit PausedChanged(true);
}

void TVlDebugSession::PauseEnded()
{
    FMarks->SetCurrentLine(-1);
    FPane.ShowRunning(kRunning);
    emit PausedChanged(false);
}

void TVlDebugSession::ShowBreakpoints()
{
    std::set<int> lines;
    for (const TVlSourceLine &b : FEngine.Breakpoints())
        if (b.Unit.empty())
            lines.insert(b.Line - 1);
    FMarks->SetBreakpoints(std::move(lines));
}

void TVlDebugSession::ShowRunMarks()
{
    std::set<int> executed;
    for (const TVlSourceLine &line : FEngine.ExecutedLines())
        if (line.Unit.empty())
            executed.insert(line.Line - 1);
    FMarks->SetExecuted(std::move(executed));
    std::map<int, QString> values;
    for (const auto &[line, assigned] : FEngine.LineValues())
        if (line.Unit.empty())
            values[line.Line - 1] = ValuesText(assigned);
    FMarks->SetLineValues(std::move(values));
}

void TVlDebugSession::KeepInView(int line)
{
    TVlEditorModel &model = FEditor.Model();
    const int rows = std::max(1, model.VisibleRows());
    if (line < model.TopLine() || line >= model.TopLine() + rows)
        model.SetTopLine(std::max(0, line - rows / 3));
}
