// Creating the QApplication on demand for headless hosts, and ending it with the forms it shows.
#include "VlInterpreterGuiApplication.h"

#include "components/VlApplication.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace {

QApplication *CreatedApplication = nullptr;

bool HasDisplay()
{
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

void VlEnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "veltrano-run";
    static char *argv[] = {name, nullptr};
    CreatedApplication = new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    auto *translator = new QTranslator(CreatedApplication);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

bool VlGuiApplicationCreatedHere()
{
    return CreatedApplication != nullptr;
}

void VlShutdownGuiApplication()
{
    if (QCoreApplication::instance())
        VlFreeApplicationComponents();
    delete CreatedApplication;
    CreatedApplication = nullptr;
}
