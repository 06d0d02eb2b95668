// Document commands of the main window.
#include "VeltranoDocuments.h"
#include "VeltranoForm.h"

#include "editor/VlRichView.h"
#include "editor/VlRtfDocument.h"
#include "rtl/VlCp1251.h"

#include <QFileDialog>
#include <QFileInfo>
#include <stdexcept>

namespace {

QString FilterText(TVlFileDialogKind kind)
{
    return kind == TVlFileDialogKind::Open ? DocumentOpenFilter : DocumentSaveFilter;
}

std::runtime_error FileError(const EVlFileError &error)
{
    return std::runtime_error(error.what());
}

QByteArray ReadBytes(const QString &path)
{
    try {
        return QByteArray::fromStdString(ReadFileBytes(path.toStdString()));
    } catch (const EVlFileError &error) {
        throw FileError(error);
    }
}

} // namespace

TVlDocuments::TVlDocuments(TForm1 &form) : QObject(&form), FForm(form), FLastFolder(form.ProgramDir())
{
    setObjectName("VlDocuments");
    AskFile = [this](TVlFileDialogKind kind) { return ShowFileDialog(kind); };
}

TVlDocuments *TVlDocuments::Of(const TForm1 &form)
{
    return form.findChild<TVlDocuments *>("VlDocuments", Qt::FindDirectChildrenOnly);
}

TVlRichView *TVlDocuments::TextView() const
{
    auto *view = qobject_cast<TVlRichView *>(FForm.Memo2);
    if (!view)
        throw std::runtime_error("Текстовый редактор недоступен");
    return view;
}

std::optional<TVlFileChoice> TVlDocuments::ShowFileDialog(TVlFileDialogKind kind)
{
    QFileDialog dialog(&FForm);
    dialog.setDirectory(FLastFolder);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // none of the commands asks before replacing
    QList<TVlFileFilter> filters;
    if (kind == TVlFileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(SaveFilterExtension(0));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (kind != TVlFileDialogKind::FilePath) {
        filters = ParseFileFilter(FilterText(kind));
        QStringList nameFilters;
        for (const TVlFileFilter &filter : filters)
            nameFilters << DialogNameFilter(filter);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(nameFilters);
        dialog.selectNameFilter(nameFilters.first());
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, nameFilters, kind](const QString &f) {
            if (kind == TVlFileDialogKind::Save)
                dialog.setDefaultSuffix(SaveFilterExtension(static_cast<int>(nameFilters.indexOf(f))));
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    TVlFileChoice choice;
    choice.Path = dialog.selectedFiles().first();
    for (int i = 0; i < filters.size(); ++i)
        if (DialogNameFilter(filters[i]) == dialog.selectedNameFilter())
            choice.FilterIndex = i;
    if (kind == TVlFileDialogKind::Save)
        choice.Path = WithDefaultExtension(choice.Path, SaveFilterExtension(choice.FilterIndex));
    FLastFolder = QFileInfo(choice.Path).absolutePath();
    return choice;
}

void TVlDocuments::Open()
{
    const auto choice = AskFile(TVlFileDialogKind::Open);
    if (!choice)
        return;
    const QByteArray bytes = ReadBytes(choice->Path);
    FForm.Memo1->SetText(QString::fromStdString(DecodeFileText(std::string_view(bytes.constData(), bytes.size()))));
    FForm.Memo1->SetModified(false); // the text is what the file holds
    FForm.CurrentFileName = choice->Path;
    FForm.SetDocumentTitle(choice->Path);
}

void TVlDocuments::SaveForm(const TVlFileChoice &choice)
{
    if (!SaveDesignerForm)
        throw std::runtime_error("Форма не сохранена: дизайнер форм недоступен");
    SaveDesignerForm(choice.Path);
    FForm.CurrentFileName = choice.Path;
    FForm.AddLog("Форма сохранена: " + choice.Path);
}

void TVlDocuments::Save()
{
    const auto choice = AskFile(TVlFileDialogKind::Save);
    if (!choice)
        return;
    // A file of the designer's own type holds the form, so an existing form is never replaced
    // by the program text.
    if (ChoiceStoresForm(choice->FilterIndex, choice->Path)) {
        SaveForm(*choice);
        return;
    }
    try {
        ::WriteTextFile(choice->Path.toStdString(), FForm.Memo1->Text().toStdString());
    } catch (const EVlFileError &error) {
        throw FileError(error);
    }
    FForm.Memo1->SetModified(false);
    FForm.CurrentFileName = choice->Path;
}

void TVlDocuments::WriteTextFile(const QString &path, bool selectionOnly)
{
    const TVlTextFormat format = TextWriteFormat(TextMode, path);
    const QByteArray bytes = TextView()->SaveToBytes(format, selectionOnly);
    try {
        WriteFileBytesAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
    } catch (const EVlFileError &error) {
        throw std::runtime_error(std::string("Failed to Save Stream\n") + error.what());
    }
}

void TVlDocuments::ReadTextFile(const QString &path)
{
    const QByteArray bytes = ReadBytes(path);
    const TVlTextReadPlan plan = TextReadPlan(TextMode, path);
    try {
        TextView()->LoadFromBytes(bytes, plan.First);
    } catch (const EVlRtfError &) {
        if (!plan.Fallback)
            throw std::runtime_error("Failed to Load Stream");
        try {
            TextView()->LoadFromBytes(bytes, *plan.Fallback);
        } catch (const EVlRtfError &) {
            throw std::runtime_error("Failed to Load Stream");
        }
    }
}

void TVlDocuments::SaveTextSelection()
{
    const auto choice = AskFile(TVlFileDialogKind::Save);
    if (!choice)
        return;
    if (ChoiceStoresForm(choice->FilterIndex, choice->Path))
        throw std::runtime_error("Выделенный текст не сохраняется как форма Veltrano (*.vlf)");
    WriteTextFile(choice->Path, true);
}

void TVlDocuments::SaveText()
{
    const auto choice = AskFile(TVlFileDialogKind::Save);
    if (!choice)
        return;
    if (ChoiceStoresForm(choice->FilterIndex, choice->Path)) {
        SaveForm(*choice);
        return;
    }
    WriteTextFile(choice->Path, false);
    FForm.CurrentFileName = choice->Path;
}

void TVlDocuments::LoadText()
{
    const auto choice = AskFile(TVlFileDialogKind::Open);
    if (!choice)
        return;
    ReadTextFile(choice->Path);
    FForm.CurrentFileName = choice->Path;
    FForm.SetDocumentTitle(choice->Path);
}

void TVlDocuments::InsertFilePath()
{
    if (const auto choice = AskFile(TVlFileDialogKind::FilePath))
        FForm.Memo1->SetSelText(QFileInfo(choice->Path).absoluteFilePath());
}

void InstallDocumentCommands(TForm1 &form)
{
    auto *documents = new TVlDocuments(form);
    form.SetCommandHandler("OpenClick", [documents] { documents->Open(); });
    form.SetCommandHandler("SaveClick", [documents] { documents->Save(); });
    form.SetCommandHandler("SaveAsClick", [documents] { documents->Save(); });
    form.SetCommandHandler("SaveSelectionClick", [documents] { documents->SaveTextSelection(); });
    form.SetCommandHandler("TextSaveClick", [documents] { documents->SaveText(); });
    form.SetCommandHandler("TextLoadClick", [documents] { documents->LoadText(); });
    form.SetCommandHandler("InsertFilePathClick", [documents] { documents->InsertFilePath(); });
}
