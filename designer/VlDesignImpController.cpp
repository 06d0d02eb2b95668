// The controller of the design surface.
#include "VlDesignImpController.h"

#include "VlDesignImpSelector.h"
#include "VlDesignImpTools.h"
#include "VlDesignSurface.h"
#include "VlDesignUtils.h"

namespace {

bool IsArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool IsModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

QPoint ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left: return {-1, 0};
    case Qt::Key_Right: return {1, 0};
    case Qt::Key_Up: return {0, -1};
    default: return {0, 1};
    }
}

} // namespace

TVlDesignController::TVlDesignController(TVlDesignSurface &surface) : FSurface(surface) {}

TVlDesignController::~TVlDesignController() = default;

std::unique_ptr<TVlDesignController> TVlDesignController::Create(TVlDesignSurface &surface)
{
    return std::make_unique<TVlDesignController>(surface);
}

bool TVlDesignController::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    FKeyModifiers = modifiers;
    if (!IsArrow(key))
        return false;
    const QPoint step = ArrowStep(key);
    if (modifiers & Qt::ControlModifier)
        FSurface.NudgeSelection(step.x(), step.y());
    else if (modifiers & Qt::ShiftModifier)
        FSurface.ResizeSelection(step.x(), step.y());
    else
        return false;
    FSurface.Selector()->RefreshFrames();
    return true;
}

bool TVlDesignController::KeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    // Letting go of Ctrl before C still copies: a modifier's release does nothing.
    if (IsModifierKey(key))
        return false;
    modifiers |= FKeyModifiers;
    FKeyModifiers = {};
    bool consumed = true;
    if (modifiers & Qt::ControlModifier) {
        if (key == Qt::Key_C)
            FSurface.CopySelection();
        else if (key == Qt::Key_V)
            FSurface.PasteFromClipboard();
        else if (key == Qt::Key_X)
            FSurface.CutSelection();
        else
            consumed = false;
    } else if (modifiers & Qt::ShiftModifier) {
        consumed = false;
    } else if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) == 0 && key == Qt::Key_Escape) {
        FSurface.SelectParentControl();
    } else if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) == 0 && key == Qt::Key_Delete) {
        FSurface.DeleteSelection();
    } else {
        consumed = false;
    }
    if (consumed)
        FSurface.Selector()->RefreshFrames();
    return consumed;
}

bool TVlDesignController::MouseDown(Qt::KeyboardModifiers modifiers, const QPoint &point)
{
    TWinControl *container = FSurface.Container();
    TVlDesignSelector *selector = FSurface.Selector();
    // 1. The keys go to the designer from now on.
    if (QWidget *widget = ClientWidgetOf(container); widget && !widget->hasFocus() && container->CanFocus() &&
                                                     widget->focusPolicy() != Qt::NoFocus)
        widget->setFocus(Qt::MouseFocusReason);
    // 2.
    FMouseIsDown = true;
    // 3. What the drag does.
    FPressed = nullptr;
    FGrabPoint = gpNone;
    if (modifiers & Qt::ControlModifier) {
        FDragMode = TVlDesignDragMode::Select;
    } else if ((FGrabPoint = selector->GrabPointAt(point)) != gpNone) {
        FPressed = selector->Selection(0);
        FDragMode = TVlDesignDragMode::Resize;
    } else {
        FPressed = FSurface.ControlAt(point);
        if (FPressed == container || dynamic_cast<TVlDesignHandle *>(FPressed))
            FPressed = nullptr;
        FSurface.QueryAddClass();
        if (!FSurface.PendingClassName().empty())
            FDragMode = TVlDesignDragMode::Create;
        else
            FDragMode = FPressed ? TVlDesignDragMode::Move : TVlDesignDragMode::Select;
    }
    // 4. Aligned siblings keep still until the release.
    if (!FPressed)
        FPressed = container;
    FAlignSuspended = FPressed ? FPressed->Parent() : nullptr;
    if (FAlignSuspended)
        FAlignSuspended->DisableAlign();
    // 5. The tool.
    switch (FDragMode) {
    case TVlDesignDragMode::Move:
        if (modifiers & Qt::ShiftModifier)
            selector->ExtendSelection(FPressed);
        else if (!selector->IsSelected(FPressed))
            FSurface.SelectOnly(FPressed);
        FTool = std::make_unique<TVlDesignMover>(FSurface, point);
        break;
    case TVlDesignDragMode::Resize:
        FTool = std::make_unique<TVlDesignSizer>(FSurface, point, FGrabPoint);
        break;
    default:
        selector->ClearSelection();
        FTool = std::make_unique<TVlDesignBander>(FSurface, point, FDragMode == TVlDesignDragMode::Select);
        break;
    }
    return true;
}

bool TVlDesignController::MouseMove(Qt::KeyboardModifiers, const QPoint &point)
{
    if (FMouseIsDown) {
        if (FTool)
            FTool->MouseMove(point);
        return true;
    }
    if (QWidget *widget = ClientWidgetOf(FSurface.Container())) {
        const Qt::CursorShape shape = FSurface.CursorAt(point);
        if (shape == Qt::ArrowCursor)
            widget->unsetCursor();
        else
            widget->setCursor(shape);
    }
    return true;
}

void TVlDesignController::EndDrag()
{
    FMouseIsDown = false;
    if (FAlignSuspended)
        FAlignSuspended->EnableAlign();
    FAlignSuspended = nullptr;
}

bool TVlDesignController::MouseUp(Qt::KeyboardModifiers, const QPoint &point)
{
    if (!FMouseIsDown)
        return false;
    EndDrag();
    // The tool goes even when finishing it fails.
    std::unique_ptr<TVlDesignMouseTool> tool = std::move(FTool);
    if (tool) {
        tool->MouseUp(point);
        FDragRect = tool->DragRect();
    }
    tool.reset();
    if (FDragMode == TVlDesignDragMode::Create) {
        FSurface.SelectOnly(FPressed);
        FSurface.PlaceControl();
    } else {
        FSurface.SelectionChanged();
    }
    return true;
}

void TVlDesignController::CancelDrag()
{
    if (FMouseIsDown)
        EndDrag();
    FTool.reset();
    FPressed = nullptr;
    FDragMode = TVlDesignDragMode::None;
}
