// The commands of a plug-in and the naming of unnamed ones.
#include "VlPluginCommands.h"

#include "rtl/VlExceptions.h"

QString TVlPluginCommand::DisplayName() const
{
    return Name.isEmpty() ? TVlPluginCommands::DefaultDisplayName : Name;
}

TVlPluginCommand &TVlPluginCommands::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return *FItems[static_cast<size_t>(index)];
}

TVlPluginCommand &TVlPluginCommands::Add(const QString &name)
{
    auto item = std::make_unique<TVlPluginCommand>();
    item->Name = name;
    for (int number = 1; item->Name.isEmpty(); ++number) {
        const QString candidate = QStringLiteral("Command%1").arg(number);
        if (!NameTaken(candidate))
            item->Name = candidate;
    }
    FItems.push_back(std::move(item));
    return *FItems.back();
}

bool TVlPluginCommands::NameTaken(const QString &name) const
{
    for (const auto &item : FItems)
        if (item->Name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
