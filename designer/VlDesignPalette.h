// The designer palette: one toggle button per control kind, the chosen kind's class to place.
#pragma once

#include <QObject>
#include <QPixmap>

#include <functional>
#include <optional>
#include <span>

class QButtonGroup;
class QToolBar;
class QToolButton;

struct TVlPaletteEntry {
    int Tag;
    const char *Hint;      // empty for the "Select" button
    const char *ClassName; // empty for the "Select" button
};

// The 18 buttons in tag order; tag 0 is "Select".
std::span<const TVlPaletteEntry> PaletteEntries();
// The palette class of a tag ("TButton" for 1); empty for "Select" and unknown tags.
const char *PaletteClassName(int tag);
// The image of a palette button, 26 x 26, drawn here.
QPixmap PaletteImage(int tag);

// Fills a tool bar with the palette's toggle buttons (37 x 32), one group, "Select" pressed.
class TVlDesignPalette : public QObject {
    Q_OBJECT
public:
    explicit TVlDesignPalette(QToolBar *bar);
    QToolButton *Button(int tag) const;
    int PressedTag() const;
    void PressSelect();
    // A button was clicked; shift tells whether Shift was held.
    std::function<void(int tag, bool shift)> OnClick;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *FGroup;
    std::optional<Qt::KeyboardModifiers> FClickModifiers; // held at the mouse release that clicks
};
