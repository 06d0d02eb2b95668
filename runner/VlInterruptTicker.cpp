// The interrupt timer of the window's runs.
#include "VlInterruptTicker.h"

#include "interpreter/VlInterpreter.h"

TVlInterruptTicker::TVlInterruptTicker(TVlInterpreterFunction &program, std::chrono::milliseconds period)
{
    FThread = std::thread([this, &program, period] {
        std::unique_lock<std::mutex> lock(FLock);
        while (!FWake.wait_for(lock, period, [this] { return FStopping; }))
            program.RequestInterrupt();
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
