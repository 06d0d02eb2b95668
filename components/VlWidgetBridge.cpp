// Translates a control widget's Qt events (mouse, keys, focus, context menu) into the control's methods.
#include "VlWidgetBridge.h"

#include "VlControls.h"
#include "VlForms.h"
#include "VlMenus.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

void TVlWidgetBridge::Watch(QObject *widget)
{
    if (widget)
        widget->installEventFilter(this);
}

namespace {
TMouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}
} // namespace

bool TVlWidgetBridge::eventFilter(QObject *watched, QEvent *event)
{
    bool consumed = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        VlGuard([&] { consumed = HandleMouse(watched, static_cast<QMouseEvent *>(event)); });
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        VlGuard([&] { consumed = HandleKey(watched, static_cast<QKeyEvent *>(event)); });
        break;
    case QEvent::Resize:
    case QEvent::Move:
        if (watched == FControl->Widget() && FControl->GeometryFromWidget()) {
            const QRect g = FControl->Widget()->geometry();
            VlGuard([&] { FControl->SetBoundsFields(g.x(), g.y(), g.width(), g.height()); });
        }
        break;
    case QEvent::FocusIn:
        if (auto *win = dynamic_cast<TWinControl *>(FControl))
            VlGuard([&] { win->DoEnter(); });
        break;
    case QEvent::FocusOut:
        if (auto *win = dynamic_cast<TWinControl *>(FControl))
            VlGuard([&] { win->DoExit(); });
        break;
    case QEvent::ContextMenu:
        if (TPopupMenu *menu = FControl->PopupMenu()) {
            if (FControl->CanFireEvents()) {
                const QPoint global = static_cast<QContextMenuEvent *>(event)->globalPos();
                VlGuard([&] { menu->Popup(global.x(), global.y()); });
                consumed = true;
            }
        }
        break;
    default:
        break;
    }
    return consumed || QObject::eventFilter(watched, event);
}

bool TVlWidgetBridge::HandleMouse(QObject *watched, QMouseEvent *event)
{
    QWidget *input = FControl->InputWidget();
    if (watched != input)
        return false;
    const QPoint pos = event->position().toPoint();
    TShiftState shift = QtModifiersToShift(event->modifiers(), event->buttons());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        FControl->FPressedInside = true;
        FControl->MouseDown(ToMouseButton(event->button()), shift, pos.x(), pos.y());
        break;
    case QEvent::MouseButtonDblClick:
        FControl->DblClick();
        FControl->MouseDown(ToMouseButton(event->button()), shift | ssDouble, pos.x(), pos.y());
        break;
    case QEvent::MouseButtonRelease: {
        const bool clicked = FControl->FPressedInside && event->button() == Qt::LeftButton &&
                             input->rect().contains(pos);
        FControl->FPressedInside = false;
        shift = QtModifiersToShift(event->modifiers(), event->buttons() | event->button());
        FControl->MouseUp(ToMouseButton(event->button()), shift, pos.x(), pos.y());
        if (clicked && FControl->ClicksOnMouseUp())
            FControl->Click();
        break;
    }
    default:
        FControl->MouseMove(shift, pos.x(), pos.y());
        break;
    }
    return false;
}

bool TVlWidgetBridge::HandleKey(QObject *watched, QKeyEvent *event)
{
    auto *control = dynamic_cast<TWinControl *>(FControl);
    if (!control || FReplaying || !control->CanFireEvents())
        return false;
    // A form with KeyPreview sees the keys of its controls first.
    TForm *form = GetParentForm(control);
    TWinControl *preview = form && form != control && form->KeyPreview() ? form : nullptr;
    // Keys without a virtual key code (characters typed through an input method) only type.
    const int virtualKey = QtKeyToVirtualKey(event->key());
    int key = virtualKey;
    const TShiftState shift = QtModifiersToShift(event->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        if (event->isAutoRepeat() || virtualKey == 0)
            return false;
        if (preview)
            preview->KeyUp(key, shift);
        if (key != 0)
            control->KeyUp(key, shift);
        return key == 0;
    }
    if (virtualKey != 0) {
        if (preview)
            preview->KeyDown(key, shift);
        if (key != 0)
            control->KeyDown(key, shift);
        if (key == 0)
            return true;
        // Enter and Esc press the form's default and cancel buttons unless the control wants them.
        if (form && shift == 0 && form->DialogKey(key, control))
            return true;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const std::string bytes = VlFromQString(text);
    char keyChar = bytes.empty() ? 0 : bytes[0];
    const char typed = keyChar;
    if (preview)
        preview->KeyPress(keyChar);
    if (keyChar != 0)
        control->KeyPress(keyChar);
    if (keyChar == 0)
        return true;
    if (keyChar != typed) {
        // A handler replaced the character: deliver the new one instead.
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(),
                           VlToQString(std::string(1, keyChar)));
        FReplaying = true;
        QApplication::sendEvent(watched, &replaced);
        FReplaying = false;
        return true;
    }
    return false;
}
