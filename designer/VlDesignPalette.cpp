// The designer palette.
#include "VlDesignPalette.h"

#include <QApplication>
#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QToolButton>

namespace {

// clang-format off
constexpr TVlPaletteEntry Entries[] = {
    {0, "", ""},
    {1, "Добавить кнопку", "TButton"},
    {2, "Добавить надпись", "TLabel"},
    {3, "Добавить панель", "TPanel"},
    {4, "Добавить картинку", "TImage"},
    {5, "Добавить галочку", "TCheckBox"},
    {6, "Добавить текст", "TEdit"},
    {7, "Добавить выпадающий список", "TComboBox"},
    {8, "Добавить радиокнопку", "TRadioButton"},
    {9, "Добавить слайдер", "TTrackBar"},
    {10, "Добавить шкалу прогресса", "TProgressBar"},
    {11, "Добавить ползунок", "TScrollBar"},
    {12, "Добавить кнопки \"вверх-вниз\"", "TUpDown"},
    {13, "Добавить текстовое поле", "TMemo"},
    {14, "Добавить выделенную группу", "TGroupBox"},
    {15, "Добавить список", "TListBox"},
    {16, "Добавить древо объектов", "TTreeView"},
    {17, "Добавить строку состояния", "TStatusBar"},
};
// clang-format on

const QColor Face(212, 208, 200);
const QColor Shadow(128, 128, 128);
const QColor Navy(0, 0, 128);
const QColor Field(255, 255, 255);

// A filled rectangle lit from the top left (raised) or from the bottom right (sunken).
void Bevel(QPainter &p, const QRect &r, const QColor &fill, const QColor &topLeft, const QColor &bottomRight)
{
    p.fillRect(r, fill);
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Raised(QPainter &p, const QRect &r, const QColor &fill = Face)
{
    Bevel(p, r, fill, Qt::white, Shadow);
}

void Sunken(QPainter &p, const QRect &r, const QColor &fill = Field)
{
    Bevel(p, r, fill, Shadow, Qt::white);
}

// A closed outline through the points.
QPainterPath Outline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void Triangle(QPainter &p, QPointF a, QPointF b, QPointF c, const QColor &color)
{
    p.fillPath(Outline({a, b, c}), color);
}

void SmallText(QPainter &p, const QRect &r, const QString &text, int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

void DrawImage(QPainter &p, int tag)
{
    switch (tag) {
    case 0: { // the arrow of the "Select" button
        const QPainterPath arrow = Outline({{8, 3}, {8, 21}, {12, 17}, {15, 23}, {18, 22}, {15, 16}, {20, 16}});
        p.fillPath(arrow, Qt::white);
        p.setPen(Qt::black);
        p.drawPath(arrow);
        break;
    }
    case 1: // button
        Raised(p, QRect(2, 7, 22, 12));
        SmallText(p, QRect(2, 7, 22, 12), QStringLiteral("OK"), 8, true);
        break;
    case 2: // label
        p.setRenderHint(QPainter::Antialiasing);
        SmallText(p, QRect(0, 0, 26, 26), QStringLiteral("A"), 20, true);
        break;
    case 3: // panel
        Raised(p, QRect(3, 5, 20, 16));
        Sunken(p, QRect(6, 8, 14, 10), Face);
        break;
    case 4: { // image: a landscape in a frame
        Sunken(p, QRect(2, 4, 22, 18), QColor(170, 210, 250));
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(250, 210, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(16, 6, 5, 5));
        p.fillPath(Outline({{3, 21}, {9, 12}, {13, 17}, {16, 14}, {23, 21}}), QColor(40, 140, 60));
        break;
    }
    case 5: // check box
        Sunken(p, QRect(6, 6, 14, 14));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2));
        p.drawPolyline(QPolygonF({QPointF(9, 13), QPointF(12, 16), QPointF(17, 9)}));
        break;
    case 6: // edit
        Sunken(p, QRect(1, 7, 24, 12));
        SmallText(p, QRect(2, 7, 14, 12), QStringLiteral("ab"), 9);
        p.setPen(Qt::black);
        p.drawLine(17, 9, 17, 16);
        break;
    case 7: // combo box
        Sunken(p, QRect(1, 7, 24, 12));
        Raised(p, QRect(15, 8, 9, 10));
        Triangle(p, QPointF(17, 12), QPointF(22, 12), QPointF(19.5, 15), Qt::black);
        p.fillRect(QRect(3, 10, 10, 2), Navy);
        break;
    case 8: // radio button
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Shadow);
        p.setBrush(Field);
        p.drawEllipse(QRectF(6, 6, 14, 14));
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(10, 10, 6, 6));
        break;
    case 9: // track bar
        Sunken(p, QRect(2, 11, 22, 4), Face);
        p.setPen(Qt::black);
        for (int x = 3; x <= 23; x += 4)
            p.drawLine(x, 19, x, 21);
        Raised(p, QRect(10, 5, 6, 12));
        break;
    case 10: // progress bar
        Sunken(p, QRect(1, 8, 24, 10), Face);
        for (int x = 3; x < 17; x += 4)
            p.fillRect(QRect(x, 10, 3, 6), Navy);
        break;
    case 11: // scroll bar
        p.fillRect(QRect(1, 8, 24, 10), QColor(235, 235, 235));
        Raised(p, QRect(1, 8, 7, 10));
        Raised(p, QRect(18, 8, 7, 10));
        Raised(p, QRect(10, 8, 6, 10));
        Triangle(p, QPointF(6, 10), QPointF(6, 16), QPointF(3, 13), Qt::black);
        Triangle(p, QPointF(20, 10), QPointF(20, 16), QPointF(23, 13), Qt::black);
        break;
    case 12: // up-down buttons
        Raised(p, QRect(8, 2, 10, 11));
        Raised(p, QRect(8, 13, 10, 11));
        Triangle(p, QPointF(10, 9), QPointF(16, 9), QPointF(13, 5), Qt::black);
        Triangle(p, QPointF(10, 17), QPointF(16, 17), QPointF(13, 21), Qt::black);
        break;
    case 13: // memo
        Sunken(p, QRect(3, 2, 20, 22));
        p.setPen(Qt::black);
        for (int y = 6; y <= 20; y += 4)
            p.drawLine(6, y, y == 18 ? 14 : 20, y);
        break;
    case 14: // group box
        p.setPen(Shadow);
        p.drawRect(QRect(2, 7, 21, 16));
        p.fillRect(QRect(5, 3, 13, 8), Face);
        SmallText(p, QRect(5, 2, 13, 9), QStringLiteral("xy"), 8);
        break;
    case 15: // list box
        Sunken(p, QRect(2, 2, 22, 22));
        p.fillRect(QRect(4, 9, 18, 5), Navy);
        p.setPen(Qt::black);
        p.drawLine(6, 6, 18, 6);
        p.drawLine(6, 17, 16, 17);
        p.drawLine(6, 21, 19, 21);
        p.setPen(Qt::white);
        p.drawLine(6, 11, 18, 11);
        break;
    case 16: // tree view
        p.setPen(QPen(Shadow, 1, Qt::DotLine));
        p.drawLine(6, 7, 6, 20);
        p.drawLine(6, 13, 12, 13);
        p.drawLine(6, 20, 12, 20);
        for (const QRect &node : {QRect(3, 3, 8, 6), QRect(12, 10, 10, 6), QRect(12, 17, 10, 6)}) {
            p.fillRect(node, node.top() == 3 ? QColor(250, 200, 60) : Field);
            p.setPen(Qt::black);
            p.drawRect(node.adjusted(0, 0, -1, -1));
        }
        break;
    case 17: // status bar at the bottom of a window
        Sunken(p, QRect(1, 2, 24, 22), Field);
        p.fillRect(QRect(2, 3, 22, 4), Navy);
        Raised(p, QRect(2, 17, 22, 6));
        p.setPen(Shadow);
        p.drawLine(12, 18, 12, 22);
        p.drawLine(19, 18, 19, 22);
        break;
    default:
        break;
    }
}

} // namespace

std::span<const TVlPaletteEntry> PaletteEntries()
{
    return Entries;
}

const char *PaletteClassName(int tag)
{
    for (const TVlPaletteEntry &entry : Entries)
        if (entry.Tag == tag)
            return entry.ClassName;
    return "";
}

QPixmap PaletteImage(int tag)
{
    QPixmap image(26, 26);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawImage(painter, tag);
    return image;
}

TVlDesignPalette::TVlDesignPalette(QToolBar *bar) : QObject(bar), FGroup(new QButtonGroup(this))
{
    FGroup->setExclusive(true);
    for (const TVlPaletteEntry &entry : Entries) {
        auto *button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("PaletteButton%1").arg(entry.Tag));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(37, 32);
        button->setIconSize(QSize(26, 26));
        button->setIcon(QIcon(PaletteImage(entry.Tag)));
        button->setToolTip(QString::fromUtf8(entry.Hint));
        button->setProperty("vlTag", entry.Tag);
        button->installEventFilter(this);
        FGroup->addButton(button, entry.Tag);
        bar->addWidget(button);
    }
    FGroup->button(0)->setChecked(true);
    connect(FGroup, &QButtonGroup::idClicked, this, [this](int tag) {
        const Qt::KeyboardModifiers modifiers = FClickModifiers.value_or(QApplication::keyboardModifiers());
        FClickModifiers.reset();
        if (OnClick)
            OnClick(tag, modifiers.testFlag(Qt::ShiftModifier));
    });
}

bool TVlDesignPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        FClickModifiers = static_cast<QMouseEvent *>(event)->modifiers();
    return QObject::eventFilter(watched, event);
}

QToolButton *TVlDesignPalette::Button(int tag) const
{
    return qobject_cast<QToolButton *>(FGroup->button(tag));
}

int TVlDesignPalette::PressedTag() const
{
    return FGroup->checkedId();
}

void TVlDesignPalette::PressSelect()
{
    FGroup->button(0)->setChecked(true);
}
