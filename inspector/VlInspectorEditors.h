// In-place editors of the property grid: built for an item's edit kind, they hand back the text.
#pragma once

#include "VlInspectorItem.h"

#include <QFrame>
#include <QWidget>
#include <functional>

class QListWidget;

// A drop-down list of check boxes; closing it hands back the checked texts.
class TVlCheckListPopup : public QFrame {
    Q_OBJECT
public:
    TVlCheckListPopup(const QStringList &choices, const QStringList &checked, QWidget *parent = nullptr);
    QStringList Checked() const;
    QListWidget *List() const { return FList; }
    std::function<void(const QStringList &checked)> OnClosed;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QListWidget *FList;
    bool FClosed = false;
};

// What an in-place editor needs from the grid.
struct TVlEditorHooks {
    std::function<void(const QString &text)> Commit; // the new value, as text
    std::function<void()> Cancel;
    std::function<void()> Browse; // the "..." button: a dialog for the value (colours, fonts, lines)
};

// The editor of an item's value inside `parent` (a line, a list, a line with "..."); null when
// the item is edited without one (booleans as check boxes).
QWidget *CreateInspectorEditor(const TVlInspectorItem &item, TVlInspectorData &data, QWidget *parent,
                               const TVlEditorHooks &hooks);
// The text a set value has with these elements checked: "[a, b]".
QString SetText(const QStringList &checked);
// The elements of a set text.
QStringList SetElements(const QString &text);
