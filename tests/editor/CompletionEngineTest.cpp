// Completion templates: word rules, list building and selection, expansion as one undo step.
#include "editor/VlCompletionEngine.h"
#include "editor/VlEditorModel.h"

#include <gtest/gtest.h>

namespace {
TEST(CompletionFields, SeparatedFields)
{
    const QString entry = "cases==case statement==case | of/n";
    EXPECT_EQ(VlCompletionField(entry, 0, "=="), "cases");
    EXPECT_EQ(VlCompletionField(entry, 1, "=="), "case statement");
    EXPECT_EQ(VlCompletionField(entry, 2, "=="), "case | of/n");
    EXPECT_EQ(VlCompletionField("==x", 0, "=="), "");
    EXPECT_EQ(VlCompletionField("a", 3, "=="), "");
}

TEST(CompletionList, FilteringAndSelection)
{
    const QStringList all = VlDefaultTemplates();
    ASSERT_EQ(all.size(), 9);
    const QStringList cla = VlBuildCompletionList(all, "cla");
    ASSERT_EQ(cla.size(), 3);
    EXPECT_EQ(VlSelectCompletion(cla, "cla"), 0);
    EXPECT_EQ(VlSelectCompletion(cla, "classd"), 1);
    EXPECT_EQ(VlSelectCompletion(cla, "clax"), -1);
    EXPECT_EQ(VlBuildCompletionList(all, "Foo").size(), 9);
    EXPECT_EQ(VlSelectCompletion(all, "Foo"), -1);
    EXPECT_EQ(VlSelectCompletion(all, " "), -1);
    const QStringList cases = VlBuildCompletionList(all, "CASES");
    EXPECT_TRUE(VlCompletionIsComplete(cases, VlSelectCompletion(cases, "CASES"), "CASES", "=="));
}

TEST(CompletionWords, WordBeforeCaretAndWordToReplace)
{
    EXPECT_EQ(VlWordBeforeCaret("  foo", 5), "foo");
    EXPECT_EQ(VlWordBeforeCaret("x (", 3), "(");
    EXPECT_EQ(VlWordBeforeCaret("x", 0), "");
    int start = 0, end = 0;
    VlWordToReplace("    cases", 9, start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 9);
    VlWordToReplace("foo(", 4, start, end);
    EXPECT_EQ(start, end);
    VlWordToReplace("a  ", 3, start, end);
    EXPECT_EQ(start, end);
}

TEST(CompletionInsert, CasesTemplateIndentsAndPlacesTheCaret)
{
    TVlEditorModel model;
    model.SetText("    cases");
    model.SetCaret({9, 0});
    const TVlCompletionSettings settings = VlDefaultCompletionSettings();
    VlInsertCompletionText(model, VlCompletionField(settings.Templates[2], 2, "=="), settings);
    EXPECT_EQ(model.Text(), "    case  of\r\n      : ;\r\n      : ;\r\n    end;\r\n\r\n");
    EXPECT_EQ(model.Caret(), (TVlPos{9, 0}));
    model.Undo();
    EXPECT_EQ(model.Text(), "    cases\r\n");
}

TEST(CompletionInsert, RestOfTheLineFollowsTheTemplate)
{
    TVlEditorModel model;
    model.SetText("  fors x");
    model.SetCaret({6, 0});
    const TVlCompletionSettings settings = VlDefaultCompletionSettings();
    VlInsertCompletionText(model, "for | :=  to  do/n", settings);
    EXPECT_EQ(model.Text(), "  for  :=  to  do\r\n   x\r\n");
    EXPECT_EQ(model.Caret(), (TVlPos{6, 0}));
}
} // namespace
