// The design surface driven by mouse and keys: placing, moving, resizing, bands, keys, frames.
#include "DesignTestSupport.h"

#include "designer/VlDesignImpMessengers.h"
#include "designer/VlDesignImpTools.h"
#include "designer/VlDesignPalette.h"
#include "designer/VlDesignUtils.h"
#include "components/VlExtCtrls.h"
#include "components/VlStdCtrls.h"
#include "rtl/VlClassRegistry.h"
#include "rtl/VlExceptions.h"

#include <gtest/gtest.h>

namespace {

int CountInColumn(const QImage &image, int x, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixelColor(x, y) == color;
    return count;
}

TEST(DesignUtils, DragDeltaIsCutToMultiplesOfFourTowardsZero)
{
    const std::pair<int, int> cases[] = {{0, 0}, {3, 0}, {-3, 0}, {4, 4}, {7, 4}, {-7, -4}, {8, 8}, {-9, -8}};
    for (auto [delta, snapped] : cases)
        EXPECT_EQ(SnapDragDelta(delta), snapped) << delta;
}

TEST(DesignUtils, UniqueNameLooksUpTheOwnerChain)
{
    TComponent form;
    for (const char *name : {"Button1", "Button2", "BUTTON3"})
        (new TComponent(&form))->SetName(name);
    TComponent inner(&form);
    EXPECT_EQ(UniqueDesignName(&inner, "TButton"), "Button4");
    EXPECT_EQ(UniqueDesignName(&inner, "TLabel"), "Label1");
}

TEST(DesignSurface, ThePaletteClassesAreRegisteredFirstInTagOrder)
{
    RegisterVlComponents();
    const std::vector<const TClassInfo *> classes = RegisteredClasses();
    ASSERT_GE(classes.size(), 17u);
    for (const TVlPaletteEntry &entry : PaletteEntries()) {
        if (entry.Tag > 0) {
            EXPECT_EQ(classes[size_t(entry.Tag - 1)]->ClassName(), entry.ClassName);
        }
    }
}

TEST(DesignSurface, ActivationNeedsEveryPart)
{
    RegisterVlComponents();
    TVlDesignSurface lonely;
    try {
        lonely.SetActive(true);
        FAIL() << "activated without a container";
    } catch (const EInvalidOperation &e) {
        EXPECT_STREQ(e.what(), "TVlDesignSurface: Container is nil");
    }
    TDesignFixture f;
    try {
        f.Surface().SetMessengerClass(nullptr);
        FAIL() << "activated without a messenger";
    } catch (const EInvalidOperation &e) {
        EXPECT_STREQ(e.what(), "TVlDesignSurface: Messenger is nil");
    }
    EXPECT_FALSE(f.Surface().Active());
    f.Surface().SetMessengerClass(&TVlDesignDesignerMessenger::Create);
    EXPECT_TRUE(f.Surface().Active());
    auto *messenger = dynamic_cast<TVlDesignDesignerMessenger *>(f.Surface().Messenger());
    ASSERT_NE(messenger, nullptr);
    EXPECT_EQ(messenger->Window(), f.Container()->window());
    f.Panel->SetActive(false);
    f.Surface().SetSelectorClass(nullptr);
    f.Surface().SetControllerClass(nullptr);
    EXPECT_NO_THROW(f.Surface().SetActive(true)) << "the parts made before stay";
    TVlDesignPanel fresh;
    fresh.Surface()->SetSelectorClass(nullptr);
    try {
        fresh.SetActive(true);
        FAIL() << "activated without a selector";
    } catch (const EInvalidOperation &e) {
        EXPECT_STREQ(e.what(), "TVlDesignSurface: Selector is nil");
    }
}

TEST(DesignSurface, ActivatingAndDeactivatingRaiseSelectionChangeOnce)
{
    TDesignFixture f;
    f.Panel->SetActive(true);
    EXPECT_EQ(f.Events.SelectionChanges, 0) << "no change, no event";
    f.Panel->SetActive(false);
    EXPECT_EQ(f.Events.SelectionChanges, 1);
    EXPECT_EQ(f.Surface().Messenger(), nullptr);
    f.Panel->SetActive(true);
    EXPECT_EQ(f.Events.SelectionChanges, 2);
}

TEST(DesignSurface, AClickPlacesTheNextUniqueNameAtItsDefaultSize)
{
    TComponent form;
    for (const char *name : {"Button1", "Button2", "Button3"})
        (new TComponent(&form))->SetName(name);
    TDesignFixture f(&form);
    f.AddClass = "TButton";
    f.Click({40, 30});
    ASSERT_EQ(f.Selector().Count(), 1);
    auto *button = dynamic_cast<TButton *>(f.Selector().Selection(0));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "Button4");
    EXPECT_EQ(button->Caption(), "Button4");
    EXPECT_EQ(button->BoundsRect(), Bounds(40, 30, button->DefaultWidth(), button->DefaultHeight()));
    EXPECT_EQ(button->Owner(), f.Panel.get());
    EXPECT_EQ(button->Parent(), f.Panel.get());
    EXPECT_TRUE(button->HasState(csDesigning));
    EXPECT_EQ(f.Events.Changes, 1);
    EXPECT_TRUE(f.Surface().PendingClassName().empty());
}

TEST(DesignSurface, EachPaletteClassCanBePlaced)
{
    TDesignFixture f;
    f.Container()->resize(820, 640);
    int n = 0;
    for (const TVlPaletteEntry &entry : PaletteEntries()) {
        if (entry.Tag == 0)
            continue;
        const QPoint at(10 + (n % 4) * 200, 10 + (n / 4) * 120);
        TControl *control = f.Place(entry.ClassName, QRect(at, QSize(0, 0)));
        ASSERT_NE(control, nullptr) << entry.ClassName;
        EXPECT_EQ(control->ClassName(), entry.ClassName);
        EXPECT_EQ(control->Parent(), f.Panel.get()) << entry.ClassName;
        if (control->Align() == alNone) {
            EXPECT_EQ(control->Left(), at.x()) << entry.ClassName;
        }
        EXPECT_GT(control->Width(), 0) << entry.ClassName;
        ++n;
        f.Surface().SelectOnly(nullptr);
    }
    EXPECT_EQ(f.Surface().DesignedControls().size(), 17u);
}

TEST(DesignSurface, ADragGivesTheNewControlItsRectangle)
{
    TDesignFixture f;
    TControl *edit = f.Place("TEdit", QRect(20, 20, 101, 33));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->BoundsRect(), Bounds(20, 20, 100, 32)) << "the band is cut to multiples of 4";
}

TEST(DesignSurface, ControlsPlacedInAPanelGoInsideIt)
{
    TDesignFixture f;
    TControl *panel = f.Place("TPanel", QRect(100, 100, 200, 160));
    TControl *button = f.Place("TButton", QRect(120, 140, 0, 0));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Parent(), panel);
    EXPECT_EQ(button->Owner(), f.Panel.get()) << "the form owns what it holds";
    EXPECT_EQ(button->Left(), 20);
    EXPECT_EQ(button->Top(), 40);
    EXPECT_EQ(f.Surface().ControlAt({125, 145}), button);
    EXPECT_EQ(f.Surface().ControlAt({105, 105}), panel);
    EXPECT_EQ(f.Surface().ControlAt({5, 5}), f.Panel.get());
}

TEST(DesignSurface, ThreePixelDragsMoveNothingSevenMoveFour)
{
    TDesignFixture f;
    TControl *button = f.Place("TButton", QRect(40, 40, 0, 0));
    const TRect start = button->BoundsRect();
    f.Events = {};
    f.Drag({50, 50}, {53, 53});
    EXPECT_EQ(button->BoundsRect(), start);
    EXPECT_EQ(f.Events.Changes, 0);
    f.Drag({50, 50}, {57, 43});
    EXPECT_EQ(button->Left(), start.Left + 4);
    EXPECT_EQ(button->Top(), start.Top - 4);
    EXPECT_EQ(f.Events.Changes, 1);
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Button1"});
}

TEST(DesignSurface, DraggingOneOfThreeSelectedMovesAllThree)
{
    TDesignFixture f;
    TControl *a = f.Place("TButton", QRect(20, 20, 0, 0));
    TControl *b = f.Place("TLabel", QRect(20, 100, 0, 0));
    TControl *c = f.Place("TEdit", QRect(20, 200, 0, 0));
    f.Click({25, 25});
    f.Click({25, 105}, Qt::ShiftModifier);
    f.Click({25, 205}, Qt::ShiftModifier);
    ASSERT_EQ(f.Selector().Count(), 3);
    EXPECT_FALSE(f.Selector().Entry(0)->Resizable()) << "several selected: no grab squares";
    f.Drag({25, 105}, {45, 113});
    EXPECT_EQ(a->Left(), 40);
    EXPECT_EQ(b->Top(), 108);
    EXPECT_EQ(c->BoundsRect().Left, 40);
    EXPECT_EQ(f.Selector().Count(), 3);
}

TEST(DesignSurface, DuringADragOnlyTheOverlayChanges)
{
    TDesignFixture f;
    TControl *button = f.Place("TButton", QRect(40, 40, 0, 0));
    f.Press({45, 45});
    f.MoveTo({85, 65});
    EXPECT_EQ(button->Left(), 40) << "the control moves at the release only";
    const auto *overlay = f.Controller().MouseTool()->Overlay();
    ASSERT_NE(overlay, nullptr);
    ASSERT_EQ(overlay->Rects().size(), 1u);
    EXPECT_EQ(overlay->Rects()[0], QRect(80, 60, 75, 25));
    // Dots inverting the white below, on every edge; gone from where the rectangle was.
    auto blackIn = [&f](int x, int top, int bottom) {
        const QImage image = f.Container()->grab().toImage();
        int black = 0;
        for (int y = top; y <= bottom; ++y)
            black += image.pixelColor(x, y) == Qt::black;
        return black;
    };
    EXPECT_GT(blackIn(154, 61, 83), 5) << "the right edge";
    EXPECT_GT(blackIn(80, 61, 83), 5) << "the left edge";
    f.MoveTo({125, 105});
    EXPECT_EQ(blackIn(154, 61, 83), 0);
    f.Release({125, 105});
    EXPECT_EQ(button->Left(), 120);
    EXPECT_EQ(f.Controller().MouseTool(), nullptr);
}

TEST(DesignSurface, GrabPointsSitOnTheFrameOfTheFirstSelection)
{
    TDesignFixture f;
    TControl *memo = f.Place("TMemo", QRect(100, 100, 200, 120));
    ASSERT_EQ(memo->BoundsRect(), Bounds(100, 100, 200, 120));
    // The frame: the bounds shrunk by 4, then bars 8 wide around them.
    const TVlDesignHandles *entry = f.Selector().Entry(0);
    EXPECT_EQ(entry->Bar(TVlDesignBarSide::Top)->BoundsRect(), Rect(96, 96, 304, 104));
    EXPECT_EQ(entry->Bar(TVlDesignBarSide::Right)->BoundsRect(), Rect(296, 104, 304, 216));
    const std::pair<QPoint, int> points[] = {
        {{97, 97}, gpLeftTop},      {{198, 100}, gpMiddleTop},    {{303, 103}, gpRightTop},
        {{97, 160}, gpLeftMiddle},  {{300, 160}, gpRightMiddle},  {{97, 223}, gpLeftBottom},
        {{198, 220}, gpMiddleBottom}, {{303, 223}, gpRightBottom}, {{150, 98}, gpNone},
        {{150, 150}, gpNone},
    };
    for (auto [point, id] : points)
        EXPECT_EQ(f.Selector().GrabPointAt(point), id) << point.x() << "," << point.y();
    EXPECT_EQ(f.Surface().CursorAt({303, 223}), Qt::SizeFDiagCursor);
    EXPECT_EQ(f.Surface().CursorAt({198, 100}), Qt::SizeVerCursor);
    EXPECT_EQ(f.Surface().CursorAt({150, 150}), Qt::PointingHandCursor);
    EXPECT_EQ(f.Surface().CursorAt({10, 10}), Qt::ArrowCursor);
    EXPECT_EQ(f.Surface().ControlAt({200, 100}), memo) << "a bar stands for its control";
}

TEST(DesignSurface, DraggingAGrabPointResizesByTheSnappedDelta)
{
    TDesignFixture f;
    TControl *memo = f.Place("TMemo", QRect(100, 100, 200, 120));
    f.Press({303, 223});
    EXPECT_EQ(f.Controller().GrabPoint(), gpRightBottom);
    EXPECT_EQ(f.Controller().PressedControl(), memo);
    f.MoveTo({314, 217});
    f.Release({314, 217});
    EXPECT_EQ(memo->BoundsRect(), Rect(100, 100, 308, 216));
    f.Drag({97, 97}, {310, 97});
    EXPECT_EQ(memo->BoundsRect(), Rect(308, 100, 312, 216)) << "edges that cross are swapped";
    EXPECT_EQ(f.Controller().DragMode(), TVlDesignDragMode::Resize);
}

TEST(DesignSurface, ACtrlPressStartsABandThatSelectsWhatItTouches)
{
    TDesignFixture f;
    f.Place("TButton", QRect(20, 20, 0, 0));
    f.Place("TButton", QRect(200, 20, 0, 0));
    f.Place("TButton", QRect(20, 300, 0, 0));
    f.Press({25, 25}, Qt::ControlModifier);
    EXPECT_EQ(f.Selector().Count(), 0) << "the press empties the selection";
    EXPECT_EQ(f.Controller().DragMode(), TVlDesignDragMode::Select);
    f.MoveTo({230, 60}, Qt::ControlModifier);
    f.Release({230, 60}, Qt::ControlModifier);
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Button1", "Button2"}));
    EXPECT_EQ(f.Controller().DragRect(), Rect(25, 25, 229, 57));
    f.Drag({400, 400}, {600, 460});
    EXPECT_TRUE(f.SelectedNames().empty()) << "a band over nothing selects nothing";
}

TEST(DesignSurface, CtrlArrowsNudgeShiftArrowsResizeNeverBelowOnePixel)
{
    TDesignFixture f;
    TControl *a = f.Place("TButton", QRect(20, 20, 0, 0));
    TControl *b = f.Place("TEdit", QRect(20, 100, 0, 0));
    f.Click({25, 25});
    f.Click({25, 105}, Qt::ShiftModifier);
    f.Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(a->Left(), 19);
    EXPECT_EQ(b->Left(), 19);
    f.Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(a->Top(), 21) << "Ctrl wins over Shift";
    const int width = a->Width();
    f.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(a->Width(), width - 1);
    b->SetWidth(1);
    f.Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(b->Width(), 1);
    EXPECT_EQ(f.Selector().Entry(0)->Bar(TVlDesignBarSide::Left)->Left(), a->Left() + 4 - 8) << "frames follow";
}

TEST(DesignSurface, DeleteAndEscapeActOnTheKeyRelease)
{
    TDesignFixture f;
    TControl *panel = f.Place("TPanel", QRect(100, 100, 200, 160));
    f.Place("TButton", QRect(120, 140, 0, 0));
    QTest::keyPress(f.Container(), Qt::Key_Escape);
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Button1"}) << "nothing on the press";
    QTest::keyRelease(f.Container(), Qt::Key_Escape);
    EXPECT_EQ(f.Selector().Selection(0), panel);
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.Selector().Selection(0), f.Panel.get());
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.Selector().Selection(0), f.Panel.get()) << "the container is the top";
    f.Events = {};
    f.Key(Qt::Key_Delete);
    EXPECT_EQ(f.Events.Changes, 0) << "the container is never deleted";
    f.Surface().SelectOnly(panel);
    f.Key(Qt::Key_Delete);
    EXPECT_TRUE(f.Surface().DesignedControls().empty()) << "the panel goes with its button";
    EXPECT_EQ(f.Events.Changes, 1);
    EXPECT_EQ(f.Events.SelectionChanges, 1);
    f.Events = {};
    f.Key(Qt::Key_Delete);
    EXPECT_EQ(f.Events.Changes, 0) << "nothing selected: nothing happens";
    EXPECT_EQ(f.Events.SelectionChanges, 0);
}

TEST(DesignSurface, ExtendingWithNothingIsAnError)
{
    TDesignFixture f;
    try {
        f.Selector().ExtendSelection(nullptr);
        FAIL();
    } catch (const EInvalidOperation &e) {
        EXPECT_STREQ(e.what(), "Cannot add a nil selection.");
    }
}

TEST(DesignSurface, ADestroyedControlLeavesTheSelection)
{
    TDesignFixture f;
    TControl *button = f.Place("TButton", QRect(20, 20, 0, 0));
    ASSERT_EQ(f.Selector().Count(), 1);
    delete button;
    EXPECT_EQ(f.Selector().Count(), 0);
    f.Click({25, 25});
    EXPECT_EQ(f.Selector().Count(), 0);
}

TEST(DesignSurface, AlignedSiblingsStayStillUntilTheRelease)
{
    TDesignFixture f;
    TControl *panel = f.Place("TPanel", QRect(100, 100, 200, 160));
    TControl *top = f.Place("TButton", QRect(110, 110, 0, 0));
    top->SetAlign(alTop);
    f.Press({150, 105});
    EXPECT_TRUE(static_cast<TWinControl *>(panel)->AlignDisabled());
    f.Release({150, 105});
    EXPECT_FALSE(static_cast<TWinControl *>(panel)->AlignDisabled());
}

TEST(DesignSurface, BarsPaintTheirPatternAndGrabSquares)
{
    TDesignFixture f;
    f.Place("TMemo", QRect(100, 100, 200, 120));
    TVlDesignHandle *top = f.Selector().Entry(0)->Bar(TVlDesignBarSide::Top);
    const QImage image = top->Widget()->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), Qt::black) << "the outline of the left-end square";
    EXPECT_EQ(image.pixelColor(3, 3), Qt::white);
    EXPECT_EQ(image.pixelColor(12, 0), QColor(128, 128, 128)) << "the pattern: grey every fourth pixel";
    EXPECT_EQ(image.pixelColor(13, 0), ColorToQColor(clBtnFace));
    EXPECT_EQ(image.pixelColor(14, 1), QColor(128, 128, 128));
}

TEST(DesignSurface, RulesAndGridAreDrawnOnlyWhileActive)
{
    TDesignFixture f;
    QImage image = f.Container()->grab().toImage();
    EXPECT_GT(CountInColumn(image, 32, QColor(221, 221, 221)), 100) << "a rule every 32 pixels";
    EXPECT_GT(CountInColumn(image, 48, QColor(240, 240, 240)), 100) << "and a half step between";
    EXPECT_EQ(CountInColumn(image, 40, QColor(221, 221, 221)), 0);
    f.Panel->SetDrawRules(false);
    f.Panel->OnPaint = [](TVlDesignPanel &panel, QPainter &painter) {
        DrawDotGrid(painter, panel.Widget()->rect(), Qt::white, 8, Qt::black);
    };
    image = f.Container()->grab().toImage();
    EXPECT_EQ(CountInColumn(image, 32, QColor(221, 221, 221)), 0);
    EXPECT_EQ(image.pixelColor(16, 24), Qt::black);
    EXPECT_EQ(image.pixelColor(17, 24), Qt::white);
    f.Panel->SetActive(false);
    image = f.Container()->grab().toImage();
    EXPECT_EQ(image.pixelColor(16, 24), Qt::white) << "inactive: neither rules nor dots";
}

} // namespace
