// Common controls: track bars, progress bars, up-down buttons, tree views, status bars, page controls.
#pragma once

#include "VlCollection.h"
#include "VlCanvas.h"
#include "VlControls.h"

class TStream;

#include <memory>

class QSlider;
class QProgressBar;
class QTreeWidget;
class QTabWidget;
class QPainter;
class QRect;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
enum TStatusPanelStyle { psText, psOwnerDraw };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TTrackBar : public TWinControl {
    VL_CLASS(TTrackBar)
    explicit TTrackBar(TComponent *owner = nullptr);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }

private:
    QSlider *Slider() const;
    void Apply();
    int FMin = 0, FMax = 10, FPosition = 0, FFrequency = 1;
    TTrackBarOrientation FOrientation = trHorizontal;
    bool FApplying = false;
    TMethod FOnChange;
};

class TProgressBar : public TWinControl {
    VL_CLASS(TProgressBar)
    explicit TProgressBar(TComponent *owner = nullptr);
    int Min() const { return FMin; }
    void SetMin(int value) { FMin = value; Apply(); }
    int Max() const { return FMax; }
    void SetMax(int value) { FMax = value; Apply(); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { FPosition = value; Apply(); }
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    void StepIt() { SetPosition(FPosition + FStep > FMax ? FMin : FPosition + FStep); }
    void StepBy(int delta) { SetPosition(FPosition + delta); }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);

private:
    void Apply();
    int FMin = 0, FMax = 100, FPosition = 0, FStep = 10;
    bool FSmooth = false;
    TTrackBarOrientation FOrientation = trHorizontal;
};

// Two arrow buttons that step Position between Min and Max (and an associated edit's text).
class TUpDown : public TWinControl {
    VL_CLASS(TUpDown)
    explicit TUpDown(TComponent *owner = nullptr);
    int Min() const { return FMin; }
    void SetMin(int value) { FMin = value; }
    int Max() const { return FMax; }
    void SetMax(int value) { FMax = value; }
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    TWinControl *Associate() const { return FAssociate; }
    void SetAssociate(TWinControl *control);
    TMethod OnClick() const { return FOnClickUD; }
    void SetOnClick(const TMethod &h) { FOnClickUD = h; }
    TMethod OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TMethod &h) { FOnChanging = h; }
    // What a press on a button does.
    void ClickButton(TUDBtnType button);
    void Notification(TComponent *component, TOperation operation) override;

protected:
    bool PaintsBackground() const override { return false; }

private:
    void Layout();
    int FMin = 0, FMax = 100, FPosition = 0, FIncrement = 1;
    bool FWrap = false;
    TUDOrientation FOrientation = udVertical;
    TWinControl *FAssociate = nullptr;
    TMethod FOnClickUD, FOnChanging;
};

class TTreeView;

class TTreeNodes;

// One node of a tree view; scripts reach it as an object (Items[i], Selected, event arguments).
class TTreeNode : public TObject {
    VL_CLASS(TTreeNode)
    TTreeNode(TTreeView *owner, TTreeNode *parent, void *item);
    std::string Text() const;
    void SetText(const std::string &text);
    TTreeNode *Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TTreeNode *Item(int index) const;
    int Level() const;
    bool Expanded() const;
    // Asks OnExpanding or OnCollapsing first; raises OnExpanded or OnCollapsed after.
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool HasChildren() const { return !FChildren.empty(); }
    // Position among its siblings, and in the whole tree (depth first).
    int Index() const;
    int AbsoluteIndex() const;
    TTreeNode *GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode *GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode *GetNextSibling() const;
    TTreeNode *GetPrevSibling() const;
    // The next and previous node depth first.
    TTreeNode *GetNext() const;
    TTreeNode *GetPrev() const;
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const { return Selected(); }
    bool IsVisible() const;
    void MakeVisible();
    // Starts editing the text (OnEditing may refuse).
    bool EditText();
    // Frees the node and its children (OnDeletion runs for each).
    void Delete();
    void DeleteChildren();
    TTreeView *TreeView() const { return FOwner; }
    TTreeNodes *Owner() const;
    TRect DisplayRect(bool textOnly) const;
    void *Data = nullptr;
    int ImageIndex = -1;
    int SelectedIndex = -1;
    int StateIndex = -1;
    int OverlayIndex = -1;

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeView *FOwner;
    TTreeNode *FParent;
    void *FItem; // the QTreeWidgetItem
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

// The nodes of a tree view; form files keep them as "Items.Data" (node records, depth first).
class TTreeNodes : public TPersistent {
    VL_CLASS(TTreeNodes)
    explicit TTreeNodes(TTreeView *owner) : FOwner(owner) {}
    void DefineProperties(TFiler &filer) override;
    void Assign(const TPersistent *source) override;
    // Adds a node at the end of the level of sibling (top level when null).
    TTreeNode *Add(TTreeNode *sibling, const std::string &text);
    TTreeNode *AddChild(TTreeNode *parent, const std::string &text);
    // Before the other children of the level (of parent).
    TTreeNode *AddFirst(TTreeNode *sibling, const std::string &text);
    TTreeNode *AddChildFirst(TTreeNode *parent, const std::string &text);
    // Before sibling, at its level.
    TTreeNode *Insert(TTreeNode *sibling, const std::string &text);
    void Delete(TTreeNode *node);
    TTreeNode *GetFirstNode() const { return FTop.empty() ? nullptr : FTop.front().get(); }
    void BeginUpdate();
    void EndUpdate();
    TTreeView *Owner() const { return FOwner; }
    // Every node, depth first.
    int Count() const;
    TTreeNode *Item(int index) const;
    void Clear();
    int TopCount() const { return int(FTop.size()); }

private:
    friend class TTreeNode;
    friend class TTreeView;
    void ReadData(TStream &stream);
    void WriteData(TStream &stream) const;
    // Makes a node at position index of parent's level (the end for -1).
    TTreeNode *InsertAt(TTreeNode *parent, int index, const std::string &text);
    std::vector<std::unique_ptr<TTreeNode>> &LevelOf(TTreeNode *parent);
    TTreeView *FOwner;
    std::vector<std::unique_ptr<TTreeNode>> FTop;
};

class TTreeView : public TWinControl {
    VL_CLASS(TTreeView)
    explicit TTreeView(TComponent *owner = nullptr);
    ~TTreeView() override;
    TTreeNodes *Items() const { return FItems.get(); }
    void SetItems(TTreeNodes *items) { FItems->Assign(items); }
    TTreeNode *Selected() const;
    void SetSelected(TTreeNode *node);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { FShowLines = value; }
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value) { FShowButtons = value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TMethod &h) { FOnChanging = h; }
    TMethod OnEditing() const { return FOnEditing; }
    void SetOnEditing(const TMethod &h) { FOnEditing = h; }
    TMethod OnEdited() const { return FOnEdited; }
    void SetOnEdited(const TMethod &h) { FOnEdited = h; }
    TMethod OnExpanding() const { return FOnExpanding; }
    void SetOnExpanding(const TMethod &h) { FOnExpanding = h; }
    TMethod OnExpanded() const { return FOnExpanded; }
    void SetOnExpanded(const TMethod &h) { FOnExpanded = h; }
    TMethod OnCollapsing() const { return FOnCollapsing; }
    void SetOnCollapsing(const TMethod &h) { FOnCollapsing = h; }
    TMethod OnCollapsed() const { return FOnCollapsed; }
    void SetOnCollapsed(const TMethod &h) { FOnCollapsed = h; }
    TMethod OnCompare() const { return FOnCompare; }
    void SetOnCompare(const TMethod &h) { FOnCompare = h; }
    TMethod OnDeletion() const { return FOnDeletion; }
    void SetOnDeletion(const TMethod &h) { FOnDeletion = h; }
    QTreeWidget *Tree() const;
    TTreeNode *NodeOf(const void *item) const;
    // Sorts every level by OnCompare when assigned, else by text.
    void AlphaSort();
    void FullExpand();
    void FullCollapse();
    TTreeNode *GetNodeAt(int x, int y) const;
    TTreeNode *TopItem() const;
    void SetTopItem(TTreeNode *node);
    bool IsEditing() const;
    // Indented text files: one node per line, a tab per level.
    void SaveToFile(const std::string &fileName) const;
    void LoadFromFile(const std::string &fileName);

    // The answers of the node events (what OnChanging, OnEditing ... let happen).
    bool CanChange(TTreeNode *node);
    bool CanExpand(TTreeNode *node, bool expand);
    void Expanded(TTreeNode *node, bool expanded);
    bool CanEdit(TTreeNode *node);
    void Edited(TTreeNode *node, std::string &text);
    void Deleting(TTreeNode *node);

protected:
    void ApplyColor() override;

private:
    class TVlTreeWidget;
    void ConnectTree(QTreeWidget *tree);
    bool NodeEvent(const TMethod &handler, std::string_view name, std::string_view typeName, TTreeNode *node,
                   bool allow = true);
    std::unique_ptr<TTreeNodes> FItems;
    bool FReadOnly = false, FShowLines = true, FShowRoot = true, FShowButtons = true, FHideSelection = true;
    bool FReverting = false;
    int FUpdating = 0;
    TMethod FOnChange, FOnChanging, FOnEditing, FOnEdited, FOnExpanding, FOnExpanded, FOnCollapsing,
        FOnCollapsed, FOnCompare, FOnDeletion;
};

class TStatusPanel : public TCollectionItem {
    VL_CLASS(TStatusPanel)
    explicit TStatusPanel(TCollection *collection = nullptr);
    const std::string &Text() const { return FText; }
    void SetText(const std::string &text);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle value) { FStyle = value; }
    void Assign(const TPersistent *source) override;

private:
    std::string FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
};

class TStatusBar;

class TStatusPanels : public TCollection {
    VL_CLASS(TStatusPanels)
    explicit TStatusPanels(TStatusBar *owner);
    TStatusPanel *Items(int index) const { return static_cast<TStatusPanel *>(TCollection::Items(index)); }
    TStatusPanel *Add() { return static_cast<TStatusPanel *>(TCollection::Add()); }

protected:
    void Update(TCollectionItem *item) override;

private:
    TStatusBar *FStatusBar;
};

class TStatusBar : public TWinControl {
    VL_CLASS(TStatusBar)
    explicit TStatusBar(TComponent *owner = nullptr);
    ~TStatusBar() override;
    TStatusPanels *Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels *panels) { FPanels->Assign(panels); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::string &SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string &text);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value) { FSizeGrip = value; }
    void Invalidate() override;
    // Panels of style psOwnerDraw are drawn by OnDrawPanel on this canvas.
    TCanvas *Canvas();
    TMethod OnDrawPanel() const { return FOnDrawPanel; }
    void SetOnDrawPanel(const TMethod &h) { FOnDrawPanel = h; }

private:
    class TStatusCanvas : public TCanvas {
    public:
        QImage &Buffer() { return FBuffer; }

    protected:
        QImage *RequireTarget() override { return &FBuffer; }

    private:
        QImage FBuffer;
    };
    void PaintPanels(QWidget *widget);
    bool DrawPanel(QPainter &painter, TStatusPanel *panel, const QRect &rect);
    std::unique_ptr<TStatusPanels> FPanels;
    std::unique_ptr<TStatusCanvas> FCanvas;
    TMethod FOnDrawPanel;
    bool FSimplePanel = false, FSizeGrip = true;
    std::string FSimpleText;
};

class TPageControl;

// One page of a page control; its Caption is the tab's text.
class TTabSheet : public TWinControl {
    VL_CLASS(TTabSheet)
    explicit TTabSheet(TComponent *owner = nullptr);
    bool AcceptsControls() const override { return true; }
    TPageControl *PageControl() const;
    void SetPageControl(TPageControl *control);
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }

protected:
    void ApplyText() override;
    bool GeometryFromWidget() const override { return Parent() != nullptr; }

private:
    bool FTabVisible = true;
    int FImageIndex = 0;
};

class TPageControl : public TWinControl {
    VL_CLASS(TPageControl)
    explicit TPageControl(TComponent *owner = nullptr);
    ~TPageControl() override;
    bool AcceptsControls() const override { return true; }
    int PageCount() const;
    TTabSheet *Pages(int index) const;
    TTabSheet *ActivePage() const;
    void SetActivePage(TTabSheet *page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TMethod OnChange() const { return FOnChange; }
    void SetOnChange(const TMethod &h) { FOnChange = h; }
    TMethod OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TMethod &h) { FOnChanging = h; }
    QTabWidget *Tabs() const;
    void Loaded() override;

protected:
    void ControlAdded(TControl *control) override;
    void ControlRemoved(TControl *control) override;

private:
    friend class TTabSheet;
    void SyncTabs();
    std::string FPendingActive;
    bool FSyncing = false;
    TMethod FOnChange, FOnChanging;
};
