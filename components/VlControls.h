// TControl and TWinControl: components that own a Qt widget and forward bounds, text, font and colour to it.
#pragma once

#include "VlComponent.h"
#include "VlEvents.h"
#include "VlGraphics.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TPopupMenu;
class TVlWidgetBridge;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect &, const TRect &) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = uint32_t; // bit n = TAnchorKind n
constexpr TAnchors DefaultAnchors = (1u << akLeft) | (1u << akTop);
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle; // controls use bsNone and bsSingle only

const TEnumInfo &AlignEnumInfo();
const TEnumInfo &AnchorKindEnumInfo();
const TEnumInfo &AlignmentEnumInfo();
const TEnumInfo &BorderStyleEnumInfo();
const TEnumInfo &FormBorderStyleEnumInfo();
const TEnumInfo &MouseButtonEnumInfo();
const TEnumInfo &DragModeEnumInfo();
const TEnumInfo &DragStateEnumInfo();
const TEnumInfo &ShiftStateEnumInfo();

// A control: bounds in its parent's client coordinates, text, font, colour, visibility, events.
// The component owns its widget; the widget exists for the component's whole life.
class TControl : public TComponent {
    VL_CLASS(TControl)

    explicit TControl(TComponent *owner = nullptr);
    ~TControl() override;

    QWidget *Widget() const { return FWidget; }
    // The widget whose mouse input is the control's (a form's client area; the widget otherwise).
    virtual QWidget *InputWidget() const { return FWidget; }
    // The control a widget belongs to (the widget itself or its nearest ancestor that has one).
    static TControl *FromWidget(const QWidget *widget);

    TWinControl *Parent() const { return FParent; }
    virtual void SetParent(TWinControl *parent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect &rect) { SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    virtual void SetClientWidth(int value) { SetWidth(value + FWidth - ClientWidth()); }
    virtual void SetClientHeight(int value) { SetHeight(value + FHeight - ClientHeight()); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    TPoint ClientToScreen(const TPoint &point) const;
    TPoint ScreenToClient(const TPoint &point) const;
    // The size a new control of this class gets (the designer places controls with it).
    int DefaultWidth() const { return FDefaultWidth; }
    int DefaultHeight() const { return FDefaultHeight; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors) { FAnchors = anchors; }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    // Caption and Text are one value (CP1251), as in every Delphi control.
    const std::string &Caption() const { return FText; }
    void SetCaption(const std::string &text) { SetText(text); }
    virtual std::string Text() const { return FText; }
    virtual void SetText(const std::string &text);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *font) { FFont->Assign(font); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    const std::string &Hint() const { return FHint; }
    void SetHint(const std::string &hint);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    TPopupMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu *menu);

    void BringToFront();
    void SendToBack();
    // Marks the control for repainting (a canvas control redraws its buffer).
    virtual void Invalidate();
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();

    // Event properties.
    TMethod OnClick() const { return FOnClick; }
    void SetOnClick(const TMethod &h) { FOnClick = h; }
    TMethod OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(const TMethod &h) { FOnDblClick = h; }
    TMethod OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(const TMethod &h) { FOnMouseDown = h; }
    TMethod OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(const TMethod &h) { FOnMouseMove = h; }
    TMethod OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(const TMethod &h) { FOnMouseUp = h; }
    TMethod OnResize() const { return FOnResize; }
    void SetOnResize(const TMethod &h) { FOnResize = h; }

    // Drag and drop between controls: the dragged control follows the mouse until it is released
    // over a control whose OnDragOver accepts it; dmAutomatic starts dragging on a left press.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode mode) { FDragMode = mode; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor cursor) { FDragCursor = cursor; }
    // Starts dragging at once, or once the mouse has moved threshold pixels (5 for -1).
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends dragging; with drop, on the control under the mouse when it accepts the drop.
    void EndDrag(bool drop);
    bool Dragging() const;
    // Whether source may be dropped at (x, y): OnDragOver decides (Accept starts true) when
    // assigned, else the drop is refused.
    virtual bool DragOver(TObject *source, int x, int y, TDragState state);
    virtual void DragDrop(TObject *source, int x, int y);
    TMethod OnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(const TMethod &h) { FOnDragDrop = h; }
    TMethod OnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(const TMethod &h) { FOnDragOver = h; }
    TMethod OnStartDrag() const { return FOnStartDrag; }
    void SetOnStartDrag(const TMethod &h) { FOnStartDrag = h; }
    TMethod OnEndDrag() const { return FOnEndDrag; }
    void SetOnEndDrag(const TMethod &h) { FOnEndDrag = h; }

    // What user input does; also callable by scripts and tests ("Button1.Click").
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *parent) override;
    void Loaded() override;
    void Notification(TComponent *component, TOperation operation) override;

    // Raises an event with the usual checks (assigned, not loading, designing or destroying).
    bool FireEvent(const TMethod &handler, std::string_view name, std::string_view typeName,
                   TVlEventArgs &args);
    bool FireNotify(const TMethod &handler, std::string_view name);
    bool CanFireEvents() const;

protected:
    // Takes ownership of the widget and applies the current state to it; called once by the
    // constructor of each concrete class.
    void SetWidget(QWidget *widget);
    void SetDefaultSize(int width, int height);
    TVlWidgetBridge *Bridge() const { return FBridge; }
    // Disconnects the widget's signals; the first destructor of a widget-bearing class calls it.
    void DetachWidget();

    // Hooks for the concrete classes; the defaults forward to the plain QWidget properties.
    virtual void ApplyText();
    virtual void ApplyFont();
    virtual void ApplyColor();
    virtual void ApplyGeometry();
    virtual void ApplyVisible();
    virtual void Resize();
    // Whether the widget paints its own background in Color (panels, edits), or lets the parent show.
    virtual bool PaintsBackground() const { return true; }
    // Whether the control wants a click after a press and release inside it (buttons click on their own).
    virtual bool ClicksOnMouseUp() const { return true; }

    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void SetParentField(TWinControl *parent) { FParent = parent; }
    // Takes a text the widget already shows (an edit the user typed in): nothing is applied.
    void SyncText(const std::string &text) { FText = text; }
    // Controls whose widget is placed by Qt (tab sheets) take their bounds from it.
    virtual bool GeometryFromWidget() const { return false; }
    // Takes bounds that the widget already has (a window the user resized): no geometry is applied.
    void SetBoundsFields(int left, int top, int width, int height);
    bool FParentColor = false;

private:
    friend class TVlWidgetBridge;
    friend class TWinControl;
    void FontChanged();
    void ApplyHint();

    QPointer<QWidget> FWidget;
    TVlWidgetBridge *FBridge = nullptr;
    TWinControl *FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    int FDefaultWidth = 0, FDefaultHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors = DefaultAnchors;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    TColor FColor = clWindow;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FApplyingParentFont = false;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    int FHelpContext = 0;
    TPopupMenu *FPopupMenu = nullptr;
    bool FPressedInside = false;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    TMethod FOnClick, FOnDblClick, FOnMouseDown, FOnMouseMove, FOnMouseUp, FOnResize;
    TMethod FOnDragDrop, FOnDragOver, FOnStartDrag, FOnEndDrag;
};

// A control that can hold child controls, take the focus and receive keys.
class TWinControl : public TControl {
    VL_CLASS(TWinControl)

    explicit TWinControl(TComponent *owner = nullptr);
    // Destroys its child controls first, as their widgets live inside its own.
    ~TWinControl() override;

    // The widget that child controls are placed in (the whole widget by default).
    virtual QWidget *ClientWidget() const { return Widget(); }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TControl *Controls(int index) const;
    bool ContainsControl(const TControl *control) const;
    // Whether the designer and form files may put controls inside it (panels, group boxes, forms).
    virtual bool AcceptsControls() const { return false; }

    // Lays out aligned and anchored children; suspended between DisableAlign and EnableAlign.
    void Realign();
    void DisableAlign() { ++FAlignDisabled; }
    void EnableAlign();
    bool AlignDisabled() const { return FAlignDisabled > 0; }

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    TMethod OnEnter() const { return FOnEnter; }
    void SetOnEnter(const TMethod &h) { FOnEnter = h; }
    TMethod OnExit() const { return FOnExit; }
    void SetOnExit(const TMethod &h) { FOnExit = h; }
    TMethod OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(const TMethod &h) { FOnKeyDown = h; }
    TMethod OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(const TMethod &h) { FOnKeyPress = h; }
    TMethod OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(const TMethod &h) { FOnKeyUp = h; }

    // Key input; key and keyChar may be changed or cleared (0) by handlers.
    virtual void KeyDown(int &key, TShiftState shift);
    virtual void KeyPress(char &keyChar);
    virtual void KeyUp(int &key, TShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();

    void GetChildren(const TGetChildProc &proc, TComponent *root) override;
    void SetChildOrder(TComponent *child, int order) override;
    void Loaded() override;

protected:
    void Resize() override;
    void ApplyFont() override;
    void ApplyColor() override;
    virtual void AlignControls(TRect &rect);
    virtual void ControlAdded(TControl *) {}
    virtual void ControlRemoved(TControl *) {}
    void ParentShowHintChangedForChildren();

private:
    friend class TControl;
    void InsertControl(TControl *control);
    void RemoveControl(TControl *control);
    void ApplyAnchors(int oldWidth, int oldHeight);

    std::vector<TControl *> FControls;
    int FAlignDisabled = 0;
    bool FRealigning = false;
    int FLaidOutWidth = -1, FLaidOutHeight = -1;
    bool FTabStop = false;
    int FTabOrder = -1;
    TMethod FOnEnter, FOnExit, FOnKeyDown, FOnKeyPress, FOnKeyUp;
};

// A control without a window of its own in Delphi (labels, images, shapes); here it still has a
// light widget, but it never takes the focus.
class TGraphicControl : public TControl {
    VL_CLASS(TGraphicControl)
    explicit TGraphicControl(TComponent *owner = nullptr) : TControl(owner) {}
};

// The form a control sits on (following parents); null when it is on none.
class TForm;
TForm *GetParentForm(const TControl *control);

// CP1251 bytes <-> Qt text.
QString VlToQString(const std::string &text);
std::string VlFromQString(const QString &text);
// Windows virtual key code of a Qt key (letters and digits keep their codes) and back.
int QtKeyToVirtualKey(int qtKey);
int VirtualKeyToQtKey(int virtualKey);
TShiftState QtModifiersToShift(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
