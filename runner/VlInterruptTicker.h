// A timer thread that asks a running script for an interrupt at a fixed period, so that the
// window's event queue is served about that often without a callback at every statement.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class TVlInterpreterFunction;

class TVlInterruptTicker {
public:
    // Starts ticking at once; the program must outlive the ticker.
    TVlInterruptTicker(TVlInterpreterFunction &program, std::chrono::milliseconds period);
    // Stops and joins the thread.
    ~TVlInterruptTicker();
    TVlInterruptTicker(const TVlInterruptTicker &) = delete;
    TVlInterruptTicker &operator=(const TVlInterruptTicker &) = delete;

private:
    std::mutex FLock;
    std::condition_variable FWake;
    bool FStopping = false;
    std::thread FThread;
};
