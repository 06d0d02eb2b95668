// The property grid view: rows, divider, check boxes, in-place editors, painters, Tab.
#include "inspector/VlInspector.h"
#include "inspector/VlInspectorValues.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class InspectorView : public testing::Test {
protected:
    void SetUp() override
    {
        Grid.resize(200, 300);
        TVlInspectorModel &model = *Grid.Model();
        model.SetPainters({ClassicInspectorPainter("Classic"), NavyInspectorPainter("Navy")});
        TVlInspectorItem *c = model.AddCategory("Settings", true);
        Flag = model.AddItem(c, "Flag", std::make_unique<TVlInspectorBoolData>("Flag", [this] { return FlagValue; },
                                                                                [this](bool v) { FlagValue = v; }));
        Flag->SetShowAsCheckBox(true);
        Name = model.AddItem(c, "Name", std::make_unique<TVlInspectorTextData>("Name", [this] { return NameValue; },
                                                                               [this](const QString &v) { NameValue = v; }));
        Style = model.AddItem(c, "Style", std::make_unique<TVlInspectorChoiceData>(
                                              "Style", [] { return QStringList{"Plain", "Fancy"}; },
                                              [this] { return StyleValue; }, [this](const QString &v) { StyleValue = v; }));
        Grid.show();
        QApplication::processEvents();
    }
    int RowOf(const TVlInspectorItem *item) const
    {
        for (int row = 0; row < Grid.RowCount(); ++row)
            if (Grid.RowItem(row) == item)
                return row;
        return -1;
    }
    QPoint ValuePoint(const TVlInspectorItem *item) const { return Grid.ValueRect(RowOf(item)).center(); }

    TVlInspector Grid;
    TVlInspectorItem *Flag = nullptr, *Name = nullptr, *Style = nullptr;
    bool FlagValue = false;
    QString NameValue = "old";
    QString StyleValue = "Plain";
};

TEST_F(InspectorView, RowsAreSixteenPixelsAndTheDividerSitsAtFortyPercent)
{
    EXPECT_EQ(Grid.RowRect(1).top() - Grid.RowRect(0).top(), 16);
    EXPECT_EQ(Grid.DividerX(), Grid.viewport()->width() * 40 / 100);
    EXPECT_EQ(Grid.RowAt(QPoint(5, 16 * 2 + 3)), 2);
    EXPECT_EQ(Grid.RowAt(QPoint(5, 16 * 40)), -1);
    Grid.resize(400, 300);
    EXPECT_EQ(Grid.DividerX(), Grid.viewport()->width() * 40 / 100);
}

TEST_F(InspectorView, AClickOnTheCheckBoxTogglesTheValue)
{
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, Grid.ValueRect(RowOf(Flag)).topLeft() + QPoint(6, 6));
    EXPECT_TRUE(FlagValue);
    QTest::keyClick(&Grid, Qt::Key_Space);
    EXPECT_FALSE(FlagValue);
    EXPECT_EQ(Grid.Editor(), nullptr) << "check boxes need no editor";
}

TEST_F(InspectorView, TextIsEditedInPlaceEnterTakesItEscGivesUp)
{
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, ValuePoint(Name));
    auto *line = qobject_cast<QLineEdit *>(Grid.Editor());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "old");
    line->setText("new");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(NameValue, "new");
    QApplication::processEvents();
    EXPECT_EQ(Grid.Editor(), nullptr);
    Grid.EditSelected();
    line = qobject_cast<QLineEdit *>(Grid.Editor());
    ASSERT_NE(line, nullptr);
    line->setText("dropped");
    QTest::keyClick(line, Qt::Key_Escape);
    EXPECT_EQ(NameValue, "new");
}

TEST_F(InspectorView, ChoicesDropDown)
{
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, ValuePoint(Style));
    auto *box = qobject_cast<QComboBox *>(Grid.Editor());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 2);
    EXPECT_FALSE(box->isEditable());
    emit box->activated(1);
    EXPECT_EQ(StyleValue, "Fancy");
}

TEST_F(InspectorView, WithoutCheckMarksABooleanIsAChoiceOfTwo)
{
    Flag->SetShowAsCheckBox(false);
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, ValuePoint(Flag));
    auto *box = qobject_cast<QComboBox *>(Grid.Editor());
    ASSERT_NE(box, nullptr);
    emit box->activated(box->findText("True"));
    EXPECT_TRUE(FlagValue);
}

TEST_F(InspectorView, TheNavyPainterShowsTheSelectedRowInNavy)
{
    Grid.SelectRow(RowOf(Name));
    Grid.Model()->SetPainterName("Navy");
    const QImage image = Grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, Grid.RowRect(RowOf(Name)).top() + 2), QColor(0, 0, 128));
    EXPECT_NE(image.pixelColor(2, Grid.RowRect(RowOf(Style)).top() + 2), QColor(0, 0, 128));
}

TEST_F(InspectorView, TabMovesBetweenRowsOnlyWhenAsked)
{
    Grid.setFocus();
    Grid.SelectRow(1);
    Grid.Model()->SetWantTabs(true);
    QTest::keyClick(&Grid, Qt::Key_Tab);
    EXPECT_EQ(Grid.SelectedRow(), 2);
    Grid.Model()->SetWantTabs(false);
    QTest::keyClick(&Grid, Qt::Key_Tab);
    EXPECT_EQ(Grid.SelectedRow(), 2);
}

TEST_F(InspectorView, CategoriesFoldAndUnfold)
{
    const int rows = Grid.RowCount();
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(Grid.RowCount(), 1);
    QTest::mouseDClick(Grid.viewport(), Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(Grid.RowCount(), rows);
}

} // namespace
