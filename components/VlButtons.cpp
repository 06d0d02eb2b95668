// Buttons with glyphs: TSpeedButton (tool-bar button, groups) and TBitBtn (push button with a kind).
#include "VlButtons.h"

#include "VlControlProps.h"
#include "VlForms.h"
#include "VlWidgetBridge.h"

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

const TEnumInfo &ButtonLayoutEnumInfo()
{
    static const TEnumInfo info("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    return info;
}

const TEnumInfo &BitBtnKindEnumInfo()
{
    static const TEnumInfo info("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                                "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
    return info;
}

namespace {
// A glyph bitmap holds NumGlyphs images side by side (up, disabled, down, ...): the first is shown.
// Its bottom-left pixel is the transparent colour, as in Delphi.
QIcon GlyphIcon(const TBitmap &glyph, int numGlyphs)
{
    if (glyph.Empty())
        return {};
    QImage image = glyph.ToImage();
    const int width = image.width() / std::max(1, numGlyphs);
    image = image.copy(0, 0, width, image.height());
    const QRgb transparent = image.pixel(0, image.height() - 1);
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y)
        for (int x = 0; x < masked.width(); ++x)
            if (masked.pixel(x, y) == transparent)
                masked.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(masked));
}


} // namespace

VL_IMPLEMENT_CLASS_PROPS(TSpeedButton, TGraphicControl, "Buttons",
    {VlBoolProp<&TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp", false)},
    VlProps::Anchors(),
    {VlIntProp<&TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex").WithDefault(0),
     VlBoolProp<&TSpeedButton::Down, &TSpeedButton::SetDown>("Down", false)},
    VlProps::Caption(), VlProps::Enabled(),
    {VlBoolProp<&TSpeedButton::Flat, &TSpeedButton::SetFlat>("Flat", false)},
    VlProps::Font(),
    {VlClassProp<&TSpeedButton::Glyph, &TSpeedButton::SetGlyph>("Glyph", "TBitmap"),
     VlIntProp<&TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>("NumGlyphs", "TNumGlyphs").WithDefault(1)},
    VlProps::ParentFont(), VlProps::Hints(), VlProps::PopupMenu(), VlProps::Visible(), VlProps::OnClick(),
    VlProps::OnDblClick(), VlProps::MouseEvents())

TSpeedButton::TSpeedButton(TComponent *owner) : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>())
{
    auto *button = new QToolButton;
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SetWidget(button);
    FGlyph->OnChange = [this] { ApplyGlyph(); };
    QObject::connect(button, &QToolButton::clicked, Bridge(), [this] { VlGuard([this] { Click(); }); });
    SetDefaultSize(23, 22);
}

TSpeedButton::~TSpeedButton()
{
    DetachWidget();
    FGlyph->OnChange = nullptr;
}

void TSpeedButton::ApplyText() { static_cast<QToolButton *>(Widget())->setText(VlToQString(Caption())); }

void TSpeedButton::ApplyGlyph()
{
    auto *button = static_cast<QToolButton *>(Widget());
    button->setIcon(GlyphIcon(*FGlyph, FNumGlyphs));
    button->setIconSize(QSize(FGlyph->Width() / std::max(1, FNumGlyphs), FGlyph->Height()));
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    static_cast<QToolButton *>(Widget())->setAutoRaise(value);
}

void TSpeedButton::SetGroupIndex(int value)
{
    FGroupIndex = value;
    static_cast<QToolButton *>(Widget())->setCheckable(value != 0);
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    FDown = value;
    static_cast<QToolButton *>(Widget())->setChecked(value);
    if (value && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto *other = dynamic_cast<TSpeedButton *>(Parent()->Controls(i));
                other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
                other->FDown = false;
                static_cast<QToolButton *>(other->Widget())->setChecked(false);
            }
}

void TSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = std::clamp(value, 1, 4);
    ApplyGlyph();
}

void TSpeedButton::Click()
{
    if (FGroupIndex != 0) {
        // A pressed button of a group stays down unless the group allows all up.
        const bool checked = static_cast<QToolButton *>(Widget())->isChecked();
        SetDown(checked || !FAllowAllUp);
    }
    TGraphicControl::Click();
}

// ---------------------------------------------------------------------------------------------

namespace {
struct TKindInfo {
    const char *Caption;
    int ModalResult;
};
// Captions of the button kinds as Russian users of the program see them.
const TKindInfo KindInfo[] = {
    {"", mrNone}, {"OK", mrOk}, {"\xce\xf2\xec\xe5\xed\xe0", mrCancel}, {"&\xd1\xef\xf0\xe0\xe2\xea\xe0", mrNone},
    {"&\xc4\xe0", mrYes}, {"&\xcd\xe5\xf2", mrNo}, {"&\xc7\xe0\xea\xf0\xfb\xf2\xfc", mrNone},
    {"\xcf\xf0\xe5\xf0\xe2\xe0\xf2\xfc", mrAbort}, {"&\xcf\xee\xe2\xf2\xee\xf0", mrRetry},
    {"&\xc8\xe3\xed\xee\xf0\xe8\xf0\xee\xe2\xe0\xf2\xfc", mrIgnore}, {"&\xc2\xf1\xe5", mrAll},
};

bool IsGlyphStored(const TObject *o)
{
    auto *button = static_cast<const TBitBtn *>(o);
    return button->Kind() == bkCustom && !button->Glyph()->Empty();
}
} // namespace

VL_IMPLEMENT_CLASS_PROPS(TBitBtn, TButton, "Buttons",
    {VlClassProp<&TBitBtn::Glyph, &TBitBtn::SetGlyph>("Glyph", "TBitmap").StoredWhen(&IsGlyphStored),
     VlEnumProp<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind", BitBtnKindEnumInfo(), bkCustom),
     VlEnumProp<&TBitBtn::Layout, &TBitBtn::SetLayout>("Layout", ButtonLayoutEnumInfo(), blGlyphLeft),
     VlIntProp<&TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs", "TNumGlyphs").WithDefault(1)})

TBitBtn::TBitBtn(TComponent *owner) : TButton(owner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this] { ApplyGlyph(); };
}

TBitBtn::~TBitBtn()
{
    DetachWidget();
    FGlyph->OnChange = nullptr;
}

void TBitBtn::ApplyGlyph()
{
    auto *button = static_cast<QPushButton *>(Widget());
    button->setIcon(GlyphIcon(*FGlyph, FNumGlyphs));
    button->setIconSize(QSize(FGlyph->Width() / std::max(1, FNumGlyphs), FGlyph->Height()));
}

void TBitBtn::SetKind(TBitBtnKind value)
{
    FKind = value;
    if (value == bkCustom || HasState(csLoading))
        return;
    const TKindInfo &info = KindInfo[value];
    SetCaption(info.Caption);
    SetModalResult(info.ModalResult);
}

void TBitBtn::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Widget()->setLayoutDirection(value == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::SetNumGlyphs(int value)
{
    FNumGlyphs = std::clamp(value, 1, 4);
    ApplyGlyph();
}
