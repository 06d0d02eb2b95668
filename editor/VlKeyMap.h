// The editor key map: single keys and two-key sequences bound to editor commands.
#pragma once

#include <Qt>
#include <vector>

struct TVlEditKey
{
    int Key1 = 0;
    Qt::KeyboardModifiers Shift1;
    int Key2 = 0; // 0 for a single-key binding; the second key matches with or without Ctrl
    Qt::KeyboardModifiers Shift2;
    int Command = 0;
};

class TVlKeyboard
{
public:
    enum class TResult { Unbound, Pending, Command, Ignored };

    // The default bindings of the editor.
    TVlKeyboard();
    // Feeds one key press; on Command, `command` is set. Unbound keys go on as characters.
    TResult Press(int key, Qt::KeyboardModifiers modifiers, int &command);
    bool Pending() const { return fPendingKey != 0; }
    void Cancel() { fPendingKey = 0; }
    const std::vector<TVlEditKey> &Keys() const { return fKeys; }

private:
    std::vector<TVlEditKey> fKeys;
    int fPendingKey = 0;
    Qt::KeyboardModifiers fPendingShift;
};
