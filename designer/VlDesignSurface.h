// TVlDesignSurface: turns a container control and its children into a form being designed.
#pragma once

#include "VlDesignHistory.h"
#include "components/VlControls.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QEvent;
class QWidget;
class TVlDesignController;
class TVlDesignCustomMessenger;
class TVlDesignKeyWatcher;
class TVlDesignMessageHook;
class TVlDesignSelector;

class TVlDesignSurface : public TComponent {
    VL_CLASS(TVlDesignSurface)

    // Which implementations activation creates ("class references").
    using TMessengerClass = std::unique_ptr<TVlDesignCustomMessenger> (*)();
    using TControllerClass = std::unique_ptr<TVlDesignController> (*)(TVlDesignSurface &surface);
    using TSelectorClass = std::unique_ptr<TVlDesignSelector> (*)(TVlDesignSurface &surface);

    explicit TVlDesignSurface(TComponent *owner = nullptr);
    ~TVlDesignSurface() override;

    // The control whose children are designed; when unset at activation, a windowed owner.
    TWinControl *Container() const { return FContainer; }
    void SetContainer(TWinControl *container);

    bool Active() const { return FActive; }
    // Raises "%0:s: %1:s is nil" when the container, controller, selector or messenger is missing.
    void SetActive(bool value);

    TMessengerClass MessengerClass() const { return FMessengerClass; }
    // Deactivates, changes the class and activates again.
    void SetMessengerClass(TMessengerClass messengerClass);
    void SetControllerClass(TControllerClass controllerClass) { FControllerClass = controllerClass; }
    void SetSelectorClass(TSelectorClass selectorClass) { FSelectorClass = selectorClass; }
    TVlDesignCustomMessenger *Messenger() const { return FMessenger.get(); }
    // Created on first use.
    TVlDesignController *Controller();
    TVlDesignSelector *Selector();

    // The class to create, as the last OnGetAddClass answered it; cleared once it was placed.
    const std::string &PendingClassName() const { return FPendingClassName; }
    void SetPendingClassName(const std::string &name) { FPendingClassName = name; }

    // Asked at a mouse press which class to create (in: the pending name; empty: none).
    std::function<void(TVlDesignSurface &sender, std::string &ioClass)> OnGetAddClass;
    std::function<void(TVlDesignSurface &sender)> OnSelectionChange;
    // Controls were created, moved, resized, deleted or pasted (and any other recorded change).
    std::function<void(TVlDesignSurface &sender)> OnChange;
    // Told about a failure while the surface handled the user's input (a paste that failed);
    // unset, the components' exception handler is.
    std::function<void(const std::exception_ptr &error)> OnError;

    // Operations on the container.
    void PlaceControl();
    void DeleteSelection();
    void CopySelection();
    void CutSelection();
    void PasteFromClipboard();
    void NudgeSelection(int dx, int dy);
    void ResizeSelection(int dx, int dy);
    void SelectParentControl();
    void SelectOnly(TControl *control);
    TControl *ControlAt(const QPoint &point) const;
    Qt::CursorShape CursorAt(const QPoint &point) const;
    void SaveForm(const std::string &fileName);
    void LoadForm(const std::string &fileName);
    void ClearForm();

    // The parent that placed and pasted controls go into: the container unless exactly one
    // control is selected, then that control if it takes children, else its parent.
    TWinControl *AddParent() const;
    // The controls the user designs (the container's control tree, without handle bars).
    std::vector<TControl *> DesignedControls() const;

    // Undo and redo of every recorded change.
    const TVlDesignHistory &History() const { return FHistory; }
    bool CanUndo() const { return FHistory.CanUndo(); }
    bool CanRedo() const { return FHistory.CanRedo(); }
    void Undo();
    void Redo();
    // Runs a change made outside the surface (the property grid) as one undoable step, then
    // refreshes the frames and raises OnChange; the change may throw (nothing else is lost).
    void ChangeDesign(const std::function<void()> &change);
    // The form as the history keeps it: the container's binary form stream.
    std::string FormSnapshot();

    // What the mouse tools apply: the selected controls moved by a distance, one control's new
    // bounds, the controls a band touches selected. Each is one undoable change.
    void MoveSelection(int dx, int dy);
    void SetControlBounds(TControl *control, const TRect &bounds);
    void SelectInBand(const QPoint &start, const TRect &band);

    // Raised by the parts of the surface.
    void SelectionChanged();
    void Changed();
    // Asks OnGetAddClass; the answer becomes the pending class.
    void QueryAddClass();
    // The surface's handler of routed input; true when consumed.
    bool IsDesignMessage(QWidget *sender, QEvent *event, const QPoint &point);
    // Hands a new component to the messenger (placed, pasted).
    void DesignComponent(TComponent *component);
    // Shows the designed controls whose Visible is off while designing, so they stay reachable,
    // or hides them again.
    void RevealHiddenControls(bool reveal);
    // Watches a selected control, so that its entry goes when it is destroyed.
    void WatchControl(TControl *control, bool watch);
    void Notification(TComponent *component, TOperation operation) override;

private:
    void Activate();
    void Deactivate(bool raiseEvents = true);
    [[noreturn]] void NilError(const char *what) const;
    // Runs a change; the form before and after becomes one history step.
    void RecordChange(const std::function<void()> &change);
    void Restore(const TVlDesignHistory::TState &state);
    // Replaces the container's components by those of a binary form stream (keeping its name);
    // the surface is taken out of its owner while that happens and is active afterwards.
    void ReadForm(const std::string &binary);
    void RenewWatches();
    // New bounds for every selected control but the container, as one undoable change.
    void ChangeSelectedBounds(const std::function<TRect(const TControl &control)> &bounds);
    // Runs work with the surface out of its owner's component list, active again afterwards.
    void WithSurfaceOutOfOwner(const std::function<void()> &work);
    std::vector<std::string> SelectionNames() const;
    void SelectNames(const std::vector<std::string> &names);

    TWinControl *FContainer = nullptr;
    bool FActive = false;
    bool FRestoring = false;
    TMessengerClass FMessengerClass;
    TControllerClass FControllerClass;
    TSelectorClass FSelectorClass;
    std::unique_ptr<TVlDesignCustomMessenger> FMessenger;
    std::unique_ptr<TVlDesignController> FController;
    std::unique_ptr<TVlDesignSelector> FSelector;
    std::unique_ptr<TVlDesignMessageHook> FContainerHook;
    std::unique_ptr<TVlDesignKeyWatcher> FKeyWatcher;
    std::string FPendingClassName;
    TVlDesignHistory FHistory;
};
