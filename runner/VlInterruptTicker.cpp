// The interrupt timer of the window's runs.
#include "VlInterruptTicker.h"

TVlInterruptTicker::TVlInterruptTicker(std::function<void()> tick, std::chrono::milliseconds period)
{
    FThread = std::thread([this, tick = std::move(tick), period] {
        std::unique_lock<std::mutex> lock(FLock);
        while (!FWake.wait_for(lock, period, [this] { return FStopping; }))
            tick();
    });
}

TVlInterruptTicker::~TVlInterruptTicker()
{
    {
        std::lock_guard<std::mutex> lock(FLock);
        FStopping = true;
    }
    FWake.notify_one();
    FThread.join();
}
