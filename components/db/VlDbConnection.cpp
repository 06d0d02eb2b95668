// Engine connections over Qt Sql, and statements run on them.
#include "VlDbConnection.h"

#include "VlDbValue.h"

#include "rtl/VlExceptions.h"
#include "rtl/VlNameCompare.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <map>
#include <utility>

namespace {

struct TRegistry {
    std::map<std::string, std::weak_ptr<TDbConnection>> Open;
    std::vector<std::string> Order;
    int Counter = 0;
};

TRegistry &Registry()
{
    static TRegistry registry;
    return registry;
}

[[noreturn]] void RaiseEngine(const QSqlError &error, const std::string &context = {})
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    throw EDBEngineError(context + DbCp1251(text));
}

bool IsPostgresUrl(const std::string &name)
{
    return name.rfind("postgresql://", 0) == 0 || name.rfind("postgres://", 0) == 0;
}

// The drivers are plug-ins, which Qt finds only with an application object: a plain host (the
// headless runner, a test) gets a core one.
void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "veltrano";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

} // namespace

TDbConnection::TDbConnection(const std::string &databaseName) : FDatabaseName(databaseName)
{
    EnsureCoreApplication();
    FPostgres = IsPostgresUrl(databaseName);
    FConnectionName = QStringLiteral("veltrano-db-%1").arg(++Registry().Counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(FPostgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                                FConnectionName);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(FConnectionName);
        throw EDatabaseError(FPostgres ? "The PostgreSQL driver is not installed"
                                       : "The SQLite driver is not installed");
    }
    if (FPostgres) {
        const QUrl url(DbText(databaseName));
        db.setDatabaseName(url.path().mid(1));
        if (!url.host().isEmpty())
            db.setHostName(url.host());
        if (url.port() > 0)
            db.setPort(url.port());
        if (!url.userName().isEmpty())
            db.setUserName(url.userName());
        if (!url.password().isEmpty())
            db.setPassword(url.password());
        QStringList options;
        for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
            if (key == QLatin1String("host"))
                db.setHostName(value);  // a socket folder ("/run/postgresql") is a host to libpq
            else
                options << key + QLatin1Char('=') + value;
        }
        db.setConnectOptions(options.join(QLatin1Char(';')));
    } else {
        db.setDatabaseName(DbText(databaseName));
    }
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FConnectionName);
        RaiseEngine(error, "Cannot open database '" + databaseName + "': ");
    }
    if (!FPostgres) {
        // Keys between tables hold, as users of other engines expect.
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    }
}

TDbConnection::~TDbConnection()
{
    {
        QSqlDatabase db = Database();
        if (FInTransaction)
            db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(FConnectionName);
}

void TDbConnection::AddOpenResult(const void *owner, std::function<void()> readRest)
{
    RemoveOpenResult(owner);
    FOpenResults.emplace_back(owner, std::move(readRest));
}

void TDbConnection::RemoveOpenResult(const void *owner)
{
    std::erase_if(FOpenResults, [owner](const auto &entry) { return entry.first == owner; });
}

void TDbConnection::FinishOpenResults() const
{
    for (auto &entry : std::exchange(FOpenResults, {}))
        entry.second();
}

void TDbConnection::StartTransaction()
{
    FinishOpenResults();
    if (FInTransaction)
        throw EDatabaseError("A transaction is already active");
    QSqlDatabase db = Database();
    if (!db.transaction())
        RaiseEngine(db.lastError());
    FInTransaction = true;
}

void TDbConnection::Commit()
{
    FinishOpenResults();
    if (!FInTransaction)
        throw EDatabaseError("No transaction is active");
    QSqlDatabase db = Database();
    if (!db.commit())
        RaiseEngine(db.lastError());
    FInTransaction = false;
}

void TDbConnection::Rollback()
{
    FinishOpenResults();
    if (!FInTransaction)
        throw EDatabaseError("No transaction is active");
    QSqlDatabase db = Database();
    FInTransaction = false;
    if (!db.rollback())
        RaiseEngine(db.lastError());
}

QSqlQuery TDbConnection::Execute(const QString &sql, const std::vector<QVariant> &values)
{
    FinishOpenResults();
    const std::vector<QString> statements = SplitSqlStatements(sql);
    if (statements.empty())
        throw EDatabaseError("The SQL text is empty");
    const bool ownTransaction = statements.size() > 1 && !FInTransaction;
    if (ownTransaction)
        StartTransaction();
    QSqlQuery query(Database());
    size_t next = 0;
    try {
        for (const QString &statement : statements) {
            query = QSqlQuery(Database());
            query.setForwardOnly(true);
            const int markers = CountSqlMarkers(statement);
            // Statements without values run as they are: PostgreSQL prepares only queries, not DDL.
            if (markers == 0) {
                if (!query.exec(statement))
                    RaiseEngine(query.lastError());
                continue;
            }
            if (!query.prepare(statement))
                RaiseEngine(query.lastError());
            for (int i = 0; i < markers && next < values.size(); ++i)
                query.addBindValue(values[next++]);
            if (!query.exec())
                RaiseEngine(query.lastError());
        }
    } catch (...) {
        if (ownTransaction)
            Rollback();
        throw;
    }
    if (ownTransaction)
        Commit();
    return query;
}

std::vector<std::string> TDbConnection::TableNames() const
{
    FinishOpenResults();
    std::vector<std::string> names;
    for (const QString &name : Database().tables(QSql::Tables))
        if (!name.startsWith(QLatin1String("sqlite_")))  // the engine's own bookkeeping
            names.push_back(DbCp1251(name));
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> TDbConnection::PrimaryKey(const std::string &table) const
{
    FinishOpenResults();
    const QSqlIndex index = Database().primaryIndex(DbText(table));
    std::vector<std::string> names;
    for (int i = 0; i < index.count(); ++i)
        names.push_back(DbCp1251(index.fieldName(i)));
    return names;
}

bool TDbConnection::HasRowIdentity(const std::string &table) const
{
    for (const std::string &name : TableNames())
        if (VlSameName(name, table))
            return true;
    return false;
}

QString TDbConnection::RowIdentityColumn() const
{
    return FPostgres ? QStringLiteral("ctid") : QStringLiteral("rowid");
}

QString TDbConnection::RowIdentityTerm() const
{
    return FPostgres ? QStringLiteral("ctid = CAST(? AS tid)") : QStringLiteral("rowid = ?");
}

QString TDbConnection::QuoteName(const std::string &cp1251Name)
{
    QString name = DbText(cp1251Name);
    name.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::shared_ptr<TDbConnection> VlDbConnect(const std::string &databaseName)
{
    if (databaseName.empty())
        throw EDatabaseError("No database name given");
    TRegistry &registry = Registry();
    if (auto it = registry.Open.find(databaseName); it != registry.Open.end())
        if (auto existing = it->second.lock())
            return existing;
    auto created = std::shared_ptr<TDbConnection>(new TDbConnection(databaseName), [](TDbConnection *c) {
        TRegistry &r = Registry();
        r.Open.erase(c->DatabaseName());
        std::erase(r.Order, c->DatabaseName());
        delete c;
    });
    registry.Open[databaseName] = created;
    registry.Order.push_back(databaseName);
    return created;
}

std::vector<std::string> VlDbOpenDatabaseNames()
{
    return Registry().Order;
}

int CountSqlMarkers(const QString &statement)
{
    int count = 0;
    QChar quote;
    for (const QChar c : statement) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('?')) {
            ++count;
        }
    }
    return count;
}

std::vector<QString> SplitSqlStatements(const QString &sql)
{
    std::vector<QString> statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            current += c;
        } else if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            while (i < sql.size() && sql[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements.push_back(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements.push_back(current.trimmed());
    return statements;
}
