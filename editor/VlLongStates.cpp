// Long-comment state bookkeeping: lines shift their states along, changes rescan forward.
#include "VlLongStates.h"

#include <algorithm>

void TVlLongStates::Reset(int lineCount)
{
    fStates.assign(static_cast<size_t>(std::max(lineCount, 0)) + 1, TVlLongState::Rescan);
    fStates[0] = TVlLongState::None;
}

void TVlLongStates::Fit(int lineCount)
{
    if (static_cast<int>(fStates.size()) < lineCount + 1)
        fStates.resize(static_cast<size_t>(lineCount) + 1, TVlLongState::Rescan);
    if (fStates.empty())
        fStates.push_back(TVlLongState::None);
    fStates[0] = TVlLongState::None;
}

void TVlLongStates::LinesInserted(int at, int count)
{
    if (count <= 0)
        return;
    at = std::clamp(at, 0, static_cast<int>(fStates.size()));
    fStates.insert(fStates.begin() + at, static_cast<size_t>(count), TVlLongState::Rescan);
    fStates[0] = TVlLongState::None;
}

void TVlLongStates::LinesRemoved(int at, int count)
{
    if (count <= 0 || at >= static_cast<int>(fStates.size()))
        return;
    const int end = std::min(at + count, static_cast<int>(fStates.size()));
    fStates.erase(fStates.begin() + at, fStates.begin() + end);
    if (fStates.empty())
        fStates.push_back(TVlLongState::None);
    fStates[0] = TVlLongState::None;
}

bool TVlLongStates::Scan(const QStringList &lines, int from, int untilAtLeast, int limit)
{
    const int count = static_cast<int>(lines.size());
    Fit(count);
    if (!fScanner) {
        bool changed = false;
        for (auto &s : fStates) {
            changed |= s != TVlLongState::None;
            s = TVlLongState::None;
        }
        return changed;
    }
    bool changed = false;
    int line = std::max(from, 0);
    TVlLongState state = fStates[line];
    if (state == TVlLongState::Rescan)
        state = TVlLongState::None;
    const int last = std::min(count, line + limit); // lines [line, last) are scanned
    for (; line < last; ++line) {
        state = fScanner(lines[line], state);
        TVlLongState &stored = fStates[line + 1];
        if (stored == state && line >= untilAtLeast)
            return changed; // the rest of the text starts as before and is unchanged
        changed |= stored != TVlLongState::Rescan;
        stored = state;
    }
    for (int rest = last + 1; rest <= count; ++rest)
        fStates[rest] = TVlLongState::Rescan;
    return changed;
}

bool TVlLongStates::RescanFrom(const QStringList &lines, int line)
{
    Fit(static_cast<int>(lines.size()));
    line = std::clamp(line, 0, std::max(0, static_cast<int>(lines.size()) - 1));
    while (line > 0 && fStates[line] == TVlLongState::Rescan)
        --line;
    return Scan(lines, line, line, RescanLimit);
}

bool TVlLongStates::RescanAll(const QStringList &lines)
{
    Reset(static_cast<int>(lines.size()));
    Scan(lines, 0, static_cast<int>(lines.size()), static_cast<int>(lines.size()));
    return true;
}

TVlLongState TVlLongStates::StateOf(const QStringList &lines, int line)
{
    const int count = static_cast<int>(lines.size());
    if (line <= 0 || line > count)
        return TVlLongState::None;
    Fit(count);
    if (fStates[line] != TVlLongState::Rescan)
        return fStates[line];
    int start = line - 1;
    while (start > 0 && fStates[start] == TVlLongState::Rescan)
        --start;
    Scan(lines, start, line, std::max(line - start, RescanLimit));
    return fStates[line] == TVlLongState::Rescan ? TVlLongState::None : fStates[line];
}

TVlLongState TVlLongStates::Stored(int line) const
{
    return line >= 0 && line < static_cast<int>(fStates.size()) ? fStates[line] : TVlLongState::Rescan;
}
