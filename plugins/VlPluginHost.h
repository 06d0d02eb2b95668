// TVlPluginHost: the host's entry points as plug-ins see them, a C table (VlHost) whose functions
// call handlers the program supplies.
#pragma once

#include "VeltranoPlugin.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What the entry points do. A handler left empty does nothing: text comes back empty and the
// editing calls answer 0.
struct TVlPluginHostHandlers {
    QString Version;
    std::function<QString()> GetText;
    std::function<bool(const QString &text)> SetText;
    std::function<QString()> GetSelText;
    std::function<bool(const QString &text)> InsertText;
    std::function<void(const QString &line)> AddLog;
    std::function<void(const QString &text)> ShowMessage;
};

class TVlPluginHost {
public:
    explicit TVlPluginHost(TVlPluginHostHandlers handlers = {});
    // The table points back at this object.
    TVlPluginHost(const TVlPluginHost &) = delete;
    TVlPluginHost &operator=(const TVlPluginHost &) = delete;

    const VlHost *Table() const { return &FTable; }

private:
    static const TVlPluginHost &Of(const VlHost *host);
    static const char *Version(const VlHost *host);
    static int32_t GetText(const VlHost *host, char *buffer, int32_t size);
    static VlBool SetText(const VlHost *host, const char *text);
    static int32_t GetSelText(const VlHost *host, char *buffer, int32_t size);
    static VlBool InsertText(const VlHost *host, const char *text);
    static void AddLog(const VlHost *host, const char *line);
    static void ShowMessage(const VlHost *host, const char *text);

    TVlPluginHostHandlers FHandlers;
    QByteArray FVersion;
    VlHost FTable;
};

// Copies `text` as UTF-8 into buffer (at most size - 1 bytes and a NUL, never half a character);
// returns the length of the whole text in bytes.
int32_t CopyPluginText(const QString &text, char *buffer, int32_t size);
