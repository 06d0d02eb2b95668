// The start-up splash window: a picture shown modally for about half a second.
#include "SplashForm.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TSplashF::TSplashF(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , FTimer(new QTimer(this))
{
    setObjectName("SplashF");
    setWindowTitle(QStringLiteral("Загрузка..."));
    setFixedSize(320, 239);
    setModal(true);
    FTimer->setObjectName("Timer1");
    FTimer->setInterval(12);
    connect(FTimer, &QTimer::timeout, this, &TSplashF::Tick);
}

void TSplashF::Tick()
{
    FCounter += 2;
    if (Finished()) {
        FTimer->stop();
        accept();
    }
}

void TSplashF::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FTimer->start();
    QDialog::showEvent(event);
}

void TSplashF::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(28, 52, 96));
    background.setColorAt(1, QColor(70, 120, 180));
    p.fillRect(rect(), background);
    p.setPen(QColor(255, 255, 255, 40));
    for (int x = -height(); x < width(); x += 18)
        p.drawLine(x, height(), x + height(), 0);

    QFont title(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 60, width(), 60), Qt::AlignCenter, QStringLiteral("Veltrano"));
    QFont subtitle(QStringLiteral("DejaVu Sans"), 10);
    p.setFont(subtitle);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRect(0, 120, width(), 24), Qt::AlignCenter, QStringLiteral("Среда разработки на Паскале"));
    p.drawText(QRect(0, height() - 40, width(), 24), Qt::AlignCenter, QStringLiteral("Загрузка..."));
    p.setPen(QColor(255, 255, 255, 120));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
