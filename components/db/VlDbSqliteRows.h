// The records of an open SQLite result read from the engine's statement under Qt's driver. The
// driver turns every column of every record into UTF-16 before anyone asks for it; a record loop
// paid for that on each step.
#pragma once

#include "VlDbValue.h"

class QSqlQuery;
struct sqlite3_stmt;

// The statement of an executed SQLite query (nullptr for the other engines).
sqlite3_stmt *DbSqliteStatement(const QSqlQuery &query);
// The first columns of the record the statement stands on, as Qt's driver would give them, into
// row (its cells are reused).
void DbSqliteReadRow(sqlite3_stmt *statement, int columns, TDbRow &row);
// Steps to the next record: false at the end of the result; raises EDBEngineError with the
// engine's message when the step fails.
bool DbSqliteStep(sqlite3_stmt *statement);
