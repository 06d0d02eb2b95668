// Helpers shared by the shell's widget tests.
#include "ShellTestSupport.h"

#include <QFile>

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
