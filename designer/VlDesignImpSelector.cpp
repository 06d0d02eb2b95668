// The selection of the design surface and its frames.
#include "VlDesignImpSelector.h"

#include "VlDesignSurface.h"
#include "VlDesignUtils.h"
#include "components/VlPaintControls.h"
#include "rtl/VlExceptions.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr std::array<TVlDesignBarSide, 4> Sides = {TVlDesignBarSide::Top, TVlDesignBarSide::Left,
                                                   TVlDesignBarSide::Right, TVlDesignBarSide::Bottom};

// A square from (left, top) to (right, bottom), the right and bottom edge outside.
QRect Square(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// The grab squares of a bar of size `size`, side w: the three horizontal ones on a bar wider than
// high (left end, middle, right end; empty otherwise), then the vertical middle one.
std::array<QRect, 4> GrabSquares(const QSize &size, int w)
{
    const int W = size.width(), H = size.height();
    std::array<QRect, 4> squares{};
    if (W > H) {
        squares[0] = Square(0, 0, w, w);
        squares[1] = Square((W - w) / 2, 0, (W + w) / 2, w);
        squares[2] = Square(W - w, 0, W, w);
    }
    squares[3] = Square(0, (H - w) / 2, w, (H + w) / 2);
    return squares;
}

// Which grab point each square of each bar stands for (0: none).
constexpr int GrabMap[4][4] = {
    {gpLeftTop, gpMiddleTop, gpRightTop, gpNone},          // top
    {gpNone, gpNone, gpNone, gpLeftMiddle},                // left
    {gpNone, gpNone, gpNone, gpRightMiddle},               // right
    {gpLeftBottom, gpMiddleBottom, gpRightBottom, gpNone}, // bottom
};

} // namespace

// ---------------------------------------------------------------------------------------------
// TVlDesignHandle

VL_IMPLEMENT_CLASS(TVlDesignHandle, TWinControl, "VlDesignImp")

TVlDesignHandle::TVlDesignHandle(TVlDesignHandles *entry, TVlDesignBarSide side)
    : TWinControl(nullptr), FEntry(entry), FSide(side)
{
    auto *widget = new TVlPaintWidget;
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->OnPaint = [this](QWidget *w) {
        QPainter painter(w);
        PaintBar(painter);
    };
    SetWidget(widget);
    SetVisible(false);
}

TVlDesignHandle::~TVlDesignHandle()
{
    if (FEntry)
        FEntry->FBars[static_cast<size_t>(FSide)] = nullptr;
}

void TVlDesignHandle::PaintBar(QPainter &painter) const
{
    // A 4 x 2 pattern tiled from the top-left corner.
    const QColor grey(128, 128, 128);
    const QColor face = ColorToQColor(clBtnFace);
    QImage tile(4, 2, QImage::Format_RGB32);
    tile.fill(face);
    tile.setPixelColor(0, 0, grey);
    tile.setPixelColor(2, 1, grey);
    painter.fillRect(QRect(0, 0, Width(), Height()), QBrush(tile));
    if (!FEntry || !FEntry->Resizable())
        return;
    const int w = FEntry->HandleWidth();
    const std::array<QRect, 4> squares = GrabSquares(QSize(Width(), Height()), w);
    const bool horizontal = Width() > Height();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (size_t i = 0; i < squares.size(); ++i) {
        if ((i < 3) != horizontal || squares[i].isEmpty())
            continue;
        painter.drawRect(squares[i].adjusted(0, 0, -1, -1)); // the outline inside the square
    }
}

// ---------------------------------------------------------------------------------------------
// TVlDesignHandles

TVlDesignHandles::TVlDesignHandles(TVlDesignSurface &surface, TControl *control) : FSurface(surface), FControl(control)
{
    for (TVlDesignBarSide side : Sides) {
        auto *bar = new TVlDesignHandle(this, side);
        FBars[static_cast<size_t>(side)] = bar;
        if (TWinControl *container = Container())
            bar->SetParent(container);
    }
}

TVlDesignHandles::~TVlDesignHandles()
{
    for (TVlDesignHandle *&bar : FBars) {
        if (!bar)
            continue;
        bar->FEntry = nullptr;
        delete bar;
        bar = nullptr;
    }
}

TWinControl *TVlDesignHandles::Container() const
{
    return FSurface.Container();
}

int TVlDesignHandles::HandleWidth() const
{
    return FSurface.Selector()->HandleWidth();
}

void TVlDesignHandles::SetResizable(bool value)
{
    if (value == FResizable)
        return;
    FResizable = value;
    RepaintBars();
}

void TVlDesignHandles::RepaintBars()
{
    for (TVlDesignHandle *bar : FBars)
        if (bar)
            bar->Repaint();
}

void TVlDesignHandles::UpdateFrame()
{
    TWinControl *container = Container();
    if (!FControl || !container || FControl == container) {
        for (TVlDesignHandle *bar : FBars)
            if (bar)
                bar->SetVisible(false);
        return;
    }
    const int w = HandleWidth();
    TRect r = ContainerBoundsOf(container, FControl);
    r = Rect(r.Left + w / 2, r.Top + w / 2, r.Right - w / 2, r.Bottom - w / 2);
    const TRect bounds[4] = {
        Rect(r.Left - w, r.Top - w, r.Right + w, r.Top),    // top
        Rect(r.Left - w, r.Top, r.Left, r.Bottom),          // left
        Rect(r.Right, r.Top, r.Right + w, r.Bottom),        // right
        Rect(r.Left - w, r.Bottom, r.Right + w, r.Bottom + w), // bottom
    };
    for (size_t i = 0; i < FBars.size(); ++i) {
        TVlDesignHandle *bar = FBars[i];
        if (!bar)
            continue;
        bar->SetBoundsRect(bounds[i]);
        bar->SetVisible(true);
        bar->BringToFront();
        bar->Repaint();
    }
}

int TVlDesignHandles::GrabPointAt(const QPoint &point) const
{
    const int w = HandleWidth();
    for (size_t i = 0; i < FBars.size(); ++i) {
        const TVlDesignHandle *bar = FBars[i];
        if (!bar || !bar->Visible())
            continue;
        const QPoint local = point - QPoint(bar->Left(), bar->Top());
        const std::array<QRect, 4> squares = GrabSquares(QSize(bar->Width(), bar->Height()), w);
        for (size_t k = 0; k < squares.size(); ++k)
            if (squares[k].contains(local))
                return GrabMap[i][k];
    }
    return gpNone;
}

// ---------------------------------------------------------------------------------------------
// TVlDesignSelector

TVlDesignSelector::TVlDesignSelector(TVlDesignSurface &surface) : FSurface(surface) {}

TVlDesignSelector::~TVlDesignSelector()
{
    for (const auto &entry : FEntries)
        FSurface.WatchControl(entry->Control(), false);
}

std::unique_ptr<TVlDesignSelector> TVlDesignSelector::Create(TVlDesignSurface &surface)
{
    return std::make_unique<TVlDesignSelector>(surface);
}

TControl *TVlDesignSelector::Selection(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FEntries[size_t(index)]->Control();
}

bool TVlDesignSelector::IsSelected(const TControl *control) const
{
    return std::any_of(FEntries.begin(), FEntries.end(), [control](const auto &e) { return e->Control() == control; });
}

std::vector<TControl *> TVlDesignSelector::SelectedControls() const
{
    std::vector<TControl *> controls;
    for (const auto &entry : FEntries)
        controls.push_back(entry->Control());
    return controls;
}

void TVlDesignSelector::ExtendSelection(TControl *control)
{
    if (!control)
        throw EInvalidOperation("Cannot add a nil selection.");
    if (IsSelected(control))
        return;
    auto entry = std::make_unique<TVlDesignHandles>(FSurface, control);
    entry->SetResizable(FEntries.empty());
    TVlDesignHandles *added = entry.get();
    FEntries.push_back(std::move(entry));
    FSurface.WatchControl(control, true);
    added->UpdateFrame();
    if (FEntries.size() == 2) {
        for (const auto &e : FEntries) {
            e->SetResizable(false);
            e->RepaintBars();
        }
    }
    for (TVlDesignBarSide side : Sides)
        FSurface.DesignComponent(added->Bar(side));
}

void TVlDesignSelector::Deselect(TControl *control)
{
    auto it = std::find_if(FEntries.begin(), FEntries.end(), [control](const auto &e) { return e->Control() == control; });
    if (it == FEntries.end())
        return;
    FSurface.WatchControl(control, false);
    FEntries.erase(it);
    FSurface.SelectionChanged();
}

void TVlDesignSelector::ClearSelection()
{
    for (const auto &entry : FEntries)
        FSurface.WatchControl(entry->Control(), false);
    FEntries.clear();
}

void TVlDesignSelector::Forget(const TComponent *component)
{
    // Compared as components: while it is destroyed, the control is one no longer.
    FEntries.erase(std::remove_if(FEntries.begin(), FEntries.end(),
                                  [component](const auto &e) { return static_cast<TComponent *>(e->Control()) == component; }),
                   FEntries.end());
}

int TVlDesignSelector::GrabPointAt(const QPoint &point) const
{
    return FEntries.empty() ? gpNone : FEntries.front()->GrabPointAt(point);
}

void TVlDesignSelector::RefreshFrames()
{
    for (const auto &entry : FEntries)
        entry->UpdateFrame();
}
