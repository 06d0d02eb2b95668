// The host's entry points for plug-ins: C functions over the program's handlers.
#include "VlPluginHost.h"

#include <QtGlobal>

#include <cstring>
#include <exception>
#include <limits>

int32_t CopyPluginText(const QString &text, char *buffer, int32_t size)
{
    const QByteArray bytes = text.toUtf8();
    if (buffer && size > 0) {
        qsizetype length = std::min<qsizetype>(bytes.size(), size - 1);
        // Back to the start of a character when the room ends inside one.
        if (length < bytes.size())
            while (length > 0 && (static_cast<unsigned char>(bytes[length]) & 0xC0) == 0x80)
                --length;
        std::memcpy(buffer, bytes.constData(), static_cast<size_t>(length));
        buffer[length] = '\0';
    }
    return static_cast<int32_t>(std::min<qsizetype>(bytes.size(), std::numeric_limits<int32_t>::max()));
}

namespace {

// Nothing may be thrown back into a plug-in's C code: a failing handler is logged and the call
// gives its empty answer.
template <typename Result, typename Action>
Result Guarded(Result fallback, Action &&action)
{
    try {
        return action();
    } catch (const std::exception &e) {
        qWarning("plug-in host call failed: %s", e.what());
    } catch (...) {
        qWarning("plug-in host call failed");
    }
    return fallback;
}

// The three shapes of entry point: text asked for, text to edit with, text to pass on.
int32_t Answer(const std::function<QString()> &handler, char *buffer, int32_t size)
{
    return Guarded(CopyPluginText({}, buffer, size),
                   [&] { return CopyPluginText(handler ? handler() : QString(), buffer, size); });
}

VlBool Edit(const std::function<bool(const QString &)> &handler, const char *text)
{
    return Guarded<VlBool>(0, [&] { return handler && handler(QString::fromUtf8(text)) ? 1 : 0; });
}

void Tell(const std::function<void(const QString &)> &handler, const char *text)
{
    Guarded(0, [&] {
        if (handler)
            handler(QString::fromUtf8(text));
        return 0;
    });
}

} // namespace

TVlPluginHost::TVlPluginHost(TVlPluginHostHandlers handlers)
    : FHandlers(std::move(handlers))
    , FVersion(FHandlers.Version.toUtf8())
    , FTable{}
{
    FTable.ContractVersion = VL_PLUGIN_CONTRACT_VERSION;
    FTable.Context = this;
    FTable.Version = &TVlPluginHost::Version;
    FTable.GetText = &TVlPluginHost::GetText;
    FTable.SetText = &TVlPluginHost::SetText;
    FTable.GetSelText = &TVlPluginHost::GetSelText;
    FTable.InsertText = &TVlPluginHost::InsertText;
    FTable.AddLog = &TVlPluginHost::AddLog;
    FTable.ShowMessage = &TVlPluginHost::ShowMessage;
}

const TVlPluginHost &TVlPluginHost::Of(const VlHost *host)
{
    return *static_cast<const TVlPluginHost *>(host->Context);
}

const char *TVlPluginHost::Version(const VlHost *host)
{
    return Of(host).FVersion.constData();
}

int32_t TVlPluginHost::GetText(const VlHost *host, char *buffer, int32_t size)
{
    return Answer(Of(host).FHandlers.GetText, buffer, size);
}

VlBool TVlPluginHost::SetText(const VlHost *host, const char *text)
{
    return Edit(Of(host).FHandlers.SetText, text);
}

int32_t TVlPluginHost::GetSelText(const VlHost *host, char *buffer, int32_t size)
{
    return Answer(Of(host).FHandlers.GetSelText, buffer, size);
}

VlBool TVlPluginHost::InsertText(const VlHost *host, const char *text)
{
    return Edit(Of(host).FHandlers.InsertText, text);
}

void TVlPluginHost::AddLog(const VlHost *host, const char *line)
{
    Tell(Of(host).FHandlers.AddLog, line);
}

void TVlPluginHost::ShowMessage(const VlHost *host, const char *text)
{
    Tell(Of(host).FHandlers.ShowMessage, text);
}
