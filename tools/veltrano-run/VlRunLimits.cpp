// Limits of a headless run: source kinds, step and time limits, failed output.
#include "VlRunLimits.h"

#include "interpreter/VlInterpreter.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// How long a run stuck outside the script's steps gets after the time limit before it is ended.
constexpr std::chrono::seconds StuckGrace{2};

} // namespace

void VlCheckScriptFile(const std::string &fileName)
{
    std::error_code ec;
    const fs::file_status status = fs::status(fileName, ec);
    if (ec || !fs::exists(status))
        return;  // the reader reports a missing file
    if (fs::is_directory(status))
        throw std::runtime_error("это папка, а не файл");
    if (!fs::is_regular_file(status))
        throw std::runtime_error("это не обычный файл (устройство или канал)");
}

std::string VlStepLimitMessage(long long maxSteps)
{
    return "veltrano-run: выполнение остановлено, исчерпан предел шагов (" + std::to_string(maxSteps) + ")";
}

std::string VlOutputFailedMessage()
{
    return "veltrano-run: не удалось записать вывод программы";
}

TVlRunWatchdog::TVlRunWatchdog(TVlInterpreterProgram &program, double seconds, std::ostream &err)
    : FSeconds(seconds)
{
    if (seconds <= 0)
        return;
    program.OnInterrupt = [](TVlInterpreterProgram &sender) { sender.RequestStop(); };
    FThread = std::thread([this, &program, &err] { Watch(program, err); });
}

TVlRunWatchdog::~TVlRunWatchdog()
{
    Finish();
}

void TVlRunWatchdog::Finish()
{
    {
        std::lock_guard<std::mutex> guard(FLock);
        FFinished = true;
    }
    FWake.notify_all();
    if (FThread.joinable())
        FThread.join();
}

bool TVlRunWatchdog::Expired() const
{
    std::lock_guard<std::mutex> guard(FLock);
    return FExpired;
}

std::string TVlRunWatchdog::Message() const
{
    std::ostringstream text;
    text << "veltrano-run: выполнение остановлено, исчерпан предел времени (" << FSeconds << " с)";
    return text.str();
}

void TVlRunWatchdog::Watch(TVlInterpreterProgram &program, std::ostream &err)
{
    std::unique_lock<std::mutex> lock(FLock);
    const auto limit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(FSeconds));
    if (FWake.wait_for(lock, limit, [this] { return FFinished; }))
        return;
    FExpired = true;
    program.RequestInterrupt();
    if (FWake.wait_for(lock, StuckGrace, [this] { return FFinished; }))
        return;
    err << Message() << std::endl;
    std::_Exit(1);
}
