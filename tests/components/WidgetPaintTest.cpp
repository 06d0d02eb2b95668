// Drawing: canvases over bitmaps and controls, OnPaint on paint boxes and forms, shapes and images.
#include "WidgetTestSupport.h"

#include "VlCanvas.h"
#include "VlExceptions.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlPaintControls.h"
#include "VlPicture.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QColor PixelAt(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

TEST(Canvas, ShapesCoverLeftTopButNotRightBottomEdges)
{
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas *canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->Pen()->SetColor(clBlue);
    canvas->Rectangle(2, 2, 10, 10);
    EXPECT_EQ(canvas->Pixels(2, 2), clBlue);
    EXPECT_EQ(canvas->Pixels(9, 9), clBlue);
    EXPECT_EQ(canvas->Pixels(10, 10), clWhite);
    EXPECT_EQ(canvas->Pixels(5, 5), clRed);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(Rect(12, 12, 15, 15));
    EXPECT_EQ(canvas->Pixels(12, 12), clLime);
    EXPECT_EQ(canvas->Pixels(14, 14), clLime);
    EXPECT_EQ(canvas->Pixels(15, 15), clWhite);
    canvas->SetPixels(0, 19, clYellow);
    EXPECT_EQ(canvas->Pixels(0, 19), clYellow);
    EXPECT_EQ(canvas->Pixels(-1, 0), clNone);
    EXPECT_EQ(canvas->Pixels(20, 0), clNone);
}

TEST(Canvas, LinesMoveThePenAndSkipTheirEndPoint)
{
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TCanvas *canvas = bitmap.Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(0, 5);
    canvas->LineTo(9, 5);
    EXPECT_EQ(canvas->PenPos(), (TPoint{9, 5}));
    EXPECT_EQ(canvas->Pixels(0, 5), clBlack);
    EXPECT_EQ(canvas->Pixels(8, 5), clBlack);
    EXPECT_EQ(canvas->Pixels(9, 5), clWhite);
    canvas->Pen()->SetStyle(psClear);
    canvas->MoveTo(0, 7);
    canvas->LineTo(9, 7);
    EXPECT_EQ(canvas->Pixels(3, 7), clWhite);
}

TEST(Canvas, TextOutFillsItsCellAndAdvancesThePen)
{
    RegisterVlComponents();
    TBitmap bitmap;
    bitmap.SetSize(100, 30);
    TCanvas *canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clYellow);
    canvas->Font()->SetColor(clBlack);
    canvas->TextOut(2, 2, "Hi");
    EXPECT_GT(canvas->PenPos().X, 2);
    EXPECT_EQ(canvas->PenPos().X, 2 + canvas->TextWidth("Hi"));
    EXPECT_EQ(canvas->Pixels(2, 2), clYellow);
    bool inked = false;
    for (int x = 2; x < canvas->PenPos().X; ++x)
        for (int y = 2; y < 2 + canvas->TextHeight("Hi"); ++y)
            inked |= GetRValue(canvas->Pixels(x, y)) < 100; // glyphs are antialiased
    EXPECT_TRUE(inked);
}

TEST(WidgetPaint, PaintBoxDrawsInOnPaint)
{
    TEventRecorder recorder;
    TForm form;
    form.SetBounds(0, 0, 200, 150);
    auto *box = new TPaintBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 50, 40);
    box->SetOnPaint(TEventRecorder::Handler());
    recorder.Reaction = [](TVlEventArgs &args) {
        ASSERT_NE(args.Canvas, nullptr);
        args.Canvas->Brush()->SetColor(clRed);
        args.Canvas->Pen()->SetColor(clBlue);
        args.Canvas->Rectangle(5, 5, 30, 20);
    };
    form.Show();
    EXPECT_EQ(PixelAt(box->Widget(), 10, 10), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(box->Widget(), 5, 5), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(box->Widget(), 40, 30), ColorToQColor(clBtnFace)) << "the form's colour shows through";
    EXPECT_GE(recorder.Count("OnPaint"), 1);
    // Invalidating repaints; the handler now draws somewhere else.
    recorder.Reaction = [](TVlEventArgs &args) {
        args.Canvas->Brush()->SetColor(clLime);
        args.Canvas->FillRect(Rect(0, 0, 10, 10));
    };
    box->Invalidate();
    EXPECT_EQ(PixelAt(box->Widget(), 2, 2), QColor(0, 255, 0));
    EXPECT_EQ(PixelAt(box->Widget(), 10, 10), ColorToQColor(clBtnFace));
}

TEST(WidgetPaint, DrawingOutsidePaintStaysUntilInvalidated)
{
    RegisterVlComponents();
    TForm form;
    form.SetBounds(0, 0, 200, 150);
    form.Show();
    form.Canvas()->Brush()->SetColor(clNavy);
    form.Canvas()->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(PixelAt(form.ClientWidget(), 5, 5), QColor(0, 0, 128));
    EXPECT_EQ(form.Canvas()->Pixels(5, 5), clNavy);
    form.Invalidate();
    EXPECT_EQ(PixelAt(form.ClientWidget(), 5, 5), ColorToQColor(clBtnFace));
}

TEST(WidgetPaint, FormOnPaintUsesTheFormFontAndColour)
{
    TEventRecorder recorder;
    TForm form;
    form.SetBounds(0, 0, 200, 150);
    form.SetColor(clWhite);
    form.SetOnPaint(TEventRecorder::Handler());
    recorder.Reaction = [](TVlEventArgs &args) {
        args.Canvas->Pen()->SetColor(clRed);
        args.Canvas->Pen()->SetWidth(3);
        args.Canvas->MoveTo(0, 50);
        args.Canvas->LineTo(100, 50);
    };
    form.Show();
    EXPECT_EQ(PixelAt(form.ClientWidget(), 50, 50), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(form.ClientWidget(), 150, 120), QColor(255, 255, 255));
}

TEST(WidgetPaint, ShapeDrawsWithItsPenAndBrush)
{
    RegisterVlComponents();
    TForm form;
    form.SetBounds(0, 0, 200, 150);
    auto *shape = new TShape(&form);
    shape->SetParent(&form);
    shape->SetBounds(0, 0, 40, 40);
    shape->Brush()->SetColor(clYellow);
    shape->Pen()->SetColor(clBlack);
    form.Show();
    EXPECT_EQ(PixelAt(shape->Widget(), 20, 20), QColor(255, 255, 0));
    EXPECT_EQ(PixelAt(shape->Widget(), 0, 20), QColor(0, 0, 0));
    shape->SetShape(stEllipse);
    EXPECT_EQ(PixelAt(shape->Widget(), 20, 20), QColor(255, 255, 0));
    EXPECT_NE(PixelAt(shape->Widget(), 1, 1), QColor(255, 255, 0)) << "corners lie outside the ellipse";
}

TEST(WidgetPaint, ImageShowsItsPictureAndItsCanvasDrawsOnTheBitmap)
{
    RegisterVlComponents();
    TForm form;
    form.SetBounds(0, 0, 200, 150);
    auto *image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 30, 30);
    image->Canvas()->Brush()->SetColor(clGreen);
    image->Canvas()->FillRect(Rect(0, 0, 10, 10));
    form.Show();
    EXPECT_EQ(image->Picture()->Width(), 30);
    EXPECT_EQ(PixelAt(image->Widget(), 5, 5), QColor(0, 128, 0));
    EXPECT_EQ(PixelAt(image->Widget(), 20, 20), QColor(255, 255, 255));
    // Stretch scales the picture to the control.
    image->SetStretch(true);
    image->SetBounds(0, 0, 60, 60);
    EXPECT_EQ(PixelAt(image->Widget(), 15, 15), QColor(0, 128, 0));
}

TEST(WidgetPaint, BitmapFormDataRoundTrips)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    const std::string data = bitmap.SaveToFormData();
    TBitmap copy;
    copy.LoadFromFormData(data);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Height(), 3);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    EXPECT_THROW(copy.LoadFromFormData(std::string("\x05\x00\x00\x00garbage", 11)), EInvalidImage);
}

} // namespace
