// A main window for the designer's integration tests.
#include "DesignerAppFixture.h"

#include "app/VeltranoDesigner.h"
#include "app/VeltranoDocuments.h"
#include "app/VeltranoForm.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTabWidget>

TDesignerApp::TDesignerApp(bool show)
{
    QDir(FDir.path()).mkpath(QStringLiteral("Data"));
    TVlShellHooks hooks;
    hooks.Confirm = [this](const QString &question) {
        Questions << question;
        return ConfirmAnswer;
    };
    hooks.ShowError = [this](const QString &message) { Errors << message; };
    hooks.OpenUrl = [](const QString &) {};
    hooks.StartInstance = [](const QString &) { return true; };
    FForm = std::make_unique<TForm1>(FDir.path(), hooks);
    Errors.clear(); // the event lists the folder lacks
    if (show) {
        FForm->show();
        QApplication::processEvents();
    }
}

TDesignerApp::~TDesignerApp()
{
    FForm.reset();
}

TVlDesignIntegration &TDesignerApp::Designer() const
{
    return *DesignerOf(*FForm);
}

QAction *TDesignerApp::Item(const QString &name) const
{
    return FForm->MenuItem(name);
}

QMenu *TDesignerApp::DesignerPopup() const
{
    return FForm->DesignerPopup();
}

QTabWidget *TDesignerApp::Pages() const
{
    return FForm->PageControl1;
}

QWidget *TDesignerApp::PageOfDesigner() const
{
    return FForm->PageControl1->findChild<QWidget *>(QStringLiteral("TabSheet2"));
}

void TDesignerApp::RunCommand(const QString &id, const QString &sender)
{
    FForm->RunCommand(id, sender);
}

QAction *TDesignerApp::ShortcutTarget(QWidget *focus, int key, Qt::KeyboardModifiers modifiers) const
{
    return FForm->Shortcuts().Resolve(focus, TVlShortcutResolver::KeyOf(key, modifiers));
}

QWidget *TDesignerApp::Editor() const
{
    return FForm->Memo1;
}

void TDesignerApp::SetEditorText(const QString &text)
{
    FForm->Memo1->SetText(text);
}

QString TDesignerApp::EditorText() const
{
    return FForm->Memo1->Text();
}

void TDesignerApp::SelectAllEditorText()
{
    FForm->Memo1->SelectAll();
}

void TDesignerApp::AnswerSave(const QString &name, int filter)
{
    TVlFileChoice choice{PathOf(name), filter};
    TVlDocuments::Of(*FForm)->AskFile = [choice](TVlFileDialogKind) { return std::optional<TVlFileChoice>(choice); };
}

QString TDesignerApp::PathOf(const QString &name) const
{
    return QDir(FDir.path()).filePath(name);
}

QString TDesignerApp::CurrentFileName() const
{
    return FForm->CurrentFileName;
}

QString TDesignerApp::PendingAddClass() const
{
    return FForm->PendingAddClass;
}

bool TDesignerApp::UseCheckMarks() const
{
    return FForm->UseCheckMarks;
}
