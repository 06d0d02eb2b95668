// Shared helpers of the widget tests: an event recorder installed as the dispatcher.
#pragma once

#include "VlEvents.h"
#include "VlRegisterComponents.h"

#include <string>
#include <vector>

struct TRecordedEvent {
    TObject *Sender;
    std::string Name;
    std::string TypeName;
    TVlEventArgs Args;
};

// Records every dispatched event; an optional reaction may change the var arguments.
class TEventRecorder {
public:
    TEventRecorder()
    {
        RegisterVlComponents();
        FPrevious = SetVlEventDispatcher([this](const TMethod &, TVlEventArgs &args) {
            if (Reaction)
                Reaction(args);
            Events.push_back({args.Sender, std::string(args.Name), std::string(args.TypeName), args});
        });
    }
    ~TEventRecorder() { SetVlEventDispatcher(std::move(FPrevious)); }

    // A handler value that counts as assigned.
    static TMethod Handler()
    {
        static char code;
        return TMethod{&code, nullptr};
    }

    int Count(const std::string &name) const
    {
        int count = 0;
        for (const auto &e : Events)
            count += e.Name == name;
        return count;
    }

    std::vector<TRecordedEvent> Events;
    std::function<void(TVlEventArgs &)> Reaction;

private:
    TVlEventDispatcher FPrevious;
};
