// Turns the system's requests to stop (SIGTERM at logout or shutdown, SIGINT, SIGHUP) into a Qt
// signal, so that the program can end the way "Выход" does and write its backup and settings.
#pragma once

#include <QObject>

class QSocketNotifier;

class TVlTerminationWatcher : public QObject {
    Q_OBJECT
public:
    // One watcher per process. A second request while the first is handled ends the process at
    // once, as without the watcher.
    explicit TVlTerminationWatcher(QObject *parent = nullptr);
    ~TVlTerminationWatcher() override;

    bool Requested() const { return FRequested; }

signals:
    void TerminationRequested();

private:
    QSocketNotifier *FNotifier = nullptr;
    bool FRequested = false;
};
