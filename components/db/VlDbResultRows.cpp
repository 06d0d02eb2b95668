#include "VlDbResultRows.h"
#include "VlDbSqliteRows.h"

#include "rtl/VlExceptions.h"

#include <QSqlError>

TDbResultRows::TDbResultRows(QSqlQuery query, int columns)
    : FQuery(std::move(query)), FColumns(columns), FStatement(DbSqliteStatement(FQuery))
{
}

bool TDbResultRows::Step()
{
    if (FStepStatement)
        return DbSqliteStep(FStatement);
    FStepStatement = FStatement != nullptr;
    if (FQuery.next())
        return true;
    const QSqlError error = FQuery.lastError();
    if (error.isValid())
        throw EDBEngineError(DbCp1251(error.databaseText()));
    return false;
}

bool TDbResultRows::Next(TDbRow &row)
{
    if (!FQuery.isActive() || !Step())
        return false;
    if (FStatement) {
        DbSqliteReadRow(FStatement, FColumns, row);
        return true;
    }
    row.resize(static_cast<size_t>(FColumns));
    for (int i = 0; i < FColumns; ++i)
        row[static_cast<size_t>(i)] = DbFromVariant(FQuery.value(i));
    return true;
}
