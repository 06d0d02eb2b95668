// The system's requests to stop, through a pipe that the signal handler writes into.
#include "VlTerminationWatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int WakeFds[2] = {-1, -1};

// Only async-signal-safe calls here: one byte into the pipe; the handler resets itself
// (SA_RESETHAND), so the next request takes the default way.
void OnSignal(int)
{
    const char byte = 1;
    if (::write(WakeFds[0], &byte, 1) < 0) {
        // Nothing can be done inside a signal handler; the default disposition is back anyway.
    }
}

} // namespace

TVlTerminationWatcher::TVlTerminationWatcher(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, WakeFds) != 0)
        return; // without the pipe the signals keep their default effect
    FNotifier = new QSocketNotifier(WakeFds[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(WakeFds[1], &byte, 1) <= 0 || FRequested)
            return;
        FRequested = true;
        emit TerminationRequested();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TVlTerminationWatcher::~TVlTerminationWatcher()
{
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    delete FNotifier;
    for (int &fd : WakeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
