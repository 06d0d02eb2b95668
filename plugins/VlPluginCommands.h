// TVlPluginCommand and its collection TVlPluginCommands: the commands a plug-in offers.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// A command's handler; `sender` is the object name of the menu item or button that was used.
using TVlExecuteEvent = std::function<void(const QString &sender)>;

class TVlPluginCommand {
public:
    QString Name;
    QString Caption;
    QString Hint;
    QString Data;
    uint16_t ShortCut = 0; // key code in the low byte, VL_SC_SHIFT / CTRL / ALT above it
    QImage Bitmap;         // owned by the command; null when it has none
    TVlExecuteEvent OnExecute;

    // Name, or the collection's default display name when the name is empty.
    QString DisplayName() const;
};

class TVlPluginCommands {
public:
    // The display name of an item without a name.
    static inline const QString DefaultDisplayName = QStringLiteral("TVlPluginCommand");

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TVlPluginCommand &Items(int index) const;
    // An item with an empty name is named "Command%d", with the smallest number from 1 upwards
    // that no other item uses (letter case ignored).
    TVlPluginCommand &Add(const QString &name = QString());
    void Clear() { FItems.clear(); }

private:
    bool NameTaken(const QString &name) const;

    std::vector<std::unique_ptr<TVlPluginCommand>> FItems;
};
