// The find, replace and fast find-next agents working on the source editor.
#pragma once

#include "VlFindEngine.h"

#include <QObject>
#include <functional>

class TVlFindDialog;
class TVlHLEditor;
class QWidget;

class TVlFindAgent : public QObject
{
    Q_OBJECT
public:
    enum class TKind { Find, Replace, FastFind };
    TVlFindAgent(TKind kind, TVlHLEditor *editor, QWidget *dialogParent);

    // Shows the agent's dialog (modeless); it keeps its texts, options and place until exit.
    void Execute();
    TVlFindDialog &Dialog();

    // The dialog's reports.
    bool FindNext();
    void Replace();
    void ReplaceAll();

    QString FindText() const;
    QString ReplaceText() const;
    TVlFindOptions Options() const;

    // Information messages: caption and text (a message box unless replaced, e.g. by tests).
    std::function<void(const QString &caption, const QString &text)> ShowInfo;

private:
    QString Caption() const;
    QString JoinedText() const;
    void NotFound();

    TKind fKind;
    TVlHLEditor *fEditor;
    QWidget *fDialogParent;
    TVlFindDialog *fDialog = nullptr;
};
