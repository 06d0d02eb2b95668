// The window's run harness.
#include "VlRunHarness.h"

#include "VlDemoNames.h"
#include "VlInterruptTicker.h"
#include "VlOutputPane.h"
#include "VlWindowProgram.h"

#include "components/VlApplication.h"
#include "components/VlModalWaits.h"
#include "editor/VlHLEditor.h"
#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterExplain.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/bindings/VlInterpreterBindingTable.h"
#include "interpreter/bindings/VlInterpreter_all.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "interpreter/forms/VlInterpreterForm.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPalette>
#include <QTimer>

namespace {

const QString kRefused = QStringLiteral("Программа уже выполняется: сначала остановите её (Ctrl+F2)");
const QString kStopped = QStringLiteral("Выполнение остановлено");
const QString kEventError = QStringLiteral("Ошибка в обработчике события: ");

QString FromScript(const std::string &text)
{
    return QString::fromStdU16String(Cp1251ToUtf16(text));
}

bool IsBlank(const std::string &source)
{
    return source.find_first_not_of(" \t\r\n") == std::string::npos;
}

// The name of the unit a source declares ("unit Name;" first), or empty for anything else.
std::string DeclaredUnitName(const std::string &source)
{
    const std::shared_ptr<TVlSource> tokens = VlTokenize(source);
    if (tokens->Tokens.size() < 2 || tokens->Tokens[0].Kind != tkUnit || tokens->Tokens[1].Kind != tkIdentifier)
        return {};
    return tokens->TokenText(tokens->Tokens[1]);
}

// The file of a form unit: named after the unit, in the folder of the editor's document.
std::string FormUnitFile(const std::string &documentFile, const std::string &unitName)
{
    const size_t slash = documentFile.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : documentFile.substr(0, slash + 1)) + unitName + ".pas";
}

// "code: message" on one line.
QString FailureText(int code, const std::string &message)
{
    QString text = FromScript(message);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QString::number(code) + QStringLiteral(": ") + text;
}

} // namespace

// What differs between the toolbar's commands and the samples tab's compile button.
struct TVlRunHarness::TTexts {
    QString Running;             // pnlResult while the script runs
    TVlResultLanguage Language;  // of the result text
    QString NotAnException;      // pnlResult when something that is no exception was raised
    bool LogsRun;                // "Запуск..." and "Запуск проекта..." go to the log
};

// While a script runs: the running flag, the interrupt timer, a fresh console (a form's handler
// goes on writing to the console of its run); afterwards the console's last output shown and the
// result panel's colour back.
class TVlRunHarness::TRunScope {
public:
    explicit TRunScope(TVlRunHarness &harness, bool freshConsole = true) : FHarness(harness)
    {
        FTicker.emplace([programs = FHarness.FPrograms] { programs->RequestInterrupts(); },
                        std::chrono::milliseconds(PumpPeriodMs));
        FHarness.FRunning = true;
        FHarness.FStopRequested = false;
        FHarness.FFailed = false;
        if (freshConsole) {
            FHarness.FStreams.Reset();
            FHarness.FWindow.Console->Clear();
        }
        emit FHarness.RunningChanged(true);
    }
    ~TRunScope()
    {
        FTicker.reset();
        FHarness.FlushConsole();
        FHarness.FWindow.Console->SetWaiting(false);
        FHarness.SetResultColour(false);
        FHarness.FRunning = false;
        FHarness.FModalEnder->stop();
        emit FHarness.RunningChanged(false);
    }

private:
    TVlRunHarness &FHarness;
    std::optional<TVlInterruptTicker> FTicker;
};

TVlRunHarness::TVlRunHarness(TVlRunWindow window, const std::string &programDir, const std::string &samplesDir,
                             QObject *parent)
    : QObject(parent)
    , FWindow(std::move(window))
    , FFolders(programDir, samplesDir)
    , FStreams([this] { return ReadConsoleLine(); })
    , FConsole{&FStreams.In, &FStreams.Out}
    , FDemoNames(std::make_unique<TVlDemoNames>(FWindow.Form, [this](const QString &text) { FWindow.ShowMessage(text); }))
    , FPrograms(std::make_shared<TVlWindowPrograms>())
    , FProgram(VlCreateWindowProgram([this](TVlInterpreterAdapter &adapter) { VlRegisterWindowNames(adapter, FConsole); },
                                     [this](const std::function<void()> &call) { EnterRoutine(call); }, FPrograms))
{
    setObjectName("VlRunHarness");
    FModalEnder = new QTimer(this);
    FModalEnder->setInterval(PumpPeriodMs);
    connect(FModalEnder, &QTimer::timeout, this, [] { VlEndModalWaits(); });
    FPreviousExceptionHandler = SetVlExceptionHandler([this](const std::exception_ptr &error) { HandleEventError(error); });
    FProgram->OnGetValue = [this](void *, const std::string &name, TVlValue &value, TVlInterpreterArgs &args,
                                  bool &done) { VlInterpreterProgram1GetValue(name, value, args, done); };
    FProgram->OnGetUnitSource = [this](TVlInterpreterUnit &, const std::string &unitName, std::string &source,
                                       bool &done) { VlInterpreterProgram1GetUnitSource(unitName, source, done); };
    FProgram->OnInterrupt = [this](TVlInterpreterProgram &) { VlInterpreterProgram1Statement(); };
    FProgram->OnGetDfmFileName = [this](TVlInterpreterFm &, const std::string &unitName, std::string &fileName,
                                        bool &done) { VlInterpreterProgram1GetDfmFileName(unitName, fileName, done); };
}

void TVlRunHarness::VlInterpreterProgram1GetValue(const std::string &name, TVlValue &value, TVlInterpreterArgs &args,
                                                  bool &done)
{
    FDemoNames->GetValue(name, value, args, done);
}

void TVlRunHarness::VlInterpreterProgram1GetUnitSource(const std::string &unitName, std::string &source, bool &done)
{
    // The form unit being run is the editor's text, saved or not.
    if (!FFormFile.empty() && (unitName == FFormFile || VlSysUtils::CompareText(unitName, FFormUnit) == 0)) {
        source = FFormSource;
        done = true;
        return;
    }
    FFolders.GetUnitSource(unitName, source, done);
}

void TVlRunHarness::VlInterpreterProgram1GetDfmFileName(const std::string &unitName, std::string &fileName, bool &done)
{
    FFolders.GetDfmFileName(unitName, fileName, done);
}

TVlRunHarness::~TVlRunHarness()
{
    SetVlExceptionHandler(std::move(FPreviousExceptionHandler));
    // The program first: its forms go inert, so freeing them runs no script.
    FProgram.reset();
    ReleaseScriptObjects();
}

void TVlRunHarness::ReleaseScriptObjects()
{
    // Not while a script runs: its frames may hold those objects.
    if (!FRunning)
        VlFreeApplicationComponents();
}

void TVlRunHarness::SetStatementObserver(std::function<void(TVlInterpreterProgram &program)> observer)
{
    FObserver = std::move(observer);
    if (!FObserver) {
        FProgram->OnStatement = nullptr;
        return;
    }
    FProgram->OnStatement = [this](TVlInterpreterProgram &program) {
        FObserver(program);
        RaiseIfStopped();
    };
}

// ---- commands ---------------------------------------------------------------------------------

bool TVlRunHarness::RefuseWhileRunning()
{
    if (!FRunning)
        return false;
    Log(kRefused);
    return true;
}

void TVlRunHarness::RunProjectClick(const QString &sender)
{
    if (RefuseWhileRunning())
        return;
    // 1-3. Save the custom sample, then load the source.
    FWindow.SaveCustomSample();
    Log(QStringLiteral("Компилирую..."));
    if (sender == QLatin1String("RunUnit")) {
        const std::optional<QString> file = FWindow.AskUnitFile();
        if (!file)
            return;
        const QString text = QString::fromStdString(ReadTextFile(file->toStdString()));
        FFolders.RunFileName = file->toStdString();
        FWindow.Editor->SetText(text);
        // As when a file is opened, so that the next run finds the units beside it again.
        FWindow.FileLoaded(*file);
    } else {
        FFolders.RunFileName = FWindow.CurrentFileName().toStdString();
    }
    FProgram->SetSourceText(EditorSource());
    TAction action = sender == QLatin1String("CompileProject") ? TAction::Prepare : TAction::Execute;
    FFormFile.clear();
    if (sender == QLatin1String("Run2Proj")) {
        FFormUnit = DeclaredUnitName(FProgram->SourceText());
        if (!FFormUnit.empty()) {
            FFormFile = FormUnitFile(FFolders.RunFileName, FFormUnit);
            FFormSource = FProgram->SourceText();
            action = TAction::RunForm;
        }
    }
    // 4-8.
    static const TTexts texts{QStringLiteral("Запущено"), TVlResultLanguage::English, QStringLiteral("error"), true};
    RunLoaded(action, texts);
}

void TVlRunHarness::Button5Click(const QString &sender)
{
    if (sender == QLatin1String("Run1")) {
        RunProjectClick(QStringLiteral("RunProject"));
        return;
    }
    if (sender == QLatin1String("CompileProject1")) {
        RunProjectClick(QStringLiteral("CompileProject"));
        return;
    }
    if (RefuseWhileRunning())
        return;
    FWindow.SaveCustomSample();
    FProgram->SetSourceText(EditorSource());
    FFolders.RunFileName.clear();
    static const TTexts texts{QStringLiteral("Работаем"), TVlResultLanguage::Russian, QStringLiteral("Ошибка!"), false};
    RunLoaded(TAction::Prepare, texts);
}

void TVlRunHarness::Stop()
{
    if (!FRunning)
        return;
    FStopRequested = true;
    // The next step raises the stop, not one a tick later (a statement after an ended wait).
    FPrograms->RequestInterrupts();
    // A modal window waits for the user, not for the script's next step.
    VlEndModalWaits();
    FModalEnder->start();
}

void TVlRunHarness::EnterRoutine(const std::function<void()> &call)
{
    if (FRunning) {
        call();
        return;
    }
    // A form's event outside a run is a short run of its own: Stop ends it, the window stays live.
    TRunScope running(*this, false);
    call();
    // Stopped while a modal window had the handler waiting, which then ended on its own.
    if (FStopRequested)
        ShowStopped();
}

void TVlRunHarness::RunLoaded(TAction action, const TTexts &texts)
{
    SetResult(texts.Running);
    SetResultColour(true);
    FWindow.ResultPanel->repaint();
    QElapsedTimer clock;
    clock.start();
    if (texts.LogsRun)
        Log(QStringLiteral("Запуск..."));
    // A new run ends the windows of the last one, and draws Random's numbers from the start.
    ReleaseScriptObjects();
    VlRestartRandom();
    TRunScope running(*this);
    try {
        if (IsBlank(FProgram->SourceText()))
            FProgram->ResultValue.Clear();  // nothing to run: an empty editor has an empty result
        else if (action == TAction::Prepare)
            FProgram->PrepareUnit();
        else if (action == TAction::RunForm)
            FProgram->ResultValue = VlObjectValue(FProgram->RunForm(FFormFile));
        else
            FProgram->Execute();
    } catch (const EVlInterpreterError &error) {
        if (FStopRequested)
            ShowStopped();
        else
            ShowFailure(error, texts.LogsRun);
        return;
    } catch (const std::exception &) {
        if (FStopRequested) {
            ShowStopped();
            return;
        }
        ShowFailure(FProgram->LastFailure, texts.LogsRun);
        throw;
    } catch (...) {
        if (FStopRequested) {
            ShowStopped();
            return;
        }
        SetResult(texts.NotAnException);
        throw;
    }
    if (FStopRequested) {
        // Stopped while a modal window had the script waiting, which then ended on its own.
        ShowStopped();
        return;
    }
    FWindow.TimePanel->setText(QStringLiteral("ms: ") + QString::number(clock.elapsed()));
    if (texts.LogsRun)
        Log(QStringLiteral("Запуск проекта..."));
    SetResult(FromScript(VlResultText(FProgram->ResultValue, texts.Language)));
}

// ---- display ----------------------------------------------------------------------------------

std::string TVlRunHarness::EditorSource() const
{
    return Utf16ToCp1251(FWindow.Editor->Text().toStdU16String());
}

void TVlRunHarness::ShowFailure(const EVlInterpreterError &error, bool logExplanation)
{
    FFailed = true;
    SetResult(FailureText(error.Code, error.Message));
    // The English message stays as it is; the plain explanation goes beside it.
    const QString explanation = QString::fromStdString(VlExplainError(error));
    FWindow.ResultPanel->setToolTip(explanation);
    if (logExplanation && !explanation.isEmpty())
        Log(QStringLiteral("Пояснение: ") + explanation);
    if (error.Position >= 0)
        FWindow.Editor->SetSelStart(error.Position);
    FWindow.FocusEditor();
}

bool TVlRunHarness::EditorHoldsRunSource() const
{
    return FProgram->SourceText() == EditorSource();
}

void TVlRunHarness::HandleEventError(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EVlInterpreterError &failure) {
        if (failure.Code == erUserBreak) {
            ShowStopped();
            return;
        }
        const QString text = FailureText(failure.Code, failure.Message);
        Log(kEventError + text);
        SetResult(text);
        // The caret shows the place only while the editor holds the unit it is in.
        const bool inEditorUnit = failure.ErrorUnit.empty() || VlSysUtils::CompareText(failure.ErrorUnit, FFormUnit) == 0 ||
                                  VlSysUtils::CompareText(failure.ErrorUnit, DeclaredUnitName(FProgram->SourceText())) == 0;
        if (failure.Position >= 0 && inEditorUnit && EditorHoldsRunSource())
            FWindow.Editor->SetSelStart(failure.Position);
    } catch (...) {
        if (FWindow.ShowError)
            FWindow.ShowError(FromScript(VlExceptionMessage(error)));
        else if (FPreviousExceptionHandler)
            FPreviousExceptionHandler(error);
    }
}

void TVlRunHarness::ShowStopped()
{
    SetResult(kStopped);
    Log(kStopped);
}

void TVlRunHarness::SetResult(const QString &text)
{
    FWindow.ResultPanel->setText(text);
    FWindow.ResultPanel->setToolTip(QString());
}

void TVlRunHarness::SetResultColour(bool running)
{
    QPalette palette = FWindow.ResultPanel->palette();
    palette.setColor(QPalette::Window, running ? QColor(Qt::red) : QApplication::palette().color(QPalette::Button));
    FWindow.ResultPanel->setPalette(palette);
    FWindow.ResultPanel->setAutoFillBackground(true);
}

void TVlRunHarness::Log(const QString &line)
{
    FWindow.AddLog(line);
}

// ---- while a script runs ----------------------------------------------------------------------

void TVlRunHarness::VlInterpreterProgram1Statement()
{
    FlushConsole();
    QCoreApplication::processEvents();
    RaiseIfStopped();
}

void TVlRunHarness::RaiseIfStopped() const
{
    // A script may catch the stop; it is raised again at the next interrupt until the run ends.
    if (FStopRequested)
        RaiseError(erUserBreak, -1);
}

void TVlRunHarness::WaitUntil(const std::function<bool()> &ready)
{
    for (;;) {
        FlushConsole();
        RaiseIfStopped();
        if (ready())
            return;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void TVlRunHarness::FlushConsole()
{
    if (FStreams.Output.HasPending())
        FWindow.Console->AppendOutput(FStreams.Output.Take());
}

std::string TVlRunHarness::ReadConsoleLine()
{
    struct TWaiting {
        TVlOutputPane &Pane;
        explicit TWaiting(TVlOutputPane &pane) : Pane(pane) { Pane.SetWaiting(true); }
        ~TWaiting() { Pane.SetWaiting(false); }
    } waiting(*FWindow.Console);
    QString line;
    WaitUntil([this, &line] { return FWindow.Console->TakeLine(line); });
    return line.toStdString();
}
