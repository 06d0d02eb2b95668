// Window snapping: a window moved to within a few pixels of a screen edge is pulled onto it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

inline constexpr int SnapDistance = 10;

// The top-left corner of `frame` after snapping to the edges of `screen` closer than `distance`.
[[nodiscard]] QPoint SnapToScreenEdges(const QRect &frame, const QRect &screen, int distance = SnapDistance);

// FormMagnet1: snaps the watched window when it is moved, while enabled. The window system may
// still place the window itself (some refuse programmatic moves during a drag).
class TVlFormMagnet : public QObject {
    Q_OBJECT
public:
    explicit TVlFormMagnet(QWidget *window);
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    [[nodiscard]] bool Enabled() const { return FEnabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *FWindow;
    bool FEnabled = false;
    bool FMoving = false;
};
