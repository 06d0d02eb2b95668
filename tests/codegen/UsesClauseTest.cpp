// The uses clause built from the ticked units of the uses-list dialog.
#include "VlUsesClause.h"

#include <gtest/gtest.h>

namespace {

TEST(UsesClauseTest, InitialTicksGiveTheUsualClause)
{
    const QStringList ticked = UsesListUnits().mid(0, UsesListInitiallyTicked);
    EXPECT_EQ(BuildUsesClause(ticked),
              "Uses\n"
              "   Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls, Forms,\n"
              "   Dialogs;");
}

TEST(UsesClauseTest, ShortAndEmptyLists)
{
    EXPECT_EQ(BuildUsesClause({"SysUtils"}), "Uses\n   SysUtils;");
    EXPECT_EQ(BuildUsesClause({"Math", "IniFiles"}), "Uses\n   Math, IniFiles;");
    EXPECT_EQ(BuildUsesClause({}), "Uses ;");
}

TEST(UsesClauseTest, NoLineLongerThanEighty)
{
    for (const QString &line : BuildUsesClause(UsesListUnits()).split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_EQ(UsesListUnits().size(), 15);
}

} // namespace
