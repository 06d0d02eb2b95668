// Document commands of the main window: open, save, save as, save selection, the text tab's save
// and load, and inserting a chosen file's path; CurrentFileName and the title follow them.
#pragma once

#include "VeltranoDocumentsModel.h"

#include <QObject>
#include <functional>
#include <optional>

class TForm1;
class TVlRichView;

enum class TVlFileDialogKind { Open, Save, FilePath };

struct TVlFileChoice {
    QString Path;
    int FilterIndex = 0; // index of the chosen filter in the dialog's filter text
};

class TVlDocuments : public QObject {
    Q_OBJECT
public:
    explicit TVlDocuments(TForm1 &form);

    // The document commands of the window that owns this object (none: nullptr).
    static TVlDocuments *Of(const TForm1 &form);

    TVlTextMode TextMode = TVlTextMode::Default;
    // Shows a file dialog; nullopt when cancelled. Tests replace it.
    std::function<std::optional<TVlFileChoice>(TVlFileDialogKind kind)> AskFile;
    // Writes the designer's form to a file (set by the form designer).
    std::function<void(const QString &path)> SaveDesignerForm;

    // The commands; each throws std::runtime_error with the message to show when a file fails,
    // leaving the editors, CurrentFileName and the title as they were.
    void Open();
    // Save and "Сохранить как..." do the same: a choice of the ".vlf" type gets the designer's form.
    void Save();
    void SaveTextSelection();
    void SaveText();
    void LoadText();
    void InsertFilePath();

    // The text tab's streaming under the current text mode.
    void WriteTextFile(const QString &path, bool selectionOnly);
    void ReadTextFile(const QString &path);

private:
    std::optional<TVlFileChoice> ShowFileDialog(TVlFileDialogKind kind);
    // A choice of the designer's own type gets the designer's form, never text.
    void SaveForm(const TVlFileChoice &choice);
    TVlRichView *TextView() const;

    TForm1 &FForm;
    QString FLastFolder; // the folder the dialogs open in next
};

// Creates the document commands of the window and binds their menu items.
void InstallDocumentCommands(TForm1 &form);
