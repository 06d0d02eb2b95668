// The run commands of the main window, wired to the runner.
#include "VeltranoRunCommands.h"

#include "VeltranoDocuments.h"
#include "VeltranoForm.h"
#include "VeltranoMenus.h"

#include "components/VlModalWaits.h"
#include "runner/VlExpressionPanel.h"
#include "runner/VlOutputPane.h"
#include "runner/VlRunCloseGuard.h"
#include "runner/VlRunHarness.h"
#include "runner/VlSamplesBrowser.h"
#include "runner/VlStopKeyElsewhere.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>

namespace {

// Custom samples, and units looked up beside them, live in this folder of the current directory.
const QString kSamplesDir = QStringLiteral("samples");

// The editor page becomes a splitter: Memo1 above, the output pane below (hidden until used).
QSplitter *PlaceUnderEditor(TForm1 &form, TVlOutputPane *pane)
{
    QTabWidget *pages = form.PageControl1;
    const int index = pages->indexOf(form.Memo1);
    const bool current = pages->currentIndex() == index;
    const QString caption = pages->tabText(index);
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName("EditorSplitter");
    splitter->setChildrenCollapsible(false);
    pages->removeTab(index);
    splitter->addWidget(form.Memo1);
    form.Memo1->show(); // the page stack hid it when it left
    splitter->addWidget(pane);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({400, 160});
    pages->insertTab(index, splitter, caption);
    if (current)
        pages->setCurrentIndex(index);
    pane->hide();
    return splitter;
}

std::optional<QString> AskUnitFile(TForm1 &form)
{
    TVlDocuments *documents = TVlDocuments::Of(form);
    if (!documents)
        throw std::runtime_error("Диалог открытия файла недоступен");
    const std::optional<TVlFileChoice> choice = documents->AskFile(TVlFileDialogKind::Open);
    return choice ? std::optional<QString>(choice->Path) : std::nullopt;
}

// The samples tab's buttons and the commands they give.
struct TSampleButtonCommand {
    const char *Button;
    const char *Command;
    const char *Sender;
};
const TSampleButtonCommand kSampleButtons[] = {
    {"Button1", "RunProjectClick", "RunProject"},    {"Button5", "Button5Click", "Button5"},
    {"bRunForm", "RunProjectClick", "Run2Proj"},     {"bRunReport", "RunProjectClick", "RunProject"},
    {"Button2", "RunProjectClick", "RunProject"},    {"Button3", "RunProjectClick", "RunProject"},
};

} // namespace

void InstallRunCommands(TForm1 &form)
{
    auto *pane = new TVlOutputPane;
    QSplitter *editorPage = PlaceUnderEditor(form, pane);

    const std::string programDir = form.ProgramDir().toStdString();
    const QString iniFile = QDir(QString::fromStdString(VlExamplesDir(programDir))).filePath("VlInterpreterTest.ini");
    auto *browser = new TVlSamplesBrowser(form.Memo1, iniFile, kSamplesDir,
                                          [&form](const QString &message) { form.ShowErrorMessage(message); },
                                          form.SamplesPage);
    form.SamplesPage->layout()->addWidget(browser);

    TVlRunWindow window;
    window.Form = &form;
    window.Editor = form.Memo1;
    window.ResultPanel = form.pnlResult;
    window.TimePanel = form.pnlTime;
    window.Console = pane;
    window.AddLog = [&form](const QString &line) { form.AddLog(line); };
    window.CurrentFileName = [&form] { return form.CurrentFileName; };
    window.AskUnitFile = [&form] { return AskUnitFile(form); };
    window.FileLoaded = [&form](const QString &file) {
        form.CurrentFileName = file;
        form.SetDocumentTitle(file);
    };
    window.SaveCustomSample = [browser] { browser->SaveSelectedCustomSample(); };
    window.FocusEditor = [&form, editorPage] {
        form.PageControl1->setCurrentWidget(editorPage);
        form.Memo1->setFocus();
    };
    window.ShowMessage = [&form](const QString &text) {
        // A stop ends this box too, as it ends the script's own.
        QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok, &form);
        VlExecModal(box);
    };
    window.ShowError = [&form](const QString &message) { form.ShowErrorMessage(message); };
    // Output and input of a run are seen wherever it was started.
    QObject::connect(pane, &TVlOutputPane::Wanted, &form,
                     [&form, editorPage] { form.PageControl1->setCurrentWidget(editorPage); });
    auto *harness = new TVlRunHarness(std::move(window), programDir, kSamplesDir.toStdString(), &form);
    new TVlRunCloseGuard(&form, *harness);

    form.SetCommandHandler("RunProjectClick", [harness](const QString &sender) { harness->RunProjectClick(sender); });
    form.SetCommandHandler("Button5Click", [harness](const QString &sender) { harness->Button5Click(sender); });
    form.SetCommandHandler("StopRunClick", [harness] { harness->Stop(); });

    // "Стоп" only while a script runs.
    QAction *stopItem = form.MenuItem("StopRun1");
    QToolButton *stopButton = form.ToolButton("StopButton");
    new TVlStopKeyElsewhere(&form, *harness, ShortcutOf(stopItem));
    const auto enableStop = [stopItem, stopButton](bool running) {
        stopItem->setEnabled(running);
        stopButton->setEnabled(running);
    };
    enableStop(false);
    QObject::connect(harness, &TVlRunHarness::RunningChanged, &form, enableStop);

    // F9 runs and Ctrl+F9 compiles, as the toolbar buttons do.
    const auto bindKey = [&form](const QKeySequence &key, const QString &sender) {
        auto *shortcut = new QShortcut(key, &form);
        QObject::connect(shortcut, &QShortcut::activated, &form,
                         [&form, sender] { form.RunCommand("RunProjectClick", sender); });
    };
    bindKey(QKeySequence(Qt::Key_F9), "RunProject");
    bindKey(QKeySequence(Qt::CTRL | Qt::Key_F9), "CompileProject");

    for (const TSampleButtonCommand &b : kSampleButtons) {
        const QString command = QString::fromUtf8(b.Command);
        const QString sender = QString::fromUtf8(b.Sender);
        QObject::connect(browser->Button(QString::fromUtf8(b.Button)), &QPushButton::clicked, &form,
                         [&form, command, sender] { form.RunCommand(command, sender); });
    }

    auto *expressions = new TVlExpressionPanel(form.Memo1, form.MenuItem("ExprCompile1"),
                                               [&form](const QString &line) { form.AddLog(line); }, &form);
    expressions->LoadLibrary(QDir(form.ProgramDir()).filePath("libfornax.so"));
    form.SetCommandHandler("ExprCancelClick", [expressions] { expressions->ExprCancelClick(); });
    form.SetCommandHandler("ExprCompileClick", [expressions] { expressions->ExprCompileClick(); });
    form.SetCommandHandler("ExprSpeedClick", [expressions] { expressions->ExprSpeedClick(); });
}
