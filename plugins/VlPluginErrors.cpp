// The plug-in manager's message texts.
#include "VlPluginErrors.h"

#include "VeltranoPlugin.h"

namespace VlPluginMessages {

QString PackageNotFound(const QString &fileName)
{
    return QStringLiteral("Plugin package not found: %1").arg(fileName);
}

QString FunctionNotFound(const QString &function, const QString &fileName)
{
    return QStringLiteral("Plugin function %1 not found in %2").arg(function, fileName);
}

QString CallFailed(const QString &function, const QString &fileName)
{
    return QStringLiteral("Calling %1 in %2 failed").arg(function, fileName);
}

QString ExtensionEmpty()
{
    return QStringLiteral("Extension may not be empty");
}

QString PackagesUnsupported(const QString &fileName)
{
    return QStringLiteral("Пакеты (plgPackage) в этой системе не поддерживаются: %1").arg(fileName);
}

QString OtherContractVersion(const QString &fileName, quint32 version)
{
    return QStringLiteral("Плагин собран для версии контракта %1, а программа знает версию %2: %3")
        .arg(version)
        .arg(VL_PLUGIN_CONTRACT_VERSION)
        .arg(fileName);
}

QString BadDescription(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Плагин описан неверно (%1): %2").arg(reason, fileName);
}

} // namespace VlPluginMessages
