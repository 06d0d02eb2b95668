// Connections to the engines, shared by every data set and TDatabase that names the same database:
// an SQLite file (or ":memory:") or a "postgresql://" URL. Statements run here, and engine errors
// become EDatabaseError with the engine's own message.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDbConnection {
public:
    // Opens the database; EDatabaseError with the engine's message when it cannot.
    explicit TDbConnection(const std::string &databaseName);
    // Rolls back a transaction still open, so that nothing half-done is ever kept.
    ~TDbConnection();
    TDbConnection(const TDbConnection &) = delete;
    TDbConnection &operator=(const TDbConnection &) = delete;

    const std::string &DatabaseName() const { return FDatabaseName; }
    QSqlDatabase Database() const { return QSqlDatabase::database(FConnectionName, false); }
    bool IsPostgres() const { return FPostgres; }

    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return FInTransaction; }

    // Runs the statements of sql (several, separated by ';', run in one transaction unless one is
    // open already, so that either all of them take effect or none); values fill the '?' markers
    // in order. The query of the last statement is returned, positioned before its first row.
    QSqlQuery Execute(const QString &sql, const std::vector<QVariant> &values);
    // The table names and the primary-key column names of a table.
    std::vector<std::string> TableNames() const;
    std::vector<std::string> PrimaryKey(const std::string &table) const;
    // What tells the rows of a table apart when it has no primary key: the engine's own row
    // address (SQLite's rowid, PostgreSQL's ctid, which changes with every update of the row).
    // Views have none.
    bool HasRowIdentity(const std::string &table) const;
    QString RowIdentityColumn() const;
    // "rowid = ?", "ctid = CAST(? AS tid)".
    QString RowIdentityTerm() const;
    // A name quoted for the engine ("x" / "x""y").
    static QString QuoteName(const std::string &cp1251Name);

    // Results that data sets read as their cursors get there. Before anything else runs on the
    // connection they are read to the end: an engine may refuse a statement while a result is
    // open, or drop the rest of it.
    void AddOpenResult(const void *owner, std::function<void()> readRest);
    void RemoveOpenResult(const void *owner);
    void FinishOpenResults() const;

private:
    std::string FDatabaseName;
    QString FConnectionName;
    bool FPostgres = false;
    bool FInTransaction = false;
    mutable std::vector<std::pair<const void *, std::function<void()>>> FOpenResults;
};

// The shared connection for a database name; it closes when the last holder lets go.
std::shared_ptr<TDbConnection> VlDbConnect(const std::string &databaseName);
// The databases with an open connection, in the order they were opened.
std::vector<std::string> VlDbOpenDatabaseNames();

// The statements of an SQL text, split at ';' outside quotes and comments; empty ones dropped.
std::vector<QString> SplitSqlStatements(const QString &sql);
// The '?' markers of one statement outside quotes.
int CountSqlMarkers(const QString &statement);
