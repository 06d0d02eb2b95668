// Message routing of the design surface: Qt event filters that hand the input of designed
// controls (and of their inner Qt widgets) to the surface, so designed controls stay inert.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QEvent;
class QKeyEvent;
class TComponent;
class TControl;
class TWinControl;

// What a designed widget was like before the designer took it over; put back when released.
struct TVlDesignWidgetState {
    QPointer<QWidget> Widget;
    QObject *Filter = nullptr;
    Qt::FocusPolicy FocusPolicy = Qt::NoFocus;
    bool MouseTracking = false;
    bool HadCursor = false;
    QCursor Cursor;
};

class TVlDesignCustomMessenger {
public:
    // The surface's handler: true when it consumed the event. The point is in container client
    // coordinates for mouse events and (0, 0) for the others.
    using TRoute = std::function<bool(QWidget *sender, QEvent *event, const QPoint &point)>;

    TVlDesignCustomMessenger() = default;
    TVlDesignCustomMessenger(const TVlDesignCustomMessenger &) = delete;
    TVlDesignCustomMessenger &operator=(const TVlDesignCustomMessenger &) = delete;
    virtual ~TVlDesignCustomMessenger();

    TWinControl *Container() const { return FContainer; }
    // Detaches from the old container and attaches to the new one (none: only detaches).
    void SetContainer(TWinControl *container);
    TRoute OnDesignMessage;
    // Told about a failure of the surface while it handled input (else the components' handler is).
    std::function<void(const std::exception_ptr &error)> OnError;

    // Takes a component into design (a placed or pasted control, a handle bar) or gives it back.
    virtual void DesignComponent(TComponent *component, bool designing) = 0;

    // One event of a widget: handed to the surface; `designed` widgets (not the container) never
    // see their input, whatever the surface did with it.
    bool HandleEvent(QWidget *sender, QEvent *event, bool designed);

protected:
    virtual void Attach() = 0;
    virtual void Detach() = 0;
    // A new inner widget appeared under a designed widget.
    virtual void InnerWidgetAdded(QWidget *parent, QWidget *child) = 0;

    // Takes over every widget of a control (its own and the inner ones that belong to no other
    // control): input filtered by `filter`, no focus, mouse moves reported, the container's
    // cursor shown. Unhooking gives each widget back as it was.
    void HookWidgets(TControl *control, QObject *filter);
    void HookWidget(QWidget *widget, QObject *filter);
    void UnhookWidgets(TControl *control);
    void UnhookAll();
    bool IsHooked(const QWidget *widget) const { return FStates.count(widget) != 0; }
    QWidget *ContainerWidget() const;

private:
    bool Route(QWidget *sender, QEvent *event, const QPoint &point);
    static void Restore(TVlDesignWidgetState &state);
    TWinControl *FContainer = nullptr;
    std::unordered_map<const QWidget *, TVlDesignWidgetState> FStates;
};

// The filter of one hooked control (or of the container): hands its events to the messenger.
class TVlDesignMessageHook : public QObject {
public:
    TVlDesignMessageHook(TVlDesignCustomMessenger &messenger, bool designed, QObject *parent = nullptr)
        : QObject(parent), FMessenger(messenger), FDesigned(designed)
    {
    }
protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TVlDesignCustomMessenger &FMessenger;
    bool FDesigned;
};

// Sees every key press meant for the container before anything else does, also those the main
// menu takes as shortcuts, so the modifiers held at a press are known at its release.
class TVlDesignKeyWatcher : public QObject {
public:
    explicit TVlDesignKeyWatcher(QWidget *container) : FContainer(container) {}
    std::function<void(QKeyEvent *event)> OnKeyPress;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> FContainer;
};

// The hooks of the window-procedure messenger, one per hooked windowed control; a hook goes
// when its control's widget is destroyed.
class TVlDesignMessageHookList {
public:
    TVlDesignMessageHook *Find(const TControl *control) const;
    TVlDesignMessageHook *Add(TControl *control, std::unique_ptr<TVlDesignMessageHook> hook);
    std::unique_ptr<TVlDesignMessageHook> Take(const TControl *control);
    void Clear() { FHooks.clear(); }
    int Count() const { return static_cast<int>(FHooks.size()); }

private:
    std::vector<std::pair<const TControl *, std::unique_ptr<TVlDesignMessageHook>>> FHooks;
};

// The designer hook of the design-state messenger: one filter on every designed widget.
class TVlDesignDesigner : public TVlDesignMessageHook {
public:
    explicit TVlDesignDesigner(TVlDesignCustomMessenger &messenger) : TVlDesignMessageHook(messenger, true) {}
};

// "Проектирование": designed controls are put into the design state and hand their input to
// the designer hook of the container's top-level window.
class TVlDesignDesignerMessenger : public TVlDesignCustomMessenger {
public:
    TVlDesignDesignerMessenger();
    ~TVlDesignDesignerMessenger() override;
    static std::unique_ptr<TVlDesignCustomMessenger> Create();
    void DesignComponent(TComponent *component, bool designing) override;
    // The top-level window the designer hook belongs to.
    QWidget *Window() const { return FWindow; }

protected:
    void Attach() override;
    void Detach() override;
    void InnerWidgetAdded(QWidget *parent, QWidget *child) override;

private:
    std::unique_ptr<TVlDesignDesigner> FDesigner;
    QPointer<QWidget> FWindow;
};

// "Обработчик окна": every windowed control gets a hook of its own; the input of the other
// controls (labels, images) reaches the hook of their windowed parent.
class TVlDesignWinControlHookMessenger : public TVlDesignCustomMessenger {
public:
    ~TVlDesignWinControlHookMessenger() override;
    static std::unique_ptr<TVlDesignCustomMessenger> Create();
    void DesignComponent(TComponent *component, bool designing) override;
    const TVlDesignMessageHookList &Hooks() const { return FHooks; }

protected:
    void Attach() override;
    void Detach() override;
    void InnerWidgetAdded(QWidget *parent, QWidget *child) override;

private:
    void HookControl(TControl *control);
    void UnhookControl(TControl *control);
    TVlDesignMessageHookList FHooks;
};
