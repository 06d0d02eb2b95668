// Message routing of the design surface through Qt event filters.
#include "VlDesignImpMessengers.h"

#include "VlDesignUtils.h"
#include "components/VlControls.h"
#include "rtl/VlExceptions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool IsMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

// The widgets of a control that belong to no other control: its own and its inner ones.
void CollectOwnWidgets(QWidget *widget, const TControl *control, std::vector<QWidget *> &out)
{
    out.push_back(widget);
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isWindow() && TControl::FromWidget(childWidget) == control)
            CollectOwnWidgets(childWidget, control, out);
    }
}

std::vector<TControl *> ChildControls(TComponent *component)
{
    std::vector<TControl *> children;
    if (auto *win = dynamic_cast<TWinControl *>(component))
        for (int i = 0; i < win->ControlCount(); ++i)
            children.push_back(win->Controls(i));
    return children;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TVlDesignCustomMessenger

TVlDesignCustomMessenger::~TVlDesignCustomMessenger() = default;

void TVlDesignCustomMessenger::SetContainer(TWinControl *container)
{
    if (container == FContainer)
        return;
    if (FContainer)
        Detach();
    FContainer = container;
    if (FContainer) {
        try {
            Attach();
        } catch (...) {
            FContainer = nullptr;
            throw;
        }
    }
}

QWidget *TVlDesignCustomMessenger::ContainerWidget() const
{
    return ClientWidgetOf(FContainer);
}

bool TVlDesignCustomMessenger::Route(QWidget *sender, QEvent *event, const QPoint &point)
{
    // Exceptions must not cross Qt's event dispatch.
    try {
        return OnDesignMessage && OnDesignMessage(sender, event, point);
    } catch (...) {
        if (OnError)
            OnError(std::current_exception());
        else
            VlHandleException(std::current_exception());
    }
    return true;
}

bool TVlDesignCustomMessenger::HandleEvent(QWidget *sender, QEvent *event, bool designed)
{
    QWidget *container = ContainerWidget();
    const QEvent::Type type = event->type();
    if (IsMouseEvent(type)) {
        if (!container || (sender != container && !container->isAncestorOf(sender)))
            return designed;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint point = sender->mapTo(container, mouse->position().toPoint());
        const bool consumed = Route(sender, event, point);
        if (designed)
            event->accept();
        return consumed || designed;
    }
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const bool consumed = Route(sender, event, QPoint(0, 0));
        return consumed || designed;
    }
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ShortcutOverride:
        event->ignore();
        return designed;
    case QEvent::ContextMenu:
        if (designed && container && container->isAncestorOf(sender)) {
            // The designer's context menu, as if the container itself had been clicked.
            const auto *menu = static_cast<QContextMenuEvent *>(event);
            QContextMenuEvent forwarded(menu->reason(), sender->mapTo(container, menu->pos()), menu->globalPos(),
                                        menu->modifiers());
            QApplication::sendEvent(container, &forwarded);
        }
        return designed;
    case QEvent::FocusIn:
        // A designed control never keeps the focus: the keys are the designer's.
        if (designed && container && container->focusPolicy() != Qt::NoFocus)
            container->setFocus(Qt::OtherFocusReason);
        return false;
    case QEvent::ChildPolished:
        if (designed) {
            auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
            if (child && !child->isWindow() && !IsHooked(child))
                InnerWidgetAdded(sender, child);
        }
        return false;
    default:
        return false;
    }
}

void TVlDesignCustomMessenger::HookWidget(QWidget *widget, QObject *filter)
{
    if (!widget || IsHooked(widget))
        return;
    TVlDesignWidgetState state;
    state.Widget = widget;
    state.Filter = filter;
    state.FocusPolicy = widget->focusPolicy();
    state.MouseTracking = widget->hasMouseTracking();
    state.HadCursor = widget->testAttribute(Qt::WA_SetCursor);
    if (state.HadCursor)
        state.Cursor = widget->cursor();
    FStates.emplace(widget, state);
    QObject::connect(widget, &QObject::destroyed, filter, [this, widget] { FStates.erase(widget); });
    widget->installEventFilter(filter);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setMouseTracking(true); // hover moves reach the designer, which shows the grab cursors
    if (state.HadCursor)
        widget->unsetCursor(); // the container's cursor shows through
    if (widget->hasFocus() && ContainerWidget())
        ContainerWidget()->setFocus(Qt::OtherFocusReason);
}

void TVlDesignCustomMessenger::HookWidgets(TControl *control, QObject *filter)
{
    if (!control || !control->Widget())
        return;
    std::vector<QWidget *> widgets;
    CollectOwnWidgets(control->Widget(), control, widgets);
    for (QWidget *widget : widgets)
        HookWidget(widget, filter);
}

void TVlDesignCustomMessenger::Restore(TVlDesignWidgetState &state)
{
    QWidget *widget = state.Widget;
    if (!widget)
        return;
    QObject::disconnect(widget, &QObject::destroyed, state.Filter, nullptr);
    widget->removeEventFilter(state.Filter);
    widget->setFocusPolicy(state.FocusPolicy);
    widget->setMouseTracking(state.MouseTracking);
    if (state.HadCursor)
        widget->setCursor(state.Cursor);
}

void TVlDesignCustomMessenger::UnhookWidgets(TControl *control)
{
    if (!control || !control->Widget())
        return;
    std::vector<QWidget *> widgets;
    CollectOwnWidgets(control->Widget(), control, widgets);
    for (QWidget *widget : widgets) {
        auto it = FStates.find(widget);
        if (it == FStates.end())
            continue;
        Restore(it->second);
        FStates.erase(it);
    }
}

void TVlDesignCustomMessenger::UnhookAll()
{
    for (auto &entry : FStates)
        Restore(entry.second);
    FStates.clear();
}

// ---------------------------------------------------------------------------------------------
// TVlDesignMessageHook and its list

bool TVlDesignKeyWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && OnKeyPress && FContainer) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == FContainer || FContainer->isAncestorOf(widget)))
            OnKeyPress(static_cast<QKeyEvent *>(event));
    }
    return false;
}

bool TVlDesignMessageHook::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    return FMessenger.HandleEvent(widget, event, FDesigned);
}

TVlDesignMessageHook *TVlDesignMessageHookList::Find(const TControl *control) const
{
    for (const auto &entry : FHooks)
        if (entry.first == control)
            return entry.second.get();
    return nullptr;
}

TVlDesignMessageHook *TVlDesignMessageHookList::Add(TControl *control, std::unique_ptr<TVlDesignMessageHook> hook)
{
    FHooks.emplace_back(control, std::move(hook));
    return FHooks.back().second.get();
}

std::unique_ptr<TVlDesignMessageHook> TVlDesignMessageHookList::Take(const TControl *control)
{
    for (auto it = FHooks.begin(); it != FHooks.end(); ++it) {
        if (it->first == control) {
            auto hook = std::move(it->second);
            FHooks.erase(it);
            return hook;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// TVlDesignDesignerMessenger

TVlDesignDesignerMessenger::TVlDesignDesignerMessenger() : FDesigner(std::make_unique<TVlDesignDesigner>(*this))
{
}

TVlDesignDesignerMessenger::~TVlDesignDesignerMessenger()
{
    SetContainer(nullptr);
}

std::unique_ptr<TVlDesignCustomMessenger> TVlDesignDesignerMessenger::Create()
{
    return std::make_unique<TVlDesignDesignerMessenger>();
}

void TVlDesignDesignerMessenger::Attach()
{
    QWidget *containerWidget = ContainerWidget();
    QWidget *window = containerWidget ? containerWidget->window() : nullptr;
    if (!window || !window->isWindow())
        throw EInvalidOperation("TVlDesignDesignerMessenger: Oldest ancestor of Container must be a form.");
    FWindow = window;
    for (TControl *child : ChildControls(Container()))
        DesignComponent(child, true);
}

void TVlDesignDesignerMessenger::Detach()
{
    for (TControl *child : ChildControls(Container()))
        DesignComponent(child, false);
    UnhookAll();
    FWindow = nullptr;
}

void TVlDesignDesignerMessenger::DesignComponent(TComponent *component, bool designing)
{
    if (!component)
        return;
    component->SetDesigning(designing);
    auto *control = dynamic_cast<TControl *>(component);
    if (!control)
        return;
    if (designing)
        HookWidgets(control, FDesigner.get());
    else
        UnhookWidgets(control);
    for (TControl *child : ChildControls(control))
        DesignComponent(child, designing);
}

void TVlDesignDesignerMessenger::InnerWidgetAdded(QWidget *, QWidget *child)
{
    // A new inner widget of a designed control; a new control's widget comes through DesignComponent.
    TControl *owner = TControl::FromWidget(child);
    if (owner && owner->Widget() != child && owner->HasState(csDesigning))
        HookWidgets(owner, FDesigner.get());
}

// ---------------------------------------------------------------------------------------------
// TVlDesignWinControlHookMessenger

TVlDesignWinControlHookMessenger::~TVlDesignWinControlHookMessenger()
{
    SetContainer(nullptr);
}

std::unique_ptr<TVlDesignCustomMessenger> TVlDesignWinControlHookMessenger::Create()
{
    return std::make_unique<TVlDesignWinControlHookMessenger>();
}

void TVlDesignWinControlHookMessenger::Attach()
{
    for (TControl *child : ChildControls(Container()))
        DesignComponent(child, true);
}

void TVlDesignWinControlHookMessenger::Detach()
{
    for (TControl *child : ChildControls(Container()))
        DesignComponent(child, false);
    UnhookAll();
    FHooks.Clear();
}

void TVlDesignWinControlHookMessenger::HookControl(TControl *control)
{
    if (FHooks.Find(control) || !control->Widget())
        return;
    auto hook = std::make_unique<TVlDesignMessageHook>(*this, true);
    TVlDesignMessageHook *added = FHooks.Add(control, std::move(hook));
    // The hook goes with its control's widget.
    QObject::connect(control->Widget(), &QObject::destroyed, added, [this, control] {
        if (auto taken = FHooks.Take(control))
            taken.release()->deleteLater();
    });
    HookWidgets(control, added);
}

void TVlDesignWinControlHookMessenger::UnhookControl(TControl *control)
{
    if (auto hook = FHooks.Take(control))
        UnhookWidgets(control);
}

void TVlDesignWinControlHookMessenger::DesignComponent(TComponent *component, bool designing)
{
    if (!component)
        return;
    component->SetDesigning(designing);
    auto *win = dynamic_cast<TWinControl *>(component);
    if (!win)
        return; // labels and images are reached through their windowed parent
    if (designing)
        HookControl(win);
    else
        UnhookControl(win);
    for (TControl *child : ChildControls(win))
        DesignComponent(child, designing);
}

void TVlDesignWinControlHookMessenger::InnerWidgetAdded(QWidget *, QWidget *child)
{
    TControl *owner = TControl::FromWidget(child);
    if (owner && owner->Widget() != child)
        if (TVlDesignMessageHook *hook = FHooks.Find(owner))
            HookWidgets(owner, hook);
}
