// Code generation commands of the main window.
#include "VeltranoCodegen.h"
#include "VeltranoDesigner.h"
#include "VeltranoForm.h"
#include "VeltranoStatusBar.h"

#include "codegen/DelphiConsoleForm.h"
#include "codegen/DelphiUnitForm.h"
#include "codegen/LibraryForm.h"
#include "codegen/ModuleForm.h"
#include "codegen/NewProcedureForm.h"
#include "codegen/UsesListForm.h"
#include "codegen/VlSkeletons.h"
#include "codegen/VlSnippets.h"
#include "editor/VlRichView.h"

#include <QTabWidget>

namespace {

constexpr int DesignerPage = 1;

struct TSnippetCommand {
    const char *Command;
    TVlSnippet Snippet;
};

const TSnippetCommand SnippetCommands[] = {
    {"UsesTextClick", TVlSnippet::UsesText},         {"VarSectionClick", TVlSnippet::VarSection},
    {"ConstSectionClick", TVlSnippet::ConstSection}, {"CommentClick", TVlSnippet::Comment},
    {"ClassStringClick", TVlSnippet::StringField},   {"ClassIntegerClick", TVlSnippet::IntegerField},
    {"ClassBooleanClick", TVlSnippet::BooleanField}, {"ProcOnClickClick", TVlSnippet::OnClick},
    {"ProcOnChangeClick", TVlSnippet::OnChange},     {"FunctionNormalClick", TVlSnippet::PlainFunction},
    {"FunctionLibraryClick", TVlSnippet::LibraryFunction}, {"SnippetBeginClick", TVlSnippet::Begin},
    {"SnippetEndClick", TVlSnippet::End},            {"SnippetBeginEndClick", TVlSnippet::BeginEnd},
    {"SnippetIfThenClick", TVlSnippet::IfThen},      {"SnippetIfAndClick", TVlSnippet::IfAnd},
    {"SnippetIfOrClick", TVlSnippet::IfOr},          {"SnippetForDowntoClick", TVlSnippet::ForDownto},
    {"SnippetForToClick", TVlSnippet::ForTo},        {"SnippetCaseClick", TVlSnippet::CaseOf},
    {"SnippetRepeatClick", TVlSnippet::RepeatUntil}, {"SnippetWhileClick", TVlSnippet::WhileDo},
    {"SnippetWithClick", TVlSnippet::WithDo},        {"SnippetTryExceptClick", TVlSnippet::TryExcept},
    {"SnippetTryFinallyClick", TVlSnippet::TryFinally}, {"InsertEmptyLineClick", TVlSnippet::EmptyLine},
};

void ReplaceEditorText(TForm1 &form, const QStringList &lines)
{
    form.Memo1->SetText(QString());
    for (const QString &line : lines)
        form.Memo1->AppendLine(line);
}

void AppendLines(TForm1 &form, const QStringList &lines)
{
    for (const QString &line : lines)
        form.Memo1->AppendLine(line);
}

// Every skeleton starts with an empty design surface.
void SetDesignerPageEnabled(TForm1 &form, bool enabled)
{
    ResetDesignSurface(form);
    if (QWidget *page = form.PageControl1->widget(DesignerPage))
        page->setEnabled(enabled);
}

void RefreshTextView(TForm1 &form)
{
    if (auto *view = qobject_cast<TVlRichView *>(form.Memo2))
        view->RefreshKeywords();
}

void InsertSnippet(TForm1 &form, TVlSnippet snippet)
{
    const TVlSnippetText text = SnippetText(snippet, CurrentFormName(form));
    if (text.kind == TVlSnippetKind::Word)
        form.Memo1->SetSelText(text.word);
    else
        AppendLines(form, text.lines);
    if (!text.logLine.isEmpty())
        form.AddLog(text.logLine);
}

void GenerateFormUnit(TForm1 &form, const TDelphiF &dialog)
{
    ReplaceEditorText(form, FormUnitSkeleton(dialog.UnitName(), dialog.FormName()));
    SetDesignerPageEnabled(form, true);
    RefreshTextView(form);
    form.SetDocumentTitle(dialog.UnitName());
    form.StatusBar1->SetPanelText(4, "Приложение");
}

void GenerateConsole(TForm1 &form, const TVlNameDialog &dialog)
{
    SetDesignerPageEnabled(form, false);
    ReplaceEditorText(form, ConsoleSkeleton(dialog.Name()));
    form.SetDocumentTitle(dialog.Name());
    form.StatusBar1->SetPanelText(4, "Консольное приложение");
}

void GenerateLibrary(TForm1 &form, const TVlNameDialog &dialog)
{
    SetDesignerPageEnabled(form, false);
    ReplaceEditorText(form, LibrarySkeleton(dialog.Name()));
    RefreshTextView(form);
    form.SetDocumentTitle(dialog.Name());
    form.StatusBar1->SetPanelText(4, "Библиотека");
}

void GenerateEmptyUnit(TForm1 &form, const TVlNameDialog &dialog)
{
    SetDesignerPageEnabled(form, false);
    ReplaceEditorText(form, EmptyUnitSkeleton());
    RefreshTextView(form);
    form.SetDocumentTitle(dialog.Name());
    form.StatusBar1->SetPanelText(5, "Модуль");
}

void GenerateFormDescription(TForm1 &form)
{
    ReplaceEditorText(form, FormDescriptionSkeleton());
    SetDesignerPageEnabled(form, true);
    form.PageControl1->setCurrentIndex(DesignerPage);
    form.CurrentFileName = "NewForm.dfm";
}

// Runs a skeleton dialog; "Создать" generates, "Отмена" changes nothing.
template <typename TDialog, typename TGenerate>
void BindSkeleton(TForm1 &form, const char *command, TDialog *dialog, TGenerate generate)
{
    form.SetCommandHandler(command, [&form, dialog, generate] {
        if (dialog->exec() == QDialog::Accepted)
            generate(form, *dialog);
    });
}

// Writes the event lists back when the window's dialogs go at exit. Created just before the
// dialog, so that it is destroyed just before it (children go in creation order).
class TVlEventListKeeper : public QObject {
public:
    TVlEventListKeeper(TVlEventListFiles files, std::function<void(const QString &)> reportError, QObject *owner)
        : QObject(owner), FFiles(std::move(files)), FReportError(std::move(reportError))
    {
    }
    ~TVlEventListKeeper() override
    {
        if (!Dialog)
            return;
        const QString error = Dialog->SaveListFiles(FFiles);
        if (!error.isEmpty() && FReportError)
            FReportError(error);
    }
    TProcedureForm *Dialog = nullptr;

private:
    TVlEventListFiles FFiles;
    std::function<void(const QString &)> FReportError; // a copy: the window is going away
};

} // namespace

QString CurrentFormName(const TForm1 &form)
{
    const auto *dialog = form.findChild<TDelphiF *>(QString(), Qt::FindDirectChildrenOnly);
    return dialog ? dialog->FormName() : QStringLiteral("Form1");
}

void InstallCodegenCommands(TForm1 &form)
{
    BindSkeleton(form, "NewApplicationClick", new TDelphiF(&form), GenerateFormUnit);
    BindSkeleton(form, "NewConsoleClick", new TConsoleF(&form), GenerateConsole);
    BindSkeleton(form, "NewLibraryClick", new TLibraryF(&form), GenerateLibrary);
    BindSkeleton(form, "NewModuleClick", new TModuleF(&form), GenerateEmptyUnit);
    form.SetCommandHandler("NewFormClick", [&form] { GenerateFormDescription(form); });

    for (const TSnippetCommand &command : SnippetCommands) {
        const TVlSnippet snippet = command.Snippet;
        form.SetCommandHandler(command.Command, [&form, snippet] { InsertSnippet(form, snippet); });
    }

    auto *usesList = new TUsesListForm(&form);
    form.SetCommandHandler("UsesListClick", [&form, usesList] {
        if (usesList->exec() != QDialog::Accepted)
            return;
        form.Memo1->SetSelText(usesList->UsesClause());
        form.AddLog("Добавлено: Список Uses");
    });
}

void InstallNewProcedureCommands(TForm1 &form)
{
    const auto listFile = [&form](const char *name) {
        return QString::fromStdString(form.Locations().DataFile(std::string("Data/") + name));
    };
    const TVlEventListFiles files{listFile("FormProc.vlf"), listFile("ObjectProc.vlf")};
    auto *keeper = new TVlEventListKeeper(files, form.Hooks().ShowError, &form);
    auto *dialog = new TProcedureForm(&form);
    dialog->FormNameProvider = [&form] { return CurrentFormName(form); };
    dialog->OnGenerate = [&form](const TVlEventProcedures &result) {
        AppendLines(form, result.lines);
        for (const QString &line : result.logLines)
            form.AddLog(line);
    };
    const QString error = dialog->LoadListFiles(files);
    if (!error.isEmpty())
        form.ShowErrorMessage(error);
    keeper->Dialog = dialog;
    form.SetCommandHandler("NewProcedureClick", [dialog] { dialog->exec(); });
}
