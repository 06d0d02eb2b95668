// Typical Delphi form files load into live widgets, and saved forms load back the same.
#include "WidgetTestSupport.h"

#include "common/VlTestPaths.h"

#include "VlComCtrls.h"
#include "VlExceptions.h"
#include "VlCp1251.h"
#include "VlExtCtrls.h"
#include "VlFormStream.h"
#include "VlFormText.h"
#include "VlFormWriter.h"
#include "VlForms.h"
#include "VlButtons.h"
#include "VlMenus.h"
#include "VlStdCtrls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string TypicalForm()
{
    return ReadFileBytes(VlTestDataDir() + "/widgets/Typical.dfm");
}

template <class T>
T *Find(TComponent *owner, const char *name)
{
    auto *found = dynamic_cast<T *>(owner->FindComponent(name));
    if (!found)
        throw std::runtime_error(std::string("missing ") + name);
    return found;
}

// Keeps the handler names of a form file, as script forms do: the name's address is the code.
class THandlerNames {
public:
    TFormReader::TFindMethod Finder(TComponent *root)
    {
        return [this, root](TFormReader &, TComponent *, const TPropInfo &, const std::string &name) {
            Names.push_back(name);
            return TMethod{&Names.back(), root};
        };
    }
    static std::string NameOf(const TMethod &method)
    {
        return method.Code ? *static_cast<const std::string *>(method.Code) : std::string();
    }
    std::deque<std::string> Names;
};

class WidgetFormLoad : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterVlComponents();
        Form = std::make_unique<TForm>();
        LoadFormFromBytes(TypicalForm(), Form.get(), Handlers.Finder(Form.get()));
    }
    THandlerNames Handlers;
    std::unique_ptr<TForm> Form;
};

TEST_F(WidgetFormLoad, FormPropertiesReachTheWindow)
{
    EXPECT_EQ(Form->Name(), "Form1");
    EXPECT_EQ(Form->BoundsRect(), Bounds(192, 107, 408, 327));
    EXPECT_EQ(Form->ClientWidth(), 400);
    EXPECT_EQ(Form->ClientHeight(), 327 - 27 - 20) << "frame and menu bar";
    EXPECT_EQ(Form->Widget()->windowTitle(), QString::fromUtf8("Тест 1"));
    EXPECT_EQ(Form->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(Form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(Form->Font()->Size(), 8);
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(THandlerNames::NameOf(Form->OnCreate()), "FormCreate");
    EXPECT_EQ(THandlerNames::NameOf(Form->OnCloseQuery()), "FormCloseQuery");
    EXPECT_EQ(Form->OnCreate().Data, Form.get());
}

TEST_F(WidgetFormLoad, ControlsAreLiveWidgetsWithGeometryCaptionsAndFonts)
{
    auto *button = Find<TButton>(Form.get(), "Button1");
    auto *qbutton = qobject_cast<QPushButton *>(button->Widget());
    ASSERT_NE(qbutton, nullptr);
    EXPECT_EQ(qbutton->geometry(), QRect(16, 232, 75, 25));
    EXPECT_EQ(qbutton->text(), "OK");
    EXPECT_TRUE(qbutton->isDefault());
    EXPECT_EQ(button->ModalResult(), 1);
    EXPECT_EQ(THandlerNames::NameOf(button->OnClick()), "Button1Click");
    EXPECT_EQ(qbutton->parentWidget(), Form->ClientWidget());
    EXPECT_EQ(qbutton->font().family(), "MS Sans Serif") << "ParentFont takes the form's font";

    auto *panel = Find<TPanel>(Form.get(), "Panel1");
    EXPECT_EQ(panel->Color(), clInfoBk);
    EXPECT_EQ(panel->BevelOuter(), bvLowered);
    EXPECT_TRUE(panel->Widget()->font().bold());
    EXPECT_EQ(panel->Widget()->font().pixelSize(), 16);

    auto *edit = Find<TEdit>(Form.get(), "Edit1");
    EXPECT_EQ(edit->Parent(), panel);
    EXPECT_EQ(edit->Widget()->parentWidget(), panel->Widget());
    EXPECT_EQ(qobject_cast<QLineEdit *>(edit->Widget())->text(), QString::fromUtf8("Привет"));
    EXPECT_EQ(edit->Font()->Name(), "Arial") << "children of the panel take its font";
    EXPECT_EQ(Find<TLabel>(Form.get(), "Label1")->FocusControl(), edit);
    EXPECT_EQ(qobject_cast<QLabel *>(Find<TLabel>(Form.get(), "Label1")->Widget())->text(), "Name:");

    auto *memo = Find<TMemo>(Form.get(), "Memo1");
    ASSERT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Get(1), "second line");
    EXPECT_EQ(memo->ScrollBars(), ssVertical);

    auto *combo = Find<TComboBox>(Form.get(), "ComboBox1");
    EXPECT_EQ(combo->Items()->Count(), 2);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "green");
    EXPECT_TRUE(Find<TCheckBox>(Form.get(), "CheckBox1")->Checked());
}

TEST_F(WidgetFormLoad, CollectionsMenusAndNonVisualComponents)
{
    auto *status = Find<TStatusBar>(Form.get(), "StatusBar1");
    ASSERT_EQ(status->Panels()->Count(), 2);
    EXPECT_EQ(status->Panels()->Items(0)->Text(), "Ready");
    EXPECT_EQ(status->Panels()->Items(0)->Width(), 100);
    EXPECT_EQ(status->Align(), alBottom);
    EXPECT_EQ(status->Top(), Form->ClientHeight() - 19);

    auto *timer = Find<TTimer>(Form.get(), "Timer1");
    EXPECT_EQ(timer->Interval(), 500);
    EXPECT_EQ(THandlerNames::NameOf(timer->OnTimer()), "Timer1Timer");

    auto *menu = Find<TMainMenu>(Form.get(), "MainMenu1");
    EXPECT_EQ(Form->Menu(), menu);
    auto *exit = Find<TMenuItem>(Form.get(), "Exit1");
    EXPECT_EQ(exit->Parent(), Find<TMenuItem>(Form.get(), "File1"));
    EXPECT_EQ(exit->ShortCut(), scCtrl | 'X');
    EXPECT_EQ(menu->MenuBar()->actions().size(), 1);
    EXPECT_EQ(menu->MenuBar()->actions()[0]->text(), "&File");
}

TEST_F(WidgetFormLoad, SavedFormLoadsBackTheSame)
{
    auto nameOf = [](TComponent *, const TPropInfo &, const TMethod &m) { return THandlerNames::NameOf(m); };
    const std::string text = ObjectBinaryToText(WriteComponentToBinary(Form.get(), nameOf));
    EXPECT_NE(text.find("Caption = 'OK'"), std::string::npos);
    EXPECT_NE(text.find("OnClick = Button1Click"), std::string::npos);
    EXPECT_NE(text.find("Color = clInfoBk"), std::string::npos);
    EXPECT_EQ(text.find("Visible = True"), std::string::npos) << "defaults are not written";
    EXPECT_EQ(text.find("Button1: TButton\r\n    Left = 16\r\n    Top = 232\r\n    Width = 75\r\n    Height = 25\r\n    Caption = 'OK'"),
              text.find("Button1: TButton")) << text;

    THandlerNames handlers;
    TForm copy;
    LoadFormFromBytes(text, &copy, handlers.Finder(&copy));
    ASSERT_EQ(copy.ComponentCount(), Form->ComponentCount());
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent *original = Form->Components(i);
        TComponent *loaded = copy.FindComponent(original->Name());
        ASSERT_NE(loaded, nullptr) << original->Name();
        EXPECT_EQ(loaded->ClassName(), original->ClassName());
        if (auto *control = dynamic_cast<TControl *>(original)) {
            auto *other = dynamic_cast<TControl *>(loaded);
            EXPECT_EQ(other->BoundsRect(), control->BoundsRect()) << original->Name();
            EXPECT_EQ(other->Caption(), control->Caption()) << original->Name();
            EXPECT_EQ(other->Parent() ? other->Parent()->Name() : "", control->Parent() ? control->Parent()->Name() : "");
        }
    }
    EXPECT_EQ(copy.Caption(), Form->Caption());
}

TEST_F(WidgetFormLoad, BinaryFormFileLoadsLikeTheText)
{
    const std::string binary = AddResourceHeader(ObjectTextToBinary(TypicalForm()));
    TForm copy;
    LoadFormFromBytes(binary, &copy);
    EXPECT_EQ(copy.BoundsRect(), Form->BoundsRect());
    EXPECT_EQ(Find<TEdit>(&copy, "Edit1")->Text(), Find<TEdit>(Form.get(), "Edit1")->Text());
}

TEST_F(WidgetFormLoad, ShownFormRunsItsEventsThroughTheDispatcher)
{
    TEventRecorder recorder;
    THandlerNames handlers;
    TForm form;
    LoadFormFromBytes(TypicalForm(), &form, handlers.Finder(&form));
    std::vector<std::string> called;
    recorder.Reaction = [&](TVlEventArgs &args) { (void)args; };
    auto previous = SetVlEventDispatcher([&](const TMethod &handler, TVlEventArgs &) {
        called.push_back(THandlerNames::NameOf(handler));
    });
    form.DoCreate();
    form.Show();
    auto *edit = Find<TEdit>(&form, "Edit1");
    QTest::keyClick(edit->Widget(), Qt::Key_A);
    QTest::mouseClick(Find<TCheckBox>(&form, "CheckBox1")->Widget(), Qt::LeftButton, {}, QPoint(4, 8));
    Find<TMenuItem>(&form, "Exit1")->Action()->trigger();
    SetVlEventDispatcher(previous);
    EXPECT_EQ(called, (std::vector<std::string>{"FormCreate", "Edit1Change", "CheckBox1Click", "Exit1Click"}));
}

TEST(WidgetFormLoadErrors, UnknownClassIsAnErrorAndKeepsWhatWasRead)
{
    RegisterVlComponents();
    TForm form;
    const std::string text = "object F: TForm\r\n  object Button1: TButton\r\n  end\r\n"
                             "  object X: TNoSuchControl\r\n  end\r\nend\r\n";
    EXPECT_THROW(LoadFormFromBytes(text, &form), EClassNotFound);
    EXPECT_NE(form.FindComponent("Button1"), nullptr);
}

TEST(WidgetFormLoadErrors, BadPropertiesAreSkipped)
{
    RegisterVlComponents();
    TForm form;
    const std::string text = "object F: TForm\r\n  object Button1: TButton\r\n    Left = 'text'\r\n"
                             "    NoSuchProperty = 5\r\n    Top = 9\r\n  end\r\nend\r\n";
    LoadFormFromBytes(text, &form);
    auto *button = Find<TButton>(&form, "Button1");
    EXPECT_EQ(button->Top(), 9);
}

} // namespace

namespace {

TEST(WidgetFormLoadOrder, IndexesGivenBeforeTheirItemsAreKept)
{
    RegisterVlComponents();
    TForm form;
    const std::string text = "object F: TForm\r\n"
                             "  object ComboBox1: TComboBox\r\n    ItemIndex = 1\r\n"
                             "    Items.Strings = (\r\n      'a'\r\n      'b')\r\n  end\r\n"
                             "  object RadioGroup1: TRadioGroup\r\n    ItemIndex = 0\r\n"
                             "    Items.Strings = (\r\n      'x'\r\n      'y')\r\n  end\r\n"
                             "  object ScrollBar1: TScrollBar\r\n    Min = 200\r\n    Max = 300\r\n    Position = 250\r\n  end\r\n"
                             "end\r\n";
    LoadFormFromBytes(text, &form);
    EXPECT_EQ(static_cast<TComboBox *>(form.FindComponent("ComboBox1"))->Text(), "b");
    EXPECT_EQ(static_cast<TRadioGroup *>(form.FindComponent("RadioGroup1"))->ItemIndex(), 0);
    auto *bar = static_cast<TScrollBar *>(form.FindComponent("ScrollBar1"));
    EXPECT_EQ(bar->Min(), 200);
    EXPECT_EQ(bar->Max(), 300);
    EXPECT_EQ(bar->Position(), 250);
}

} // namespace

namespace {

std::string HexLines(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            text += "\r\n      ";
        text += digits[static_cast<unsigned char>(bytes[i]) >> 4];
        text += digits[static_cast<unsigned char>(bytes[i]) & 15];
    }
    return text;
}

TEST(WidgetFormLoadBinary, PicturesAndGlyphsComeFromTheirFormData)
{
    RegisterVlComponents();
    TBitmap bitmap;
    bitmap.SetSize(8, 6);
    bitmap.Canvas()->SetPixels(2, 3, clBlue);
    const std::string glyph = bitmap.SaveToFormData();
    const std::string picture = std::string("\x07TBitmap", 8) + glyph;
    const std::string text = "object F: TForm\r\n"
                             "  object Image1: TImage\r\n    Picture.Data = {" + HexLines(picture) + "}\r\n  end\r\n"
                             "  object BitBtn1: TBitBtn\r\n    Glyph.Data = {" + HexLines(glyph) + "}\r\n  end\r\n"
                             "end\r\n";
    TForm form;
    LoadFormFromBytes(text, &form);
    auto *image = static_cast<TImage *>(form.FindComponent("Image1"));
    ASSERT_FALSE(image->Picture()->Empty());
    EXPECT_EQ(image->Picture()->Width(), 8);
    EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixels(2, 3), clBlue);
    auto *button = static_cast<TBitBtn *>(form.FindComponent("BitBtn1"));
    EXPECT_EQ(button->Glyph()->Height(), 6);
    // Saved again, both come back.
    const std::string saved = ObjectBinaryToText(WriteComponentToBinary(&form));
    EXPECT_NE(saved.find("Picture.Data = {"), std::string::npos);
    EXPECT_NE(saved.find("Glyph.Data = {"), std::string::npos);
    TForm copy;
    LoadFormFromBytes(saved, &copy);
    EXPECT_EQ(static_cast<TImage *>(copy.FindComponent("Image1"))->Picture()->Bitmap()->Canvas()->Pixels(2, 3), clBlue);
}

} // namespace

namespace {

TEST(WidgetFormLoadBinary, TreeViewNodesRoundTripThroughTheirFormData)
{
    RegisterVlComponents();
    TForm form;
    auto *tree = new TTreeView(&form);
    tree->SetName("TreeView1");
    tree->SetParent(&form);
    TTreeNode *root = tree->Items()->AddChild(nullptr, "\xca\xee\xf0\xe5\xed\xfc"); // "Корень"
    tree->Items()->AddChild(root, "first");
    tree->Items()->AddChild(root, "second")->ImageIndex = 3;
    tree->Items()->AddChild(nullptr, "other");
    const std::string text = ObjectBinaryToText(WriteComponentToBinary(&form));
    EXPECT_NE(text.find("Items.Data = {"), std::string::npos) << text;
    TForm copy;
    LoadFormFromBytes(text, &copy);
    auto *loaded = static_cast<TTreeView *>(copy.FindComponent("TreeView1"));
    ASSERT_EQ(loaded->Items()->Count(), 4);
    EXPECT_EQ(loaded->Items()->TopCount(), 2);
    EXPECT_EQ(loaded->Items()->Item(0)->Text(), "\xca\xee\xf0\xe5\xed\xfc");
    EXPECT_EQ(loaded->Items()->Item(2)->Text(), "second");
    EXPECT_EQ(loaded->Items()->Item(2)->Level(), 1);
    EXPECT_EQ(loaded->Items()->Item(2)->ImageIndex, 3);
    // Damaged node data is an error of that property only: the tree stays usable.
    const std::string damaged = "object F: TForm\r\n  object T: TTreeView\r\n    Items.Data = {0100000005000000}\r\n"
                                "    Left = 7\r\n  end\r\nend\r\n";
    TForm third;
    LoadFormFromBytes(damaged, &third);
    EXPECT_EQ(static_cast<TTreeView *>(third.FindComponent("T"))->Left(), 7);
}

} // namespace
