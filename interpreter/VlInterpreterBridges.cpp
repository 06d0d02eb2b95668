// Releasing event bridges: a handler that clears or replaces its own event keeps running on its
// bridge, so that bridge is only retired (silenced) until the program ends.
#include "VlInterpreter.h"

std::vector<std::unique_ptr<TVlInterpreterEvent>>::iterator
TVlInterpreterFunction::ReleaseBridge(std::vector<std::unique_ptr<TVlInterpreterEvent>>::iterator bridge)
{
    if ((*bridge)->IsRunning()) {
        (*bridge)->Retire();
        RetiredBridges.push_back(std::move(*bridge));
    }
    return EventBridges.erase(bridge);
}
