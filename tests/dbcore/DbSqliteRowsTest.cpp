// A query's records are read from SQLite's statement itself; a table's go through Qt's driver.
// Both must give the same cells, whatever the text holds, and a step that fails must say why.
#include "components/db/VlDbField.h"
#include "components/db/VlDbTables.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlStrings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Every cell of every record as the data set reads it ("<null>" for NULL), record by record.
std::vector<std::vector<std::string>> Cells(TDataSet &data)
{
    std::vector<std::vector<std::string>> rows;
    for (data.First(); !data.Eof(); data.Next()) {
        std::vector<std::string> row;
        for (int i = 0; i < data.Fields()->Count(); ++i) {
            TField *field = data.Fields()->Fields(i);
            row.push_back(field->IsNull() ? "<null>" : field->AsString());
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(DbSqliteRows, AQueryReadsEveryKindOfCellAsTheDriverDoes)
{
    // A file, so that both readers see the same data. The script side writes CP1251; what no
    // CP1251 text can say (and what is no UTF-8 at all) goes in as bytes.
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

    TQuery query;
    query.SetDatabaseName(file);
    query.SQL()->SetText("SELECT id, t, n, b FROM cells ORDER BY id");
    query.Open();
    const auto fromStatement = Cells(query);
    query.Close();

    TTable table;
    table.SetDatabaseName(file);
    table.SetTableName("cells");
    table.Open();
    const auto fromDriver = Cells(table);
    table.Close();

    ASSERT_EQ(fromStatement.size(), 8u);
    EXPECT_EQ(fromStatement, fromDriver);
    EXPECT_EQ(fromStatement[1][1], "\xA8\xEB\xEA\xE0 \xB9 5 \xAB\x97\xBB");  // Ёлка № 5 «—»
    EXPECT_EQ(fromStatement[2][1], "? ?? end");  // no CP1251 letter; one mark per UTF-16 unit
    EXPECT_EQ(fromStatement[5][1], "A?B");  // an overlong form is no letter
    EXPECT_EQ(fromStatement[1][3], std::string("\x00\xFF", 2));
    EXPECT_EQ(fromStatement[0][3], "<null>");
    EXPECT_EQ(fromStatement[5][2], "9223372036854775807");
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
