// Long-comment states of line starts, rescanned lazily and within bounds after each change.
#pragma once

#include "VlEditorCommon.h"

#include <QStringList>
#include <functional>
#include <vector>

class TVlLongStates
{
public:
    // Computes the state at the end of a line from the state at its start.
    using TScanner = std::function<TVlLongState(QStringView line, TVlLongState start)>;
    static constexpr int RescanLimit = 5000;

    void SetScanner(TScanner scanner) { fScanner = std::move(scanner); }
    bool HasScanner() const { return static_cast<bool>(fScanner); }
    // Marks every state for rescanning (the first line starts outside any comment).
    void Reset(int lineCount);
    void LinesInserted(int at, int count);
    void LinesRemoved(int at, int count);
    // Rescans from a changed line; true when a stored state changed.
    bool RescanFrom(const QStringList &lines, int line);
    // Rescans the whole text; true when a stored state changed.
    bool RescanAll(const QStringList &lines);
    // The state at the start of a line, rescanning first when it is not known.
    TVlLongState StateOf(const QStringList &lines, int line);
    // The stored value, possibly Rescan (for tests and the benchmark).
    TVlLongState Stored(int line) const;

private:
    bool Scan(const QStringList &lines, int from, int untilAtLeast, int limit);
    void Fit(int lineCount);

    std::vector<TVlLongState> fStates; // state at the start of each line
    TScanner fScanner;
};
