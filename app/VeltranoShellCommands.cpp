// The shell's own commands: new window, exit, about box, mail link.
#include "VeltranoShellCommands.h"

#include "AboutForm.h"
#include "VeltranoForm.h"
#include "VeltranoPlacement.h"

#include <QCoreApplication>

#include <stdexcept>

void InstallShellCommands(TForm1 &form)
{
    form.AboutBox = new TAboutBox([&form](const QString &url) { form.Hooks().OpenUrl(url); }, &form);

    form.SetCommandHandler("NewWindowClick", std::function<void()>([&form] {
        const QString program = QCoreApplication::applicationFilePath();
        if (!form.Hooks().StartInstance(program))
            throw std::runtime_error(QStringLiteral("Cannot start \"%1\"").arg(program).toStdString());
    }));
    form.SetCommandHandler("ExitClick", std::function<void()>([&form] { form.close(); }));
    form.SetCommandHandler("AboutClick", std::function<void()>([&form] {
        CenterOnScreen(*form.AboutBox);
        form.AboutBox->exec();
    }));
    form.SetCommandHandler("ReportBugClick", std::function<void()>([&form] { form.Hooks().OpenUrl(ContactMailUrl()); }));
}
