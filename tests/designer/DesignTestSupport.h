// Shared helpers of the designer tests: a design panel on screen (offscreen) driven like a user.
#pragma once

#include "designer/VlDesignImpController.h"
#include "designer/VlDesignImpSelector.h"
#include "designer/VlDesignPanel.h"
#include "components/VlRegisterComponents.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

// The widget a click at a container point lands on, as the window system would deliver it.
inline QWidget *WidgetAt(QWidget *container, const QPoint &point)
{
    QWidget *child = container->childAt(point);
    return child ? child : container;
}

struct TSurfaceEvents {
    int SelectionChanges = 0;
    int Changes = 0;
};

class TDesignFixture {
public:
    explicit TDesignFixture(TComponent *owner = nullptr) : Panel(std::make_unique<TVlDesignPanel>(owner))
    {
        RegisterVlComponents();
        Panel->SetName("VlDesignPanel");
        Panel->SetColor(clWhite);
        QWidget *widget = Panel->Widget();
        widget->resize(640, 480);
        widget->show();
        Surface().OnSelectionChange = [this](TVlDesignSurface &) { ++Events.SelectionChanges; };
        Surface().OnChange = [this](TVlDesignSurface &) { ++Events.Changes; };
        Surface().OnGetAddClass = [this](TVlDesignSurface &, std::string &ioClass) {
            ioClass = AddClass;
            if (!Sticky)
                AddClass.clear();
        };
        Surface().OnError = [this](const std::exception_ptr &error) {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception &e) {
                Errors.push_back(e.what());
            }
        };
        Panel->SetActive(true);
        Events = {};
    }

    TVlDesignSurface &Surface() const { return *Panel->Surface(); }
    TVlDesignSelector &Selector() const { return *Panel->Surface()->Selector(); }
    TVlDesignController &Controller() const { return *Panel->Surface()->Controller(); }
    QWidget *Container() const { return Panel->Widget(); }

    // A control of the class, placed by the designer with a drag over the rectangle (container
    // coordinates; zero size: its default). It goes into a panel the drag starts in.
    template <class T = TControl>
    T *Place(const std::string &className, const QRect &rect)
    {
        AddClass = className;
        Drag(rect.topLeft(), rect.topLeft() + QPoint(rect.width(), rect.height()));
        return dynamic_cast<T *>(Selector().Count() > 0 ? Selector().Selection(0) : nullptr);
    }

    void Press(const QPoint &point, Qt::KeyboardModifiers modifiers = {})
    {
        FTarget = WidgetAt(Container(), point);
        QTest::mousePress(FTarget, Qt::LeftButton, modifiers, FTarget->mapFrom(Container(), point));
    }
    // Moves with the button held go to the pressed widget, as with the mouse grabbed.
    void MoveTo(const QPoint &point, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *target = FTarget ? FTarget.data() : WidgetAt(Container(), point);
        QMouseEvent move(QEvent::MouseMove, target->mapFrom(Container(), point), target->mapToGlobal(target->mapFrom(Container(), point)),
                         Qt::NoButton, FTarget ? Qt::LeftButton : Qt::NoButton, modifiers);
        QApplication::sendEvent(target, &move);
    }
    void Release(const QPoint &point, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *target = FTarget ? FTarget.data() : WidgetAt(Container(), point);
        QTest::mouseRelease(target, Qt::LeftButton, modifiers, target->mapFrom(Container(), point));
        FTarget = nullptr;
    }
    void Drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers = {})
    {
        Press(from, modifiers);
        MoveTo((from + to) / 2, modifiers);
        MoveTo(to, modifiers);
        Release(to, modifiers);
    }
    void Click(const QPoint &point, Qt::KeyboardModifiers modifiers = {}) { Drag(point, point, modifiers); }

    // A key pressed and released on the focused container.
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyPress(Container(), Qt::Key(key), modifiers);
        QTest::keyRelease(Container(), Qt::Key(key), modifiers);
    }

    std::vector<std::string> SelectedNames() const
    {
        std::vector<std::string> names;
        for (TControl *control : Selector().SelectedControls())
            names.push_back(control->Name());
        return names;
    }

    std::unique_ptr<TVlDesignPanel> Panel;
    TSurfaceEvents Events;
    std::string AddClass;
    bool Sticky = false;
    std::vector<std::string> Errors;

private:
    QPointer<QWidget> FTarget;
};
