// The selection of the design surface: entries with their frames of four handle bars.
#pragma once

#include "components/VlControls.h"

#include <QPoint>
#include <array>
#include <memory>
#include <vector>

class QPainter;
class TVlDesignSurface;
class TVlDesignHandles;

enum class TVlDesignBarSide { Top, Left, Right, Bottom };

// One bar of a selection frame: a windowed child control of the container, tiled with a grey
// pattern and, on a resizable entry, carrying white grab squares.
class TVlDesignHandle : public TWinControl {
    VL_CLASS(TVlDesignHandle)
    TVlDesignHandle(TVlDesignHandles *entry, TVlDesignBarSide side);
    ~TVlDesignHandle() override;
    TVlDesignHandles *Entry() const { return FEntry; }
    TVlDesignBarSide Side() const { return FSide; }
    void PaintBar(QPainter &painter) const;

private:
    friend class TVlDesignHandles;
    TVlDesignHandles *FEntry;
    TVlDesignBarSide FSide;
};

// One selection entry: the selected control and the four bars around it.
class TVlDesignHandles {
public:
    TVlDesignHandles(TVlDesignSurface &surface, TControl *control);
    ~TVlDesignHandles();
    TVlDesignHandles(const TVlDesignHandles &) = delete;
    TVlDesignHandles &operator=(const TVlDesignHandles &) = delete;

    TControl *Control() const { return FControl; }
    TWinControl *Container() const;
    bool Resizable() const { return FResizable; }
    void SetResizable(bool value);
    TVlDesignHandle *Bar(TVlDesignBarSide side) const { return FBars[static_cast<size_t>(side)]; }
    int HandleWidth() const;

    // Positions the bars around the control and shows them (hidden for the container itself).
    void UpdateFrame();
    void RepaintBars();
    // The grab point under a container point (0 for none); the test is geometric.
    int GrabPointAt(const QPoint &point) const;

private:
    friend class TVlDesignHandle;
    TVlDesignSurface &FSurface;
    TControl *FControl;
    bool FResizable = false;
    std::array<TVlDesignHandle *, 4> FBars{};
};

class TVlDesignSelector {
public:
    explicit TVlDesignSelector(TVlDesignSurface &surface);
    TVlDesignSelector(const TVlDesignSelector &) = delete;
    TVlDesignSelector &operator=(const TVlDesignSelector &) = delete;
    virtual ~TVlDesignSelector();
    static std::unique_ptr<TVlDesignSelector> Create(TVlDesignSurface &surface);

    int HandleWidth() const { return FHandleWidth; }

    int Count() const { return static_cast<int>(FEntries.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TControl *Selection(int index) const;
    TVlDesignHandles *Entry(int index) const { return FEntries.at(size_t(index)).get(); }
    bool IsSelected(const TControl *control) const;
    std::vector<TControl *> SelectedControls() const;

    // Raises EInvalidOperation "Cannot add a nil selection." for none.
    virtual void ExtendSelection(TControl *control);
    virtual void Deselect(TControl *control);
    virtual void ClearSelection();
    virtual int GrabPointAt(const QPoint &point) const;
    virtual void RefreshFrames();
    // Drops a control that is going away, without events.
    void Forget(const TComponent *component);

private:
    TVlDesignSurface &FSurface;
    const int FHandleWidth = 8;
    std::vector<std::unique_ptr<TVlDesignHandles>> FEntries;
};
