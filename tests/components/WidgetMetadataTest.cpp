// The widget classes as the registry and their metadata describe them: names, kinds, defaults, sizes.
#include "VlButtons.h"
#include "VlClassRegistry.h"
#include "VlComCtrls.h"
#include "VlExtCtrls.h"
#include "VlForms.h"
#include "VlRegisterComponents.h"
#include "VlStdCtrls.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct TPropRow {
    const char *ClassName;
    const char *Property;
    TTypeKind Kind;
    const char *TypeName;
    bool HasDefault;
    int64_t Default;
};

const TPropRow PropRows[] = {
    {"TButton", "Caption", TTypeKind::String, "TCaption", false, 0},
    {"TButton", "ModalResult", TTypeKind::Integer, "TModalResult", true, 0},
    {"TButton", "TabStop", TTypeKind::Enumeration, "Boolean", true, 1},
    {"TButton", "OnClick", TTypeKind::Method, "TNotifyEvent", false, 0},
    {"TButton", "Font", TTypeKind::Class, "TFont", false, 0},
    {"tbutton", "left", TTypeKind::Integer, "Integer", false, 0},
    {"TLabel", "AutoSize", TTypeKind::Enumeration, "Boolean", true, 1},
    {"TLabel", "Alignment", TTypeKind::Enumeration, "TAlignment", true, taLeftJustify},
    {"TLabel", "OnMouseDown", TTypeKind::Method, "TMouseEvent", false, 0},
    {"TEdit", "Text", TTypeKind::String, "TCaption", false, 0},
    {"TEdit", "Color", TTypeKind::Integer, "TColor", true, clWindow},
    {"TEdit", "OnKeyPress", TTypeKind::Method, "TKeyPressEvent", false, 0},
    {"TEdit", "PasswordChar", TTypeKind::Char, "Char", true, 0},
    {"TMemo", "Lines", TTypeKind::Class, "TStrings", false, 0},
    {"TMemo", "ScrollBars", TTypeKind::Enumeration, "TScrollStyle", true, ssNone},
    {"TPanel", "BevelOuter", TTypeKind::Enumeration, "TBevelCut", true, bvRaised},
    {"TPanel", "Color", TTypeKind::Integer, "TColor", true, clBtnFace},
    {"TPanel", "Align", TTypeKind::Enumeration, "TAlign", true, alNone},
    {"TPanel", "Anchors", TTypeKind::Set, "TAnchors", true, DefaultAnchors},
    {"TCheckBox", "Checked", TTypeKind::Enumeration, "Boolean", true, 0},
    {"TComboBox", "Items", TTypeKind::Class, "TStrings", false, 0},
    {"TComboBox", "DropDownCount", TTypeKind::Integer, "Integer", true, 8},
    {"TTrackBar", "Max", TTypeKind::Integer, "Integer", true, 10},
    {"TProgressBar", "Max", TTypeKind::Integer, "Integer", true, 100},
    {"TScrollBar", "OnScroll", TTypeKind::Method, "TScrollEvent", false, 0},
    {"TUpDown", "OnClick", TTypeKind::Method, "TUDClickEvent", false, 0},
    {"TStatusBar", "Panels", TTypeKind::Class, "TStatusPanels", false, 0},
    {"TStatusBar", "Align", TTypeKind::Enumeration, "TAlign", true, alBottom},
    {"TForm", "Visible", TTypeKind::Enumeration, "Boolean", true, 0},
    {"TForm", "BorderStyle", TTypeKind::Enumeration, "TFormBorderStyle", true, bsSizeable},
    {"TForm", "Color", TTypeKind::Integer, "TColor", true, clBtnFace},
    {"TForm", "OnCloseQuery", TTypeKind::Method, "TCloseQueryEvent", false, 0},
    {"TForm", "OnClose", TTypeKind::Method, "TCloseEvent", false, 0},
    {"TForm", "ClientWidth", TTypeKind::Integer, "Integer", false, 0},
    {"TForm", "Menu", TTypeKind::Class, "TMainMenu", false, 0},
    {"TTimer", "Interval", TTypeKind::Integer, "Cardinal", true, 1000},
    {"TTimer", "OnTimer", TTypeKind::Method, "TNotifyEvent", false, 0},
    {"TMenuItem", "ShortCut", TTypeKind::Integer, "TShortCut", true, 0},
    {"TShape", "Shape", TTypeKind::Enumeration, "TShapeType", true, stRectangle},
    {"TShape", "Brush", TTypeKind::Class, "TBrush", false, 0},
    {"TBitBtn", "Kind", TTypeKind::Enumeration, "TBitBtnKind", true, bkCustom},
    {"TBitBtn", "Caption", TTypeKind::String, "TCaption", false, 0},
    {"TSplitter", "Align", TTypeKind::Enumeration, "TAlign", true, alLeft},
    {"TFont", "Style", TTypeKind::Set, "TFontStyles", true, 0},
    {"TFont", "Color", TTypeKind::Integer, "TColor", true, clWindowText},
    {"TPen", "Width", TTypeKind::Integer, "Integer", true, 1},
    {"TBrush", "Style", TTypeKind::Enumeration, "TBrushStyle", true, bsSolid},
};

class PropertyMetadata : public testing::TestWithParam<TPropRow> {};

TEST_P(PropertyMetadata, ReadsThroughTheRegistry)
{
    RegisterVlComponents();
    const TPropRow &row = GetParam();
    const TClassInfo *cls = FindClass(row.ClassName);
    ASSERT_NE(cls, nullptr) << row.ClassName;
    const TPropInfo *prop = cls->FindProperty(row.Property);
    ASSERT_NE(prop, nullptr) << row.ClassName << "." << row.Property;
    EXPECT_EQ(prop->Kind, row.Kind);
    EXPECT_EQ(prop->TypeName, row.TypeName);
    EXPECT_EQ(prop->HasDefault, row.HasDefault);
    if (row.HasDefault) {
        EXPECT_EQ(prop->DefaultValue, row.Default);
    }
}

INSTANTIATE_TEST_SUITE_P(Widgets, PropertyMetadata, testing::ValuesIn(PropRows), [](const auto &info) {
    return std::string(info.param.ClassName) + "_" + info.param.Property;
});

// Properties a Delphi developer would not find on the class.
TEST(WidgetMetadata, PublishesOnlyWhatTheClassHas)
{
    RegisterVlComponents();
    EXPECT_EQ(FindClass("TEdit")->FindProperty("Caption"), nullptr);
    EXPECT_EQ(FindClass("TButton")->FindProperty("Text"), nullptr);
    EXPECT_EQ(FindClass("TButton")->FindProperty("Color"), nullptr);
    EXPECT_EQ(FindClass("TLabel")->FindProperty("OnKeyDown"), nullptr);
    EXPECT_EQ(FindClass("TLabel")->FindProperty("TabOrder"), nullptr);
}

TEST(WidgetMetadata, PaletteClassesAreRegisteredInPaletteOrder)
{
    RegisterVlComponents();
    const char *palette[] = {"TButton", "TLabel", "TPanel", "TImage", "TCheckBox", "TEdit", "TComboBox",
                             "TRadioButton", "TTrackBar", "TProgressBar", "TScrollBar", "TUpDown", "TMemo",
                             "TGroupBox", "TListBox", "TTreeView", "TStatusBar"};
    std::vector<std::string> registered;
    for (const TClassInfo *cls : RegisteredClasses())
        registered.push_back(cls->ClassName());
    size_t last = 0;
    for (const char *name : palette) {
        auto it = std::find(registered.begin(), registered.end(), name);
        ASSERT_NE(it, registered.end()) << name;
        const size_t at = size_t(it - registered.begin());
        EXPECT_GE(at, last) << name;
        last = at;
    }
    for (const char *name : {"TForm", "TShape", "TBevel", "TTimer", "TPageControl", "TTabSheet", "TMainMenu",
                             "TPopupMenu", "TMenuItem", "TSpeedButton", "TBitBtn", "TStringGrid", "TImageList",
                             "TRadioGroup", "TSplitter", "TPaintBox"})
        EXPECT_NE(FindClass(name), nullptr) << name;
}

struct TSizeRow {
    const char *ClassName;
    int Width;
    int Height;
};

const TSizeRow SizeRows[] = {
    {"TButton", 75, 25}, {"TPanel", 185, 41}, {"TEdit", 121, 21}, {"TCheckBox", 97, 17},
    {"TComboBox", 145, 21}, {"TRadioButton", 113, 17}, {"TTrackBar", 150, 45}, {"TProgressBar", 150, 16},
    {"TScrollBar", 121, 16}, {"TMemo", 185, 89}, {"TGroupBox", 185, 105}, {"TListBox", 121, 97},
    {"TTreeView", 121, 97}, {"TImage", 105, 105}, {"TShape", 65, 65}, {"TBevel", 50, 50},
};

class DefaultSize : public testing::TestWithParam<TSizeRow> {};

TEST_P(DefaultSize, NewControlsGetTheirClassSize)
{
    RegisterVlComponents();
    const TSizeRow &row = GetParam();
    std::unique_ptr<TObject> object(GetClass(row.ClassName).CreateInstance(nullptr));
    auto *control = dynamic_cast<TControl *>(object.get());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->DefaultWidth(), row.Width);
    EXPECT_EQ(control->DefaultHeight(), row.Height);
    EXPECT_EQ(control->Width(), row.Width);
    EXPECT_EQ(control->Height(), row.Height);
    ASSERT_NE(control->Widget(), nullptr);
    EXPECT_EQ(TControl::FromWidget(control->Widget()), control);
}

INSTANTIATE_TEST_SUITE_P(Widgets, DefaultSize, testing::ValuesIn(SizeRows),
                         [](const auto &info) { return std::string(info.param.ClassName); });

TEST(WidgetMetadata, NamedColoursCursorsAndCharsetsRoundTrip)
{
    TColor color = 0;
    ASSERT_TRUE(StringToColor("clBtnFace", color));
    EXPECT_EQ(color, clBtnFace);
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    ASSERT_TRUE(StringToColor("$000000FF", color));
    EXPECT_EQ(color, clRed);
    EXPECT_FALSE(StringToColor("clNoSuchColour", color));
    EXPECT_EQ(IdentToCursor("crHandPoint").value_or(0), crHandPoint);
    EXPECT_EQ(IdentToCharset("russian_charset").value_or(0), 204);
    EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(clBtnFace), QColor(240, 240, 240));
}

} // namespace
