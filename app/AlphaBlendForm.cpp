// The transparency dialog: changes take effect on the main window at once.
#include "AlphaBlendForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TAlBl::TAlBl(QWidget *window, QWidget *parent) : QDialog(parent), fWindow(window)
{
    setWindowTitle(QStringLiteral("Настройка прозрачности"));
    resize(352, 163);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Прозрачность"));
    auto *grid = new QGridLayout(group);
    TrackBar1 = new QSlider(Qt::Horizontal);
    TrackBar1->setRange(10, 255);
    TrackBar1->setValue(255);
    TrackBar1->setEnabled(false);
    grid->addWidget(TrackBar1, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("10")), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("255")), 1, 1, Qt::AlignRight);
    UseTransparency = new QCheckBox(QStringLiteral("Использовать прозрачность"));
    ApplyAtOnce = new QCheckBox(QStringLiteral("Сразу применять"));
    ApplyAtOnce->setChecked(true);
    ApplyAtOnce->setEnabled(false);
    grid->addWidget(UseTransparency, 2, 0, 1, 2);
    grid->addWidget(ApplyAtOnce, 3, 0, 1, 2);
    layout->addWidget(group);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    auto *cancel = new QPushButton(QStringLiteral("Отмена"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(TrackBar1, &QSlider::valueChanged, this, [this](int value) {
        fState.Value = value;
        Apply();
    });
    for (QCheckBox *box : {UseTransparency, ApplyAtOnce})
        connect(box, &QCheckBox::clicked, this, [this] {
            fState.Enabled = UseTransparency->isChecked();
            TrackBar1->setEnabled(UseTransparency->isChecked());
            Apply();
        });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TAlBl::CancelClick);
}

void TAlBl::Apply()
{
    fWindow->setWindowOpacity(fState.Enabled ? fState.Value / 255.0 : 1.0);
}

void TAlBl::CancelClick()
{
    // The window becomes opaque; the box and the slider keep what the user set.
    fState.Enabled = false;
    Apply();
    reject();
}
