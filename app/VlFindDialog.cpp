// Layout of the find and replace dialogs.
#include "VlFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TVlFindDialog::TVlFindDialog(TKind kind, bool showHelp, QWidget *parent) : QDialog(parent), fKind(kind)
{
    setWindowTitle(kind == TKind::Find ? QStringLiteral("Find") : QStringLiteral("Replace"));
    setModal(false);
    auto *layout = new QHBoxLayout(this);
    auto *left = new QGridLayout;
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    FindEdit = new QLineEdit;
    findLabel->setBuddy(FindEdit);
    left->addWidget(findLabel, 0, 0);
    left->addWidget(FindEdit, 0, 1);
    if (kind == TKind::Replace) {
        auto *replaceLabel = new QLabel(QStringLiteral("Re&place with:"));
        ReplaceEdit = new QLineEdit;
        replaceLabel->setBuddy(ReplaceEdit);
        left->addWidget(replaceLabel, 1, 0);
        left->addWidget(ReplaceEdit, 1, 1);
    }
    WholeWord = new QCheckBox(QStringLiteral("Match &whole word only"));
    MatchCase = new QCheckBox(QStringLiteral("Match &case"));
    left->addWidget(WholeWord, 2, 0, 1, 2);
    left->addWidget(MatchCase, 3, 0, 1, 2);
    if (kind == TKind::Find) {
        auto *direction = new QGroupBox(QStringLiteral("Direction"));
        auto *directionLayout = new QHBoxLayout(direction);
        Up = new QRadioButton(QStringLiteral("&Up"));
        Down = new QRadioButton(QStringLiteral("&Down"));
        Up->setChecked(true); // down is not among the initial options
        directionLayout->addWidget(Up);
        directionLayout->addWidget(Down);
        left->addWidget(direction, 2, 2, 2, 1);
    }
    layout->addLayout(left);
    auto *buttons = new QVBoxLayout;
    FindNextButton = new QPushButton(QStringLiteral("&Find Next"));
    FindNextButton->setDefault(true);
    buttons->addWidget(FindNextButton);
    connect(FindNextButton, &QPushButton::clicked, this, &TVlFindDialog::FindNext);
    if (kind == TKind::Replace) {
        ReplaceButton = new QPushButton(QStringLiteral("&Replace"));
        ReplaceAllButton = new QPushButton(QStringLiteral("Replace &All"));
        buttons->addWidget(ReplaceButton);
        buttons->addWidget(ReplaceAllButton);
        connect(ReplaceButton, &QPushButton::clicked, this, &TVlFindDialog::Replace);
        connect(ReplaceAllButton, &QPushButton::clicked, this, &TVlFindDialog::ReplaceAll);
    }
    auto *cancel = new QPushButton(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    buttons->addWidget(cancel);
    if (showHelp) {
        HelpButton = new QPushButton(QStringLiteral("&Help"));
        HelpButton->setEnabled(false); // there is no help file to open
        buttons->addWidget(HelpButton);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
}
