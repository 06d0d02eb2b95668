// How components raise their events: one dispatcher hook that runs whatever an event property holds.
#include "VlEvents.h"

#include <cstdio>

namespace {
TVlEventDispatcher &Dispatcher()
{
    static TVlEventDispatcher dispatcher;
    return dispatcher;
}
TVlExceptionHandler &ExceptionHandler()
{
    static TVlExceptionHandler handler;
    return handler;
}
} // namespace

TVlEventDispatcher SetVlEventDispatcher(TVlEventDispatcher dispatcher)
{
    TVlEventDispatcher previous = std::move(Dispatcher());
    Dispatcher() = std::move(dispatcher);
    return previous;
}

const TVlEventDispatcher &VlEventDispatcher() { return Dispatcher(); }

bool DispatchVlEvent(const TMethod &handler, TVlEventArgs &args)
{
    if (!handler.IsAssigned() || !Dispatcher())
        return false;
    // A copy keeps the dispatcher alive even if the handler installs another one.
    TVlEventDispatcher dispatcher = Dispatcher();
    dispatcher(handler, args);
    return true;
}

TVlExceptionHandler SetVlExceptionHandler(TVlExceptionHandler handler)
{
    TVlExceptionHandler previous = std::move(ExceptionHandler());
    ExceptionHandler() = std::move(handler);
    return previous;
}

void VlHandleException(const std::exception_ptr &error)
{
    if (ExceptionHandler()) {
        try {
            ExceptionHandler()(error);
            return;
        } catch (...) {
            // A failing handler falls back to the plain report below.
        }
    }
    std::fprintf(stderr, "%s\n", VlExceptionMessage(error).c_str());
}
