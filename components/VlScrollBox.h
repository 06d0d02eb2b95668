// TScrollBox: a container whose controls may reach beyond its edges, shown through scroll bars.
#pragma once

#include "VlControls.h"

class QScrollArea;
class QObject;

class TScrollBox : public TWinControl {
    VL_CLASS(TScrollBox)
    explicit TScrollBox(TComponent *owner = nullptr);
    ~TScrollBox() override;

    // The scrolled area holds the child controls; client sizes are those of the visible part.
    QWidget *ClientWidget() const override;
    bool AcceptsControls() const override { return true; }
    int ClientWidth() const override;
    int ClientHeight() const override;

    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Scrolls so that the control is visible.
    void ScrollInView(TControl *control);
    // Scroll positions in pixels.
    int HorzPosition() const;
    void SetHorzPosition(int value);
    int VertPosition() const;
    void SetVertPosition(int value);
    // The extent of the child controls: what the scroll bars cover.
    void UpdateExtent();

protected:
    void ControlAdded(TControl *control) override;
    void ApplyColor() override;

private:
    QScrollArea *Area() const;
    QWidget *FContent = nullptr;
    QObject *FWatcher = nullptr;
    bool FAutoScroll = true;
    TBorderStyle FBorderStyle = bsSingle;
};

// A non-visual container of components (a form file's data module).
class TDataModule : public TComponent {
    VL_CLASS(TDataModule)
    explicit TDataModule(TComponent *owner = nullptr);
    // Raises OnDestroy first.
    ~TDataModule() override;
    TMethod OnCreate() const { return FOnCreate; }
    void SetOnCreate(const TMethod &h) { FOnCreate = h; }
    TMethod OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(const TMethod &h) { FOnDestroy = h; }
    // Runs OnCreate; loaders call it once the form file has been read.
    void DoCreate();
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
    // Position and size the designer keeps for the module's window.
    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    int Top() const { return FTop; }
    void SetTop(int value) { FTop = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }

private:
    void Fire(const TMethod &handler, std::string_view name);
    TMethod FOnCreate, FOnDestroy;
    bool FOldCreateOrder = false;
    int FLeft = 0, FTop = 0, FWidth = 200, FHeight = 150;
};
