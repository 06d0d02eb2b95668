// The find and replace dialogs of the editor's search agents (modeless, English captions).
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TVlFindDialog : public QDialog
{
    Q_OBJECT
public:
    enum class TKind { Find, Replace };
    TVlFindDialog(TKind kind, bool showHelp, QWidget *parent = nullptr);
    TKind Kind() const { return fKind; }

    QLineEdit *FindEdit;
    QLineEdit *ReplaceEdit = nullptr;
    QCheckBox *WholeWord;
    QCheckBox *MatchCase;
    QRadioButton *Up = nullptr;
    QRadioButton *Down = nullptr;
    QPushButton *FindNextButton;
    QPushButton *ReplaceButton = nullptr;
    QPushButton *ReplaceAllButton = nullptr;
    QPushButton *HelpButton = nullptr;

signals:
    void FindNext();
    void Replace();
    void ReplaceAll();

private:
    TKind fKind;
};
