// Fonts, pens, brushes, key codes and cursors as Qt sees them; pen modes and polygons on a canvas.
#include "VlCanvas.h"
#include "VlControls.h"
#include "VlExceptions.h"
#include "VlGraphics.h"
#include "VlPicture.h"

#include <gtest/gtest.h>

namespace {

struct TFontSizeRow {
    int Size;
    int Height;
};

class FontSize : public testing::TestWithParam<TFontSizeRow> {};

TEST_P(FontSize, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
    TFont font;
    font.SetSize(GetParam().Size);
    EXPECT_EQ(font.Height(), GetParam().Height);
    EXPECT_EQ(font.Size(), GetParam().Size);
    EXPECT_EQ(font.ToQFont().pixelSize(), -GetParam().Height);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontSize,
                         testing::Values(TFontSizeRow{8, -11}, TFontSizeRow{9, -12}, TFontSizeRow{10, -13},
                                         TFontSizeRow{12, -16}, TFontSizeRow{14, -19}, TFontSizeRow{24, -32}),
                         [](const auto &info) { return "Size" + std::to_string(info.param.Size); });

TEST(Fonts, StylesNamesAndChangesReachQFont)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetName("Times New Roman");
    font.SetStyle(VlFontStyle(fsUnderline) | VlFontStyle(fsStrikeOut));
    font.SetStyle(font.Style()); // no change, no notification
    font.SetName("");            // an empty name is ignored
    const QFont qfont = font.ToQFont();
    EXPECT_EQ(qfont.family(), "Times New Roman");
    EXPECT_TRUE(qfont.underline());
    EXPECT_TRUE(qfont.strikeOut());
    EXPECT_FALSE(qfont.bold());
    EXPECT_EQ(changes, 2);
    TFont copy;
    copy.Assign(&font);
    EXPECT_TRUE(copy.SameAs(font));
    EXPECT_THROW(copy.Assign(static_cast<TPersistent *>(nullptr)), Exception);
}

struct TPenRow {
    TPenStyle Style;
    Qt::PenStyle QtStyle;
};

class PenStyle : public testing::TestWithParam<TPenRow> {};

TEST_P(PenStyle, MapsToQtPenStyle)
{
    TPen pen;
    pen.SetStyle(GetParam().Style);
    EXPECT_EQ(pen.ToQPen().style(), GetParam().QtStyle);
}

INSTANTIATE_TEST_SUITE_P(Pens, PenStyle,
                         testing::Values(TPenRow{psSolid, Qt::SolidLine}, TPenRow{psDash, Qt::DashLine},
                                         TPenRow{psDot, Qt::DotLine}, TPenRow{psDashDot, Qt::DashDotLine},
                                         TPenRow{psDashDotDot, Qt::DashDotDotLine}, TPenRow{psClear, Qt::NoPen},
                                         TPenRow{psInsideFrame, Qt::SolidLine}));

TEST(Brushes, StylesAndColourChanges)
{
    TBrush brush;
    EXPECT_EQ(brush.ToQBrush().style(), Qt::SolidPattern);
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.ToQBrush().style(), Qt::NoBrush);
    brush.SetColor(clRed); // a colour makes a clear brush solid again, as in Delphi
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetStyle(bsDiagCross);
    EXPECT_EQ(brush.ToQBrush().style(), Qt::DiagCrossPattern);
    EXPECT_EQ(brush.ToQBrush().color(), QColor(255, 0, 0));
}

TEST(KeyCodes, VirtualKeysRoundTrip)
{
    const std::pair<int, int> keys[] = {{Qt::Key_A, 'A'},      {Qt::Key_Z, 'Z'},        {Qt::Key_0, '0'},
                                        {Qt::Key_F1, 0x70},    {Qt::Key_F12, 0x7B},     {Qt::Key_Return, 13},
                                        {Qt::Key_Escape, 27},  {Qt::Key_Left, 37},      {Qt::Key_Down, 40},
                                        {Qt::Key_Delete, 46},  {Qt::Key_Backspace, 8},  {Qt::Key_Space, 32}};
    for (auto [qt, vk] : keys) {
        EXPECT_EQ(QtKeyToVirtualKey(qt), vk) << qt;
        EXPECT_EQ(VirtualKeyToQtKey(vk), qt) << vk;
    }
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_unknown), 0);
    EXPECT_EQ(QtModifiersToShift(Qt::ShiftModifier | Qt::ControlModifier, Qt::RightButton), ssShift | ssCtrl | ssRight);
}

TEST(Cursors, MapToQtShapes)
{
    EXPECT_EQ(CursorToQtShape(crHandPoint), Qt::PointingHandCursor);
    EXPECT_EQ(CursorToQtShape(crIBeam), Qt::IBeamCursor);
    EXPECT_EQ(CursorToQtShape(crHourGlass), Qt::WaitCursor);
    EXPECT_EQ(CursorToQtShape(crDefault), Qt::ArrowCursor);
    EXPECT_EQ(CursorToQtShape(12345), Qt::ArrowCursor);
}

TEST(CanvasModes, XorDrawingTwiceRestoresThePixels)
{
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TCanvas *canvas = bitmap.Canvas();
    canvas->Pen()->SetColor(clWhite);
    canvas->Pen()->SetMode(pmXor);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(1, 1, 8, 8);
    EXPECT_EQ(canvas->Pixels(1, 1), clBlack);
    canvas->Rectangle(1, 1, 8, 8);
    EXPECT_EQ(canvas->Pixels(1, 1), clWhite);
}

TEST(CanvasModes, PolygonsAndEllipsesFillInside)
{
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas *canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clLime);
    canvas->Pen()->SetColor(clLime);
    canvas->Polygon({{0, 0}, {19, 0}, {0, 19}});
    EXPECT_EQ(canvas->Pixels(3, 3), clLime);
    EXPECT_EQ(canvas->Pixels(18, 18), clWhite);
    canvas->Brush()->SetColor(clBlue);
    canvas->Pen()->SetColor(clBlue);
    canvas->Ellipse(10, 10, 20, 20);
    EXPECT_EQ(canvas->Pixels(15, 15), clBlue);
    EXPECT_EQ(canvas->Pixels(10, 10), clWhite) << "the corner lies outside";
    // Drawing on an empty bitmap does nothing and does not fail.
    TBitmap empty;
    empty.Canvas()->Rectangle(0, 0, 5, 5);
    EXPECT_EQ(empty.Canvas()->Pixels(0, 0), clNone);
}

TEST(CanvasModes, DrawCopiesAGraphic)
{
    TBitmap source;
    source.SetSize(4, 4);
    source.Canvas()->Brush()->SetColor(clMaroon);
    source.Canvas()->FillRect(Rect(0, 0, 4, 4));
    TBitmap target;
    target.SetSize(20, 20);
    target.Canvas()->Draw(5, 5, &source);
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clMaroon);
    EXPECT_EQ(target.Canvas()->Pixels(9, 9), clWhite);
    target.Canvas()->StretchDraw(Rect(10, 10, 18, 18), &source);
    EXPECT_EQ(target.Canvas()->Pixels(17, 17), clMaroon);
    target.Canvas()->Draw(0, 0, nullptr);
}

} // namespace
