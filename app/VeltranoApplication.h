// The application object: the central handler for exceptions that leave event handlers.
#pragma once

#include <QApplication>

#include <functional>

class TVlApplication : public QApplication {
    Q_OBJECT
public:
    TVlApplication(int &argc, char **argv);

    // Where an exception escaping an event handler is reported; the program then goes on.
    void SetErrorReporter(std::function<void(const QString &message)> reporter) { FReporter = std::move(reporter); }
    // Tooltips take the colour of an inactive window caption.
    void UseInactiveCaptionHints();

    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::function<void(const QString &)> FReporter;
};
