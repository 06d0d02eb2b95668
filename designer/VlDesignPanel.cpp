// TVlDesignPanel: the design surface's own panel.
#include "VlDesignPanel.h"

#include "VlDesignUtils.h"
#include "components/VlControlProps.h"
#include "components/VlPaintControls.h"

#include <QPainter>

// The panel's place belongs to the window it is laid out in: a form file keeps only its size.
VL_IMPLEMENT_CLASS_PROPS(TVlDesignPanel, TWinControl, "VlDesignSurface",
    {VlIntProp<&TControl::Left, &TControl::SetLeft>("Left").NotStored(),
     VlIntProp<&TControl::Top, &TControl::SetTop>("Top").NotStored()},
    VlProps::Color(clBtnFace), VlProps::Font(), VlProps::ParentFont())

TVlDesignPanel::TVlDesignPanel(TComponent *owner) : TWinControl(owner)
{
    auto *widget = new TVlPaintWidget;
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setMouseTracking(true);
    widget->OnPaint = [this](QWidget *w) { Paint(w); };
    SetWidget(widget);
    SetColor(clBtnFace);
    FSurface = new TVlDesignSurface(this);
    FSurface->SetName("Surface");
    FSurface->SetContainer(this);
}

TVlDesignPanel::~TVlDesignPanel()
{
    Destroying();
    DetachWidget();
    OnPaint = nullptr;
    // The surface goes first: its selection frames are child controls of this panel.
    delete FSurface;
    FSurface = nullptr;
    if (auto *widget = static_cast<TVlPaintWidget *>(Widget()))
        widget->OnPaint = nullptr;
}

void TVlDesignPanel::SetDrawRules(bool value)
{
    FDrawRules = value;
    Invalidate();
}

void TVlDesignPanel::SetBounds(int, int, int, int)
{
    if (QWidget *widget = Widget()) {
        const QRect g = widget->geometry();
        SetBoundsFields(g.x(), g.y(), g.width(), g.height());
    }
}

void TVlDesignPanel::ApplyVisible()
{
    // Embedded in a window (no parent control), the window decides when the panel shows.
    if (QWidget *widget = Widget(); widget && !Parent()) {
        if (!Visible())
            widget->hide();
        return;
    }
    TWinControl::ApplyVisible();
}

void TVlDesignPanel::Paint(QWidget *widget)
{
    QPainter painter(widget);
    painter.fillRect(widget->rect(), ColorToQColor(Color()));
    if (!FSurface || !FSurface->Active())
        return;
    if (FDrawRules)
        DrawDesignRules(painter, widget->rect());
    if (OnPaint)
        OnPaint(*this, painter);
}
