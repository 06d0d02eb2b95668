// THeaderControl: a row of resizable, clickable column headings (sections).
#pragma once

#include "VlCanvas.h"
#include "VlCollection.h"
#include "VlControls.h"

#include <memory>

class QHeaderView;
class QStandardItemModel;
class THeaderControl;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
enum TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };

class THeaderSection : public TCollectionItem {
    VL_CLASS(THeaderSection)
    explicit THeaderSection(TCollection *collection = nullptr);
    const std::string &Text() const { return FText; }
    void SetText(const std::string &text);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; Changed(false); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; Changed(false); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; Changed(false); }
    bool AllowClick() const { return FAllowClick; }
    void SetAllowClick(bool value) { FAllowClick = value; }
    THeaderSectionStyle Style() const { return FStyle; }
    void SetStyle(THeaderSectionStyle value) { FStyle = value; Changed(false); }
    // The section's left edge and right edge in the control.
    int Left() const;
    int Right() const { return Left() + FWidth; }
    void Assign(const TPersistent *source) override;

private:
    friend class THeaderControl;
    std::string FText;
    int FWidth = 50, FMinWidth = 0, FMaxWidth = 10000;
    TAlignment FAlignment = taLeftJustify;
    bool FAllowClick = true;
    THeaderSectionStyle FStyle = hsText;
};

class THeaderSections : public TCollection {
    VL_CLASS(THeaderSections)
    explicit THeaderSections(THeaderControl *owner);
    THeaderSection *Items(int index) const { return static_cast<THeaderSection *>(TCollection::Items(index)); }
    THeaderSection *Add() { return static_cast<THeaderSection *>(TCollection::Add()); }

protected:
    void Update(TCollectionItem *item) override;

private:
    THeaderControl *FHeader;
};

class THeaderControl : public TWinControl {
    VL_CLASS(THeaderControl)
    explicit THeaderControl(TComponent *owner = nullptr);
    ~THeaderControl() override;
    THeaderSections *Sections() const { return FSections.get(); }
    void SetSections(THeaderSections *sections) { FSections->Assign(sections); }
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    // Owner-drawn sections (Style hsOwnerDraw) are drawn by OnDrawSection on this canvas.
    TCanvas *Canvas() const;
    TMethod OnSectionClick() const { return FOnSectionClick; }
    void SetOnSectionClick(const TMethod &h) { FOnSectionClick = h; }
    TMethod OnSectionResize() const { return FOnSectionResize; }
    void SetOnSectionResize(const TMethod &h) { FOnSectionResize = h; }
    TMethod OnSectionTrack() const { return FOnSectionTrack; }
    void SetOnSectionTrack(const TMethod &h) { FOnSectionTrack = h; }
    TMethod OnDrawSection() const { return FOnDrawSection; }
    void SetOnDrawSection(const TMethod &h) { FOnDrawSection = h; }
    // What a click on a section does (OnSectionClick), and a section dragged to a new width.
    void SectionClick(THeaderSection *section);
    void SectionResized(THeaderSection *section, int width);
    // Paints an owner-drawn section through OnDrawSection; false when it is drawn as usual.
    bool DrawSection(QPainter &painter, int index, const QRect &rect, bool pressed);
    QHeaderView *Header() const;
    void SyncSections();

private:
    class THeaderView;
    class TSectionCanvas;
    std::unique_ptr<THeaderSections> FSections;
    std::unique_ptr<TSectionCanvas> FCanvas;
    QStandardItemModel *FModel = nullptr;
    bool FHotTrack = false, FSyncing = false;
    TMethod FOnSectionClick, FOnSectionResize, FOnSectionTrack, FOnDrawSection;
};

const TEnumInfo &HeaderSectionStyleEnumInfo();
const TEnumInfo &SectionTrackStateEnumInfo();
