// TForm: a top-level window with a client area, a main menu, modal showing and the form events.
#pragma once

#include "VlCanvas.h"
#include "VlControls.h"

#include <memory>

class TMainMenu;
class QEventLoop;
class TVlFormWindow;

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint32_t;
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

const TEnumInfo &FormStyleEnumInfo();
const TEnumInfo &WindowStateEnumInfo();
const TEnumInfo &PositionEnumInfo();
const TEnumInfo &BorderIconEnumInfo();

class TForm : public TWinControl {
    VL_CLASS(TForm)
    explicit TForm(TComponent *owner = nullptr);
    // Raises OnDestroy first.
    ~TForm() override;

    QWidget *ClientWidget() const override;
    QWidget *InputWidget() const override { return ClientWidget(); }
    bool AcceptsControls() const override { return true; }
    TCanvas *Canvas() const { return FCanvas.get(); }

    // Width and Height include a fixed window frame (and the menu bar), so designed client sizes
    // come out as in the form file on every desktop.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    int FrameWidth() const;
    int FrameHeight() const;

    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery and OnClose; a modal form ends its loop with mrCancel instead.
    void Close();
    // Shows the form, runs a local event loop until ModalResult is set or the form is closed,
    // hides it and returns ModalResult (mrCancel when the form was destroyed meanwhile).
    TModalResult ShowModal();
    bool IsModal() const { return FModalLoop != nullptr; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    // Frees the form once control returns to the event loop.
    void Release();
    bool CloseQuery();
    // Enter clicks the visible, enabled Default button and Esc the Cancel button, unless the
    // focused control uses the key itself (memos, buttons take Enter). True when a button was clicked.
    bool DialogKey(int key, TWinControl *focused);
    // Runs OnCreate; loaders call it once the form file has been read.
    void DoCreate();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TMainMenu *Menu() const { return FMenu; }
    void SetMenu(TMainMenu *menu);
    TWinControl *ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl *control);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int value) { FTextHeight = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value) { FAutoScroll = value; }

    TMethod OnCreate() const { return FOnCreate; }
    void SetOnCreate(const TMethod &h) { FOnCreate = h; }
    TMethod OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(const TMethod &h) { FOnDestroy = h; }
    TMethod OnShow() const { return FOnShow; }
    void SetOnShow(const TMethod &h) { FOnShow = h; }
    TMethod OnHide() const { return FOnHide; }
    void SetOnHide(const TMethod &h) { FOnHide = h; }
    TMethod OnClose() const { return FOnClose; }
    void SetOnClose(const TMethod &h) { FOnClose = h; }
    TMethod OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(const TMethod &h) { FOnCloseQuery = h; }
    TMethod OnActivate() const { return FOnActivate; }
    void SetOnActivate(const TMethod &h) { FOnActivate = h; }
    TMethod OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(const TMethod &h) { FOnDeactivate = h; }
    TMethod OnPaint() const { return FOnPaint; }
    void SetOnPaint(const TMethod &h) { FOnPaint = h; }

    void Invalidate() override;
    void Notification(TComponent *component, TOperation operation) override;

protected:
    void ApplyText() override;
    void ApplyGeometry() override;
    void ApplyVisible() override;
    void ApplyColor() override;
    virtual void Paint();

private:
    friend class TVlFormWindow;
    void WindowClosing();
    void WindowShown();
    void WindowHidden();
    void WindowActivated(bool active);
    void WindowResized();
    void ApplyWindowFlags();

    TVlFormWindow *FWindow = nullptr;
    QWidget *FClient = nullptr;
    std::unique_ptr<TControlCanvas> FCanvas;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    QEventLoop *FModalLoop = nullptr;
    TModalResult FModalResult = mrNone;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    TMainMenu *FMenu = nullptr;
    TWinControl *FActiveControl = nullptr;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FScaled = true;
    bool FOldCreateOrder = false;
    bool FAutoScroll = true;
    bool FApplyingGeometry = false;
    TMethod FOnCreate, FOnDestroy, FOnShow, FOnHide, FOnClose, FOnCloseQuery, FOnActivate, FOnDeactivate, FOnPaint;
};
