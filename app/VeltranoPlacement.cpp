// Window placement kept in the settings store: show state, position and size.
#include "VeltranoPlacement.h"

#include "rtl/VlSettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace {

std::string RectText(const QRect &r)
{
    // right/bottom are exclusive, as window rectangles are usually stored
    return QString("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.left() + r.width()).arg(r.top() + r.height()).toStdString();
}

std::optional<QRect> ParseRect(const std::string &text)
{
    const QStringList parts = QString::fromStdString(text).split(',');
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRect(v[0], v[1], v[2] - v[0], v[3] - v[1]);
}

QScreen *ScreenFor(const QRect &r)
{
    if (QScreen *screen = QGuiApplication::screenAt(r.center()))
        return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

void WritePlacement(TVlSettingsStore &store, const TVlWindowPlacement &placement, QSize screen)
{
    const std::string suffix = QString("(%1x%2)").arg(screen.width()).arg(screen.height()).toStdString();
    store.WriteInteger("FormVersion", 0);
    store.WriteInteger("Flags", placement.Flags);
    store.WriteInteger("ShowCmd", placement.ShowCmd);
    store.WriteInteger("PixelsPerInch", placement.PixelsPerInch);
    store.WriteString("MinMaxPos", RectText(placement.MinMaxPos));
    store.WriteString("MinMaxPos" + suffix, RectText(placement.MinMaxPos));
    store.WriteString("NormPos", RectText(placement.NormPos));
    store.WriteString("NormPos" + suffix, RectText(placement.NormPos));
}

std::optional<TVlWindowPlacement> ReadPlacement(const TVlSettingsStore &store)
{
    if (store.ReadInteger("FormVersion", -1) < 0)
        return std::nullopt;
    const std::optional<QRect> norm = ParseRect(store.ReadString("NormPos", ""));
    if (!norm || norm->width() <= 0 || norm->height() <= 0)
        return std::nullopt;
    TVlWindowPlacement placement;
    placement.NormPos = *norm;
    placement.ShowCmd = static_cast<int>(store.ReadInteger("ShowCmd", swNormal));
    placement.Flags = static_cast<int>(store.ReadInteger("Flags", 0));
    placement.PixelsPerInch = static_cast<int>(store.ReadInteger("PixelsPerInch", 96));
    if (const std::optional<QRect> minMax = ParseRect(store.ReadString("MinMaxPos", "")))
        placement.MinMaxPos = *minMax;
    return placement;
}

TVlWindowPlacement PlacementOf(const QWidget &window)
{
    TVlWindowPlacement placement;
    placement.ShowCmd = window.isMaximized() ? swMaximized : window.isMinimized() ? swMinimized : swNormal;
    placement.PixelsPerInch = window.logicalDpiY();
    // normalGeometry() is the client area; add the frame the window manager draws around it.
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QRect normal = (window.isMaximized() || window.isMinimized()) ? window.normalGeometry() : client;
    placement.NormPos = normal.adjusted(frame.left() - client.left(), frame.top() - client.top(),
                                        frame.right() - client.right(), frame.bottom() - client.bottom());
    return placement;
}

void ApplyPlacement(QWidget &window, const TVlWindowPlacement &placement)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    QRect target = placement.NormPos;
    if (QScreen *screen = ScreenFor(target)) {
        const QRect area = screen->availableGeometry();
        target.setWidth(std::min(target.width(), area.width()));
        target.setHeight(std::min(target.height(), area.height()));
        target.moveLeft(std::clamp(target.left(), area.left(), area.right() - target.width() + 1));
        target.moveTop(std::clamp(target.top(), area.top(), area.bottom() - target.height() + 1));
    }
    window.setGeometry(target.marginsRemoved(margins));
    if (placement.ShowCmd == swMaximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void CenterOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
