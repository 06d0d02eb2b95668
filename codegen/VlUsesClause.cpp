// Builds the uses clause of the uses-list dialog from the ticked unit names.
#include "VlUsesClause.h"

QStringList UsesListUnits()
{
    return {"Windows", "Messages", "SysUtils", "Variants", "Classes",  "Graphics",
            "Controls", "Forms",   "Dialogs",  "StdCtrls", "Math",     "RichEdit",
            "Themes",  "ShellApi", "IniFiles"};
}

QString BuildUsesClause(const QStringList &units)
{
    if (units.isEmpty())
        return "Uses ;";
    constexpr int maxLineLength = 80;
    const QString indent = "   ";
    QStringList lines{"Uses"};
    QString line = indent;
    for (int i = 0; i < units.size(); ++i) {
        const QString item = units[i] + (i + 1 < units.size() ? "," : ";");
        if (line != indent && line.size() + 1 + item.size() > maxLineLength) {
            lines << line;
            line = indent;
        }
        line += (line == indent ? "" : " ") + item;
    }
    lines << line;
    return lines.join('\n');
}
