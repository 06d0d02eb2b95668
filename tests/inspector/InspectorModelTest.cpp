// The property grid's model: categories, sorting, updates, the data of published properties.
#include "inspector/InspectorTestSupport.h"
#include "inspector/VlInspectorModel.h"
#include "inspector/VlInspectorPropData.h"
#include "inspector/VlInspectorValues.h"
#include "components/VlExtCtrls.h"
#include "components/VlMenus.h"
#include "components/VlRegisterComponents.h"
#include "components/VlStdCtrls.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVlInspectorData> Text(const QString &name)
{
    return std::make_unique<TVlInspectorTextData>(name, [] { return QString(); });
}

TEST(InspectorModel, CategoriesKeepTheirOrderItemsAreSortedUnlessTheCategorySaysNot)
{
    TVlInspectorModel model;
    TVlInspectorItem *b = model.AddCategory("B", true);
    TVlInspectorItem *a = model.AddCategory("A", false, false);
    for (const char *name : {"Use bands", "TAB navigates", "paint style", "About"}) {
        model.AddItem(b, name, Text(name));
        model.AddItem(a, name, Text(name));
    }
    EXPECT_EQ(ChildNames(model.Root()), (QStringList{"B", "A"}));
    EXPECT_EQ(ChildNames(b), (QStringList{"About", "paint style", "TAB navigates", "Use bands"}));
    EXPECT_EQ(ChildNames(a), (QStringList{"Use bands", "TAB navigates", "paint style", "About"}));
    // Collapsed categories show no rows beneath them.
    EXPECT_EQ(model.VisibleRows().size(), 6u);
    a->SetExpanded(true);
    model.Changed();
    EXPECT_EQ(model.VisibleRows().size(), 10u);
}

TEST(InspectorModel, AnUpdateAnnouncesItsChangesOnceAtTheEnd)
{
    TVlInspectorModel model;
    QSignalSpy changed(&model, &TVlInspectorModel::ItemsChanged);
    model.BeginUpdate();
    model.BeginUpdate();
    TVlInspectorItem *c = model.AddCategory("C", true);
    model.AddItem(c, "x", Text("x"));
    model.EndUpdate();
    EXPECT_EQ(changed.count(), 0);
    model.EndUpdate();
    EXPECT_EQ(changed.count(), 1);
}

TEST(InspectorModel, EveryCreatedItemIsAdjustedAndWalkedDepthFirst)
{
    TVlInspectorModel model;
    QStringList created;
    model.OnItemCreated = [&](TVlInspectorItem &item) { created << item.DisplayName(); };
    TVlInspectorItem *c = model.AddCategory("C", true, false);
    TVlInspectorItem *parent = model.AddItem(c, "Font", Text("Font"));
    model.AddItem(parent, "Name", Text("Name"));
    auto compound = std::make_unique<TVlInspectorItem>("Compound", nullptr);
    compound->AddPart(std::make_unique<TVlInspectorItem>("First", Text("First")), 25);
    model.AddItem(c, std::move(compound));
    EXPECT_EQ(created, (QStringList{"Font", "Name", "First", "Compound"}));
    QStringList walked;
    model.ForEachItem([&](TVlInspectorItem &item) { walked << item.DisplayName(); });
    EXPECT_EQ(walked, (QStringList{"C", "Font", "Name", "Compound", "First"}));
}

TEST(InspectorModel, RefusedValuesAreReportedAndEditsRunThroughTheHook)
{
    TVlInspectorModel model;
    bool value = false;
    TVlInspectorItem *c = model.AddCategory("C", true);
    TVlInspectorItem *item = model.AddItem(c, "Flag", std::make_unique<TVlInspectorBoolData>(
                                                           "Flag", [&] { return value; }, [&](bool v) { value = v; }));
    int edits = 0;
    model.OnEdit = [&](const std::function<void()> &change) {
        ++edits;
        change();
    };
    QString error;
    model.OnError = [&](const QString &message) { error = message; };
    EXPECT_TRUE(model.SetItemValue(item, "true"));
    EXPECT_TRUE(value);
    EXPECT_FALSE(model.SetItemValue(item, "maybe"));
    EXPECT_TRUE(error.contains("maybe"));
    EXPECT_EQ(edits, 2);
    item->SetReadOnly(true);
    EXPECT_FALSE(model.SetItemValue(item, "False"));
    EXPECT_TRUE(value);
}

TEST(InspectorModel, PaintersAreChosenByName)
{
    TVlInspectorModel model;
    model.SetPainters({ClassicInspectorPainter("One"), NavyInspectorPainter("Two")});
    EXPECT_EQ(model.Painter().Name, "One");
    EXPECT_EQ(model.Painter().ValueColor, QColor(0, 0, 128)) << "values in navy";
    model.SetPainterName("Two");
    EXPECT_TRUE(model.Painter().SelectWholeRow);
    EXPECT_THROW(model.SetPainterName("Three"), std::invalid_argument);
}

class InspectorProps : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterVlComponents();
        Form = std::make_unique<TPanel>();
        Form->SetName("Form");
        Button = new TButton(Form.get());
        Button->SetName("Button1");
        Button->SetParent(Form.get());
        Names.NameOf = [this](const TMethod &m) { return m.Code ? Handler : QString(); };
        Names.MethodOf = [this](const QString &name) {
            Handler = name;
            return name.isEmpty() ? TMethod() : TMethod{&Handler, nullptr};
        };
        Category = Model.AddCategory("Form and controls", true, false);
        AddComponentItems(Model, Category, Button, Names);
    }
    TVlInspectorItem *Find(const QString &name, TVlInspectorItem *parent = nullptr) const
    {
        parent = parent ? parent : Category;
        for (int i = 0; i < parent->Count(); ++i)
            if (parent->Child(i)->DisplayName() == name)
                return parent->Child(i);
        return nullptr;
    }
    std::unique_ptr<TPanel> Form;
    TButton *Button = nullptr;
    TVlInspectorModel Model;
    TVlInspectorItem *Category = nullptr;
    TVlInspectorMethodNames Names;
    QString Handler;
};

TEST_F(InspectorProps, TheNameComesFirstThenPropertiesThenEvents)
{
    const QStringList names = ChildNames(Category);
    EXPECT_EQ(names.first(), "Name");
    EXPECT_LT(names.indexOf("Left"), names.indexOf("Caption"));
    EXPECT_LT(names.indexOf("Visible"), names.indexOf("OnClick"));
    for (int i = names.indexOf("OnClick"); i < names.size(); ++i)
        EXPECT_TRUE(names[i].startsWith("On")) << names[i].toStdString();
    ASSERT_NE(Find("Font"), nullptr);
    EXPECT_NE(Find("Name", Find("Font")), nullptr) << "the font's own properties beneath it";
}

TEST_F(InspectorProps, ValuesAreShownAndTakenInTheirOwnWords)
{
    EXPECT_TRUE(Model.SetItemValue(Find("Caption"), "Готово"));
    EXPECT_EQ(Button->Caption(), VlFromQString("Готово"));
    EXPECT_TRUE(Model.SetItemValue(Find("Anchors"), "[akLeft, akBottom]"));
    EXPECT_EQ(Button->Anchors(), (1u << akLeft) | (1u << akBottom));
    EXPECT_EQ(Find("Anchors")->Data()->Value(), "[akLeft,akBottom]");
    EXPECT_TRUE(Model.SetItemValue(Find("Cursor"), "crHandPoint"));
    EXPECT_EQ(Button->Cursor(), crHandPoint);
    EXPECT_TRUE(Model.SetItemValue(Find("Default"), "True"));
    EXPECT_TRUE(Button->Default());
    EXPECT_TRUE(Model.SetItemValue(Find("OnClick"), "Button1Click"));
    EXPECT_EQ(Find("OnClick")->Data()->Value(), "Button1Click");
    TVlInspectorItem *color = Find("Color", Find("Font"));
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->Data()->EditKind(), TVlInspectorEditKind::Color);
    EXPECT_TRUE(Model.SetItemValue(color, "clRed"));
    EXPECT_EQ(Button->Font()->Color(), clRed);
    EXPECT_TRUE(Model.SetItemValue(color, "$00FF0000"));
    EXPECT_EQ(Button->Font()->Color(), clBlue);

    Model.ClearItems(Category);
    AddComponentItems(Model, Category, Form.get(), Names);
    EXPECT_EQ(Find("Align")->Data()->EditKind(), TVlInspectorEditKind::Choice);
    EXPECT_TRUE(Find("Align")->Data()->Choices().contains("alBottom"));
    EXPECT_TRUE(Model.SetItemValue(Find("Align"), "alClient"));
    EXPECT_EQ(Form->Align(), alClient);
}

TEST_F(InspectorProps, BadValuesAreRefusedWithAReason)
{
    QStringList errors;
    Model.OnError = [&](const QString &message) { errors << message; };
    EXPECT_FALSE(Model.SetItemValue(Find("Left"), "12a"));
    EXPECT_FALSE(Model.SetItemValue(Find("Left"), "99999999999"));
    EXPECT_FALSE(Model.SetItemValue(Find("Cursor"), "crNowhere"));
    EXPECT_FALSE(Model.SetItemValue(Find("Anchors"), "[akNowhere]"));
    EXPECT_FALSE(Model.SetItemValue(Find("OnClick"), "not a name"));
    EXPECT_FALSE(Model.SetItemValue(Find("Name"), "1st"));
    EXPECT_EQ(errors.size(), 6);
    EXPECT_TRUE(errors[0].contains("12a"));
    EXPECT_EQ(Button->Left(), 0);
    EXPECT_EQ(Button->Name(), "Button1");
    EXPECT_TRUE(Model.SetItemValue(Find("Left"), "$10"));
    EXPECT_EQ(Button->Left(), 16);
}

TEST_F(InspectorProps, ChangedFromDefaultIsWhatAFormFileStores)
{
    TVlInspectorData *visible = Find("Visible")->Data();
    EXPECT_FALSE(visible->IsModified());
    Model.SetItemValue(Find("Visible"), "False");
    EXPECT_TRUE(visible->IsModified());
    EXPECT_TRUE(Find("Left")->Data()->IsModified()) << "bounds are always stored";
    EXPECT_FALSE(Find("Font")->Data()->IsModified()) << "the parent's font";
    Model.SetItemValue(Find("Size", Find("Font")), "12");
    EXPECT_TRUE(Find("Font")->Data()->IsModified());
    EXPECT_FALSE(Find("Hint")->Data()->IsModified());
}

TEST_F(InspectorProps, ComponentReferencesChooseAmongTheFormsComponents)
{
    auto *menu = new TPopupMenu(Form.get());
    menu->SetName("PopupMenu1");
    // Items are made for the components of the button's owner.
    Model.ClearItems(Category);
    auto *owned = new TButton(Form.get());
    owned->SetName("Owned");
    AddComponentItems(Model, Category, owned, Names);
    TVlInspectorItem *popup = Find("PopupMenu");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Data()->Choices().contains("PopupMenu1"));
    EXPECT_FALSE(popup->Data()->Choices().contains("Button1"));
    EXPECT_TRUE(Model.SetItemValue(popup, "PopupMenu1"));
    EXPECT_EQ(owned->PopupMenu(), menu);
    EXPECT_TRUE(Model.SetItemValue(popup, ""));
    EXPECT_EQ(owned->PopupMenu(), nullptr);
}

} // namespace
