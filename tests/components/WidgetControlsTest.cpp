// Behaviour of individual controls: ranges, groups, splitters, grids, page changes, image lists, kinds.
#include "WidgetTestSupport.h"

#include "VlButtons.h"
#include "VlComCtrls.h"
#include "VlExceptions.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlGrids.h"
#include "VlImgList.h"
#include "VlStdCtrls.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WidgetControls : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>();
        Form->SetBounds(0, 0, 400, 300);
        Form->Show();
    }
    template <class T>
    T *Add()
    {
        auto *control = new T(Form.get());
        control->SetParent(Form.get());
        return control;
    }
    TEventRecorder Recorder;
    std::unique_ptr<TForm> Form;
};

TEST_F(WidgetControls, ScrollBarClampsAndReportsChanges)
{
    auto *bar = Add<TScrollBar>();
    bar->SetOnChange(TEventRecorder::Handler());
    bar->SetParams(150, 0, 100);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(qobject_cast<QScrollBar *>(bar->Widget())->value(), 100);
    EXPECT_EQ(Recorder.Count("OnChange"), 1);
    qobject_cast<QScrollBar *>(bar->Widget())->setValue(40); // the user drags the thumb
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(Recorder.Count("OnChange"), 2);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->Width(), 16) << "turning a scroll bar swaps its sides";
}

TEST_F(WidgetControls, TrackBarAndProgressBarKeepPositionInRange)
{
    auto *track = Add<TTrackBar>();
    track->SetOnChange(TEventRecorder::Handler());
    track->SetPosition(25);
    EXPECT_EQ(track->Position(), 10);
    EXPECT_EQ(qobject_cast<QSlider *>(track->Widget())->value(), 10);
    track->SetMax(5);
    EXPECT_EQ(track->Position(), 5);
    auto *progress = Add<TProgressBar>();
    progress->SetPosition(95);
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 0) << "StepIt wraps past Max";
    progress->StepBy(250);
    EXPECT_EQ(progress->Position(), 100);
}

TEST_F(WidgetControls, RadioGroupSelectsOneItemAndClicks)
{
    auto *group = Add<TRadioGroup>();
    group->SetOnClick(TEventRecorder::Handler());
    group->Items()->Add("one");
    group->Items()->Add("two");
    group->Items()->Add("three");
    auto buttons = group->Widget()->findChildren<QRadioButton *>();
    ASSERT_EQ(buttons.size(), 3);
    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(4, buttons[1]->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(Recorder.Count("OnClick"), 1);
    group->SetItemIndex(2);
    EXPECT_TRUE(buttons[2]->isChecked());
    EXPECT_FALSE(buttons[1]->isChecked());
    group->SetItemIndex(9);
    EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(WidgetControls, RadioButtonsOfOneParentExcludeEachOther)
{
    auto *a = Add<TRadioButton>();
    auto *b = Add<TRadioButton>();
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
}

TEST_F(WidgetControls, SplitterResizesTheControlBeforeIt)
{
    auto *left = Add<TPanel>();
    left->SetWidth(100);
    left->SetAlign(alLeft);
    auto *splitter = Add<TSplitter>();
    splitter->SetLeft(200);
    splitter->SetAlign(alLeft);
    auto *client = Add<TPanel>();
    client->SetAlign(alClient);
    ASSERT_EQ(splitter->Left(), 100);
    EXPECT_EQ(splitter->FindResizedControl(), left);
    splitter->SetOnMoved(TEventRecorder::Handler());
    QTest::mousePress(splitter->Widget(), Qt::LeftButton, {}, QPoint(1, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(41, 10), splitter->Widget()->mapToGlobal(QPointF(41, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splitter->Widget(), &move);
    QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, {}, QPoint(41, 10));
    EXPECT_EQ(left->Width(), 140);
    EXPECT_EQ(splitter->Left(), 140);
    EXPECT_EQ(client->Left(), 143);
    EXPECT_EQ(Recorder.Count("OnMoved"), 1);
}

TEST_F(WidgetControls, StringGridCellsIncludeTheFixedOnes)
{
    auto *grid = Add<TStringGrid>();
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetCells(0, 0, "corner");
    grid->SetCells(2, 1, "\xc4\xe0"); // "Да"
    EXPECT_EQ(grid->Cells(0, 0), "corner");
    EXPECT_EQ(grid->Cells(2, 1), "\xc4\xe0");
    EXPECT_EQ(grid->Cells(5, 5), "");
    EXPECT_THROW(grid->SetCells(3, 0, "x"), EInvalidOperation);
    auto *table = qobject_cast<QTableWidget *>(grid->Widget());
    EXPECT_EQ(table->item(1, 2)->text(), QString::fromUtf8("Да"));
    EXPECT_FALSE(table->item(1, 1)->flags() & Qt::ItemIsEditable);
    grid->SetOptions(grid->Options() | (1u << goEditing));
    EXPECT_TRUE(table->item(1, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsEditable) << "fixed cells stay read-only";
}

TEST_F(WidgetControls, PageControlChangingCanBeRefused)
{
    auto *pages = Add<TPageControl>();
    auto *first = new TTabSheet(Form.get());
    first->SetPageControl(pages);
    auto *second = new TTabSheet(Form.get());
    second->SetPageControl(pages);
    pages->SetOnChanging(TEventRecorder::Handler());
    pages->SetOnChange(TEventRecorder::Handler());
    Recorder.Reaction = [](TVlEventArgs &args) {
        if (args.Name == "OnChanging")
            args.Allow = false;
    };
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), first);
    Recorder.Reaction = nullptr;
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(Recorder.Count("OnChange"), 1);
    // A sheet's bounds follow the page area that Qt gives it.
    EXPECT_EQ(second->Width(), second->Widget()->width());
    second->SetTabVisible(false);
    EXPECT_EQ(pages->PageCount(), 2);
}

TEST_F(WidgetControls, ImageListCutsBitmapsIntoImages)
{
    TImageList list(Form.get());
    TBitmap strip;
    strip.SetSize(48, 16);
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(Rect(16, 0, 32, 16));
    EXPECT_EQ(list.Add(&strip), 0);
    EXPECT_EQ(list.Count(), 3);
    TBitmap second;
    ASSERT_TRUE(list.GetBitmap(1, &second));
    EXPECT_EQ(second.Canvas()->Pixels(5, 5), clRed);
    EXPECT_FALSE(list.GetBitmap(3, &second));
    TBitmap target;
    target.SetSize(20, 20);
    list.Draw(target.Canvas(), 2, 2, 1);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
    EXPECT_THROW(list.Delete(7), EListError);
}

TEST_F(WidgetControls, BitBtnKindsGiveCaptionAndModalResult)
{
    auto *button = Add<TBitBtn>();
    button->SetKind(bkCancel);
    EXPECT_EQ(button->Caption(), "\xce\xf2\xec\xe5\xed\xe0"); // "Отмена"
    EXPECT_EQ(button->ModalResult(), mrCancel);
    button->SetKind(bkOK);
    EXPECT_EQ(button->ModalResult(), mrOk);
}

TEST_F(WidgetControls, LabelsSizeThemselvesToTheirText)
{
    auto *label = Add<TLabel>();
    label->SetCaption("A fairly long caption");
    const int width = label->Width();
    EXPECT_GT(width, 65);
    label->SetCaption("&A");
    EXPECT_LT(label->Width(), width);
    label->SetAutoSize(false);
    label->SetCaption("A fairly long caption");
    EXPECT_LT(label->Width(), width);
}

TEST_F(WidgetControls, EditSelectionAndCharCase)
{
    auto *edit = Add<TEdit>();
    edit->SetText("hello world");
    edit->SetSelStart(6);
    edit->SetSelLength(5);
    EXPECT_EQ(edit->SelText(), "world");
    edit->SetSelText("there");
    EXPECT_EQ(edit->Text(), "hello there");
    edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(edit->Text(), "HELLO THERE");
    edit->SetMaxLength(3);
    edit->SetText("abcdef");
    EXPECT_EQ(edit->Text(), "ABC");
}

} // namespace
