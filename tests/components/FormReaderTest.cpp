// Reading and writing component trees: round trips, hand-written forms, handler names, skipped errors.
#include "VlClassRegistry.h"
#include "VlCollection.h"
#include "VlExceptions.h"
#include "VlFormLimitError.h"
#include "VlFormReader.h"
#include "VlFormText.h"
#include "VlFormWriter.h"
#include "VlIntegerConsts.h"
#include "VlStreams.h"
#include "VlStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const TEnumInfo &AlignInfo()
{
    static const TEnumInfo info("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
    return info;
}

const TEnumInfo &FontStyleInfo()
{
    static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return info;
}

class TRdFont : public TPersistent {
    VL_CLASS(TRdFont)
    std::string Name = "MS Sans Serif";
    int Size = 8;
    int Color = 0;
    uint32_t Style = 0;
    static bool NameStored(const TObject *font) { return static_cast<const TRdFont *>(font)->Name != "MS Sans Serif"; }
};
VL_IMPLEMENT_CLASS(TRdFont, TPersistent, "ReaderTest",
                   VlStrProp<&TRdFont::Name, &TRdFont::Name>("Name", "TFontName").StoredWhen(&TRdFont::NameStored),
                   VlIntProp<&TRdFont::Size, &TRdFont::Size>("Size").WithDefault(8),
                   VlIntProp<&TRdFont::Color, &TRdFont::Color>("Color", "TColor").WithDefault(0),
                   VlSetProp<&TRdFont::Style, &TRdFont::Style>("Style", "TFontStyles", FontStyleInfo(), 0))

class TRdPanelItem : public TCollectionItem {
    VL_CLASS(TRdPanelItem)
    using TCollectionItem::TCollectionItem;
    std::string Text;
    int Width = 50;
};
VL_IMPLEMENT_CLASS(TRdPanelItem, TCollectionItem, "ReaderTest",
                   VlStrProp<&TRdPanelItem::Text, &TRdPanelItem::Text>("Text"),
                   VlIntProp<&TRdPanelItem::Width, &TRdPanelItem::Width>("Width").WithDefault(50))

class TRdMenu : public TComponent {
    VL_CLASS(TRdMenu)
    using TComponent::TComponent;
    bool AutoPopup = true;
};
VL_IMPLEMENT_CLASS(TRdMenu, TComponent, "ReaderTest", VlBoolProp<&TRdMenu::AutoPopup, &TRdMenu::AutoPopup>("AutoPopup", true))

// A visual control: has a parent, children, geometry, a font, a collection, a string list, an
// event, a component reference and binary data.
class TRdControl : public TComponent {
    VL_CLASS(TRdControl)
    explicit TRdControl(TComponent *owner) : TComponent(owner) {}
    ~TRdControl() override
    {
        Destroying();
        DestroyComponents();
        SetParentComponent(nullptr);
        for (TRdControl *child : std::vector<TRdControl *>(Children))
            child->FParent = nullptr;
    }

    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent *parent) override
    {
        if (FParent)
            FParent->Children.erase(std::find(FParent->Children.begin(), FParent->Children.end(), this));
        FParent = dynamic_cast<TRdControl *>(parent);
        if (FParent)
            FParent->Children.push_back(this);
    }
    void GetChildren(const TGetChildProc &proc, TComponent *root) override
    {
        if (root == this)
            for (int i = 0; i < ComponentCount(); ++i)
                if (!Components(i)->HasParent())
                    proc(Components(i));
        for (TRdControl *child : Children)
            if (child->Owner() == root)
                proc(child);
    }
    void DefineProperties(TFiler &filer) override
    {
        TComponent::DefineProperties(filer);
        filer.DefineBinaryProperty(
            "Glyph.Data",
            [this](TStream &stream) {
                Glyph.resize(static_cast<size_t>(stream.Size()));
                stream.ReadBuffer(Glyph.data(), stream.Size());
            },
            [this](TStream &stream) { stream.WriteBuffer(Glyph.data(), static_cast<int64_t>(Glyph.size())); }, !Glyph.empty());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCalls;
    }

    TRdFont *GetFont() const { return FFont.get(); }
    void SetFont(TRdFont *font) { FFont->Name = font->Name; }
    TCollection *GetPanels() const { return FPanels.get(); }
    void SetPanels(TCollection *panels) { FPanels->Assign(panels); }
    TStringList *GetLines() const { return FLines.get(); }
    void SetLines(TStringList *lines) { FLines->Assign(lines); }
    TRdMenu *GetPopup() const { return FPopup; }
    void SetPopup(TRdMenu *menu) { FPopup = menu; }

    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;
    int Align = 0;
    double Ratio = 0;
    TMethod OnClick;
    std::string Glyph;
    std::vector<TRdControl *> Children;
    int LoadedCalls = 0;

private:
    TRdControl *FParent = nullptr;
    std::unique_ptr<TRdFont> FFont = std::make_unique<TRdFont>();
    std::unique_ptr<TCollection> FPanels = std::make_unique<TCollection>(TRdPanelItem::StaticClassInfo(), this);
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    TRdMenu *FPopup = nullptr;
};
VL_IMPLEMENT_CLASS(TRdControl, TComponent, "ReaderTest",
                   VlIntProp<&TRdControl::Left, &TRdControl::Left>("Left"),
                   VlIntProp<&TRdControl::Top, &TRdControl::Top>("Top"),
                   VlIntProp<&TRdControl::Width, &TRdControl::Width>("Width"),
                   VlIntProp<&TRdControl::Height, &TRdControl::Height>("Height"),
                   VlStrProp<&TRdControl::Caption, &TRdControl::Caption>("Caption", "TCaption"),
                   VlBoolProp<&TRdControl::Visible, &TRdControl::Visible>("Visible", true),
                   VlEnumProp<&TRdControl::Align, &TRdControl::Align>("Align", AlignInfo(), 0),
                   VlFloatProp<&TRdControl::Ratio, &TRdControl::Ratio>("Ratio"),
                   VlClassProp<&TRdControl::GetFont, &TRdControl::SetFont>("Font", "TRdFont"),
                   VlClassProp<&TRdControl::GetPanels, &TRdControl::SetPanels>("Panels", "TCollection"),
                   VlClassProp<&TRdControl::GetLines, &TRdControl::SetLines>("Lines", "TStrings"),
                   VlClassProp<&TRdControl::GetPopup, &TRdControl::SetPopup>("PopupMenu", "TRdMenu"),
                   VlMethodProp<&TRdControl::OnClick, &TRdControl::OnClick>("OnClick"))

class TRdForm : public TRdControl {
    VL_CLASS(TRdForm)
    explicit TRdForm(TComponent *owner = nullptr) : TRdControl(owner) {}
    bool HasParent() const override { return false; }
};
VL_IMPLEMENT_CLASS(TRdForm, TRdControl, "ReaderTest")

void RegisterTestClasses()
{
    RegisterClasses({&TRdControl::StaticClassInfo(), &TRdForm::StaticClassInfo(), &TRdMenu::StaticClassInfo()});
    static bool colors = false;
    if (!colors) {
        RegisterIntegerConsts("TColor", {{"clBlack", 0}, {"clRed", 0xFF}, {"clBtnFace", -16777201}});
        colors = true;
    }
}

// Handler names live as long as the test; the method's code points at the stored name.
struct THandlerNames {
    std::vector<std::unique_ptr<std::string>> Names;
    TFormReader::TFindMethod Finder()
    {
        return [this](TFormReader &reader, TComponent *, const TPropInfo &, const std::string &name) {
            Names.push_back(std::make_unique<std::string>(name));
            return TMethod{Names.back().get(), reader.Root()};
        };
    }
    static std::string NameOf(TComponent *, const TPropInfo &, const TMethod &method)
    {
        return method.Code ? *static_cast<std::string *>(method.Code) : std::string();
    }
};

TRdControl *Control(TComponent *root, const char *name)
{
    return dynamic_cast<TRdControl *>(root->FindComponent(name));
}

const char *const SampleForm = R"(object MainForm: TRdForm
  Left = 10
  Top = 20
  Width = 400
  Height = 300
  Caption = #1043#1083#1072#1074#1085#1086#1077' '#1086#1082#1085#1086
  Font.Name = 'Tahoma'
  Font.Style = [fsBold]
  Font.Color = clRed
  OnClick = FormClick
  object Panel1: TRdControl
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Align = alTop
    PopupMenu = PopupMenu1
    Panels = <
      item
        Text = 'First'
        Width = 80
      end
      item [7]
        Text = 'Second'
      end>
    object Button1: TRdControl
      Left = 4
      Top = 4
      Width = 75
      Height = 25
      Caption = 'Line one' +
        ' and two'
      Visible = False
      Ratio = 0.250000000000000000
      OnClick = Button1Click
      Glyph.Data = {0102030405}
    end
  end
  object Memo1: TRdControl
    Lines.Strings = (
      'first'
      #1074#1090#1086#1088#1072#1103)
    Caption = ''
    Unknown = 'skipped'
    Align = alNowhere
    Width = 'not a number'
    Height = 33
  end
  object PopupMenu1: TRdMenu
    AutoPopup = False
  end
end
)";

} // namespace

TEST(FormReader, BuildsTheTreeWithPropertiesParentsCollectionsAndReferences)
{
    RegisterTestClasses();
    THandlerNames handlers;
    std::vector<std::string> skipped;
    TRdForm form;
    TStringStream stream(ObjectTextToBinary(SampleForm));
    TFormReader reader(stream);
    reader.OnFindMethod = handlers.Finder();
    reader.OnPropertyError = [&](TComponent *instance, const std::string &prop, const std::string &) {
        skipped.push_back(instance->Name() + "." + prop);
    };
    reader.ReadRootComponent(&form);

    EXPECT_EQ(form.Name(), "MainForm");
    EXPECT_EQ(form.Width, 400);
    EXPECT_EQ(form.Caption, "\xC3\xEB\xE0\xE2\xED\xEE\xE5 \xEE\xEA\xED\xEE") << "Cyrillic becomes CP1251";
    EXPECT_EQ(form.GetFont()->Name, "Tahoma");
    EXPECT_EQ(form.GetFont()->Style, 1u);
    EXPECT_EQ(form.GetFont()->Color, 0xFF);
    ASSERT_TRUE(form.OnClick.IsAssigned());
    EXPECT_EQ(*static_cast<std::string *>(form.OnClick.Code), "FormClick");
    EXPECT_EQ(form.OnClick.Data, &form);
    EXPECT_EQ(form.ComponentCount(), 4) << "every nested object is owned by the root";

    TRdControl *panel = Control(&form, "Panel1");
    TRdControl *button = Control(&form, "Button1");
    TRdControl *memo = Control(&form, "memo1");
    ASSERT_TRUE(panel && button && memo);
    EXPECT_EQ(panel->GetParentComponent(), &form);
    EXPECT_EQ(button->GetParentComponent(), panel);
    EXPECT_EQ(panel->Align, 1);
    EXPECT_EQ(panel->GetPopup(), form.FindComponent("PopupMenu1")) << "forward reference resolved";
    ASSERT_EQ(panel->GetPanels()->Count(), 2);
    EXPECT_EQ(static_cast<TRdPanelItem *>(panel->GetPanels()->Items(0))->Width, 80);
    EXPECT_EQ(static_cast<TRdPanelItem *>(panel->GetPanels()->Items(1))->Text, "Second");
    EXPECT_EQ(static_cast<TRdPanelItem *>(panel->GetPanels()->Items(1))->Width, 50);
    EXPECT_EQ(button->Caption, "Line one and two");
    EXPECT_FALSE(button->Visible);
    EXPECT_EQ(button->Ratio, 0.25);
    EXPECT_EQ(button->Glyph, std::string("\x01\x02\x03\x04\x05"));
    EXPECT_EQ(*static_cast<std::string *>(button->OnClick.Code), "Button1Click");
    EXPECT_EQ(memo->GetLines()->Text(), "first\r\n\xE2\xF2\xEE\xF0\xE0\xFF\r\n");
    EXPECT_EQ(memo->Height, 33) << "reading goes on after a skipped property";
    EXPECT_EQ(skipped, (std::vector<std::string>{"Memo1.Unknown", "Memo1.Align", "Memo1.Width"}));
    EXPECT_FALSE(static_cast<TRdMenu *>(form.FindComponent("PopupMenu1"))->AutoPopup);
    EXPECT_EQ(form.LoadedCalls, 1);
    EXPECT_EQ(button->LoadedCalls, 1);
    EXPECT_FALSE(button->HasState(csLoading));
    EXPECT_FALSE(button->HasState(csReading));
}

TEST(FormReader, SavedTreeReadsBackEqual)
{
    RegisterTestClasses();
    THandlerNames handlers;
    TRdForm original;
    ReadComponentFromBinary(ObjectTextToBinary(SampleForm), &original, handlers.Finder());
    const std::string saved = WriteComponentToBinary(&original, &THandlerNames::NameOf);

    TRdForm copy;
    ReadComponentFromBinary(saved, &copy, handlers.Finder());
    EXPECT_EQ(WriteComponentToBinary(&copy, &THandlerNames::NameOf), saved);
    ASSERT_EQ(copy.ComponentCount(), original.ComponentCount());
    for (int i = 0; i < original.ComponentCount(); ++i) {
        TComponent *twin = copy.FindComponent(original.Components(i)->Name());
        ASSERT_NE(twin, nullptr) << original.Components(i)->Name();
        EXPECT_EQ(twin->ClassName(), original.Components(i)->ClassName());
    }
    EXPECT_EQ(Control(&copy, "Button1")->GetParentComponent(), copy.FindComponent("Panel1"));
    EXPECT_EQ(Control(&copy, "Button1")->Caption, "Line one and two");
    EXPECT_EQ(Control(&copy, "Panel1")->GetPanels()->Count(), 2);
    EXPECT_EQ(Control(&copy, "Memo1")->GetLines()->Count(), 2);
    EXPECT_EQ(Control(&copy, "Panel1")->GetPopup(), copy.FindComponent("PopupMenu1"));
}

TEST(FormReader, WriterStoresOnlyNonDefaultValues)
{
    RegisterTestClasses();
    TRdForm form;
    form.SetName("Form1");
    auto *button = new TRdControl(&form);
    button->SetName("Button1");
    button->SetParentComponent(&form);
    button->Caption = "OK";
    button->GetFont()->Color = -16777201;
    auto *menu = new TRdMenu(&form);
    menu->SetName("Menu1");
    form.SetTag(3);
    const std::string text = ObjectBinaryToText(WriteComponentToBinary(&form));
    EXPECT_EQ(text,
              "object Form1: TRdForm\r\n"
              "  Tag = 3\r\n"
              "  Left = 0\r\n"
              "  Top = 0\r\n"
              "  Width = 0\r\n"
              "  Height = 0\r\n"
              "  object Menu1: TRdMenu\r\n"
              "  end\r\n"
              "  object Button1: TRdControl\r\n"
              "    Left = 0\r\n"
              "    Top = 0\r\n"
              "    Width = 0\r\n"
              "    Height = 0\r\n"
              "    Caption = 'OK'\r\n"
              "    Font.Color = clBtnFace\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(FormReader, RootClassNameIsIgnoredAndRootNameMadeUnique)
{
    RegisterTestClasses();
    TComponent application;
    auto *first = new TRdForm(&application);
    first->SetName("MainForm");
    auto *second = new TRdForm(&application);
    ReadComponentFromBinary(ObjectTextToBinary("object MainForm: TSomethingElse\n  Width = 5\nend"), second);
    EXPECT_EQ(second->Name(), "MainForm_1");
    EXPECT_EQ(second->Width, 5);
}

TEST(FormReader, UnknownClassIsAnErrorAndEarlierComponentsStay)
{
    RegisterTestClasses();
    TRdForm form;
    const std::string binary = ObjectTextToBinary("object F: TRdForm\n"
                                                  "  object A: TRdControl\n  end\n"
                                                  "  object B: TNoSuchClass\n  end\n"
                                                  "  object C: TRdControl\n  end\n"
                                                  "end");
    try {
        ReadComponentFromBinary(binary, &form);
        FAIL();
    } catch (const EClassNotFound &error) {
        EXPECT_EQ(error.Message(), "Class TNoSuchClass not found");
    }
    ASSERT_NE(form.FindComponent("A"), nullptr);
    EXPECT_EQ(form.FindComponent("C"), nullptr);
    EXPECT_EQ(Control(&form, "A")->LoadedCalls, 1) << "components read before the error are finished";
    EXPECT_FALSE(form.FindComponent("A")->HasState(csLoading));
}

TEST(FormReader, CreatesTheRootFromItsClassWhenNoneIsGiven)
{
    RegisterTestClasses();
    std::unique_ptr<TComponent> root(ReadComponentFromBinary(ObjectTextToBinary("object Button7: TRdControl\n  Caption = 'x'\nend"), nullptr));
    ASSERT_TRUE(root->Is<TRdControl>());
    EXPECT_EQ(root->Name(), "Button7");
    EXPECT_EQ(root->Owner(), nullptr);
    EXPECT_EQ(static_cast<TRdControl *>(root.get())->Caption, "x");
    EXPECT_THROW(ReadComponentFromBinary(ObjectTextToBinary("object X: TNoSuchClass\nend"), nullptr), EClassNotFound);
    EXPECT_THROW(ReadComponentFromBinary("TPX0", nullptr), EReadError);
}

TEST(FormReader, EveryTruncationOfAStreamFailsCleanly)
{
    RegisterTestClasses();
    const std::string binary = ObjectTextToBinary(SampleForm);
    THandlerNames handlers;
    for (size_t length = 0; length < binary.size(); ++length) {
        TRdForm form;
        EXPECT_ANY_THROW(ReadComponentFromBinary(binary.substr(0, length), &form, handlers.Finder())) << length;
    }
}

TEST(FormReader, PastingGivesNestedComponentsAnotherOwnerAndFreshNames)
{
    RegisterTestClasses();
    TRdForm form;
    auto *existing = new TRdControl(&form);
    existing->SetName("Button1");
    TStringStream stream(ObjectTextToBinary("object Panel9: TRdControl\n"
                                            "  object Button1: TRdControl\n    Caption = 'pasted'\n  end\n"
                                            "end"));
    TFormReader reader(stream);
    reader.SetOwner(&form);
    reader.OnSetName = [&](TFormReader &, TComponent *, std::string &name) {
        if (form.FindComponent(name))
            name = "Button2";
    };
    std::unique_ptr<TComponent> panel(reader.ReadRootComponent(nullptr));
    auto *pasted = Control(&form, "Button2");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Caption, "pasted");
    EXPECT_EQ(pasted->GetParentComponent(), panel.get());
    EXPECT_EQ(panel->ComponentCount(), 0);
    form.InsertComponent(panel.release());
}

namespace {

// "TPF0", a TRdForm named F and one property whose value the caller appends, then the ends.
std::string FormWithProperty(const std::string &property, const std::string &value)
{
    return std::string("TPF0") + char(7) + "TRdForm" + char(1) + "F" + char(property.size()) + property + value +
           std::string(2, '\0');
}

} // namespace

TEST(FormReader, ListsAndCollectionsLongerThanTheLimitStopTheRead)
{
    RegisterTestClasses();
    std::string lines(1, char(TValueType::vaList));
    for (int i = 0; i <= VlMaxFormListItems; ++i)
        lines += std::string{char(TValueType::vaString), '\0'};
    lines += '\0';
    TRdForm form;
    EXPECT_THROW(ReadComponentFromBinary(FormWithProperty("Lines.Strings", lines), &form), EFormLimitError);
    EXPECT_EQ(form.GetLines()->Count(), VlMaxFormListItems) << "what was read stays, the rest is refused";

    std::string panels(1, char(TValueType::vaCollection));
    for (int i = 0; i <= VlMaxFormListItems; ++i)
        panels += std::string{char(TValueType::vaList), '\0'};
    panels += '\0';
    TRdForm second;
    EXPECT_THROW(ReadComponentFromBinary(FormWithProperty("Panels", panels), &second), EFormLimitError);

    TRdForm small;
    ReadComponentFromBinary(FormWithProperty("Lines.Strings", std::string{char(TValueType::vaList), char(TValueType::vaString), 1, 'a', 0}), &small);
    ASSERT_EQ(small.GetLines()->Count(), 1);
    EXPECT_EQ(small.GetLines()->Get(0), "a");
}

TEST(FormReader, InheritedObjectsOnlyTakeComponentsInsideTheirOwnObject)
{
    RegisterTestClasses();
    TRdForm inside;
    ReadComponentFromBinary(ObjectTextToBinary("object F: TRdForm\n  object P1: TRdControl\n    object E: TRdControl\n"
                                               "    end\n    inherited E: TRdControl\n      Caption = 'again'\n    end\n"
                                               "  end\nend"),
                            &inside);
    EXPECT_EQ(Control(&inside, "E")->Caption, "again");
    EXPECT_EQ(Control(&inside, "E")->GetParentComponent(), Control(&inside, "P1"));

    const char *outside[] = {
        // a component of a sibling panel would move
        "object F: TRdForm\n  object P1: TRdControl\n    object E: TRdControl\n    end\n  end\n"
        "  object P2: TRdControl\n    inherited E: TRdControl\n    end\n  end\nend",
        // an ancestor would become its own descendant
        "object F: TRdForm\n  object P1: TRdControl\n    object P2: TRdControl\n      inherited P1: TRdControl\n"
        "      end\n    end\n  end\nend",
        // an object would become its own parent
        "object F: TRdForm\n  object P1: TRdControl\n    inherited P1: TRdControl\n    end\n  end\nend",
    };
    for (const char *text : outside) {
        TRdForm form;
        EXPECT_THROW(ReadComponentFromBinary(ObjectTextToBinary(text), &form), EFormLimitError) << text;
        if (TRdControl *e = Control(&form, "E")) {
            EXPECT_EQ(e->GetParentComponent(), Control(&form, "P1")) << text;
        }
    }
}
