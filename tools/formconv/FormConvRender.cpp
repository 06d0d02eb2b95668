// formconv render: the real widgets of a form file, drawn offscreen to a PNG.
#include "FormConvRender.h"

#include "components/VlForms.h"
#include "designer/VlDesignClip.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlExceptions.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The platform's notes about offscreen windows are no news to the user of a converter.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "formconv: %s\n", qPrintable(message));
}

} // namespace

void RenderFormFile(const std::string &formBytes, const std::string &pngPath)
{
    // No display is needed: the widgets are drawn offscreen.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "formconv";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);

    auto form = std::make_unique<TForm>();
    ReadDesignFormFile(formBytes, form.get());
    QWidget *window = form->Widget();
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    const QPixmap picture = window->grab();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw EFCreateError("Cannot draw the form");
    try {
        WriteFileBytesAtomically(pngPath, std::string_view(png.constData(), size_t(png.size())));
    } catch (const std::exception &error) {
        throw EFCreateError(error.what());
    }
}
