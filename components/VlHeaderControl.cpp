// THeaderControl over QHeaderView; its sections are a collection, owner-drawn ones painted by OnDrawSection.
#include "VlHeaderControl.h"

#include "VlControlProps.h"
#include "VlWidgetBridge.h"

#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>

const TEnumInfo &HeaderSectionStyleEnumInfo()
{
    static const TEnumInfo info("THeaderSectionStyle", {"hsText", "hsOwnerDraw"});
    return info;
}

const TEnumInfo &SectionTrackStateEnumInfo()
{
    static const TEnumInfo info("TSectionTrackState", {"tsTrackBegin", "tsTrackMove", "tsTrackEnd"});
    return info;
}

class THeaderControl::TSectionCanvas : public TCanvas {
public:
    QImage &Buffer() { return FBuffer; }

protected:
    QImage *RequireTarget() override { return &FBuffer; }

private:
    QImage FBuffer;
};

class THeaderControl::THeaderView : public QHeaderView {
public:
    explicit THeaderView(THeaderControl *control) : QHeaderView(Qt::Horizontal), FControl(control) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        bool drawn = false;
        VlGuard([&] { drawn = FControl->DrawSection(*painter, logicalIndex, rect, false); });
        if (!drawn)
            QHeaderView::paintSection(painter, rect, logicalIndex);
    }

private:
    THeaderControl *FControl;
};

// THeaderSection ----------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(THeaderSection, TCollectionItem, "ComCtrls",
    VlEnumProp<&THeaderSection::Alignment, &THeaderSection::SetAlignment>("Alignment", AlignmentEnumInfo(), taLeftJustify),
    VlBoolProp<&THeaderSection::AllowClick, &THeaderSection::SetAllowClick>("AllowClick", true),
    VlIntProp<&THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth>("MaxWidth").WithDefault(10000),
    VlIntProp<&THeaderSection::MinWidth, &THeaderSection::SetMinWidth>("MinWidth").WithDefault(0),
    VlEnumProp<&THeaderSection::Style, &THeaderSection::SetStyle>("Style", HeaderSectionStyleEnumInfo(), hsText),
    VlStrProp<&THeaderSection::Text, &THeaderSection::SetText>("Text"),
    VlIntProp<&THeaderSection::Width, &THeaderSection::SetWidth>("Width"))

THeaderSection::THeaderSection(TCollection *collection) : TCollectionItem(collection) {}

void THeaderSection::SetText(const std::string &text)
{
    FText = text;
    Changed(false);
}

void THeaderSection::SetWidth(int value)
{
    FWidth = std::clamp(value, FMinWidth, std::max(FMinWidth, FMaxWidth));
    Changed(false);
}

int THeaderSection::Left() const
{
    int left = 0;
    auto *sections = static_cast<THeaderSections *>(Collection());
    for (int i = 0; sections && i < Index(); ++i)
        left += sections->Items(i)->Width();
    return left;
}

void THeaderSection::Assign(const TPersistent *source)
{
    if (auto *other = dynamic_cast<const THeaderSection *>(source)) {
        FText = other->FText;
        FWidth = other->FWidth;
        FMinWidth = other->FMinWidth;
        FMaxWidth = other->FMaxWidth;
        FAlignment = other->FAlignment;
        FAllowClick = other->FAllowClick;
        FStyle = other->FStyle;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

VL_IMPLEMENT_CLASS(THeaderSections, TCollection, "ComCtrls")

THeaderSections::THeaderSections(THeaderControl *owner)
    : TCollection(THeaderSection::StaticClassInfo(), owner), FHeader(owner)
{
    SetPropName("Sections");
}

void THeaderSections::Update(TCollectionItem *)
{
    FHeader->SyncSections();
}

// THeaderControl ----------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS_PROPS(THeaderControl, TWinControl, "ComCtrls",
    {VlEnumProp<&TControl::Align, &TControl::SetAlign>("Align", AlignEnumInfo(), alTop)},
    VlProps::Anchors(), VlProps::Enabled(), VlProps::Font(),
    {VlBoolProp<&THeaderControl::HotTrack, &THeaderControl::SetHotTrack>("HotTrack", false)},
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(),
    {VlClassProp<&THeaderControl::Sections, &THeaderControl::SetSections>("Sections", "THeaderSections")},
    VlProps::Visible(),
    {VlMethodProp<&THeaderControl::OnDrawSection, &THeaderControl::SetOnDrawSection>("OnDrawSection", "TDrawSectionEvent"),
     VlMethodProp<&THeaderControl::OnSectionClick, &THeaderControl::SetOnSectionClick>("OnSectionClick", "TSectionNotifyEvent"),
     VlMethodProp<&THeaderControl::OnSectionResize, &THeaderControl::SetOnSectionResize>("OnSectionResize", "TSectionNotifyEvent"),
     VlMethodProp<&THeaderControl::OnSectionTrack, &THeaderControl::SetOnSectionTrack>("OnSectionTrack", "TSectionTrackEvent")},
    VlProps::OnResize())

THeaderControl::THeaderControl(TComponent *owner)
    : TWinControl(owner), FSections(std::make_unique<THeaderSections>(this)), FCanvas(std::make_unique<TSectionCanvas>())
{
    auto *header = new THeaderView(this);
    FModel = new QStandardItemModel(0, 0, header);
    header->setModel(FModel);
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    SetWidget(header);
    QObject::connect(header, &QHeaderView::sectionClicked, Bridge(), [this](int index) {
        if (index >= 0 && index < FSections->Count())
            VlGuard([&] { SectionClick(FSections->Items(index)); });
    });
    QObject::connect(header, &QHeaderView::sectionResized, Bridge(), [this](int index, int, int width) {
        if (!FSyncing && index >= 0 && index < FSections->Count())
            VlGuard([&] { SectionResized(FSections->Items(index), width); });
    });
    SetAlign(alTop);
    SetDefaultSize(200, 17);
}

THeaderControl::~THeaderControl()
{
    DetachWidget();
    FSyncing = true;
}

QHeaderView *THeaderControl::Header() const { return static_cast<QHeaderView *>(Widget()); }

TCanvas *THeaderControl::Canvas() const { return FCanvas.get(); }

void THeaderControl::SyncSections()
{
    if (!FModel || FSyncing)
        return;
    FSyncing = true;
    FModel->setColumnCount(FSections->Count());
    for (int i = 0; i < FSections->Count(); ++i) {
        const THeaderSection *section = FSections->Items(i);
        auto *item = new QStandardItem(VlToQString(section->Text()));
        const Qt::Alignment alignment = section->Alignment() == taCenter ? Qt::AlignHCenter
                                        : section->Alignment() == taRightJustify ? Qt::AlignRight
                                                                                 : Qt::AlignLeft;
        item->setTextAlignment(alignment | Qt::AlignVCenter);
        FModel->setHorizontalHeaderItem(i, item);
        Header()->resizeSection(i, section->Width());
    }
    FSyncing = false;
    Header()->viewport()->update();
}

void THeaderControl::SectionClick(THeaderSection *section)
{
    if (!section->AllowClick())
        return;
    TVlEventArgs args;
    args.Item = section;
    FireEvent(FOnSectionClick, "OnSectionClick", "TSectionNotifyEvent", args);
}

void THeaderControl::SectionResized(THeaderSection *section, int width)
{
    TVlEventArgs track;
    track.Item = section;
    track.Value = width;
    track.State = tsTrackMove;
    FireEvent(FOnSectionTrack, "OnSectionTrack", "TSectionTrackEvent", track);
    FSyncing = true;
    section->FWidth = std::clamp(width, section->MinWidth(), std::max(section->MinWidth(), section->MaxWidth()));
    FSyncing = false;
    TVlEventArgs resize;
    resize.Item = section;
    FireEvent(FOnSectionResize, "OnSectionResize", "TSectionNotifyEvent", resize);
}

bool THeaderControl::DrawSection(QPainter &painter, int index, const QRect &rect, bool pressed)
{
    if (index < 0 || index >= FSections->Count() || FSections->Items(index)->Style() != hsOwnerDraw ||
        !FOnDrawSection.IsAssigned() || !CanFireEvents())
        return false;
    QImage &buffer = FCanvas->Buffer();
    if (buffer.size() != Header()->viewport()->size())
        buffer = QImage(Header()->viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(clBtnFace);
    FCanvas->FillRect(Rect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1));
    TVlEventArgs args;
    args.Item = FSections->Items(index);
    args.Rect[0] = rect.left();
    args.Rect[1] = rect.top();
    args.Rect[2] = rect.right() + 1;
    args.Rect[3] = rect.bottom() + 1;
    args.Pressed = pressed;
    args.Canvas = FCanvas.get();
    FCanvas->BeginPaint();
    FireEvent(FOnDrawSection, "OnDrawSection", "TDrawSectionEvent", args);
    FCanvas->EndPaint();
    painter.drawImage(rect, buffer, rect);
    return true;
}
