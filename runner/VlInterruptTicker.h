// A timer thread that asks running scripts for an interrupt at a fixed period, so that the
// window's event queue is served about that often without a callback at every statement.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class TVlInterruptTicker {
public:
    // Starts ticking at once: tick runs on the timer's thread every period (it asks the programs
    // for their interrupts, which is safe from any thread), until the ticker goes.
    TVlInterruptTicker(std::function<void()> tick, std::chrono::milliseconds period);
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
