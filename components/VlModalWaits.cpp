// The registry of modal waits.
#include "VlModalWaits.h"

#include <QDialog>

#include <algorithm>
#include <vector>

namespace {

// Innermost last; only the GUI thread runs modal waits.
std::vector<TVlModalWait *> &Waits()
{
    static std::vector<TVlModalWait *> waits;
    return waits;
}

} // namespace

TVlModalWait::TVlModalWait(std::function<void()> end) : FEnd(std::move(end))
{
    Waits().push_back(this);
}

TVlModalWait::~TVlModalWait()
{
    std::erase(Waits(), this);
}

int VlExecModal(QDialog &dialog)
{
    TVlModalWait wait([&dialog] { dialog.reject(); });
    return dialog.exec();
}

void VlEndModalWaits()
{
    // An end may run code that opens or leaves waits: take a copy, and skip what has gone meanwhile.
    const std::vector<TVlModalWait *> running = Waits();
    for (auto it = running.rbegin(); it != running.rend(); ++it)
        if (std::find(Waits().begin(), Waits().end(), *it) != Waits().end())
            (*it)->End();
}
