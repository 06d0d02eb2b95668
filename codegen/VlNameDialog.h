// The small "Создать"/"Отмена" dialog shared by the skeleton generators: bold labels over one or
// two name boxes that keep what the user typed for the life of the process.
#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;

struct TVlNameField {
    QString label;
    QString defaultText;
};

class TVlNameDialog : public QDialog {
    Q_OBJECT
public:
    // outerSize: the dialog's designed outer size.
    TVlNameDialog(const QString &objectName, const QString &caption, const QList<TVlNameField> &fields,
                  QSize outerSize, QWidget *parent = nullptr);

    // The text of the index-th name box, exactly as typed.
    [[nodiscard]] QString Name(int index = 0) const;
    [[nodiscard]] QLineEdit *NameEdit(int index = 0) const { return FEdits.value(index); }

private:
    QList<QLineEdit *> FEdits;
};
