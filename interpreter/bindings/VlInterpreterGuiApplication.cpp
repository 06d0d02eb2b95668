// Creating the QApplication on demand for headless hosts, and ending it with the forms it shows.
#include "VlInterpreterGuiApplication.h"

#include "components/VlApplication.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlExceptions.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
    // The host's application, or one another library (the message-box one) made for itself, is used
    // as it is; an application without widgets cannot carry windows, and Qt would abort on the first.
    if (QCoreApplication *existing = QCoreApplication::instance()) {
        if (!qobject_cast<QApplication *>(existing))
            throw EInvalidOperation(Utf8ToCp1251("Окна недоступны: программа запущена без графической части"));
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a console, a test run) Qt falls back to a folder of its own under /tmp and
    // says so on the error stream; take that folder quietly.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
        if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) {
            struct stat info{};
            if (::stat(dir.c_str(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 0077) == 0)
                qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
        }
    }
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
