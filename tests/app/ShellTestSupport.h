// A main window in a temporary program folder, with silent hooks that record what they were asked.
#pragma once

#include "app/VeltranoForm.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Puts what the build stages in a program folder into `dir`: the event lists in Data/ and the
// word-list and expression libraries, so that the window starts without reporting missing files.
void StageProgramFiles(const QString &dir);

struct TShellRecorder {
    QStringList Questions;
    QStringList Errors;
    QStringList Urls;
    QStringList Started;
    bool ConfirmAnswer = true;
};

// Hooks that record into `log` instead of asking or showing anything.
TVlShellHooks RecordingHooks(TShellRecorder &log);

class TShellFixture {
public:
    explicit TShellFixture(bool withDataFolder = true)
    {
        if (withDataFolder) {
            QDir(Dir.path()).mkpath(QStringLiteral("Data"));
            StageProgramFiles(Dir.path());
        }
    }

    std::unique_ptr<TForm1> MakeForm()
    {
        TVlShellHooks hooks = RecordingHooks(Log);
        // The user's folders of a test stay in its own temporary folder.
        hooks.UserFolders = {PathOf("user-config").toStdString(), PathOf("user-data").toStdString()};
        hooks.IsWritable = IsWritable;
        return std::make_unique<TForm1>(Dir.path(), hooks);
    }

    QString PathOf(const QString &relative) const { return QDir(Dir.path()).filePath(relative); }

    QTemporaryDir Dir;
    TShellRecorder Log;
    // Empty: the operating system decides; tests make the program folder read-only with it.
    TVlWritableLocations::TWritableCheck IsWritable;
};

// The raw bytes of a file, empty when missing.
QByteArray FileBytes(const QString &path);
