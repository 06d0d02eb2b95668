// The stepping commands of the main window, wired to the stepping session.
#include "VeltranoDebugCommands.h"

#include "VeltranoForm.h"

#include "debugger/views/VlDebugSession.h"
#include "debugger/views/VlVariablesPane.h"
#include "editor/VlHLEditor.h"
#include "runner/VlRunHarness.h"

#include <QAction>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>

namespace {

// Memo1 gets the pane at its right, inside the editor page (hidden until stepping starts).
void PlaceBesideEditor(TForm1 &form, TVlVariablesPane *pane)
{
    auto *page = form.findChild<QSplitter *>("EditorSplitter");
    if (!page)
        throw std::runtime_error("Страница редактора не найдена");
    auto *row = new QSplitter(Qt::Horizontal);
    row->setObjectName("EditorDebugSplitter");
    row->setChildrenCollapsible(false);
    page->insertWidget(0, row);
    row->addWidget(form.Memo1);
    row->addWidget(pane);
    row->setStretchFactor(0, 1);
    row->setSizes({560, 300});
    page->setStretchFactor(0, 1);
    pane->hide();
}

} // namespace

void InstallDebugCommands(TForm1 &form)
{
    auto *harness = form.findChild<TVlRunHarness *>("VlRunHarness");
    if (!harness)
        throw std::runtime_error("Команды запуска не установлены");
    auto *pane = new TVlVariablesPane;
    PlaceBesideEditor(form, pane);
    QWidget *editorPage = form.findChild<QSplitter *>("EditorSplitter");
    auto *session = new TVlDebugSession(
        *harness, *form.Memo1, *pane, [&form] { form.RunCommand("RunProjectClick", "RunProject"); },
        [&form, editorPage] { form.PageControl1->setCurrentWidget(editorPage); }, &form);
    QObject::connect(session, &TVlDebugSession::Wanted, pane, &QWidget::show);

    // F9, the toolbar's and the menu's "Запустить" continue a paused run; everything else runs as before.
    form.SetCommandHandler("RunProjectClick", [harness, session](const QString &sender) {
        if (session->Paused() && sender == QLatin1String("RunProject"))
            session->Continue();
        else
            harness->RunProjectClick(sender);
    });
    form.SetCommandHandler("Button5Click", [harness, session](const QString &sender) {
        if (session->Paused() && sender == QLatin1String("Run1"))
            session->Continue();
        else
            harness->Button5Click(sender);
    });
    form.SetCommandHandler("DebugContinueClick", [session] { session->Continue(); });
    form.SetCommandHandler("DebugRunToCursorClick", [session] { session->RunToCursor(); });
    form.SetCommandHandler("DebugStepIntoClick", [session] { session->StepInto(); });
    form.SetCommandHandler("DebugStepOverClick", [session] { session->StepOver(); });
    form.SetCommandHandler("DebugStepOutClick", [session] { session->StepOut(); });
    form.SetCommandHandler("DebugBreakpointClick", [session] { session->ToggleBreakpointAtCaret(); });
    form.SetCommandHandler("DebugVariablesClick", [pane] { pane->setVisible(!pane->isVisible()); });

    // Out of a routine only while paused in one.
    QAction *stepOutItem = form.MenuItem("DebugStepOut1");
    QToolButton *stepOutButton = form.ToolButton("StepOutButton");
    const auto enableStepOut = [stepOutItem, stepOutButton](bool paused) {
        stepOutItem->setEnabled(paused);
        stepOutButton->setEnabled(paused);
    };
    enableStepOut(false);
    QObject::connect(session, &TVlDebugSession::PausedChanged, &form, enableStepOut);
}
