// The main window's status bar: six text panels counted from 0, each at least its designed width.
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
        // The designed width, wider when a text needs it: no text is cut off in any font.
        panel->setMinimumWidth(width);
        panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
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
