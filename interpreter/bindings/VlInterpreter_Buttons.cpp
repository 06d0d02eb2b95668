// The Buttons unit for scripts: speed buttons and buttons with glyphs, their kinds and layouts.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/VlButtons.h"

namespace {

void SpeedSetGlyph(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TSpeedButton>(a)->SetGlyph(VlArgAs<TBitmap>(v)); }
void BitSetGlyph(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TBitBtn>(a)->SetGlyph(VlArgAs<TBitmap>(v)); }

const TVlMemberBinding SpeedButtonMembers[] = {
    VlMethod<&TSpeedButton::Click>("Click"), VlMethod<&TSpeedButton::Glyph>("Glyph"), VlSet("Glyph", SpeedSetGlyph),
    VlMethod<&TSpeedButton::Down>("Down"), VlWriter<&TSpeedButton::SetDown>("Down"),
    VlMethod<&TSpeedButton::GroupIndex>("GroupIndex"), VlWriter<&TSpeedButton::SetGroupIndex>("GroupIndex"),
    VlMethod<&TSpeedButton::Flat>("Flat"), VlWriter<&TSpeedButton::SetFlat>("Flat"),
    VlMethod<&TSpeedButton::AllowAllUp>("AllowAllUp"), VlWriter<&TSpeedButton::SetAllowAllUp>("AllowAllUp"),
    VlMethod<&TSpeedButton::NumGlyphs>("NumGlyphs"), VlWriter<&TSpeedButton::SetNumGlyphs>("NumGlyphs"),
};

const TVlMemberBinding BitBtnMembers[] = {
    VlMethod<&TBitBtn::Click>("Click"), VlMethod<&TBitBtn::Glyph>("Glyph"), VlSet("Glyph", BitSetGlyph),
    VlMethod<&TBitBtn::Kind>("Kind"), VlWriter<&TBitBtn::SetKind>("Kind"), VlMethod<&TBitBtn::Layout>("Layout"),
    VlWriter<&TBitBtn::SetLayout>("Layout"), VlMethod<&TBitBtn::NumGlyphs>("NumGlyphs"),
    VlWriter<&TBitBtn::SetNumGlyphs>("NumGlyphs"), VlMethod<&TBitBtn::ModalResult>("ModalResult"),
    VlWriter<&TBitBtn::SetModalResult>("ModalResult"), VlMethod<&TBitBtn::Default>("Default"),
    VlWriter<&TBitBtn::SetDefault>("Default"), VlMethod<&TBitBtn::Cancel>("Cancel"),
    VlWriter<&TBitBtn::SetCancel>("Cancel"),
};

const TVlClassBinding ButtonsClasses[] = {
    {TSpeedButton::StaticClassInfo, SpeedButtonMembers, TVlCreate::WithOwner},
    {TBitBtn::StaticClassInfo, BitBtnMembers, TVlCreate::WithOwner},
};

} // namespace

void VlRegisterButtons(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Buttons", ButtonsClasses);
    VlRegisterEnumConstants(adapter, "Buttons", {&ButtonLayoutEnumInfo(), &BitBtnKindEnumInfo()});
}
