// Translates a control widget's Qt events (mouse, keys, focus, context menu) into the control's methods.
#pragma once

#include <QObject>

class TControl;
class QKeyEvent;
class QMouseEvent;

class TVlWidgetBridge : public QObject {
public:
    explicit TVlWidgetBridge(TControl *control) : FControl(control) {}
    TControl *Control() const { return FControl; }
    // Watches a widget of the control (its main widget, a form's client area, an inner editor).
    void Watch(QObject *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool HandleMouse(QObject *watched, QMouseEvent *event);
    bool HandleKey(QObject *watched, QKeyEvent *event);
    TControl *FControl;
    bool FReplaying = false;
};
