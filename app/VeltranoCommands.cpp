// Command handlers by id, run under the central error handler.
#include "VeltranoCommands.h"

#include <exception>

void TVlCommandRegistry::Set(const QString &id, TVlCommandHandler handler)
{
    if (handler)
        FHandlers.insert(id, std::move(handler));
    else
        FHandlers.remove(id);
}

void TVlCommandRegistry::Run(const QString &id, const QString &sender) const
{
    const auto found = FHandlers.constFind(id);
    if (found == FHandlers.constEnd())
        return;
    // Copy: a handler may replace itself (or others) while it runs.
    const TVlCommandHandler handler = *found;
    RunGuarded([&] { handler(sender); }, ReportError);
}

bool RunGuarded(const std::function<void()> &action, const std::function<void(const QString &)> &reportError)
{
    QString message;
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (reportError)
        reportError(message);
    return false;
}
