// The plug-ins window in the main window and the host's entry points for plug-ins.
#include "VeltranoPlugins.h"

#include "VeltranoForm.h"
#include "VeltranoInfo.h"
#include "VeltranoPlacement.h"
#include "plugins/PluginForm.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>

namespace {

// Plug-ins may call while the window is being torn down (from their Destroy): the editor and the
// log are watched, and once they are gone the calls do nothing.
TVlPluginHostHandlers HostHandlers(TForm1 &form)
{
    const QPointer<TVlHLEditor> editor = form.Memo1;
    const QPointer<QListWidget> log = form.LOG1;
    const auto replaceSelection = [editor](const QString &text) {
        if (!editor || editor->ReadOnly())
            return false;
        editor->SetSelText(text);
        editor->ClearSelection(); // the caret after the text, nothing left selected
        return true;
    };
    TVlPluginHostHandlers handlers;
    handlers.Version = QString::fromUtf8(VeltranoInfo::KernelVersion);
    handlers.GetText = [editor] { return editor ? editor->Text() : QString(); };
    handlers.SetText = [editor, replaceSelection](const QString &text) {
        if (!editor || editor->ReadOnly())
            return false;
        // The editor ends every line itself: one final line break of the text is not a new line.
        QString lines = text;
        if (lines.endsWith(QLatin1Char('\n')))
            lines.chop(lines.endsWith(QLatin1String("\r\n")) ? 2 : 1);
        else if (lines.endsWith(QLatin1Char('\r')))
            lines.chop(1);
        editor->SelectAll();
        return replaceSelection(lines);
    };
    handlers.GetSelText = [editor] { return editor ? editor->SelText() : QString(); };
    handlers.InsertText = replaceSelection;
    handlers.AddLog = [&form, log](const QString &line) {
        if (log)
            form.AddLog(line);
    };
    handlers.ShowMessage = [](const QString &text) {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
    };
    return handlers;
}

} // namespace

void InstallPluginCommands(TForm1 &form)
{
    auto *plug = new TPlug(QDir(form.ProgramDir()).filePath(QStringLiteral("Plugins")), HostHandlers(form), &form);
    form.SetCommandHandler("PluginsClick", std::function<void()>([plug] {
        CenterOnScreen(*plug);
        plug->exec();
    }));
}
