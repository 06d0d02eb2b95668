// TVlDesignSurface: state, activation, selection operations and undo.
#include "VlDesignSurface.h"

#include "VlDesignImpController.h"
#include "VlDesignImpMessengers.h"
#include "VlDesignImpSelector.h"
#include "VlDesignUtils.h"
#include "rtl/VlClassRegistry.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlNameCompare.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

VL_IMPLEMENT_CLASS(TVlDesignSurface, TComponent, "VlDesignSurface")

namespace {

// A new control shows its name, as in every form designer ("Button1").
void SetDefaultCaption(TControl *control)
{
    const TClassInfo *info = control->ClassInfo();
    for (const char *name : {"Caption", "Text"}) {
        const TPropInfo *prop = info->FindProperty(name);
        if (prop && prop->Kind == TTypeKind::String && prop->SetStr) {
            SetStrProp(control, *prop, control->Name());
            return;
        }
    }
    if (info->FindProperty("Lines"))
        control->SetText(control->Name());
}

bool IsInside(const TControl *control, const TWinControl *container)
{
    for (const TControl *c = control; c; c = c->Parent())
        if (c == container)
            return true;
    return false;
}

void CollectDesigned(const TWinControl *parent, std::vector<TControl *> &out)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl *control = parent->Controls(i);
        if (dynamic_cast<TVlDesignHandle *>(control))
            continue;
        out.push_back(control);
        if (auto *win = dynamic_cast<TWinControl *>(control))
            CollectDesigned(win, out);
    }
}

} // namespace

TVlDesignSurface::TVlDesignSurface(TComponent *owner)
    : TComponent(owner)
    , FMessengerClass(&TVlDesignDesignerMessenger::Create)
    , FControllerClass(&TVlDesignController::Create)
    , FSelectorClass(&TVlDesignSelector::Create)
{
}

TVlDesignSurface::~TVlDesignSurface()
{
    Destroying();
    if (FActive)
        Deactivate(false);
    FSelector.reset();
}

void TVlDesignSurface::NilError(const char *what) const
{
    throw EInvalidOperation(VlSprintf("%s: %s is nil", ClassName().c_str(), what));
}

void TVlDesignSurface::SetContainer(TWinControl *container)
{
    if (container == FContainer)
        return;
    const bool wasActive = FActive;
    if (wasActive)
        Deactivate();
    if (FContainer)
        RemoveFreeNotification(FContainer);
    FContainer = container;
    if (FContainer)
        FreeNotification(FContainer);
    if (wasActive && FContainer)
        Activate();
}

void TVlDesignSurface::SetActive(bool value)
{
    if (value == FActive)
        return;
    if (value)
        Activate();
    else
        Deactivate();
}

TVlDesignController *TVlDesignSurface::Controller()
{
    if (!FController && FControllerClass)
        FController = FControllerClass(*this);
    return FController.get();
}

TVlDesignSelector *TVlDesignSurface::Selector()
{
    if (!FSelector && FSelectorClass)
        FSelector = FSelectorClass(*this);
    return FSelector.get();
}

void TVlDesignSurface::Activate()
{
    if (!FContainer)
        if (auto *owner = dynamic_cast<TWinControl *>(Owner()))
            SetContainer(owner);
    if (!FContainer)
        NilError("Container");
    if (!Controller())
        NilError("Controller");
    if (!Selector())
        NilError("Selector");
    if (!FMessengerClass || !(FMessenger = FMessengerClass()))
        NilError("Messenger");
    FMessenger->OnDesignMessage = [this](QWidget *sender, QEvent *event, const QPoint &point) {
        return IsDesignMessage(sender, event, point);
    };
    FMessenger->OnError = [this](const std::exception_ptr &error) {
        if (OnError)
            OnError(error);
        else
            VlHandleException(error);
    };
    try {
        FMessenger->SetContainer(FContainer);
    } catch (...) {
        FMessenger.reset();
        throw;
    }
    FContainerHook = std::make_unique<TVlDesignMessageHook>(*FMessenger, false);
    if (QWidget *widget = ClientWidgetOf(FContainer)) {
        widget->installEventFilter(FContainerHook.get());
        FKeyWatcher = std::make_unique<TVlDesignKeyWatcher>(widget);
        FKeyWatcher->OnKeyPress = [this](QKeyEvent *key) {
            if (!key->isAutoRepeat() && Controller())
                Controller()->NoteKeyPress(key->modifiers());
        };
        qApp->installEventFilter(FKeyWatcher.get());
    }
    FActive = true;
    RevealHiddenControls(true);
    SelectionChanged();
    FContainer->Invalidate();
}

void TVlDesignSurface::RevealHiddenControls(bool reveal)
{
    if (reveal && !FActive)
        return;
    for (TControl *control : DesignedControls())
        if (!control->Visible() && control->Parent() && control->Widget())
            control->Widget()->setVisible(reveal);
}

void TVlDesignSurface::Deactivate(bool raiseEvents)
{
    if (FController)
        FController->CancelDrag();
    FContainerHook.reset();
    FKeyWatcher.reset();
    if (FSelector)
        FSelector->ClearSelection();
    if (FActive && !HasState(csDestroying))
        RevealHiddenControls(false);
    if (FMessenger)
        FMessenger->SetContainer(nullptr);
    FMessenger.reset();
    FActive = false;
    if (!raiseEvents)
        return;
    SelectionChanged();
    if (FContainer)
        FContainer->Invalidate();
}

void TVlDesignSurface::SetMessengerClass(TMessengerClass messengerClass)
{
    Deactivate();
    FMessengerClass = messengerClass;
    Activate();
}

void TVlDesignSurface::SelectionChanged()
{
    if (OnSelectionChange && !HasState(csDestroying))
        OnSelectionChange(*this);
}

void TVlDesignSurface::Changed()
{
    if (OnChange && !HasState(csDestroying))
        OnChange(*this);
}

void TVlDesignSurface::QueryAddClass()
{
    std::string name = FPendingClassName;
    if (OnGetAddClass)
        OnGetAddClass(*this, name);
    FPendingClassName = name;
}

bool TVlDesignSurface::IsDesignMessage(QWidget *, QEvent *event, const QPoint &point)
{
    if (!FActive || !Controller())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return Controller()->KeyDown(key->key(), key->modifiers());
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A held key repeats presses only, as the keyboard does elsewhere.
        return !key->isAutoRepeat() && Controller()->KeyUp(key->key(), key->modifiers());
    }
    case QEvent::MouseMove:
        return Controller()->MouseMove(static_cast<QMouseEvent *>(event)->modifiers(), point);
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton && Controller()->MouseDown(mouse->modifiers(), point);
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton && Controller()->MouseUp(mouse->modifiers(), point);
    }
    default:
        return false;
    }
}

void TVlDesignSurface::DesignComponent(TComponent *component)
{
    if (FActive && FMessenger && component)
        FMessenger->DesignComponent(component, true);
}

void TVlDesignSurface::WatchControl(TControl *control, bool watch)
{
    if (!control)
        return;
    if (watch)
        FreeNotification(control);
    else if (control != FContainer)
        RemoveFreeNotification(control);
}

void TVlDesignSurface::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FContainer) {
        if (FActive)
            Deactivate(false);
        FContainer = nullptr;
        return;
    }
    if (FController && static_cast<TComponent *>(FController->PressedControl()) == component)
        FController->CancelDrag();
    if (FSelector)
        FSelector->Forget(component);
}

void TVlDesignSurface::RenewWatches()
{
    // Leaving the owner's list ends the free notifications between the surface and the owner's
    // components; the container and the selection are watched again.
    if (FContainer)
        FreeNotification(FContainer);
    if (FSelector)
        for (TControl *control : FSelector->SelectedControls())
            FreeNotification(control);
}

// ---------------------------------------------------------------------------------------------
// Selection and placement

void TVlDesignSurface::SelectOnly(TControl *control)
{
    Selector()->ClearSelection();
    if (control)
        Selector()->ExtendSelection(control);
}

void TVlDesignSurface::SelectParentControl()
{
    TVlDesignSelector *selector = Selector();
    if (selector->Count() == 0)
        return;
    TControl *first = selector->Selection(0);
    // The container is the topmost thing that can be selected.
    if (first == FContainer || !first->Parent() || !IsInside(first->Parent(), FContainer))
        return;
    SelectOnly(first->Parent());
}

TWinControl *TVlDesignSurface::AddParent() const
{
    if (!FSelector || FSelector->Count() != 1)
        return FContainer;
    TControl *selected = FSelector->Selection(0);
    auto *win = dynamic_cast<TWinControl *>(selected);
    TWinControl *parent = win && win->AcceptsControls() ? win : selected->Parent();
    return parent && IsInside(parent, FContainer) ? parent : FContainer;
}

std::vector<TControl *> TVlDesignSurface::DesignedControls() const
{
    std::vector<TControl *> controls;
    if (FContainer)
        CollectDesigned(FContainer, controls);
    return controls;
}

TControl *TVlDesignSurface::ControlAt(const QPoint &point) const
{
    if (!FContainer)
        return nullptr;
    // The topmost visible child at the point (disabled ones too), descending through windowed
    // controls while the child belongs to the same owner.
    auto childAt = [this](const TWinControl *parent, const QPoint &containerPoint) -> TControl * {
        const QPoint local = ContainerToClient(FContainer, parent, containerPoint);
        for (int i = parent->ControlCount() - 1; i >= 0; --i) {
            TControl *child = parent->Controls(i);
            const bool visible = child->Widget() ? !child->Widget()->isHidden() : child->Visible();
            if (visible && ToQRect(child->BoundsRect()).contains(local))
                return child;
        }
        return nullptr;
    };
    TControl *found = childAt(FContainer, point);
    for (TControl *current = found; auto *win = dynamic_cast<TWinControl *>(current);) {
        TControl *child = childAt(win, point);
        if (!child || child->Owner() != current->Owner())
            break;
        found = current = child;
    }
    if (!found)
        found = FContainer;
    if (auto *bar = dynamic_cast<TVlDesignHandle *>(found))
        found = bar->Entry() ? bar->Entry()->Control() : FContainer;
    return found;
}

Qt::CursorShape TVlDesignSurface::CursorAt(const QPoint &point) const
{
    if (!FSelector || FSelector->Count() == 0)
        return Qt::ArrowCursor;
    if (ControlAt(point) != FSelector->Selection(0))
        return Qt::ArrowCursor;
    return GrabPointCursor(FSelector->GrabPointAt(point));
}

void TVlDesignSurface::PlaceControl()
{
    const TClassInfo *cls = FindClass(FPendingClassName);
    TWinControl *addParent = AddParent();
    if (!cls || !addParent || !FContainer)
        return; // the name stays pending
    RecordChange([&] {
        TObject *created = cls->CreateInstance(FContainer);
        auto *component = dynamic_cast<TComponent *>(created);
        if (!component) {
            delete created;
            throw EInvalidOperation(VlSprintf("Class %s is not a component", cls->ClassName().c_str()));
        }
        try {
            component->SetName(UniqueDesignName(FContainer, cls->ClassName()));
        } catch (...) {
            delete component;
            throw;
        }
        if (auto *control = dynamic_cast<TControl *>(component)) {
            control->SetParent(addParent);
            const TRect drag = Controller()->DragRect();
            const QPoint topLeft = ContainerToClient(FContainer, addParent, QPoint(drag.Left, drag.Top));
            const int width = drag.Width() == 0 ? control->DefaultWidth() : drag.Width();
            const int height = drag.Height() == 0 ? control->DefaultHeight() : drag.Height();
            control->SetBounds(topLeft.x(), topLeft.y(), width, height);
            SetDefaultCaption(control); // after the bounds, so that a label sizes itself to it
            SelectOnly(control);
        }
        DesignComponent(component);
    });
    SelectionChanged();
    Changed();
    FPendingClassName.clear();
}

void TVlDesignSurface::DeleteSelection()
{
    TVlDesignSelector *selector = Selector();
    // The container stays; a control inside another selected one goes with it.
    std::vector<TControl *> selected;
    for (TControl *control : selector->SelectedControls())
        if (control != FContainer && IsInside(control, FContainer))
            selected.push_back(control);
    std::vector<TControl *> doomed;
    for (TControl *control : selected) {
        const bool insideAnother = std::any_of(selected.begin(), selected.end(), [control](TControl *other) {
            auto *win = dynamic_cast<TWinControl *>(other);
            return win && win != control && win->ContainsControl(control);
        });
        if (!insideAnother)
            doomed.push_back(control);
    }
    if (doomed.empty())
        return;
    RecordChange([&] {
        selector->ClearSelection();
        for (TControl *control : doomed)
            delete control;
    });
    SelectionChanged();
    Changed();
}

void TVlDesignSurface::CutSelection()
{
    CopySelection();
    DeleteSelection();
}

void TVlDesignSurface::ChangeSelectedBounds(const std::function<TRect(const TControl &control)> &bounds)
{
    std::vector<TControl *> changed;
    for (TControl *control : Selector()->SelectedControls())
        if (control != FContainer)
            changed.push_back(control);
    if (changed.empty())
        return;
    RecordChange([&] {
        for (TControl *control : changed)
            control->SetBoundsRect(bounds(*control));
    });
    Selector()->RefreshFrames();
    Changed();
}

void TVlDesignSurface::MoveSelection(int dx, int dy)
{
    ChangeSelectedBounds([dx, dy](const TControl &c) { return Bounds(c.Left() + dx, c.Top() + dy, c.Width(), c.Height()); });
}

void TVlDesignSurface::NudgeSelection(int dx, int dy)
{
    MoveSelection(dx, dy);
}

void TVlDesignSurface::ResizeSelection(int dx, int dy)
{
    ChangeSelectedBounds([dx, dy](const TControl &c) {
        return Bounds(c.Left(), c.Top(), std::max(1, c.Width() + dx), std::max(1, c.Height() + dy));
    });
}

void TVlDesignSurface::SetControlBounds(TControl *control, const TRect &bounds)
{
    if (!control || control == FContainer)
        return;
    RecordChange([&] { control->SetBoundsRect(bounds); });
    Selector()->RefreshFrames();
    Changed();
}

void TVlDesignSurface::SelectInBand(const QPoint &start, const TRect &band)
{
    // The band selects the children of the container it was started in that it touches.
    TControl *at = ControlAt(start);
    auto *parent = dynamic_cast<TWinControl *>(at);
    if (!parent || !parent->AcceptsControls() || !IsInside(parent, FContainer))
        parent = FContainer;
    const QRect area = ToQRect(band).normalized();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl *child = parent->Controls(i);
        if (dynamic_cast<TVlDesignHandle *>(child) || (child->Widget() && child->Widget()->isHidden()))
            continue;
        const QRect bounds = ToQRect(ContainerBoundsOf(FContainer, child));
        if (area.width() > 0 && area.height() > 0 ? bounds.intersects(area) : false)
            Selector()->ExtendSelection(child);
    }
}

// ---------------------------------------------------------------------------------------------
// Undo

std::vector<std::string> TVlDesignSurface::SelectionNames() const
{
    std::vector<std::string> names;
    if (FSelector)
        for (TControl *control : FSelector->SelectedControls())
            names.push_back(control->Name());
    return names;
}

void TVlDesignSurface::SelectNames(const std::vector<std::string> &names)
{
    Selector()->ClearSelection();
    for (const std::string &name : names) {
        TControl *control = nullptr;
        if (FContainer && VlSameName(name, FContainer->Name()))
            control = FContainer;
        else if (FContainer)
            control = dynamic_cast<TControl *>(FContainer->FindComponent(name));
        if (control && IsInside(control, FContainer))
            Selector()->ExtendSelection(control);
    }
}

void TVlDesignSurface::RecordChange(const std::function<void()> &change)
{
    if (FRestoring || !FContainer) {
        change();
        return;
    }
    TVlDesignHistory::TState before{FormSnapshot(), SelectionNames()};
    try {
        change();
    } catch (...) {
        // What was done before the failure stays, and can be taken back.
        FHistory.Record(std::move(before), {FormSnapshot(), SelectionNames()});
        throw;
    }
    FHistory.Record(std::move(before), {FormSnapshot(), SelectionNames()});
}

void TVlDesignSurface::ChangeDesign(const std::function<void()> &change)
{
    try {
        RecordChange(change);
    } catch (...) {
        RevealHiddenControls(true);
        Selector()->RefreshFrames();
        Changed();
        throw;
    }
    RevealHiddenControls(true);
    Selector()->RefreshFrames();
    Changed();
}

void TVlDesignSurface::Restore(const TVlDesignHistory::TState &state)
{
    FRestoring = true;
    try {
        ReadForm(state.Form);
        SelectNames(state.Selection);
    } catch (...) {
        FRestoring = false;
        throw;
    }
    FRestoring = false;
    SelectionChanged();
    Changed();
}

void TVlDesignSurface::Undo()
{
    if (CanUndo())
        Restore(FHistory.Undo().Before);
}

void TVlDesignSurface::Redo()
{
    if (CanRedo())
        Restore(FHistory.Redo().After);
}
