// libuser32.so: what "user32.dll" resolves to for scripts. It exports MessageBoxA, which shows a
// modal Qt message box and answers the code of the button pressed.
//
// Where the box goes:
// - in a process with a QApplication (the main window, widget tests): over the active window;
//   on a platform nobody sees (offscreen, minimal) it answers its default button by itself
//   after UnattendedMs, so that a box nobody can press never blocks for ever;
// - in a process without one (veltrano-run): on the display the environment names, with a
//   QApplication made for the call and removed after it; with no display to show it on, the
//   text goes to the standard error stream and the answer is the default button at once.
#include "VlMessageBox.h"

#include "rtl/VlCp1251.h"

#include <QApplication>
#include <QThread>

#include <cstdlib>
#include <memory>

namespace {

constexpr int UnattendedMs = 2000;

bool IsUnseenPlatform(const QString &name)
{
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal") ||
           name == QLatin1String("minimalegl");
}

bool HasEnv(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// The platform list for a QApplication of our own, or empty when none of the platforms the
// environment names could show a window (Qt would abort on an xcb without a display).
QString PlatformsToTry()
{
    QString named = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (named.isEmpty())
        return HasEnv("DISPLAY") ? QStringLiteral("xcb") : HasEnv("WAYLAND_DISPLAY") ? QStringLiteral("wayland") : QString();
    for (const QString &entry : named.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (IsUnseenPlatform(name) || (name == QLatin1String("xcb") && !HasEnv("DISPLAY")) ||
            (name.startsWith(QLatin1String("wayland")) && !HasEnv("WAYLAND_DISPLAY")))
            continue;
        return named;
    }
    return QString();
}

// A QApplication that lives for one call; the platform falls back to offscreen rather than
// aborting when the display cannot be opened after all.
class TCallApplication {
public:
    explicit TCallApplication(const QString &platforms)
        : Platforms((platforms + QStringLiteral(";offscreen")).toUtf8()),
          Argv{Program, PlatformOption, Platforms.data(), nullptr},
          App(std::make_unique<QApplication>(Argc, Argv))
    {
    }
    QString PlatformName() const { return App->platformName(); }

private:
    QByteArray Platforms;
    char Program[10] = "veltrano";
    char PlatformOption[10] = "-platform";
    int Argc = 3;
    char *Argv[4];
    std::unique_ptr<QApplication> App;
};

int ShowMessageBox(const QString &caption, const QString &text, const TVlMessageBoxStyle &style)
{
    QCoreApplication *core = QCoreApplication::instance();
    if (core) {
        auto *app = qobject_cast<QApplication *>(core);
        if (!app || QThread::currentThread() != app->thread())
            return VlAnswerUnseen(caption, text, style);
        return VlRunMessageBox(caption, text, style, IsUnseenPlatform(app->platformName()) ? UnattendedMs : -1);
    }
    QString platforms = PlatformsToTry();
    if (platforms.isEmpty())
        return VlAnswerUnseen(caption, text, style);
    TCallApplication own(platforms);
    if (IsUnseenPlatform(own.PlatformName()))
        return VlAnswerUnseen(caption, text, style);
    return VlRunMessageBox(caption, text, style, -1);
}

QString FromCp1251(const char *text) { return QString::fromStdU16String(Cp1251ToUtf16(text)); }

} // namespace

// window: ignored (the box goes over the active window). A missing caption reads "Ошибка", as
// the platform this entry comes from shows it. Answers 0 when the box cannot be made at all.
extern "C" __attribute__((visibility("default"))) int MessageBoxA(int window, const char *text, const char *caption,
                                                                  int flags) noexcept
{
    (void)window;
    try {
        return ShowMessageBox(caption ? FromCp1251(caption) : QStringLiteral("Ошибка"), text ? FromCp1251(text) : QString(),
                              VlMessageBoxStyle(static_cast<uint32_t>(flags)));
    } catch (...) {
        return 0;
    }
}
