// The "Текст" tab's content: the indent strip with TrackBar1 above the rich-text view Memo2.
#include "VlRichViewPanel.h"
#include "VlRichView.h"

#include <QSlider>
#include <QVBoxLayout>

TVlRichViewPanel::TVlRichViewPanel(QWidget *parent)
    : QWidget(parent), FStrip(new QWidget(this)), FTrackBar(new QSlider(Qt::Horizontal, FStrip)),
      FView(new TVlRichView(this))
{
    FStrip->setFixedHeight(28);
    FTrackBar->setObjectName("TrackBar1");
    FTrackBar->setToolTip("Настройка отступа");
    FTrackBar->setRange(0, 0);
    FTrackBar->setTickPosition(QSlider::NoTicks); // the track bar's tick marks are set by hand: none
    auto *stripLayout = new QVBoxLayout(FStrip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->addWidget(FTrackBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FStrip);
    layout->addWidget(FView, 1);
    connect(FTrackBar, &QSlider::valueChanged, this, &TVlRichViewPanel::TrackBarChanged);
}

void TVlRichViewPanel::TrackBarChanged(int position)
{
    FTrackBar->setMaximum(std::max(FView->width(), position));
    FView->SetLeftMargin(position);
}
