// The message box of MessageBoxA: the MB_* flags read into a style, and the box shown with Qt.
#include "VlMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

constexpr uint32_t MbTypeMask = 0x0F;
constexpr uint32_t MbIconMask = 0xF0;
constexpr uint32_t MbDefaultMask = 0xF00;
constexpr uint32_t MbSystemModal = 0x1000;
constexpr uint32_t MbTopMost = 0x40000;

QMessageBox::Icon QtIcon(TVlMessageBoxIcon icon)
{
    switch (icon) {
    case TVlMessageBoxIcon::Error: return QMessageBox::Critical;
    case TVlMessageBoxIcon::Question: return QMessageBox::Question;
    case TVlMessageBoxIcon::Warning: return QMessageBox::Warning;
    case TVlMessageBoxIcon::Information: return QMessageBox::Information;
    case TVlMessageBoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

TVlMessageBoxStyle VlMessageBoxStyle(uint32_t flags)
{
    static const std::vector<int> ButtonSets[] = {
        {VlIdOk},
        {VlIdOk, VlIdCancel},
        {VlIdAbort, VlIdRetry, VlIdIgnore},
        {VlIdYes, VlIdNo, VlIdCancel},
        {VlIdYes, VlIdNo},
        {VlIdRetry, VlIdCancel},
        {VlIdCancel, VlIdTryAgain, VlIdContinue},
    };
    TVlMessageBoxStyle style;
    uint32_t type = flags & MbTypeMask;
    style.Buttons = type < std::size(ButtonSets) ? ButtonSets[type] : ButtonSets[0];
    size_t defaultIndex = (flags & MbDefaultMask) >> 8;
    style.DefaultButton = style.Buttons[defaultIndex < style.Buttons.size() ? defaultIndex : 0];
    // Esc answers Cancel where there is one, and OK when OK is the only button.
    for (int id : style.Buttons)
        if (id == VlIdCancel)
            style.EscapeButton = VlIdCancel;
    if (style.Buttons.size() == 1)
        style.EscapeButton = style.Buttons[0];
    switch (flags & MbIconMask) {
    case 0x10: style.Icon = TVlMessageBoxIcon::Error; break;
    case 0x20: style.Icon = TVlMessageBoxIcon::Question; break;
    case 0x30: style.Icon = TVlMessageBoxIcon::Warning; break;
    case 0x40: style.Icon = TVlMessageBoxIcon::Information; break;
    default: break;
    }
    style.StayOnTop = (flags & (MbSystemModal | MbTopMost)) != 0;
    return style;
}

QString VlMessageBoxButtonCaption(int id)
{
    switch (id) {
    case VlIdOk: return QStringLiteral("ОК");
    case VlIdCancel: return QStringLiteral("Отмена");
    case VlIdAbort: return QStringLiteral("Прервать");
    case VlIdRetry: return QStringLiteral("Повтор");
    case VlIdIgnore: return QStringLiteral("Пропустить");
    case VlIdYes: return QStringLiteral("Да");
    case VlIdNo: return QStringLiteral("Нет");
    case VlIdTryAgain: return QStringLiteral("Повторить");
    case VlIdContinue: return QStringLiteral("Продолжить");
    default: return QString();
    }
}

int VlRunMessageBox(const QString &caption, const QString &text, const TVlMessageBoxStyle &style, int unattendedMs)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QtIcon(style.Icon), caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);  // a script's "<b>" is text, not markup
    if (style.StayOnTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // One role for all buttons keeps them in the order the flags name, on every desktop.
    std::vector<std::pair<QAbstractButton *, int>> buttons;
    QPushButton *defaultButton = nullptr;
    for (int id : style.Buttons) {
        QPushButton *button = box.addButton(VlMessageBoxButtonCaption(id), QMessageBox::ActionRole);
        buttons.emplace_back(button, id);
        if (id == style.DefaultButton)
            defaultButton = button;
        if (id == style.EscapeButton)
            box.setEscapeButton(button);
    }
    box.setDefaultButton(defaultButton);
    if (unattendedMs >= 0) {
        QTimer::singleShot(unattendedMs, &box, [defaultButton, &caption, &text, &style] {
            VlAnswerUnseen(caption, text, style);
            defaultButton->click();
        });
    }
    box.exec();
    for (const auto &[button, id] : buttons)
        if (button == box.clickedButton())
            return id;
    return style.EscapeButton ? style.EscapeButton : style.DefaultButton;
}

int VlAnswerUnseen(const QString &caption, const QString &text, const TVlMessageBoxStyle &style)
{
    QString note = QStringLiteral("Сообщение «%1»: %2 — ответ «%3», окно некому показать\n")
                       .arg(caption, text, VlMessageBoxButtonCaption(style.DefaultButton));
    std::fputs(note.toUtf8().constData(), stderr);
    std::fflush(stderr);
    return style.DefaultButton;
}
