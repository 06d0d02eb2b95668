// The data sets read SQLite's records from the engine's statement itself. The cells must be what
// Qt's driver gives, whatever the text holds, and a step that fails must say why.
#include "components/db/VlDbField.h"
#include "components/db/VlDbResultRows.h"
#include "components/db/VlDbTables.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlStrings.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The cells of every record of a query on the file: read by the data sets' reader, or each
// column through Qt's driver.
std::vector<TDbRow> Records(const std::string &file, bool throughTheDriver)
{
    std::vector<TDbRow> records;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cells"));
        db.setDatabaseName(QString::fromStdString(file));
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        query.setForwardOnly(true);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT id, t, n, b FROM cells ORDER BY id")));
        if (throughTheDriver) {
            while (query.next()) {
                TDbRow row;
                for (int i = 0; i < 4; ++i)
                    row.push_back(DbFromVariant(query.value(i)));
                records.push_back(row);
            }
        } else {
            TDbResultRows rows(std::move(query), 4);
            for (TDbRow row; rows.Next(row);)
                records.push_back(row);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cells"));
    return records;
}

} // namespace

TEST(DbSqliteRows, TheStatementGivesEveryKindOfCellAsTheDriverDoes)
{
    // The script side writes CP1251; what no CP1251 text can say (and what is no UTF-8 at all)
    // goes in as bytes.
    const std::string file = testing::TempDir() + "sqlite_rows.db";
    std::remove(file.c_str());
    TQuery setup;
    setup.SetDatabaseName(file);
    setup.SQL()->SetText(
        "CREATE TABLE cells (id INTEGER PRIMARY KEY, t TEXT, n, b BLOB);"
        "INSERT INTO cells VALUES (1, 'plain', 42, NULL);"
        "INSERT INTO cells VALUES (2, '\xA8\xEB\xEA\xE0 \xB9 5 \xAB\x97\xBB', 2.5, x'00ff');"
        "INSERT INTO cells VALUES (3, CAST(x'e4b8ad20f09f988020656e64' AS TEXT), -7, x'');"
        "INSERT INTO cells VALUES (4, CAST(x'd0' AS TEXT), NULL, NULL);"
        "INSERT INTO cells VALUES (5, CAST(x'd090bf41' AS TEXT), 'x', NULL);"
        "INSERT INTO cells VALUES (6, CAST(x'41e0808042' AS TEXT), 9223372036854775807, NULL);"
        "INSERT INTO cells VALUES (7, CAST(x'c3a9efbfbf' AS TEXT), 0, NULL);"
        "INSERT INTO cells VALUES (8, '', '', NULL)");
    setup.ExecSQL();

    const std::vector<TDbRow> fromStatement = Records(file, false);
    ASSERT_EQ(fromStatement.size(), 8u);
    EXPECT_EQ(fromStatement, Records(file, true));
    EXPECT_EQ(fromStatement[1][1].Str, "\xA8\xEB\xEA\xE0 \xB9 5 \xAB\x97\xBB");  // Ёлка № 5 «—»
    EXPECT_EQ(fromStatement[2][1].Str, "? ?? end");  // no CP1251 letter; one mark per UTF-16 unit
    EXPECT_EQ(fromStatement[5][1].Str, "A?B");       // an overlong form is no letter
    EXPECT_EQ(fromStatement[1][3].Str, std::string("\x00\xFF", 2));
    EXPECT_TRUE(DbIsNull(fromStatement[0][3]));
    EXPECT_EQ(fromStatement[5][2].Int, 9223372036854775807);

    // A table reads through the same reader: its records carry the same cells.
    TTable table;
    table.SetDatabaseName(file);
    table.SetTableName("cells");
    table.Open();
    table.Last();
    EXPECT_EQ(table.FieldByName("t")->AsString(), "");
    table.Prior();
    EXPECT_EQ(table.FieldByName("t")->AsString(), "??");
    table.Close();
    std::remove(file.c_str());
}

TEST(DbSqliteRows, AStepThatFailsRaisesTheEnginesMessageAndEndsTheResult)
{
    TQuery query;
    query.SetDatabaseName(":memory:");
    query.SQL()->SetText("CREATE TABLE v (id INTEGER, x INTEGER);"
                         "INSERT INTO v VALUES (1, -5), (2, -9223372036854775808), (3, 1)");
    query.ExecSQL();
    query.SQL()->SetText("SELECT id, abs(x) FROM v");
    query.Open();
    EXPECT_EQ(query.Fields()->Fields(1)->AsInteger(), 5);
    try {
        query.Next();
        FAIL() << "the second record read";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(std::string(e.Message()), "integer overflow");
    }
    EXPECT_NO_THROW(query.Next());
    query.Close();
    // The connection is free again: the next statement runs.
    query.SQL()->SetText("SELECT count(*) FROM v");
    query.Open();
    EXPECT_EQ(query.Fields()->Fields(0)->AsInteger(), 3);
}
