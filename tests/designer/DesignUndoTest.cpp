// Undo and redo of every change of a designed form, checked against dumps of the form text.
#include "DesignTestSupport.h"

#include "components/VlFormText.h"
#include "components/VlStdCtrls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <functional>

namespace {

class DesignUndo : public testing::Test {
protected:
    std::string Text() { return ObjectBinaryToText(F.Surface().FormSnapshot()); }
    // The change gives one step: undo brings back the text before it, redo the text after it.
    void ExpectUndoable(const std::function<void()> &change)
    {
        const std::string before = Text();
        change();
        const std::string after = Text();
        ASSERT_NE(before, after);
        F.Surface().Undo();
        EXPECT_EQ(Text(), before);
        F.Surface().Redo();
        EXPECT_EQ(Text(), after);
    }
    TDesignFixture F;
};

TEST_F(DesignUndo, PlacingMovingResizingAndDeletingAreUndone)
{
    ExpectUndoable([&] { F.Place("TButton", QRect(20, 20, 0, 0)); });
    ExpectUndoable([&] { F.Drag({25, 25}, {65, 45}); });
    ExpectUndoable([&] { F.Key(Qt::Key_Right, Qt::ShiftModifier); });
    ExpectUndoable([&] { F.Key(Qt::Key_Delete); });
    EXPECT_EQ(F.Surface().History().Count(), 4u);
}

TEST_F(DesignUndo, PasteClearAndPropertyEditsAreUndone)
{
    F.Place("TButton", QRect(20, 20, 0, 0));
    F.Surface().CopySelection();
    ExpectUndoable([&] { F.Surface().PasteFromClipboard(); });
    // Undo and redo build the controls anew: they are found by name.
    ExpectUndoable([&] {
        auto *button = static_cast<TButton *>(F.Panel->FindComponent("Button1"));
        F.Surface().ChangeDesign([button] { button->SetCaption("OK"); });
    });
    ExpectUndoable([&] { F.Surface().ClearForm(); });
}

TEST_F(DesignUndo, UndoSelectsWhatTheStepTouched)
{
    F.Place("TButton", QRect(20, 20, 0, 0));
    F.Place("TEdit", QRect(20, 100, 0, 0));
    F.Drag({25, 105}, {45, 125});
    F.Surface().SelectOnly(nullptr);
    F.Surface().Undo();
    EXPECT_EQ(F.SelectedNames(), std::vector<std::string>{"Edit1"});
    F.Surface().Undo();
    EXPECT_EQ(F.Panel->FindComponent("Edit1"), nullptr);
    EXPECT_TRUE(F.Surface().CanRedo());
    F.Place("TLabel", QRect(200, 200, 0, 0));
    EXPECT_FALSE(F.Surface().CanRedo()) << "a new change forgets what could be redone";
}

TEST_F(DesignUndo, ChangesThatChangeNothingAreNoSteps)
{
    F.Place("TButton", QRect(20, 20, 0, 0));
    const size_t steps = F.Surface().History().Count();
    F.Drag({25, 25}, {27, 26});
    F.Surface().ChangeDesign([] {});
    EXPECT_EQ(F.Surface().History().Count(), steps);
}

} // namespace
