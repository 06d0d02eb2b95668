// The Graphics unit for scripts: fonts, pens, brushes, canvases, bitmaps, icons, metafiles, pictures.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"

#include "components/VlCanvas.h"
#include "interpreter/VlInterpreterError.h"
#include "components/VlGraphicFormats.h"
#include "components/VlPicture.h"
#include "rtl/VlStreams.h"

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

// TFont, TPen, TBrush ---------------------------------------------------------------------------

void FontPixelsPerInch(TVlValue &r, TVlInterpreterArgs &a)
{
    VlSelf<TFont>(a);
    r = TVlValue::Integer(96);
}

const TVlMemberBinding FontMembers[] = {
    VlMethod<&TFont::Assign>("Assign"), VlGet("PixelsPerInch", FontPixelsPerInch),
    VlMethod<&TFont::Size>("Size"), VlWriter<&TFont::SetSize>("Size"),
    VlMethod<&TFont::Height>("Height"), VlWriter<&TFont::SetHeight>("Height"),
};

const TVlMemberBinding PenMembers[] = {
    VlMethod<&TPen::Assign>("Assign"),
};

void BrushBitmap(TVlValue &r, TVlInterpreterArgs &a)
{
    VlSelf<TBrush>(a);
    r = VlObjectValue(nullptr);
}

const TVlMemberBinding BrushMembers[] = {
    VlMethod<&TBrush::Assign>("Assign"), VlGet("Bitmap", BrushBitmap),
};

// TCanvas ------------------------------------------------------------------------------------------

TCanvas *Canvas(TVlInterpreterArgs &a) { return VlSelf<TCanvas>(a); }
TRect RectArg(const TVlValue &v) { return VlGui::FromValue<TRect>(v); }

void CanvasRectangle(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 1, 4);
    if (a.Count == 1)
        Canvas(a)->Rectangle(RectArg(a.Values[0]));
    else if (a.Count == 4)
        Canvas(a)->Rectangle(Int(a, 0), Int(a, 1), Int(a, 2), Int(a, 3));
    else
        RaiseError(erNotEnoughParams, -1);
}
void CanvasFillRect(TVlValue &, TVlInterpreterArgs &a) { Canvas(a)->FillRect(RectArg(a.Values[0])); }
void CanvasFrameRect(TVlValue &, TVlInterpreterArgs &a) { Canvas(a)->FrameRect(RectArg(a.Values[0])); }
void CanvasDrawFocusRect(TVlValue &, TVlInterpreterArgs &a) { Canvas(a)->DrawFocusRect(RectArg(a.Values[0])); }
void CanvasTextRect(TVlValue &, TVlInterpreterArgs &a)
{
    Canvas(a)->TextRect(RectArg(a.Values[0]), Int(a, 1), Int(a, 2), Str(a, 3));
}
void CanvasCopyRect(TVlValue &, TVlInterpreterArgs &a)
{
    Canvas(a)->CopyRect(RectArg(a.Values[0]), VlArgAs<TCanvas>(a.Values[1]), RectArg(a.Values[2]));
}
void CanvasStretchDraw(TVlValue &, TVlInterpreterArgs &a)
{
    Canvas(a)->StretchDraw(RectArg(a.Values[0]), VlArgAs<TGraphic>(a.Values[1]));
}
void CanvasPixels(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Canvas(a)->Pixels(Int(a, 0), Int(a, 1))); }
void CanvasSetPixels(const TVlValue &v, TVlInterpreterArgs &a) { Canvas(a)->SetPixels(Int(a, 0), Int(a, 1), ValueToInteger(v)); }
void CanvasPolygon(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TCanvas.Polygon"); }
void CanvasPolyline(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TCanvas.Polyline"); }
void CanvasTextExtent(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TCanvas.TextExtent"); }
void CanvasBrushCopy(TVlValue &, TVlInterpreterArgs &a)
{
    // BrushCopy(Dest; Bitmap; Source; Color): the bitmap's rectangle with Color made transparent.
    auto *bitmap = VlArgAs<TBitmap>(a.Values[1]);
    if (!bitmap)
        return;
    TBitmap copy;
    copy.Assign(bitmap);
    copy.SetTransparent(true);
    TCanvas *canvas = Canvas(a);
    canvas->StretchDraw(RectArg(a.Values[0]), &copy);
}

const TVlMemberBinding CanvasMembers[] = {
    VlMethod<&TCanvas::Arc>("Arc"), VlGet("BrushCopy", CanvasBrushCopy, "...."), VlMethod<&TCanvas::Chord>("Chord"),
    VlGet("CopyRect", CanvasCopyRect, "..."), VlMethod<&TCanvas::Draw>("Draw"),
    VlGet("DrawFocusRect", CanvasDrawFocusRect, "."), VlMethod<&TCanvas::Ellipse>("Ellipse"),
    VlGet("FillRect", CanvasFillRect, "."), VlMethod<&TCanvas::FloodFill>("FloodFill"),
    VlGet("FrameRect", CanvasFrameRect, "."), VlMethod<&TCanvas::LineTo>("LineTo"), VlMethod<&TCanvas::Lock>("Lock"),
    VlMethod<&TCanvas::MoveTo>("MoveTo"), VlMethod<&TCanvas::Pie>("Pie"), VlGet("Polygon", CanvasPolygon, "*"),
    VlGet("Polyline", CanvasPolyline, "*"), VlGet("Rectangle", CanvasRectangle, "*"),
    VlMethod<&TCanvas::Refresh>("Refresh"), VlMethod<&TCanvas::RoundRect>("RoundRect"),
    VlGet("StretchDraw", CanvasStretchDraw, ".."), VlGet("TextExtent", CanvasTextExtent, "*"),
    VlMethod<&TCanvas::TextHeight>("TextHeight"), VlMethod<&TCanvas::TextOut>("TextOut"),
    VlGet("TextRect", CanvasTextRect, "...."), VlMethod<&TCanvas::TextWidth>("TextWidth"),
    VlMethod<&TCanvas::TryLock>("TryLock"), VlMethod<&TCanvas::Unlock>("Unlock"),
    VlMethod<&TCanvas::ClipRect>("ClipRect"), VlMethod<&TCanvas::LockCount>("LockCount"),
    VlMethod<&TCanvas::PenPos>("PenPos"), VlWriter<&TCanvas::SetPenPos>("PenPos"),
    VlMethod<&TCanvas::CopyMode>("CopyMode"), VlWriter<&TCanvas::SetCopyMode>("CopyMode"),
    VlMethod<&TCanvas::TextFlags>("TextFlags"), VlWriter<&TCanvas::SetTextFlags>("TextFlags"),
    VlIndexedGet("Pixels", CanvasPixels, ".."), VlIndexedSet("Pixels", CanvasSetPixels, ".."),
};

// TGraphic, TBitmap, TIcon, TMetafile -----------------------------------------------------------------

TGraphic *Graphic(TVlInterpreterArgs &a) { return VlSelf<TGraphic>(a); }

std::string StreamBytes(TStream *stream)
{
    if (!stream)
        return {};
    std::string bytes(static_cast<size_t>(std::max<int64_t>(0, stream->Remaining())), '\0');
    if (!bytes.empty())
        stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}
void GraphicLoadFromStream(TVlValue &, TVlInterpreterArgs &a)
{
    Graphic(a)->LoadFromFormData(StreamBytes(VlArgAs<TStream>(a.Values[0])));
}
void GraphicSaveToStream(TVlValue &, TVlInterpreterArgs &a)
{
    TStream *stream = VlArgAs<TStream>(a.Values[0]);
    if (!stream)
        return;
    std::string bytes = Graphic(a)->SaveToFormData();
    // A bitmap's data carries its byte count first; streams get the bitmap file itself.
    if (dynamic_cast<TBitmap *>(Graphic(a)) && bytes.size() >= 4)
        bytes.erase(0, 4);
    stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}
void GraphicWidth(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Graphic(a)->Width()); }
void GraphicHeight(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Graphic(a)->Height()); }
void GraphicEmpty(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(Graphic(a)->Empty()); }
void GraphicTransparent(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(Graphic(a)->Transparent()); }
void GraphicSetTransparent(const TVlValue &v, TVlInterpreterArgs &a) { Graphic(a)->SetTransparent(ValueToBoolean(v)); }
void GraphicLoadFromFile(TVlValue &, TVlInterpreterArgs &a) { Graphic(a)->LoadFromFile(Str(a, 0)); }
void GraphicSaveToFile(TVlValue &, TVlInterpreterArgs &a) { Graphic(a)->SaveToFile(Str(a, 0)); }
void GraphicAssign(TVlValue &, TVlInterpreterArgs &a) { Graphic(a)->Assign(VlArgAs<TPersistent>(a.Values[0])); }

const TVlMemberBinding GraphicMembers[] = {
    VlGet("Empty", GraphicEmpty), VlGet("Width", GraphicWidth), VlGet("Height", GraphicHeight),
    VlGet("Transparent", GraphicTransparent), VlSet("Transparent", GraphicSetTransparent),
    VlGet("LoadFromFile", GraphicLoadFromFile, "."), VlGet("SaveToFile", GraphicSaveToFile, "."),
    VlGet("LoadFromStream", GraphicLoadFromStream, "."), VlGet("SaveToStream", GraphicSaveToStream, "."),
    VlGet("Assign", GraphicAssign, "."),
};

TBitmap *Bitmap(TVlInterpreterArgs &a) { return VlSelf<TBitmap>(a); }
void BitmapTransparentColor(TVlValue &r, TVlInterpreterArgs &a)
{
    // The colour of the bottom-left pixel, as for a bitmap in automatic transparent mode.
    TBitmap *bitmap = Bitmap(a);
    r = TVlValue::Integer(bitmap->Empty() ? clNone : bitmap->Canvas()->Pixels(0, bitmap->Height() - 1));
}
void BitmapMonochrome(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(Bitmap(a)->ToImage().format() == QImage::Format_Mono);
}
void BitmapSetMonochrome(const TVlValue &v, TVlInterpreterArgs &a)
{
    TBitmap *bitmap = Bitmap(a);
    if (ValueToBoolean(v) && !bitmap->Empty())
        bitmap->SetImage(bitmap->ToImage().convertToFormat(QImage::Format_Mono));
}
void BitmapFreeImage(TVlValue &, TVlInterpreterArgs &a) { Bitmap(a)->SetSize(0, 0); }
void BitmapMask(TVlValue &, TVlInterpreterArgs &a)
{
    // Mask(TransparentColor): that colour becomes transparent.
    TBitmap *bitmap = Bitmap(a);
    QImage image = bitmap->ToImage();
    const QRgb key = ColorToQColor(Int(a, 0)).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == key)
                image.setPixel(x, y, 0);
    bitmap->SetImage(image);
}

const TVlMemberBinding BitmapMembers[] = {
    VlMethod<&TBitmap::Canvas>("Canvas"), VlMethod<&TBitmap::Width>("Width"), VlWriter<&TBitmap::SetWidth>("Width"),
    VlMethod<&TBitmap::Height>("Height"), VlWriter<&TBitmap::SetHeight>("Height"),
    VlGet("TransparentColor", BitmapTransparentColor), VlGet("Monochrome", BitmapMonochrome),
    VlSet("Monochrome", BitmapSetMonochrome), VlGet("FreeImage", BitmapFreeImage), VlGet("Dormant", BitmapFreeImage),
    VlGet("Mask", BitmapMask, "."),
};

const TVlMemberBinding IconMembers[] = {
    VlMethod<&TIcon::Handle>("Handle"), VlMethod<&TIcon::ReleaseHandle>("ReleaseHandle"),
};

const TVlMemberBinding MetafileMembers[] = {
    VlMethod<&TMetafile::Clear>("Clear"), VlMethod<&TMetafile::CreatedBy>("CreatedBy"),
    VlMethod<&TMetafile::Description>("Description"), VlMethod<&TMetafile::Enhanced>("Enhanced"),
    VlWriter<&TMetafile::SetEnhanced>("Enhanced"), VlMethod<&TMetafile::MMWidth>("MMWidth"),
    VlWriter<&TMetafile::SetMMWidth>("MMWidth"), VlMethod<&TMetafile::MMHeight>("MMHeight"),
    VlWriter<&TMetafile::SetMMHeight>("MMHeight"), VlMethod<&TMetafile::Inch>("Inch"),
    VlWriter<&TMetafile::SetInch>("Inch"), VlMethod<&TMetafile::BeginRecording>("BeginRecording"),
    VlMethod<&TMetafile::EndRecording>("EndRecording"),
};

// TPicture ------------------------------------------------------------------------------------------

TPicture *Picture(TVlInterpreterArgs &a) { return VlSelf<TPicture>(a); }
void PictureSetGraphic(const TVlValue &v, TVlInterpreterArgs &a) { Picture(a)->SetGraphic(VlArgAs<TGraphic>(v)); }
void PictureAdapter(TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TPicture.PictureAdapter"); }

const TVlMemberBinding PictureMembers[] = {
    VlMethod<&TPicture::Bitmap>("Bitmap"), VlSet("Bitmap", PictureSetGraphic), VlMethod<&TPicture::Graphic>("Graphic"),
    VlSet("Graphic", PictureSetGraphic), VlMethod<&TPicture::Icon>("Icon"), VlSet("Icon", PictureSetGraphic),
    VlMethod<&TPicture::Metafile>("Metafile"), VlSet("Metafile", PictureSetGraphic),
    VlMethod<&TPicture::Width>("Width"), VlMethod<&TPicture::Height>("Height"),
    VlMethod<&TPicture::LoadFromFile>("LoadFromFile"), VlMethod<&TPicture::SaveToFile>("SaveToFile"),
    VlMethod<&TPicture::Assign>("Assign"), VlMethod<&TPicture::Clear>("Clear"), VlGet("PictureAdapter", PictureAdapter, "*"),
};

const TVlClassBinding GraphicsClasses[] = {
    {TFont::StaticClassInfo, FontMembers, TVlCreate::Plain},
    {TPen::StaticClassInfo, PenMembers, TVlCreate::Plain},
    {TBrush::StaticClassInfo, BrushMembers, TVlCreate::Plain},
    {TCanvas::StaticClassInfo, CanvasMembers},
    {TGraphic::StaticClassInfo, GraphicMembers},
    {TPicture::StaticClassInfo, PictureMembers, TVlCreate::Plain},
    {TMetafile::StaticClassInfo, MetafileMembers, TVlCreate::Plain},
    {TBitmap::StaticClassInfo, BitmapMembers, TVlCreate::Plain},
    {TIcon::StaticClassInfo, IconMembers, TVlCreate::Plain},
};

const TVlIntConstant GraphicsConstants[] = {
    {"fsSurface", 0}, {"fsBorder", 1}, {"tmAuto", 0}, {"tmFixed", 1},
    {"cmBlackness", 0x00000042}, {"cmDstInvert", 0x00550009}, {"cmMergeCopy", 0x00C000CA},
    {"cmMergePaint", 0x00BB0226}, {"cmNotSrcCopy", 0x00330008}, {"cmNotSrcErase", 0x001100A6},
    {"cmPatCopy", 0x00F00021}, {"cmPatInvert", 0x005A0049}, {"cmPatPaint", 0x00FB0A09},
    {"cmSrcAnd", 0x008800C6}, {"cmSrcCopy", 0x00CC0020}, {"cmSrcErase", 0x00440328},
    {"cmSrcInvert", 0x00660046}, {"cmSrcPaint", 0x00EE0086}, {"cmWhiteness", 0x00FF0062},
};

} // namespace

void VlRegisterGraphics(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "Graphics", GraphicsClasses);
    VlRegisterNamedConstants(adapter, "Graphics", ColorIdentList());
    VlRegisterEnumConstants(adapter, "Graphics",
                            {&FontStyleEnumInfo(), &FontPitchEnumInfo(), &PenStyleEnumInfo(), &PenModeEnumInfo(),
                             &BrushStyleEnumInfo()});
    VlRegisterNamedConstants(adapter, "Graphics", CharsetIdentList());
    VlRegisterIntConstants(adapter, "Graphics", GraphicsConstants);
}
