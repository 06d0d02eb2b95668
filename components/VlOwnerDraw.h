// Owner-drawn items of list and combo boxes: OnDrawItem paints each item on the control's canvas,
// OnMeasureItem gives the height of variable-height items.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>
#include <memory>

class QAbstractItemView;
class TCanvas;
class TWinControl;
struct TMethod;

class TVlOwnerDraw {
public:
    struct THooks {
        std::function<bool()> Active;    // items are owner-drawn
        std::function<bool()> Variable;  // ... with heights of their own
        std::function<int()> ItemHeight;
        std::function<TMethod()> OnDrawItem;
        std::function<TMethod()> OnMeasureItem;
        // Grid cells: the event is OnDrawCell (TDrawCellEvent), the column travels in Data, and
        // with DefaultDrawing the cell is drawn as usual before the handler draws over it.
        bool Cells = false;
        std::function<bool()> DefaultDrawing;
    };
    // Installs itself as the view's item delegate.
    TVlOwnerDraw(TWinControl *control, QAbstractItemView *view, THooks hooks);
    ~TVlOwnerDraw();
    // The canvas OnDrawItem draws on: the whole visible area, in the view's coordinates.
    TCanvas *Canvas() const;

private:
    class TDelegate;
    class TItemCanvas;
    std::unique_ptr<TItemCanvas> FCanvas;
    QPointer<QAbstractItemView> FView;
    QPointer<QStyledItemDelegate> FDelegate;  // owned by the view
};
