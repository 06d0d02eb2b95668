// Builds menus from the command table and resolves shortcuts the way the main window wants them.
#include "VeltranoMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include <map>
#include <utility>

namespace {

constexpr const char *kCommandProperty = "vlCommand";
constexpr const char *kShortcutProperty = "vlShortcut";

// Qt reports hidden actions as disabled; look past that, since hidden items still run by their keys.
bool EnabledIgnoringVisibility(QAction *action)
{
    if (action->isVisible())
        return action->isEnabled();
    const QSignalBlocker quiet(action);
    action->setVisible(true);
    const bool enabled = action->isEnabled();
    action->setVisible(false);
    return enabled;
}

} // namespace

void BuildMenuItems(QWidget *root, std::span<const TVlMenuItemDesc> items,
                    const std::function<void(QAction *)> &onItem)
{
    // containers[level] is the widget that receives items of that level.
    std::vector<QWidget *> containers{root};
    QAction *last = nullptr;
    std::map<std::pair<QWidget *, int>, QActionGroup *> radioGroups;

    for (const TVlMenuItemDesc &item : items) {
        const int level = item.Level;
        if (level == static_cast<int>(containers.size()) && last) {
            // The previous item opens a submenu holding this one.
            auto *submenu = new QMenu(last->text(), root);
            submenu->setObjectName(last->objectName() + "Menu");
            last->setMenu(submenu);
            containers.push_back(submenu);
        }
        containers.resize(level + 1);
        QWidget *container = containers[level];

        auto *action = new QAction(container);
        action->setObjectName(QString::fromUtf8(item.Name));
        const QString caption = QString::fromUtf8(item.Caption);
        if (caption == "-") {
            action->setSeparator(true);
        } else {
            const QKeySequence shortcut(QString::fromUtf8(item.Shortcut), QKeySequence::PortableText);
            action->setText(shortcut.isEmpty() ? caption : caption + '\t' + shortcut.toString(QKeySequence::NativeText));
            action->setProperty(kCommandProperty, QString::fromUtf8(item.Command));
            action->setProperty(kShortcutProperty, shortcut);
            action->setCheckable(item.Flags & vifAutoCheck);
            action->setChecked(item.Flags & vifChecked);
            if (item.Flags & vifDefault) {
                QFont font = action->font();
                font.setBold(true);
                action->setFont(font);
            }
            if (item.Flags & vifRadio) {
                QActionGroup *&group = radioGroups[{container, item.GroupIndex}];
                if (!group) {
                    group = new QActionGroup(container);
                    // A click on the checked item unchecks it and checks no other.
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
        }
        action->setVisible(!(item.Flags & vifHidden));
        container->addAction(action);
        last = action;
    }
    // Submenus are created on demand, so the callback runs once every item has its menu.
    for (QAction *action : root->findChildren<QAction *>()) {
        if (!action->isSeparator() && onItem)
            onItem(action);
    }
}

QString CommandOf(const QAction *action)
{
    return action->property(kCommandProperty).toString();
}

QKeySequence ShortcutOf(const QAction *action)
{
    return action->property(kShortcutProperty).value<QKeySequence>();
}

void TVlShortcutResolver::SetMainMenu(QMenuBar *menuBar)
{
    FMainMenu = menuBar;
}

void TVlShortcutResolver::SetContextMenu(QWidget *widget, QMenu *menu)
{
    if (menu)
        FContextMenus.insert(widget, menu);
    else
        FContextMenus.remove(widget);
}

QMenu *TVlShortcutResolver::ContextMenu(QWidget *widget) const
{
    return FContextMenus.value(widget);
}

QAction *TVlShortcutResolver::FirstRunnable(const QList<QAction *> &actions, const QKeySequence &key, bool *found)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        if (ShortcutOf(action) == key) {
            *found = true;
            return EnabledIgnoringVisibility(action) ? action : nullptr;
        }
        if (QMenu *submenu = action->menu()) {
            QAction *inner = FirstRunnable(submenu->actions(), key, found);
            if (*found)
                return EnabledIgnoringVisibility(action) ? inner : nullptr;
        }
    }
    return nullptr;
}

QAction *TVlShortcutResolver::Resolve(QWidget *focus, const QKeySequence &key) const
{
    if (key.isEmpty())
        return nullptr;
    for (QWidget *w = focus; w; w = w->parentWidget()) {
        if (QMenu *menu = ContextMenu(w)) {
            bool found = false;
            if (QAction *action = FirstRunnable(menu->actions(), key, &found))
                return action;
            if (found)
                return nullptr; // the first control whose menu holds the key decides, even when disabled
        }
    }
    if (!FMainMenu)
        return nullptr;
    bool found = false;
    return FirstRunnable(FMainMenu->actions(), key, &found);
}

QKeySequence TVlShortcutResolver::KeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_unknown:
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case 0:
        return {};
    default:
        break;
    }
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}
