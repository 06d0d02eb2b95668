// Command handlers by id, run under the central error handler.
#pragma once

#include <QHash>
#include <QString>

#include <functional>

// `sender` is the object name of the menu item or button that asked for the command.
using TVlCommandHandler = std::function<void(const QString &sender)>;

class TVlCommandRegistry {
public:
    void Set(const QString &id, TVlCommandHandler handler);
    bool Has(const QString &id) const { return FHandlers.contains(id); }

    // Runs the command's handler, if any. An exception leaving the handler is given to
    // ReportError with its message and goes no further, so the program carries on.
    void Run(const QString &id, const QString &sender) const;

    std::function<void(const QString &message)> ReportError;

private:
    QHash<QString, TVlCommandHandler> FHandlers;
};

// Runs `action` and reports an exception leaving it, as commands are run. Returns false on one.
bool RunGuarded(const std::function<void()> &action, const std::function<void(const QString &)> &reportError);
