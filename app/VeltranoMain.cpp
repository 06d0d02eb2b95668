// Program entry: splash window, application set-up, the main window and its message loop.
#include "SplashForm.h"
#include "VeltranoApplication.h"
#include "VeltranoForm.h"
#include "VlTerminationWatcher.h"
#include "runner/VlHostBindings.h"
#include "components/VlRegisterComponents.h"

#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <memory>

int main(int argc, char **argv)
{
    // The host bindings come before any window.
    VlRegisterHostBindings();
    TVlApplication app(argc, argv);
    TVlTerminationWatcher termination;

    // 1-2. The splash window runs modally until its counter completes.
    {
        TSplashF splash;
        splash.exec();
        if (splash.Finished())
            splash.hide();
    }

    // 3. Application title, Russian standard dialogs, hint colours. (No display name: the desktop
    //    would add it to every window title.)
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    app.UseInactiveCaptionHints();

    // The classes the designer places and form files name, before the main window exists.
    RegisterVlComponents();

    // 4. The main window first; it creates the dialogs in their order (see its install block).
    auto form = std::make_unique<TForm1>(QApplication::applicationDirPath());
    app.SetErrorReporter([&form](const QString &message) { form->ShowErrorMessage(message); });
    form->show();
    // The end of the session closes the window as "Выход" with OK does.
    const auto closeForm = [&form] { form->CloseWithoutAsking(); };
    QObject::connect(&termination, &TVlTerminationWatcher::TerminationRequested, form.get(), closeForm);
    if (termination.Requested())
        QTimer::singleShot(0, form.get(), closeForm);

    // 5. Until the main window closes.
    const int result = app.exec();
    app.SetErrorReporter(nullptr);
    form.reset(); // writes the backup and the log, then the dialogs go
    return result;
}
