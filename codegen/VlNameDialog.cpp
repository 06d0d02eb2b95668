// The small "Создать"/"Отмена" dialog shared by the skeleton generators.
#include "VlNameDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVlNameDialog::TVlNameDialog(const QString &objectName, const QString &caption,
                             const QList<TVlNameField> &fields, QSize outerSize, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    for (const TVlNameField &field : fields) {
        auto *label = new QLabel(field.label);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        auto *edit = new QLineEdit(field.defaultText);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        FEdits << edit;
    }
    auto *create = new QPushButton("Создать");
    auto *cancel = new QPushButton("Отмена");
    create->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(create, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(outerSize.expandedTo(minimumSizeHint()));
}

QString TVlNameDialog::Name(int index) const
{
    return FEdits.value(index) ? FEdits.value(index)->text() : QString();
}
