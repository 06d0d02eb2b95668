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

TVlShellHooks RecordingHooks(TShellRecorder &log)
{
    TVlShellHooks hooks;
    hooks.Confirm = [&log](const QString &q) {
        log.Questions << q;
        return log.ConfirmAnswer;
    };
    hooks.ShowError = [&log](const QString &m) { log.Errors << m; };
    hooks.OpenUrl = [&log](const QString &u) { log.Urls << u; };
    hooks.StartInstance = [&log](const QString &p) {
        log.Started << p;
        return true;
    };
    return hooks;
}
