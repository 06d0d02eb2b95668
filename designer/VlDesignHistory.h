// The undo history of a design surface: every change is a step holding the form before and after.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

class TVlDesignHistory {
public:
    // The form as a binary form stream, and the names of the controls selected with it.
    struct TState {
        std::string Form;
        std::vector<std::string> Selection;
    };
    struct TStep {
        TState Before;
        TState After;
    };

    static constexpr size_t MaxSteps = 100;

    // Adds a step unless the form did not change; forgets what could be redone.
    void Record(TState before, TState after);
    bool CanUndo() const { return FUndone < FSteps.size(); }
    bool CanRedo() const { return FUndone > 0; }
    // The step to take back (undo: restore its Before) or to do again (redo: restore its After).
    const TStep &Undo();
    const TStep &Redo();
    size_t Count() const { return FSteps.size(); }

private:
    std::deque<TStep> FSteps;
    size_t FUndone = 0; // steps at the end that were undone
};
