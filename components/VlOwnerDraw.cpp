// Owner-drawn list items: a delegate that runs OnDrawItem on a canvas as large as the view.
#include "VlOwnerDraw.h"

#include "VlCanvas.h"
#include "VlControls.h"
#include "VlStdCtrls.h"

#include <QAbstractItemView>
#include <QPainter>

class TVlOwnerDraw::TItemCanvas : public TCanvas {
public:
    QImage &Buffer() { return FBuffer; }
    void Fit(const QSize &size)
    {
        if (FBuffer.size() != size)
            FBuffer = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    }

protected:
    QImage *RequireTarget() override { return &FBuffer; }

private:
    QImage FBuffer;
};

class TVlOwnerDraw::TDelegate : public QStyledItemDelegate {
public:
    TDelegate(TWinControl *control, QAbstractItemView *view, THooks hooks, TItemCanvas *canvas)
        : QStyledItemDelegate(view), FControl(control), FView(view), FHooks(std::move(hooks)), FCanvas(canvas) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!FHooks.Active() || !FHooks.OnDrawItem().IsAssigned() || !FControl->CanFireEvents()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        FCanvas->Fit(FView->viewport()->size());
        if (FHooks.Cells && FHooks.DefaultDrawing && FHooks.DefaultDrawing()) {
            QPainter buffer(&FCanvas->Buffer());
            buffer.fillRect(option.rect, option.palette.base());
            QStyledItemDelegate::paint(&buffer, option, index);
        }
        FCanvas->Font()->Assign(FControl->Font());
        FCanvas->Brush()->SetColor(selected ? clHighlight : FControl->Color());
        FCanvas->Brush()->SetStyle(bsSolid);
        if (selected)
            FCanvas->Font()->SetColor(clHighlightText);
        const QRect r = option.rect;
        TVlEventArgs args;
        args.Index = index.row();
        args.Data = index.column();
        args.Rect[0] = r.left();
        args.Rect[1] = r.top();
        args.Rect[2] = r.right() + 1;
        args.Rect[3] = r.bottom() + 1;
        uint32_t state = selected ? uint32_t(odSelected) : 0u;
        if (option.state & QStyle::State_HasFocus)
            state |= odFocused;
        if (!(option.state & QStyle::State_Enabled))
            state |= odDisabled;
        args.State = static_cast<int>(state);
        args.Canvas = FCanvas;
        FCanvas->BeginPaint();
        VlGuard([&] {
            if (FHooks.Cells)
                FControl->FireEvent(FHooks.OnDrawItem(), "OnDrawCell", "TDrawCellEvent", args);
            else
                FControl->FireEvent(FHooks.OnDrawItem(), "OnDrawItem", "TDrawItemEvent", args);
        });
        FCanvas->EndPaint();
        painter->drawImage(r, FCanvas->Buffer(), r);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!FHooks.Active())
            return QStyledItemDelegate::sizeHint(option, index);
        TVlEventArgs args;
        args.Index = index.row();
        args.Value = FHooks.ItemHeight();
        if (FHooks.Variable() && FHooks.OnMeasureItem().IsAssigned() && FControl->CanFireEvents())
            VlGuard([&] { FControl->FireEvent(FHooks.OnMeasureItem(), "OnMeasureItem", "TMeasureItemEvent", args); });
        return QSize(FView->viewport()->width(), std::max(1, args.Value));
    }

private:
    TWinControl *FControl;
    QAbstractItemView *FView;
    THooks FHooks;
    TItemCanvas *FCanvas;
};

TVlOwnerDraw::TVlOwnerDraw(TWinControl *control, QAbstractItemView *view, THooks hooks)
    : FCanvas(std::make_unique<TItemCanvas>()), FView(view)
{
    FDelegate = new TDelegate(control, view, std::move(hooks), FCanvas.get());
    view->setItemDelegate(FDelegate);
}

TVlOwnerDraw::~TVlOwnerDraw()
{
    // The delegate must not outlive the canvas it draws on.
    if (FView)
        FView->setItemDelegate(new QStyledItemDelegate(FView));
    delete FDelegate.data();
}

TCanvas *TVlOwnerDraw::Canvas() const
{
    return FCanvas.get();
}
