// TRectF, the "Отступ" dialog: a track bar from 0 to 150 pixels that sets the text indent.
#include "RectForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TRectF::TRectF(QWidget *parent) : QDialog(parent), FTrackBar(new QSlider(Qt::Horizontal))
{
    setObjectName("RectF");
    setWindowTitle("Отступ");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    FTrackBar->setRange(0, 150);
    FTrackBar->setTickInterval(10);
    FTrackBar->setTickPosition(QSlider::TicksBelow);

    auto *group = new QGroupBox("Настройка");
    auto *grid = new QGridLayout(group);
    grid->addWidget(FTrackBar, 0, 0, 1, 2);
    grid->addWidget(new QLabel("0"), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel("150"), 1, 1, Qt::AlignRight);

    auto *close = new QPushButton("Закрыть");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(FTrackBar, &QSlider::valueChanged, this, &TRectF::IndentChanged);
    setFixedSize(sizeHint());
}
