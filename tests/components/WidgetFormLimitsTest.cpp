// Form files cannot ask the widgets for unbounded resources: deep tree node data, huge grids and
// controls, menus that contain themselves; each is a read error and what was read stays usable.
#include "WidgetTestSupport.h"

#include "VlComCtrls.h"
#include "VlExceptions.h"
#include "VlFormLimits.h"
#include "VlForms.h"
#include "VlGrids.h"
#include "VlMenus.h"
#include "VlPicture.h"
#include "VlStdCtrls.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string Int32Hex(int32_t value)
{
    char text[9];
    const auto v = static_cast<uint32_t>(value);
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24);
    return text;
}

// Tree node data of one chain of nodes `depth` deep, each with an empty text.
std::string ChainOfNodes(int depth)
{
    std::string hex = Int32Hex(1);
    for (int level = 1; level <= depth; ++level)
        hex += Int32Hex(25) + std::string(40, '0') + Int32Hex(level < depth ? 1 : 0) + "00";
    return "object F: TForm\r\n  object T: TTreeView\r\n    Items.Data = {" + hex + "}\r\n  end\r\nend\r\n";
}

std::string FormWith(const std::string &body)
{
    return "object F: TForm\r\n" + body + "end\r\n";
}

} // namespace

TEST(WidgetFormLimits, TreeNodeDataNestedTooDeeplyIsARefusedRead)
{
    RegisterVlComponents();
    TForm shallow;
    LoadFormFromBytes(ChainOfNodes(50), &shallow);
    auto *tree = static_cast<TTreeView *>(shallow.FindComponent("T"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Items()->Count(), 50);
    EXPECT_EQ(tree->Items()->Item(49)->Level(), 49);

    TForm deep;
    try {
        LoadFormFromBytes(ChainOfNodes(VlMaxFormNesting + 1), &deep);
        FAIL() << "read";
    } catch (const EFormLimitError &error) {
        EXPECT_EQ(error.Message(), "Tree node depth 201 is beyond the limit of 200");
    }
}

TEST(WidgetFormLimits, GridsAndControlsCannotAskForHugeSizes)
{
    RegisterVlComponents();
    const struct {
        const char *Name;
        std::string Body;
        std::string Message;
    } cases[] = {
        {"grid", "  object G: TStringGrid\r\n    ColCount = 100000\r\n    RowCount = 100000\r\n  end\r\n",
         "Grid cells 10000000000 is beyond the limit of 1000000"},
        {"control width", "  object B: TButton\r\n    Width = 2000000000\r\n  end\r\n",
         "Width 2000000000 is beyond the limit of 16384"},
        {"form height", "  Height = 100000\r\n", "Height 100000 is beyond the limit of 16384"},
        {"image list", "  object I: TImageList\r\n    Width = 1000000\r\n  end\r\n",
         "Image width 1000000 is beyond the limit of 16384"},
    };
    for (const auto &c : cases) {
        TForm form;
        try {
            LoadFormFromBytes(FormWith(c.Body), &form);
            ADD_FAILURE() << c.Name << " was read";
        } catch (const EFormLimitError &error) {
            EXPECT_EQ(error.Message(), c.Message) << c.Name;
        }
    }
    TForm fine;
    LoadFormFromBytes(FormWith("  object G: TStringGrid\r\n    ColCount = 20\r\n    RowCount = 30\r\n  end\r\n"), &fine);
    EXPECT_EQ(static_cast<TStringGrid *>(fine.FindComponent("G"))->RowCount(), 30);

    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetSize(100000, 100000), EFormLimitError);
    bitmap.SetSize(20, 10);
    EXPECT_EQ(bitmap.Width(), 20);
}

TEST(WidgetFormLimits, MenuItemsNeverContainThemselves)
{
    RegisterVlComponents();
    TForm form;
    EXPECT_THROW(LoadFormFromBytes(FormWith("  object M: TMainMenu\r\n    object A: TMenuItem\r\n"
                                            "      object B: TMenuItem\r\n        inherited A: TMenuItem\r\n"
                                            "        end\r\n      end\r\n    end\r\n  end\r\n"),
                                   &form),
                 EFormLimitError);
    auto *a = static_cast<TMenuItem *>(form.FindComponent("A"));
    auto *b = static_cast<TMenuItem *>(form.FindComponent("B"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Parent(), a);

    TMenuItem top(nullptr), middle(nullptr), bottom(nullptr);
    top.Add(&middle);
    middle.Add(&bottom);
    top.Remove(&middle);
    bottom.Add(&top);  // now bottom contains top; middle still contains bottom
    EXPECT_THROW(top.Add(&middle), EInvalidOperation);
    EXPECT_THROW(middle.Add(&middle), EInvalidOperation);
    bottom.Remove(&top);
    middle.Remove(&bottom);
}

TEST(WidgetFormLimits, AByteOrderMarkBeforeCp1251TextIsDroppedAndTheTextReadAsCp1251)
{
    RegisterVlComponents();
    TForm form;
    // "Привет" in CP1251 is no UTF-8, so the file is CP1251 whatever its first bytes say.
    LoadFormFromBytes("\xEF\xBB\xBF" "object F: TForm\r\n  Caption = '\xcf\xf0\xe8\xe2\xe5\xf2'\r\nend\r\n", &form);
    EXPECT_EQ(form.Caption(), "\xcf\xf0\xe8\xe2\xe5\xf2");
    TForm utf8;
    LoadFormFromBytes("\xEF\xBB\xBF" "object F: TForm\r\n  Caption = '\xd0\x9f\xd1\x80'\r\nend\r\n", &utf8);
    EXPECT_EQ(utf8.Caption(), "\xcf\xf0");
}
