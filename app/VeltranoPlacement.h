// Window placement kept in the settings store: show state, position and size.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class QWidget;
class TVlSettingsStore;

// Show states as the placement keys store them.
enum TVlShowCmd { swNormal = 1, swMinimized = 2, swMaximized = 3 };

struct TVlWindowPlacement {
    int ShowCmd = swNormal;
    int Flags = 0;
    int PixelsPerInch = 96;
    QRect MinMaxPos = QRect(QPoint(-1, -1), QPoint(-1, -1)); // minimised and maximised corners; unused
    QRect NormPos;                                            // outer rectangle in the normal state
};

// Writes "ShowCmd", "Flags", "PixelsPerInch", "MinMaxPos", "NormPos", the last two again with the
// suffix "(<screen width>x<screen height>)", and "FormVersion" = 0. Rectangles as "left,top,right,bottom".
void WritePlacement(TVlSettingsStore &store, const TVlWindowPlacement &placement, QSize screen);
// The stored placement, or nothing when "FormVersion" is missing or negative or "NormPos" is not
// four integers with a non-empty size.
std::optional<TVlWindowPlacement> ReadPlacement(const TVlSettingsStore &store);

TVlWindowPlacement PlacementOf(const QWidget &window);
// Applies a placement, keeping the window reachable on the screen it lands on.
void ApplyPlacement(QWidget &window, const TVlWindowPlacement &placement);
void CenterOnScreen(QWidget &window);
