// Builds menus from the command table and resolves shortcuts the way the main window wants them.
#pragma once

#include "VeltranoCommandTable.h"

#include <QHash>
#include <QKeySequence>
#include <QPointer>

#include <functional>
#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Every item becomes a QAction named after the item, owned by `root` (or by its submenus), with the
// properties "vlCommand" (the command id) and "vlShortcut" (a QKeySequence). Shortcuts are shown in
// the menu but not registered with Qt: TVlShortcutResolver decides which item a key runs.
// `onItem` is called for every non-separator action (to connect it to its command).
void BuildMenuItems(QWidget *root, std::span<const TVlMenuItemDesc> items,
                    const std::function<void(QAction *)> &onItem);

QString CommandOf(const QAction *action);
QKeySequence ShortcutOf(const QAction *action);

class TVlShortcutResolver {
public:
    void SetMainMenu(QMenuBar *menuBar);
    // `menu` is the context menu of `widget`; a widget has at most one.
    void SetContextMenu(QWidget *widget, QMenu *menu);
    QMenu *ContextMenu(QWidget *widget) const;

    // The item a key runs with `focus` focused: the context menus of the focused control and its
    // parents first, then the main menu in menu order, depth first. In each menu only the first item
    // with the key counts, and only when it and all its parent items are enabled; hidden items count.
    // nullptr when the key runs nothing.
    QAction *Resolve(QWidget *focus, const QKeySequence &key) const;

    static QKeySequence KeyOf(int key, Qt::KeyboardModifiers modifiers);

private:
    static QAction *FirstRunnable(const QList<QAction *> &actions, const QKeySequence &key, bool *found);

    QPointer<QMenuBar> FMainMenu;
    QHash<QWidget *, QPointer<QMenu>> FContextMenus;
};
