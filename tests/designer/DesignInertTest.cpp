// Designed controls are inert: every input of a control and of its inner Qt widgets goes to the
// designer, in both message modes; given back, the controls work again.
#include "DesignTestSupport.h"

#include "designer/VlDesignImpMessengers.h"
#include "components/VlComCtrls.h"
#include "components/VlStdCtrls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

enum class TMode { Designer, WindowHandler };

class DesignInert : public testing::TestWithParam<TMode> {
protected:
    void SetUp() override
    {
        if (GetParam() == TMode::WindowHandler)
            F.Surface().SetMessengerClass(&TVlDesignWinControlHookMessenger::Create);
        Edit = F.Place<TEdit>("TEdit", QRect(20, 20, 0, 0));
        Check = F.Place<TCheckBox>("TCheckBox", QRect(20, 60, 0, 0));
        Combo = F.Place<TComboBox>("TComboBox", QRect(20, 100, 0, 0));
        Memo = F.Place<TMemo>("TMemo", QRect(200, 20, 0, 0));
        Combo->Items()->Add("one");
        Combo->Items()->Add("two");
        Combo->SetItemIndex(0);
        F.Surface().SelectOnly(nullptr);
    }
    void TypeInto(QWidget *widget, const QString &text)
    {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void ClickOn(QWidget *widget, const QPoint &at)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    TDesignFixture F;
    TEdit *Edit = nullptr;
    TCheckBox *Check = nullptr;
    TComboBox *Combo = nullptr;
    TMemo *Memo = nullptr;
};

TEST_P(DesignInert, NothingTypesTogglesOrDropsDown)
{
    auto *line = static_cast<QLineEdit *>(Edit->Widget());
    ClickOn(line, {5, 5});
    EXPECT_EQ(F.Selector().Selection(0), Edit) << "a click selects the control";
    TypeInto(line, "xyz");
    EXPECT_EQ(Edit->Text(), "Edit1");
    EXPECT_NE(QApplication::focusWidget(), line);

    ClickOn(Check->Widget(), {5, 5});
    EXPECT_FALSE(Check->Checked());
    EXPECT_EQ(F.Selector().Selection(0), Check);

    auto *combo = static_cast<QComboBox *>(Combo->Widget());
    ClickOn(combo, {combo->width() - 5, 5});
    EXPECT_FALSE(combo->view()->isVisible());
    QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(Combo->ItemIndex(), 0);
    ASSERT_NE(combo->lineEdit(), nullptr);
    ClickOn(combo->lineEdit(), {3, 3});
    EXPECT_EQ(F.Selector().Selection(0), Combo) << "the combo's own field hands its clicks on too";
    TypeInto(combo->lineEdit(), "abc");
    EXPECT_EQ(Combo->Text(), "one");
}

TEST_P(DesignInert, AScrollAreasViewportHandsItsInputOn)
{
    auto *editor = static_cast<QPlainTextEdit *>(Memo->Widget());
    QWidget *viewport = editor->viewport();
    ClickOn(viewport, {10, 10});
    EXPECT_EQ(F.Selector().Selection(0), Memo);
    TypeInto(viewport, "typed");
    EXPECT_EQ(Memo->Text(), "Memo1\r\n");
    // Dragging on the viewport moves the memo.
    F.Drag({210, 30}, {250, 70});
    EXPECT_EQ(Memo->Left(), 240);
}

TEST_P(DesignInert, TheContextMenuIsTheDesigners)
{
    QSignalSpy requested(F.Container(), &QWidget::customContextMenuRequested);
    F.Container()->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *line = static_cast<QLineEdit *>(Edit->Widget());
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), line->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(line, &menu);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.at(0).at(0).toPoint(), QPoint(24, 24));
}

TEST_P(DesignInert, OnlyWindowedControlsGetHooksOfTheirOwn)
{
    F.Place("TLabel", QRect(20, 300, 0, 0));
    auto *messenger = dynamic_cast<TVlDesignWinControlHookMessenger *>(F.Surface().Messenger());
    if (messenger) {
        EXPECT_EQ(messenger->Hooks().Count(), 4 + 4) << "four controls and the label's frame; not the label";
        F.Surface().SelectOnly(nullptr);
        EXPECT_EQ(messenger->Hooks().Count(), 4) << "the bars' hooks go with them";
    }
    for (TControl *control : F.Surface().DesignedControls())
        EXPECT_TRUE(control->HasState(csDesigning)) << control->Name();
}

TEST_P(DesignInert, GivenBackTheControlsWorkAgain)
{
    auto *line = static_cast<QLineEdit *>(Edit->Widget());
    const Qt::FocusPolicy designed = line->focusPolicy();
    F.Panel->SetActive(false);
    EXPECT_FALSE(Edit->HasState(csDesigning));
    EXPECT_NE(line->focusPolicy(), designed);
    line->setFocus();
    TypeInto(line, "!");
    EXPECT_EQ(Edit->Text(), "Edit1!");
    ClickOn(Check->Widget(), {5, 5});
    EXPECT_TRUE(Check->Checked());
}

TEST_P(DesignInert, ALabelInAPanelIsReachedThroughItsParent)
{
    TControl *panel = F.Place("TPanel", QRect(300, 200, 200, 150));
    TControl *label = F.Place("TLabel", QRect(320, 220, 0, 0));
    ASSERT_EQ(label->Parent(), panel);
    F.Surface().SelectOnly(nullptr);
    F.Click({322, 222});
    EXPECT_EQ(F.Selector().Selection(0), label);
    F.Drag({322, 222}, {342, 242});
    EXPECT_EQ(label->Left(), 40);
}

TEST_P(DesignInert, AnInvisibleControlStaysOnTheSurface)
{
    F.Surface().ChangeDesign([this] { Edit->SetVisible(false); });
    EXPECT_TRUE(Edit->Widget()->isVisible()) << "still there to be selected";
    F.Click({25, 25});
    EXPECT_EQ(F.Selector().Selection(0), Edit);
    F.Panel->SetActive(false);
    EXPECT_FALSE(Edit->Widget()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothModes, DesignInert, testing::Values(TMode::Designer, TMode::WindowHandler),
                         [](const testing::TestParamInfo<TMode> &info) {
                             return info.param == TMode::Designer ? "Designer" : "WindowHandler";
                         });

} // namespace
