// The about box and its mail link label.
#include "AboutForm.h"

#include "VeltranoInfo.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

QPixmap AboutPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 80, 150));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 22, QFont::Bold));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

} // namespace

TVlLinkLabel::TVlLinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    SetHot(false);
}

void TVlLinkLabel::SetHot(bool hot)
{
    FHot = hot;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, hot ? Qt::red : Qt::blue);
    setPalette(pal);
}

void TVlLinkLabel::enterEvent(QEnterEvent *event)
{
    SetHot(true);
    QLabel::enterEvent(event);
}

void TVlLinkLabel::leaveEvent(QEvent *event)
{
    SetHot(false);
    QLabel::leaveEvent(event);
}

void TVlLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    QLabel::mouseReleaseEvent(event);
}

QString ContactMailUrl()
{
    return QStringLiteral("mailto:") + QString::fromUtf8(VeltranoInfo::ContactAddress);
}

TAboutBox::TAboutBox(std::function<void(const QString &url)> openUrl, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , FLink(new TVlLinkLabel(QString::fromUtf8(VeltranoInfo::ContactAddress), this))
{
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("О программе"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(334, 163);

    auto *picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(AboutPicture());
    auto *product = new QLabel(QString::fromUtf8(VeltranoInfo::ProductName), this);
    product->setObjectName("ProductName");
    product->setFont(QFont(QStringLiteral("MS Sans Serif"), 16, QFont::Bold));
    auto *version = new QLabel(QString::fromUtf8(VeltranoInfo::Version), this);
    version->setObjectName("Version");
    auto *kernel = new QLabel(QStringLiteral("Версия ядра: ") + QString::fromUtf8(VeltranoInfo::KernelVersion), this);
    kernel->setObjectName("KernelVersion");
    auto *date = new QLabel(QStringLiteral("Дата обновления: ") + QString::fromUtf8(VeltranoInfo::UpdateDate), this);
    date->setObjectName("UpdateDate");
    auto *author = new QLabel(QString::fromUtf8(VeltranoInfo::Author), this);
    author->setObjectName("Comments");
    auto *maker = new QLabel(QString::fromUtf8(VeltranoInfo::Maker), this);
    maker->setObjectName("Copyright");
    FLink->setObjectName("LinkLabel");
    auto *ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    grid->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1, 1, 2);
    grid->addWidget(version, 1, 1, 1, 2);
    grid->addWidget(kernel, 2, 1, 1, 2);
    grid->addWidget(date, 3, 1, 1, 2);
    grid->addWidget(author, 4, 0, 1, 3);
    grid->addWidget(maker, 5, 0, 1, 3);
    grid->addWidget(FLink, 6, 0, 1, 2);
    grid->addWidget(ok, 6, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(FLink, &TVlLinkLabel::Clicked, this, [openUrl] {
        if (openUrl)
            openUrl(ContactMailUrl());
    });
}
