// VlInspector1 beside the designer: its categories and items, "Use check marks", and the selected
// control's properties edited in place, each edit undoable.
#include "inspector/InspectorTestSupport.h"
#include "DesignerAppFixture.h"

#include "designer/VlDesignImpSelector.h"
#include "designer/VlDesignIntegration.h"
#include "designer/VlDesignPanel.h"
#include "inspector/VlInspector.h"
#include "inspector/VlInspectorPropData.h"
#include "components/VlFormText.h"
#include "components/VlStdCtrls.h"
#include "rtl/VlCp1251.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DesignerInspector : public testing::Test {
protected:
    TVlInspector &Grid() const { return *App.Designer().Inspector(); }
    TVlInspectorModel &Model() const { return *Grid().Model(); }
    TVlDesignSurface &Surface() const { return *App.Designer().Panel()->Surface(); }
    TVlInspectorItem *FormItem(const QString &name) const
    {
        TVlInspectorItem *category = Model().FindCategory("Form and controls");
        for (int i = 0; category && i < category->Count(); ++i)
            if (category->Child(i)->DisplayName() == name)
                return category->Child(i);
        return nullptr;
    }
    int RowOf(const TVlInspectorItem *item) const
    {
        for (int row = 0; row < Grid().RowCount(); ++row)
            if (Grid().RowItem(row) == item)
                return row;
        return -1;
    }
    // Selects the item's row and opens its editor, as a click on its value does.
    QWidget *OpenEditor(TVlInspectorItem *item) const
    {
        Grid().resize(400, 800);
        Grid().SelectRow(RowOf(item));
        Grid().EditSelected();
        return Grid().Editor();
    }
    TButton *PlaceButton() const
    {
        App.Designer().Panel()->Surface()->SetPendingClassName("TButton");
        Surface().PlaceControl();
        return dynamic_cast<TButton *>(Surface().Selector()->Selection(0));
    }
    TDesignerApp App;
};

TEST_F(DesignerInspector, TheCategoriesAndTheirItemsComeInTheirOrder)
{
    EXPECT_EQ(ChildNames(Model().Root()),
              (QStringList{"Global Settings", "Veltrano Settings", "Compound items test", "Form and controls"}));
    EXPECT_EQ(ChildNames(Model().FindCategory("Global Settings")), QStringList{"Use check marks"});
    TVlInspectorItem *settings = Model().FindCategory("Veltrano Settings");
    EXPECT_EQ(ChildNames(settings), (QStringList{"About", "Paint style", "TAB navigates", "Use bands"}));
    EXPECT_TRUE(settings->Expanded());
    TVlInspectorItem *about = settings->Child(0);
    EXPECT_EQ(about->Data()->Value(), "3.30");
    EXPECT_TRUE(about->ReadOnly());
    TVlInspectorItem *paint = settings->Child(1);
    EXPECT_EQ(paint->Data()->Name(), "Painter");
    EXPECT_EQ(paint->Data()->Choices(), (QStringList{"VlInspectorClassicPainter1", "VlInspectorNavyPainter1"}));
    EXPECT_TRUE(Model().SetItemValue(paint, "VlInspectorNavyPainter1"));
    EXPECT_TRUE(Model().Painter().SelectWholeRow);
    EXPECT_TRUE(Model().SetItemValue(settings->Child(3), "True"));
    EXPECT_TRUE(Model().UseBands());
    TVlInspectorItem *compound = Model().FindCategory("Compound items test");
    EXPECT_FALSE(compound->Expanded());
    ASSERT_EQ(compound->Count(), 1);
    TVlInspectorItem *item = compound->Child(0);
    ASSERT_EQ(item->PartCount(), 3);
    EXPECT_EQ(item->Part(0)->DisplayName(), "First");
    EXPECT_EQ(item->Part(2)->DisplayName(), "Last");
    EXPECT_EQ(item->PartWidth(0), 25);
    EXPECT_EQ(item->PartWidth(1), 15);
    EXPECT_FALSE(Model().Updating()) << "the update ends once the window has shown";
}

TEST_F(DesignerInspector, UseCheckMarksSwitchesEveryBooleanItem)
{
    PlaceButton();
    auto booleans = [this](bool checkBox) {
        int count = 0, matching = 0;
        Model().ForEachItem([&](TVlInspectorItem &item) {
            if (!item.IsBoolean())
                return;
            ++count;
            matching += item.ShowAsCheckBox() == checkBox;
        });
        return count > 3 && count == matching;
    };
    EXPECT_TRUE(booleans(true));
    TVlInspectorItem *marks = Model().FindCategory("Global Settings")->Child(0);
    EXPECT_TRUE(Model().SetItemValue(marks, "False"));
    EXPECT_FALSE(App.UseCheckMarks());
    EXPECT_TRUE(booleans(false));
    Surface().SelectOnly(nullptr);
    Surface().SelectionChanged();
    EXPECT_TRUE(booleans(false)) << "items made later follow the setting";
    EXPECT_TRUE(Model().SetItemValue(marks, "True"));
    EXPECT_TRUE(booleans(true));
}

TEST_F(DesignerInspector, TheSelectedControlIsEditedInPlaceAndTheEditCanBeUndone)
{
    TButton *button = PlaceButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(FormItem("Name")->Data()->Value(), "Button1");
    TVlInspectorItem *caption = FormItem("Caption");
    ASSERT_NE(caption, nullptr);
    auto *line = qobject_cast<QLineEdit *>(OpenEditor(caption));
    ASSERT_NE(line, nullptr);
    line->setText("Пуск");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(button->Caption(), VlFromQString("Пуск"));
    EXPECT_EQ(static_cast<QPushButton *>(button->Widget())->text(), "Пуск") << "visible at once";
    EXPECT_TRUE(caption->Data()->IsModified());
    App.RunCommand("DesignerUndoClick");
    auto *restored = dynamic_cast<TButton *>(App.Designer().Panel()->FindComponent("Button1"));
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->Caption(), "Button1");
    EXPECT_EQ(FormItem("Caption")->Data()->Value(), "Button1") << "the grid shows the form as it is now";
}

TEST_F(DesignerInspector, TheFormFileStoresExactlyWhatWasChanged)
{
    PlaceButton();
    auto formText = [this] { return ObjectBinaryToText(Surface().FormSnapshot()); };
    EXPECT_EQ(formText().find("Visible"), std::string::npos);
    EXPECT_TRUE(Model().SetItemValue(FormItem("Visible"), "False"));
    EXPECT_TRUE(FormItem("Visible")->Data()->IsModified());
    EXPECT_NE(formText().find("    Visible = False\r\n"), std::string::npos);
    EXPECT_TRUE(Model().SetItemValue(FormItem("Visible"), "True"));
    EXPECT_FALSE(FormItem("Visible")->Data()->IsModified());
    EXPECT_EQ(formText().find("Visible"), std::string::npos) << "back at its default, it is no longer stored";
}

TEST_F(DesignerInspector, AnIntegerThatIsNoNumberIsRefused)
{
    TButton *button = PlaceButton();
    auto *line = qobject_cast<QLineEdit *>(OpenEditor(FormItem("Width")));
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, "x!");
    EXPECT_FALSE(line->hasAcceptableInput() && line->text().contains('!')) << "the field takes no such text";
    EXPECT_FALSE(Model().SetItemValue(FormItem("Width"), "wide"));
    ASSERT_EQ(App.Errors.size(), 1);
    EXPECT_TRUE(App.Errors[0].contains("wide"));
    EXPECT_EQ(button->Width(), 75);
    EXPECT_TRUE(Model().SetItemValue(FormItem("Width"), "120"));
    EXPECT_EQ(button->Width(), 120);
    EXPECT_EQ(Surface().Selector()->Entry(0)->Bar(TVlDesignBarSide::Right)->Left(), button->Left() + 120 - 4)
        << "the frame follows the edit";
}

TEST_F(DesignerInspector, SetsColoursFontsAndListsHaveTheirEditors)
{
    TButton *button = PlaceButton();
    ASSERT_NE(OpenEditor(FormItem("Anchors")), nullptr);
    QTest::mouseClick(Grid().Editor()->findChild<QToolButton *>("BrowseButton"), Qt::LeftButton);
    TVlCheckListPopup *popup = Grid().SetPopup();
    ASSERT_NE(popup, nullptr);
    QListWidgetItem *bottom = popup->List()->findItems("akBottom", Qt::MatchExactly).value(0);
    ASSERT_NE(bottom, nullptr);
    bottom->setCheckState(Qt::Checked);
    popup->hide();
    EXPECT_EQ(button->Anchors(), (1u << akLeft) | (1u << akTop) | (1u << akBottom));

    Grid().AskFont = [](const QFont &current) {
        QFont chosen = current;
        chosen.setBold(true);
        chosen.setPixelSize(20);
        return std::optional<QFont>(chosen);
    };
    ASSERT_NE(OpenEditor(FormItem("Font")), nullptr);
    QTest::mouseClick(Grid().Editor()->findChild<QToolButton *>("BrowseButton"), Qt::LeftButton);
    EXPECT_TRUE(button->Font()->Style() & VlFontStyle(fsBold));
    EXPECT_FALSE(button->ParentFont());
    EXPECT_TRUE(FormItem("Font")->Data()->IsModified());

    TVlInspectorItem *fontColor = nullptr;
    for (int i = 0; i < FormItem("Font")->Count(); ++i)
        if (FormItem("Font")->Child(i)->DisplayName() == "Color")
            fontColor = FormItem("Font")->Child(i);
    ASSERT_NE(fontColor, nullptr);
    Grid().AskColor = [](const QColor &) { return std::optional<QColor>(QColor(255, 0, 0)); };
    FormItem("Font")->SetExpanded(true);
    Model().Changed();
    ASSERT_NE(OpenEditor(fontColor), nullptr);
    QTest::mouseClick(Grid().Editor()->findChild<QToolButton *>("BrowseButton"), Qt::LeftButton);
    EXPECT_EQ(button->Font()->Color(), clRed);
    EXPECT_TRUE(Surface().CanUndo());
}

TEST_F(DesignerInspector, ARenamedControlKeepsItsNewNameThroughUndoOfLaterSteps)
{
    PlaceButton();
    EXPECT_TRUE(Model().SetItemValue(FormItem("Name"), "OkButton"));
    EXPECT_NE(App.Designer().Panel()->FindComponent("OkButton"), nullptr);
    EXPECT_FALSE(Model().SetItemValue(FormItem("Name"), "Surface")) << "a name the form already has";
    EXPECT_TRUE(Model().SetItemValue(FormItem("Left"), "30"));
    App.RunCommand("DesignerUndoClick");
    EXPECT_NE(App.Designer().Panel()->FindComponent("OkButton"), nullptr);
    EXPECT_EQ(FormItem("Name")->Data()->Value(), "OkButton");
}

} // namespace
