// The main window's status bar: six fixed-width text panels counted from 0.
#include "VeltranoStatusBar.h"

#include <QLabel>

namespace {
constexpr int kPanelWidths[] = {200, 70, 110, 80, 150, 50};
}

TVlStatusBar::TVlStatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    setFixedHeight(19);
    for (int width : kPanelWidths) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QString("StatusPanel%1").arg(FPanels.size()));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setFixedWidth(width);
        panel->setContentsMargins(2, 0, 2, 0);
        addWidget(panel);
        FPanels.push_back(panel);
    }
    SetPanelText(4, QStringLiteral("Новый"));
}

QString TVlStatusBar::PanelText(int index) const
{
    const QLabel *panel = Panel(index);
    return panel ? panel->text() : QString();
}

void TVlStatusBar::SetPanelText(int index, const QString &text)
{
    if (QLabel *panel = Panel(index))
        panel->setText(text);
}
