// "Добавить список...": tick units and get a uses clause for the caret.
#include "UsesListForm.h"
#include "VlUsesClause.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TUsesListForm::TUsesListForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("UsesListForm");
    setWindowTitle("Добавить список...");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto *group = new QGroupBox("Подключаемые модули");
    auto *grid = new QGridLayout(group);
    const QStringList units = UsesListUnits();
    for (int i = 0; i < units.size(); ++i) {
        auto *box = new QCheckBox(units[i]);
        box->setChecked(i < UsesListInitiallyTicked);
        grid->addWidget(box, i % 5, i / 5);
        FBoxes << box;
    }
    auto *ok = new QPushButton("OK");
    auto *cancel = new QPushButton("Отмена");
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

QString TUsesListForm::UsesClause() const
{
    QStringList ticked;
    for (const QCheckBox *box : FBoxes)
        if (box->isChecked())
            ticked << box->text();
    return BuildUsesClause(ticked);
}
