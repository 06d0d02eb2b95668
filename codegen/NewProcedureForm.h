// TProcedureForm, "Новая процедура": picks a control event and a form event and generates their
// empty procedures; its lists come from Data/ObjectProc.vlf and Data/FormProc.vlf.
#pragma once

#include "VlEventProcedures.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TProcedureForm : public QDialog {
    Q_OBJECT
public:
    explicit TProcedureForm(QWidget *parent = nullptr);

    // Supplies the current form name at "ОК" (default "Form1").
    std::function<QString()> FormNameProvider;
    // Receives what "ОК" generated; the caller appends the lines and writes the log lines.
    std::function<void(const TVlEventProcedures &)> OnGenerate;

    // Fills the lists from the two files, the form events first; stops at the first failure and
    // returns its message ("Cannot open file ..."), or an empty string.
    QString LoadListFiles(const TVlEventListFiles &files);
    // Writes both lists back, the form events first; returns the first failure's message or "".
    QString SaveListFiles(const TVlEventListFiles &files) const;

    [[nodiscard]] QComboBox *ControlEvents() const { return FControlEvents; }
    [[nodiscard]] QComboBox *FormEvents() const { return FFormEvents; }
    [[nodiscard]] QLineEdit *ControlName() const { return FControlName; }
    [[nodiscard]] QLabel *Description() const { return FDescription; }
    [[nodiscard]] QPushButton *OkButton() const { return FOk; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ListChanged(QComboBox *list, bool controlList);
    void OkClicked();
    static QString ChosenItem(const QComboBox *list);
    static QStringList Items(const QComboBox *list);
    static void SetItems(QComboBox *list, const QStringList &items);

    QComboBox *FControlEvents;
    QComboBox *FFormEvents;
    QLineEdit *FControlName;
    QLabel *FDescription;
    QPushButton *FOk;
};
