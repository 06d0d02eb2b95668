// Skeleton texts against their golden files, and the substitution rules.
#include "GoldenText.h"
#include "VlSkeletons.h"

namespace {

TEST(SkeletonsTest, GoldenTexts)
{
    ExpectGolden("form-unit.pas", FormUnitSkeleton("Unit1", "Form1").join('\n'));
    ExpectGolden("form-unit-main.pas", FormUnitSkeleton("MainUnit", "Main").join('\n'));
    ExpectGolden("console.dpr", ConsoleSkeleton("Hello").join('\n'));
    ExpectGolden("library.dpr", LibrarySkeleton("Library1").join('\n'));
    ExpectGolden("empty-unit.pas", EmptyUnitSkeleton().join('\n'));
    ExpectGolden("form.dfm", FormDescriptionSkeleton().join('\n'));
}

TEST(SkeletonsTest, LineCountsAndKeyLines)
{
    const QStringList unit = FormUnitSkeleton("Unit1", "Form1");
    ASSERT_EQ(unit.size(), 23);
    EXPECT_EQ(unit[0], "unit Unit1;");
    EXPECT_EQ(unit[8], " TForm1= class(TForm)");
    EXPECT_EQ(unit[16], " Form1:TForm1;");
    EXPECT_EQ(ConsoleSkeleton("x").size(), 10);
    EXPECT_EQ(LibrarySkeleton("x").size(), 9);
    EXPECT_EQ(EmptyUnitSkeleton().size(), 7);
    EXPECT_EQ(FormDescriptionSkeleton().size(), 15);
}

TEST(SkeletonsTest, NamesAreUsedExactlyAsTyped)
{
    EXPECT_EQ(ConsoleSkeleton("My App").first(), "program My App;");
    EXPECT_EQ(LibrarySkeleton("").first(), "library ;");
    EXPECT_EQ(FormUnitSkeleton(" U ", "Главная")[16], " Главная:TГлавная;");
}

} // namespace
