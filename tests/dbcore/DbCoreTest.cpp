// Data sets need no window system: parameters and statements are split correctly, and a query runs
// on an in-memory SQLite database in a program that never made a QApplication.
#include "components/db/VlDbConnection.h"
#include "components/db/VlDbParams.h"
#include "components/db/VlDbTables.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlStrings.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(DbSqlText, ParametersBecomeMarkersOutsideQuotesCommentsAndCasts)
{
    const TParsedSql parsed = ParseSqlParams(
        QStringLiteral("SELECT a::text, ':skip' FROM t -- :nope\nWHERE b = :first AND c = :Second_2 OR d = :first"));
    EXPECT_EQ(parsed.Sql, QStringLiteral("SELECT a::text, ':skip' FROM t -- :nope\nWHERE b = ? AND c = ? OR d = ?"));
    EXPECT_EQ(parsed.Names, (std::vector<std::string>{"first", "Second_2", "first"}));
}

TEST(DbSqlText, StatementsSplitAtSemicolonsOutsideQuotes)
{
    const std::vector<QString> statements =
        SplitSqlStatements(QStringLiteral("INSERT INTO t VALUES ('a;b'); ; -- c;d\nUPDATE t SET x = \"y;z\";"));
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0], QStringLiteral("INSERT INTO t VALUES ('a;b')"));
    EXPECT_EQ(statements[1], QStringLiteral("UPDATE t SET x = \"y;z\""));
    EXPECT_EQ(CountSqlMarkers(QStringLiteral("SELECT '?' , ? , \"?\"")), 1);
}

TEST(DbParams, ANewTextKeepsTheValuesOfNamesThatStay)
{
    TParams params;
    params.Rebuild({"a", "b", "a"});
    ASSERT_EQ(params.Count(), 2);
    params.ParamByName("b")->SetAsInteger(7);
    params.Rebuild({"B", "c"});
    ASSERT_EQ(params.Count(), 2);
    EXPECT_EQ(params.Items(0)->AsInteger(), 7);
    EXPECT_TRUE(params.Items(1)->IsNull());
    EXPECT_THROW(params.ParamByName("a"), EDatabaseError);
}

TEST(DbWithoutWindows, AQueryRunsOnAnInMemoryDatabaseWithoutAnyApplicationObject)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    TQuery query;
    query.SetDatabaseName(":memory:");
    query.SQL()->SetText("CREATE TABLE t (n INTEGER, s TEXT); INSERT INTO t VALUES (1, 'x'), (2, NULL)");
    query.ExecSQL();
    query.SQL()->SetText("SELECT n, s FROM t WHERE n >= :low ORDER BY n");
    query.ParamByName("low")->SetAsInteger(1);
    query.Open();
    EXPECT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(query.FieldByName("s")->AsString(), "x");
    query.Next();
    EXPECT_TRUE(query.FieldByName("s")->IsNull());
    EXPECT_EQ(query.Fields()->Fields(0)->AsInteger(), 2);
    EXPECT_THROW(query.Edit(), EDatabaseError);
    query.Close();
    query.SQL()->SetText("SELECT * FROM missing");
    try {
        query.Open();
        FAIL() << "opened";
    } catch (const EDatabaseError &e) {
        EXPECT_NE(std::string(e.Message()).find("no such table: missing"), std::string::npos) << e.Message();
    }
}
