// The undo history of a design surface.
#include "VlDesignHistory.h"

#include <stdexcept>

void TVlDesignHistory::Record(TState before, TState after)
{
    if (before.Form == after.Form)
        return;
    FSteps.erase(FSteps.end() - static_cast<std::ptrdiff_t>(FUndone), FSteps.end());
    FUndone = 0;
    FSteps.push_back({std::move(before), std::move(after)});
    if (FSteps.size() > MaxSteps)
        FSteps.pop_front();
}

const TVlDesignHistory::TStep &TVlDesignHistory::Undo()
{
    if (!CanUndo())
        throw std::logic_error("nothing to undo");
    ++FUndone;
    return FSteps[FSteps.size() - FUndone];
}

const TVlDesignHistory::TStep &TVlDesignHistory::Redo()
{
    if (!CanRedo())
        throw std::logic_error("nothing to redo");
    const TStep &step = FSteps[FSteps.size() - FUndone];
    --FUndone;
    return step;
}
