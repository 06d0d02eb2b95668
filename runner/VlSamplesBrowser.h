// The "Избранное" tab: the samples list, the notebook of run buttons that belongs to the chosen
// sample, and its description. Choosing an entry loads it into the editor; the user's own
// sample files get the editor's text back before a run and before the list opens.
#pragma once

#include "VlSamplesModel.h"

#include <QComboBox>
#include <QWidget>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class TVlHLEditor;

// The drop-down list, which tells when it is about to open.
class TVlSamplesCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void AboutToOpen();
};

class TVlSamplesBrowser : public QWidget {
    Q_OBJECT
public:
    // Reads the samples INI and lists the custom files; a failure is given to reportError and
    // leaves an empty list. reportError also receives the failures of choosing and of the save
    // before the list opens (the save before a run raises instead).
    TVlSamplesBrowser(TVlHLEditor *editor, const QString &iniFile, const QString &samplesDir,
                      std::function<void(const QString &message)> reportError, QWidget *parent = nullptr);

    TVlSamplesCombo *cmbExamples = nullptr;
    QStackedWidget *Notebook1 = nullptr;
    QPlainTextEdit *memDescription = nullptr;
    QPushButton *SaveOwnButton = nullptr;  // "Сохранить как свой пример"

    const TVlSamplesModel &Model() const { return *FModel; }
    // The run buttons of the notebook pages, by object name: Button1, Button5, bRunForm,
    // bRunReport, Button2, Button3.
    QPushButton *Button(const QString &name) const;
    // The caption of the page showing.
    QString CurrentPage() const;

    // Loads the entry with this text (the list's change handler). Throws EVlFileError when a
    // custom file cannot be read.
    void LoadEntry(const QString &text);
    // When a custom file is selected, writes the editor's text into it (creating the samples
    // folder). Throws EVlFileError on failure.
    void SaveSelectedCustomSample();
    // Writes the editor's text into a new custom file named after the selected fixed sample and
    // selects it. Throws EVlFileError on failure. Answers the new entry, empty when no fixed
    // sample is selected.
    QString SaveAsOwnSample();

private:
    // The list's handlers: an entry was chosen; the list is about to open.
    void cmbExamplesChange(int index);
    void cmbExamplesDropDown();
    void ShowPage(const QString &caption);
    void FillEditor(const QStringList &lines);
    void UpdateSaveOwnButton();
    void Guarded(const std::function<void()> &action);

    TVlHLEditor *FEditor;
    std::unique_ptr<TVlSamplesModel> FModel;
    std::function<void(const QString &message)> FReportError;
};
