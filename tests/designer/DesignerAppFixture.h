// A main window in a temporary program folder with quiet hooks, seen through Qt types only (the
// window's headers and the widget set's do not go into one file).
#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAction;
class QMenu;
class QTabWidget;
class QWidget;
class TForm1;
class TVlDesignIntegration;

class TDesignerApp {
public:
    // Shown, the window adds "Form and controls" to the property grid.
    explicit TDesignerApp(bool show = true);
    ~TDesignerApp();

    TForm1 &Form() const { return *FForm; }
    TVlDesignIntegration &Designer() const;
    QAction *Item(const QString &name) const;
    QMenu *DesignerPopup() const;
    QTabWidget *Pages() const;
    QWidget *PageOfDesigner() const;
    void RunCommand(const QString &id, const QString &sender = QString());
    // The action a key would run with `focus` focused, as the window resolves it.
    QAction *ShortcutTarget(QWidget *focus, int key, Qt::KeyboardModifiers modifiers) const;

    QWidget *Editor() const;
    void SetEditorText(const QString &text);
    QString EditorText() const;
    void SelectAllEditorText();

    // The next save dialog answers with this file and filter.
    void AnswerSave(const QString &name, int filter);
    QString PathOf(const QString &name) const;
    QString CurrentFileName() const;
    QString PendingAddClass() const;
    bool UseCheckMarks() const;

    QStringList Questions;
    QStringList Errors;
    bool ConfirmAnswer = false;

private:
    QTemporaryDir FDir;
    std::unique_ptr<TForm1> FForm;
};
