// "Добавить список...": tick units and get a uses clause for the caret.
#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;

class TUsesListForm : public QDialog {
    Q_OBJECT
public:
    explicit TUsesListForm(QWidget *parent = nullptr);

    // The uses clause of the ticked units, in the order of the boxes.
    [[nodiscard]] QString UsesClause() const;
    [[nodiscard]] const QList<QCheckBox *> &UnitBoxes() const { return FBoxes; }

private:
    QList<QCheckBox *> FBoxes;
};
