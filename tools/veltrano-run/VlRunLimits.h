// What keeps a headless run bounded: only regular files are read as sources, a watchdog ends a run
// that takes too long, and the texts that say which limit ended it.
#pragma once

#include <condition_variable>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>

class TVlInterpreterProgram;

// Throws std::runtime_error unless the name is a regular file (a folder, a device or a pipe could
// never be read to its end as a source).
void VlCheckScriptFile(const std::string &fileName);

std::string VlStepLimitMessage(long long maxSteps);
std::string VlOutputFailedMessage();

// Stops the program at its next step once `seconds` have passed (0: never). A run stuck in a host
// call that long after is ended with the message on `err` and exit status 1.
class TVlRunWatchdog {
public:
    TVlRunWatchdog(TVlInterpreterProgram &program, double seconds, std::ostream &err);
    ~TVlRunWatchdog();
    TVlRunWatchdog(const TVlRunWatchdog &) = delete;
    TVlRunWatchdog &operator=(const TVlRunWatchdog &) = delete;

    // Called when the run has ended; the watchdog then stays quiet.
    void Finish();
    bool Expired() const;
    std::string Message() const;

private:
    void Watch(TVlInterpreterProgram &program, std::ostream &err);

    double FSeconds;
    mutable std::mutex FLock;
    std::condition_variable FWake;
    bool FFinished = false;
    bool FExpired = false;
    std::thread FThread;
};
