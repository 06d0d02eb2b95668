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

    // The commands; each throws std::runtime_error with the message to show when a file fails,
    // leaving the editors, CurrentFileName and the title as they were.
    void Open();
    void Save(bool saveAs);
    void SaveTextSelection();
    void SaveText();
    void LoadText();
    void InsertFilePath();

    // The text tab's streaming under the current text mode.
    void WriteTextFile(const QString &path, bool selectionOnly);
    void ReadTextFile(const QString &path);

private:
    std::optional<TVlFileChoice> ShowFileDialog(TVlFileDialogKind kind);
    TVlRichView *TextView() const;

    TForm1 &FForm;
    QString FLastFolder; // the folder the dialogs open in next
};

// Creates the document commands of the window and binds their menu items.
void InstallDocumentCommands(TForm1 &form);
