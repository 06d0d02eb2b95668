// The records of an executed query, read one at a time as they are asked for. SQLite's are read
// from the engine's statement under Qt's driver (VlDbSqliteRows.h); the other engines' through
// the driver.
#pragma once

#include "VlDbValue.h"

#include <QSqlQuery>

struct sqlite3_stmt;

class TDbResultRows {
public:
    TDbResultRows() = default;
    // The first `columns` columns of each record of an executed query.
    TDbResultRows(QSqlQuery query, int columns);
    bool Active() const { return FQuery.isActive(); }
    // The next record into row, whose cells are reused: false at the end of the result (row is
    // left as it was). Raises EDBEngineError with the engine's message when reading fails.
    bool Next(TDbRow &row);

private:
    bool Step();
    QSqlQuery FQuery;
    int FColumns = 0;
    sqlite3_stmt *FStatement = nullptr;
    // The driver read the first record when the query ran and hands it over without a step;
    // the statement is stepped here after that.
    bool FStepStatement = false;
};
