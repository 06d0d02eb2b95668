// Helpers shared by the shell's widget tests.
#include "ShellTestSupport.h"

#include "codegen/VlEventProcedures.h"
#include "common/VlTestPaths.h"

#include <QFile>

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void StageProgramFiles(const QString &dir)
{
    QString error;
    (void)SaveEventList(QDir(dir).filePath("Data/ObjectProc.vlf"), BuiltInControlEvents(), error);
    (void)SaveEventList(QDir(dir).filePath("Data/FormProc.vlf"), BuiltInFormEvents(), error);
    for (const char *library : {"libquillon.so", "libfornax.so"})
        QFile::copy(QString::fromStdString(VlProgramDir()) + "/" + library, QDir(dir).filePath(library));
}
