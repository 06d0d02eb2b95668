// The modal waits the widget set runs for a script (a modal form, a message box, a common dialog,
// Application.Run) can all be ended from outside: a host stopping the script ends every one, so
// that no window is left waiting for a user the script no longer has.
#pragma once

#include <functional>

class QDialog;

// Registers a wait for as long as it lives; end makes that wait return soon, as a cancel would.
class TVlModalWait {
public:
    explicit TVlModalWait(std::function<void()> end);
    ~TVlModalWait();
    TVlModalWait(const TVlModalWait &) = delete;
    TVlModalWait &operator=(const TVlModalWait &) = delete;
    void End() const { FEnd(); }

private:
    std::function<void()> FEnd;
};

// dialog.exec() as a wait that VlEndModalWaits rejects.
int VlExecModal(QDialog &dialog);
// Ends every wait running now, innermost first; nothing when none runs.
void VlEndModalWaits();
