// The ExtCtrls unit for scripts: panels, images, bevels, shapes, paint boxes, timers, radio groups,
// splitters and notebooks.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/VlExtCtrls.h"
#include "components/VlNotebook.h"
#include "components/VlPaintControls.h"

namespace {

void ImageSetPicture(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TImage>(a)->SetPicture(VlArgAs<TPicture>(v)); }

const TVlMemberBinding ImageMembers[] = {
    VlMethod<&TImage::Canvas>("Canvas"), VlMethod<&TImage::Picture>("Picture"), VlSet("Picture", ImageSetPicture),
};

const TVlMemberBinding ShapeMembers[] = {
    VlMethod<&TShape::Pen>("Pen"), VlMethod<&TShape::Brush>("Brush"), VlMethod<&TShape::Shape>("Shape"),
    VlWriter<&TShape::SetShape>("Shape"),
};

const TVlMemberBinding PaintBoxMembers[] = {
    VlMethod<&TPaintBox::Canvas>("Canvas"),
};

const TVlMemberBinding TimerMembers[] = {
    VlMethod<&TTimer::Enabled>("Enabled"), VlWriter<&TTimer::SetEnabled>("Enabled"),
    VlMethod<&TTimer::Interval>("Interval"), VlWriter<&TTimer::SetInterval>("Interval"),
};

const TVlMemberBinding PanelMembers[] = {
    VlMethod<&TPanel::Canvas>("Canvas"), VlMethod<&TPanel::Alignment>("Alignment"),
    VlWriter<&TPanel::SetAlignment>("Alignment"), VlMethod<&TPanel::BevelInner>("BevelInner"),
    VlWriter<&TPanel::SetBevelInner>("BevelInner"), VlMethod<&TPanel::BevelOuter>("BevelOuter"),
    VlWriter<&TPanel::SetBevelOuter>("BevelOuter"),
};

const TVlMemberBinding RadioGroupMembers[] = {
    VlMethod<&TRadioGroup::ItemIndex>("ItemIndex"), VlWriter<&TRadioGroup::SetItemIndex>("ItemIndex"),
    VlMethod<&TRadioGroup::Columns>("Columns"), VlWriter<&TRadioGroup::SetColumns>("Columns"),
};

const TVlMemberBinding SplitterMembers[] = {
    VlMethod<&TSplitter::FindResizedControl>("FindControl"), VlMethod<&TSplitter::MinSize>("MinSize"),
    VlWriter<&TSplitter::SetMinSize>("MinSize"),
};

TNotebook *Book(TVlInterpreterArgs &a) { return VlSelf<TNotebook>(a); }
void BookPageName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Book(a)->Page(ValueToInteger(a.Values[0]))->Caption()); }
void BookSetPageName(const TVlValue &v, TVlInterpreterArgs &a) { Book(a)->Page(ValueToInteger(a.Values[0]))->SetCaption(ValueToString(v)); }

const TVlMemberBinding NotebookMembers[] = {
    VlMethod<&TNotebook::PageCount>("PageCount"), VlIndexedGet("Pages", BookPageName, "."),
    VlIndexedSet("Pages", BookSetPageName, "."), VlIndexed<&TNotebook::Page>("Page"),
    VlMethod<&TNotebook::PageIndex>("PageIndex"), VlWriter<&TNotebook::SetPageIndex>("PageIndex"),
    VlMethod<&TNotebook::ActivePage>("ActivePage"), VlWriter<&TNotebook::SetActivePage>("ActivePage"),
};

const TVlMemberBinding PageMembers[] = {
    VlMethod<&TPage::Notebook>("Notebook"),
};

const TVlClassBinding ExtCtrlsClasses[] = {
    {TShape::StaticClassInfo, ShapeMembers, TVlCreate::WithOwner},
    {TPaintBox::StaticClassInfo, PaintBoxMembers, TVlCreate::WithOwner},
    {TImage::StaticClassInfo, ImageMembers, TVlCreate::WithOwner},
    {TBevel::StaticClassInfo, {}, TVlCreate::WithOwner},
    {TTimer::StaticClassInfo, TimerMembers, TVlCreate::WithOwner},
    {TPanel::StaticClassInfo, PanelMembers, TVlCreate::WithOwner},
    {TPage::StaticClassInfo, PageMembers, TVlCreate::WithOwner},
    {TNotebook::StaticClassInfo, NotebookMembers, TVlCreate::WithOwner},
    {TRadioGroup::StaticClassInfo, RadioGroupMembers, TVlCreate::WithOwner},
    {TSplitter::StaticClassInfo, SplitterMembers, TVlCreate::WithOwner},
};

} // namespace

void VlRegisterExtCtrls(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "ExtCtrls", ExtCtrlsClasses);
    VlRegisterEnumConstants(adapter, "ExtCtrls",
                            {&BevelCutEnumInfo(), &BevelShapeEnumInfo(), &BevelStyleEnumInfo(), &ShapeTypeEnumInfo(),
                             &ResizeStyleEnumInfo()});
}
