// The application object: the central handler for exceptions that leave event handlers.
#include "VeltranoApplication.h"

#include "VeltranoCommands.h"

#include <QToolTip>

#include <cstdio>

TVlApplication::TVlApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

void TVlApplication::UseInactiveCaptionHints()
{
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0xBF, 0xCD, 0xDB));
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);
}

bool TVlApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    RunGuarded([&] { result = QApplication::notify(receiver, event); }, [this](const QString &message) {
        if (FReporter)
            FReporter(message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    return result;
}
