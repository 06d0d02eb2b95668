// Engine-backed data sets, TDatabase and TSession.
#include "VlDbTables.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlNameCompare.h"
#include "rtl/VlStringList.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

#include <algorithm>

// TDBDataSet -----------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TBDEDataSet, TDataSet, "DbTables")
VL_IMPLEMENT_CLASS(TDBDataSet, TBDEDataSet, "DbTables",
    VlStrProp<&TDBDataSet::DatabaseName, &TDBDataSet::SetDatabaseName>("DatabaseName"))

void TDBDataSet::SetDatabaseName(const std::string &name)
{
    if (name == FDatabaseName)
        return;
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    FDatabaseName = name;
    FConnection.reset();
}

TDbConnection &TDBDataSet::Connection()
{
    if (!FConnection)
        FConnection = VlDbConnect(FDatabaseName);
    return *FConnection;
}

void TDBDataSet::ReadColumns(const QSqlQuery &query, TFieldDefs &defs, int hidden)
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count() - hidden; ++i) {
        const QSqlField field = record.field(i);
        defs.Add(DbCp1251(field.name()), DbFieldTypeOf(field.metaType().id()), std::max(0, field.length()),
                 field.requiredStatus() == QSqlField::Required);
    }
}

void TDBDataSet::GuessTypes(TFieldDefs &defs, const TDbRow &first)
{
    for (int i = 0; i < defs.Count() && size_t(i) < first.size(); ++i) {
        const TVarValue &value = first[size_t(i)];
        if (defs.Items(i)->DataType == ftString && value.Kind != TVarValue::TKind::String && !DbIsNull(value))
            defs.Items(i)->DataType = value.Kind == TVarValue::TKind::Integer ? ftLargeint
                                      : value.Kind == TVarValue::TKind::Float ? ftFloat
                                                                              : ftBoolean;
    }
}

void TDBDataSet::ReadResult(QSqlQuery query, TFieldDefs &defs, std::vector<TDbRow> &rows, int hidden)
{
    ReadColumns(query, defs, hidden);
    TDbResultRows records(std::move(query), defs.Count() + hidden);
    for (TDbRow row; records.Next(row);)
        rows.push_back(std::move(row));
    if (!rows.empty())
        GuessTypes(defs, rows.front());
}

QString TDBDataSet::WhereOf(const TDbRow &row, std::vector<QVariant> &values)
{
    QStringList terms;
    auto add = [&](int index) {
        const TField *field = Fields()->Fields(index);
        const QString name = TDbConnection::QuoteName(field->FieldName());
        if (DbIsNull(row[size_t(index)])) {
            terms << name + QLatin1String(" IS NULL");
        } else {
            terms << name + QLatin1String(" = ?");
            values.push_back(DbToVariant(row[size_t(index)], field->DataType()));
        }
    };
    const size_t identity = size_t(FieldCount());
    if (!FKey.empty()) {
        for (const std::string &name : FKey)
            add(FieldByName(name)->Index());
    } else if (FRowIdentity && row.size() > identity) {
        terms << Connection().RowIdentityTerm();
        values.push_back(DbToVariant(row[identity], ftString));
    } else {
        for (int i = 0; i < FieldCount(); ++i)
            if (!Fields()->Fields(i)->IsBlob())
                add(i);
    }
    return QLatin1String(" WHERE ") + terms.join(QLatin1String(" AND "));
}

void TDBDataSet::WriteRecord(const TDbRow *oldRow, TDbRow &row)
{
    std::vector<QVariant> values;
    QStringList names, markers;
    for (int i = 0; i < FieldCount(); ++i) {
        const TField *field = Fields()->Fields(i);
        // A new record leaves unset columns to their defaults (an automatic key among them).
        if (!oldRow && DbIsNull(row[size_t(i)]))
            continue;
        if (oldRow && (*oldRow)[size_t(i)] == row[size_t(i)])
            continue;
        names << TDbConnection::QuoteName(field->FieldName());
        markers << QStringLiteral("?");
        values.push_back(DbToVariant(row[size_t(i)], field->DataType()));
    }
    QString sql;
    std::vector<QVariant> whereValues;
    if (!oldRow) {
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(TDbConnection::QuoteName(FUpdateTable))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(TDbConnection::QuoteName(FUpdateTable), names.join(QLatin1String(", ")), markers.join(QLatin1String(", ")));
    } else {
        if (names.isEmpty())
            return;
        for (QString &name : names)
            name += QLatin1String(" = ?");
        const QString where = WhereOf(*oldRow, whereValues);
        CheckSingleMatch(*oldRow, where, whereValues);
        sql = QStringLiteral("UPDATE %1 SET %2").arg(TDbConnection::QuoteName(FUpdateTable), names.join(QLatin1String(", ")));
        sql += where;
        values.insert(values.end(), whereValues.begin(), whereValues.end());
    }
    // The engine's own values come back (an automatic key, defaults, the new row identity), column
    // by column.
    QStringList returned;
    for (int i = 0; i < FieldCount(); ++i)
        returned << TDbConnection::QuoteName(Fields()->Fields(i)->FieldName());
    if (FRowIdentity)
        returned << Connection().RowIdentityColumn();
    QSqlQuery query = Connection().Execute(sql + QLatin1String(" RETURNING ") + returned.join(QLatin1String(", ")), values);
    const bool found = query.isSelect() && query.next();
    if (oldRow && !found)
        DatabaseError("Record changed by another user", this);
    if (found) {
        row.resize(size_t(query.record().count()));
        for (int i = 0; i < query.record().count(); ++i)
            row[size_t(i)] = DbFromVariant(query.value(i));
    }
}

void TDBDataSet::CheckSingleMatch(const TDbRow &row, const QString &where, const std::vector<QVariant> &values)
{
    if (!FKey.empty() || (FRowIdentity && row.size() > size_t(FieldCount())))
        return;
    QSqlQuery count = Connection().Execute(QLatin1String("SELECT COUNT(*) FROM ") + TDbConnection::QuoteName(FUpdateTable) + where, values);
    if (count.next() && count.value(0).toLongLong() > 1)
        DatabaseError(Utf8ToCp1251("Запись нельзя отличить от такой же: у таблицы нет первичного ключа"), this);
}

void TDBDataSet::RemoveRecord(const TDbRow &row)
{
    std::vector<QVariant> values;
    const QString where = WhereOf(row, values);
    CheckSingleMatch(row, where, values);
    QSqlQuery query = Connection().Execute(QLatin1String("DELETE FROM ") + TDbConnection::QuoteName(FUpdateTable) + where, values);
    if (query.numRowsAffected() == 0)
        DatabaseError("Record changed by another user", this);
}

void TDBDataSet::PostData(const TDbRow *oldRow, TDbRow &row)
{
    CheckCanModify();
    InOwnTransaction([&] { WriteRecord(oldRow, row); });
}

void TDBDataSet::DeleteData(const TDbRow &row)
{
    CheckCanModify();
    InOwnTransaction([&] { RemoveRecord(row); });
}

void TDBDataSet::InOwnTransaction(const std::function<void()> &step)
{
    TDbConnection &connection = Connection();
    if (connection.InTransaction()) {
        step();
        return;
    }
    connection.StartTransaction();
    try {
        step();
    } catch (...) {
        connection.Rollback();
        throw;
    }
    connection.Commit();
}

// TQuery ---------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TQuery, TDBDataSet, "DbTables",
    VlBoolProp<&TQuery::RequestLive, &TQuery::SetRequestLive>("RequestLive", false),
    VlClassProp<&TQuery::SQL, &TQuery::SetSQL>("SQL", "TStrings"),
    VlBoolProp<&TQuery::UniDirectional, &TQuery::SetUniDirectional>("UniDirectional", false))

TQuery::TQuery(TComponent *owner)
    : TDBDataSet(owner), FSQL(std::make_unique<TStringList>()), FParams(std::make_unique<TParams>())
{
    FSQL->OnChange = [this](TObject *) { SqlChanged(); };
}

TQuery::~TQuery()
{
    Destroying();
    FSQL->OnChange = nullptr;
    ReleaseResult();
}

TStrings *TQuery::SQL() const
{
    return FSQL.get();
}

void TQuery::SetSQL(TStrings *lines)
{
    FSQL->Assign(lines);
}

void TQuery::SqlChanged()
{
    // A new text closes the query and brings its parameters up to date, keeping known values.
    if (Active())
        Close();
    FPrepared = false;
    if (FParamCheck)
        FParams->Rebuild(ParseSqlParams(DbText(FSQL->Text())).Names);
}

std::string TQuery::Text() const
{
    return DbCp1251(ParseSqlParams(DbText(FSQL->Text())).Sql);
}

QSqlQuery TQuery::Run()
{
    const TParsedSql parsed = ParseSqlParams(DbText(FSQL->Text()));
    std::vector<QVariant> values;
    for (const std::string &name : parsed.Names)
        values.push_back(FParams->ParamByName(name)->EngineValue());
    return Connection().Execute(parsed.Sql, values);
}

void TQuery::ExecSQL()
{
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    QSqlQuery query = Run();
    FRowsAffected = query.numRowsAffected();
}

void TQuery::SetRequestLive(bool value)
{
    if (value == FRequestLive)
        return;
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    FRequestLive = value;
}

namespace {

// SELECT <columns> FROM <one table> [alias] [WHERE ...] [ORDER BY ...] [LIMIT ...], nothing that
// joins, groups or combines results.
const QRegularExpression &OneTableSelect()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*SELECT\s+(?!DISTINCT\b)(?:.*?)\s+FROM\s+("(?:[^"]|"")+"|[^\s",;()]+))"
                       R"((?:\s+(?:AS\s+)?(?!WHERE\b|ORDER\b|LIMIT\b)[^\s",;()]+)?)"
                       R"(\s*(?:(?:WHERE|ORDER\s+BY|LIMIT)\b.*)?;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

const QRegularExpression &CombiningWords()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\b(JOIN|UNION|INTERSECT|EXCEPT|GROUP\s+BY|HAVING)\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

bool TQuery::FindLiveTable(std::string &table, std::vector<std::string> &key, QStringList &columns)
{
    const QString sql = DbText(FSQL->Text());
    const QRegularExpressionMatch match = OneTableSelect().match(sql);
    if (!match.hasMatch() || CombiningWords().match(sql).hasMatch())
        return false;
    QString name = match.captured(1);
    if (name.startsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    const QSqlRecord record = Connection().Database().record(name);
    if (record.isEmpty())
        return false;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    table = DbCp1251(name);
    key = Connection().PrimaryKey(table);
    return true;
}

bool TQuery::FieldsIdentifyRecords(const TFieldDefs &defs, const std::vector<std::string> &key,
                                   const QStringList &columns)
{
    QStringList fields;
    for (int i = 0; i < defs.Count(); ++i) {
        fields << DbText(defs.Items(i)->Name);
        if (!columns.contains(fields.back(), Qt::CaseInsensitive))
            return false;
    }
    for (const std::string &name : key)
        if (!fields.contains(DbText(name), Qt::CaseInsensitive))
            return false;
    if (key.empty())
        for (const QString &column : columns)
            if (!fields.contains(column, Qt::CaseInsensitive))
                return false;
    return true;
}

void TQuery::OpenData(TFieldDefs &defs, std::vector<TDbRow> &rows)
{
    ReleaseResult();
    FUpdateTable.clear();
    FKey.clear();
    // What the table is made of is asked before the query runs: some engines take no other
    // request while a result is open.
    std::string table;
    QStringList columns;
    const bool live = FRequestLive && FindLiveTable(table, FKey, columns);
    QSqlQuery query = Run();
    if (!query.isSelect())
        throw ENoResultSet(Name().empty() ? "Error creating cursor handle" : Name() + ": Error creating cursor handle");
    ReadColumns(query, defs);
    if (live && FieldsIdentifyRecords(defs, FKey, columns))
        FUpdateTable = table;
    // The first record now (it tells the types SQLite leaves open); the rest as the cursor gets there.
    FResult = TDbResultRows(std::move(query), defs.Count());
    TDbRow first;
    if (!FetchRow(first))
        return;
    GuessTypes(defs, first);
    rows.push_back(std::move(first));
    Connection().AddOpenResult(this, [this] { FetchRest(); });
}

bool TQuery::FetchRow(TDbRow &row)
{
    try {
        if (FResult.Next(row))
            return true;
    } catch (...) {
        ReleaseResult();
        throw;
    }
    ReleaseResult();
    return false;
}

void TQuery::CloseData()
{
    ReleaseResult();
}

void TQuery::ReleaseResult()
{
    if (!FResult.Active())
        return;
    FResult = TDbResultRows();
    Connection().RemoveOpenResult(this);
}

// TTable ---------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TTable, TDBDataSet, "DbTables",
    VlBoolProp<&TTable::ReadOnly, &TTable::SetReadOnly>("ReadOnly", false),
    VlStrProp<&TTable::TableName, &TTable::SetTableName>("TableName"))

TTable::TTable(TComponent *owner) : TDBDataSet(owner), FIndexDefs(std::make_unique<TIndexDefs>()) {}

TTable::~TTable()
{
    Destroying();
}

void TTable::SetTableName(const std::string &name)
{
    if (name == FTableName)
        return;
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    FTableName = name;
}

void TTable::CheckTableName() const
{
    if (FTableName.empty())
        DatabaseError("No table name given", this);
}

QString TTable::QuotedTable() const
{
    return TDbConnection::QuoteName(FTableName);
}

bool TTable::Exists()
{
    CheckTableName();
    for (const std::string &name : Connection().TableNames())
        if (VlSameName(name, FTableName))
            return true;
    return false;
}

void TTable::OpenData(TFieldDefs &defs, std::vector<TDbRow> &rows)
{
    CheckTableName();
    FKey = Connection().PrimaryKey(FTableName);
    FRowIdentity = FKey.empty() && Connection().HasRowIdentity(FTableName);
    // The engine's primary key is read again; the indexes the script added stay.
    if (const int primary = FIndexDefs->IndexOf("PRIMARY"); primary >= 0)
        FIndexDefs->Delete(primary);
    if (!FKey.empty()) {
        std::string fields;
        for (const std::string &name : FKey)
            fields += (fields.empty() ? "" : ";") + name;
        FIndexDefs->Add("PRIMARY", fields, 1u << ixPrimary | 1u << ixUnique);
    }
    const QString identity = FRowIdentity ? QLatin1String(", ") + Connection().RowIdentityColumn() : QString();
    QStringList order;
    for (const std::string &name : OrderFields())
        order << TDbConnection::QuoteName(name);
    const QString orderBy = order.isEmpty() ? QString() : QLatin1String(" ORDER BY ") + order.join(QLatin1String(", "));
    QSqlQuery query =
        Connection().Execute(QStringLiteral("SELECT *") + identity + QLatin1String(" FROM ") + QuotedTable() + orderBy, {});
    ReadResult(std::move(query), defs, rows, FRowIdentity ? 1 : 0);
    // The table knows which columns must be given a value (NOT NULL without a default or an
    // automatic key); a query result does not say.
    const QSqlRecord record = Connection().Database().record(DbText(FTableName));
    for (int i = 0; i < defs.Count(); ++i) {
        const QSqlField column = record.field(DbText(defs.Items(i)->Name));
        defs.Items(i)->Required = column.isValid() && column.requiredStatus() == QSqlField::Required
                                  && !column.isAutoValue() && column.defaultValue().isNull();
    }
    FUpdateTable = FTableName;
}

namespace {

QString SqlTypeOf(const TFieldDef &def, bool postgres)
{
    const int size = def.Size;
    if (def.DataType == ftBCD && def.Precision > 0)
        return QStringLiteral("NUMERIC(%1, %2)").arg(def.Precision).arg(size);
    switch (def.DataType) {
    case ftSmallint: return QStringLiteral("SMALLINT");
    case ftInteger: case ftWord: return QStringLiteral("INTEGER");
    case ftAutoInc: return postgres ? QStringLiteral("SERIAL") : QStringLiteral("INTEGER");
    case ftLargeint: return QStringLiteral("BIGINT");
    case ftFloat: case ftCurrency: case ftBCD: return postgres ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
    case ftBoolean: return QStringLiteral("BOOLEAN");
    case ftDate: return QStringLiteral("DATE");
    case ftTime: return QStringLiteral("TIME");
    case ftDateTime: return postgres ? QStringLiteral("TIMESTAMP") : QStringLiteral("DATETIME");
    case ftBlob: case ftGraphic: case ftBytes: case ftVarBytes: return postgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    case ftMemo: case ftFmtMemo: return QStringLiteral("TEXT");
    default: return size > 0 ? QStringLiteral("VARCHAR(%1)").arg(size) : QStringLiteral("TEXT");
    }
}

} // namespace

void TTable::CreateTable()
{
    CheckTableName();
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    if (FieldDefs()->Count() == 0)
        DatabaseError("No fields defined for table '" + FTableName + "'", this);
    const bool postgres = Connection().IsPostgres();
    QStringList columns;
    for (int i = 0; i < FieldDefs()->Count(); ++i) {
        const TFieldDef *def = FieldDefs()->Items(i);
        QString column = TDbConnection::QuoteName(def->Name) + QLatin1Char(' ') + SqlTypeOf(*def, postgres);
        if (def->DataType == ftAutoInc && !postgres)
            column += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
        else if (def->Required)
            column += QLatin1String(" NOT NULL");
        columns << column;
    }
    for (int i = 0; i < FIndexDefs->Count(); ++i) {
        const TIndexDef *index = FIndexDefs->Items(i);
        if (!(index->Options & (1u << ixPrimary)))
            continue;
        QStringList keys;
        for (const std::string &name : SplitFieldNames(index->Fields))
            keys << TDbConnection::QuoteName(name);
        columns << QLatin1String("PRIMARY KEY (") + keys.join(QLatin1String(", ")) + QLatin1Char(')');
    }
    if (postgres)
        for (int i = 0; i < FieldDefs()->Count(); ++i)
            if (FieldDefs()->Items(i)->DataType == ftAutoInc)
                columns << QLatin1String("PRIMARY KEY (") + TDbConnection::QuoteName(FieldDefs()->Items(i)->Name) + QLatin1Char(')');
    QString sql = QStringLiteral("CREATE TABLE %1 (%2)").arg(QuotedTable(), columns.join(QLatin1String(", ")));
    for (int i = 0; i < FIndexDefs->Count(); ++i) {
        const TIndexDef *index = FIndexDefs->Items(i);
        if (index->Options & (1u << ixPrimary))
            continue;
        QStringList keys;
        for (const std::string &name : SplitFieldNames(index->Fields))
            keys << TDbConnection::QuoteName(name);
        sql += QStringLiteral("; CREATE %1INDEX %2 ON %3 (%4)")
                   .arg(index->Options & (1u << ixUnique) ? QStringLiteral("UNIQUE ") : QString(),
                        TDbConnection::QuoteName(index->Name), QuotedTable(), keys.join(QLatin1String(", ")));
    }
    Connection().Execute(sql, {});
}

void TTable::DeleteTable()
{
    CheckTableName();
    if (Active())
        Close();
    Connection().Execute(QLatin1String("DROP TABLE ") + QuotedTable(), {});
}

void TTable::SetIndexName(const std::string &name)
{
    FIndexName = name;
    FIndexFieldNames.clear();
    OrderChanged();
}

void TTable::SetIndexFieldNames(const std::string &names)
{
    FIndexFieldNames = names;
    FIndexName.clear();
    OrderChanged();
}

void TTable::OrderChanged()
{
    if (Active()) {
        CheckBrowseMode();
        Refresh();
    }
}

std::vector<std::string> TTable::OrderFields() const
{
    if (!FIndexFieldNames.empty())
        return SplitFieldNames(FIndexFieldNames);
    if (FIndexName.empty())
        return {};
    if (VlSameName(FIndexName, "PRIMARY"))
        return FKey;
    return SplitFieldNames(FIndexDefs->Find(FIndexName)->Fields);
}

int TTable::IndexFieldCount() const
{
    return static_cast<int>(OrderFields().size());
}

TField *TTable::IndexFields(int index) const
{
    const std::vector<std::string> names = OrderFields();
    if (index < 0 || size_t(index) >= names.size())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FieldByName(names[size_t(index)]);
}

void TTable::GetIndexNames(TStrings *list) const
{
    list->Clear();
    for (int i = 0; i < FIndexDefs->Count(); ++i)
        list->Add(FIndexDefs->Items(i)->Name);
}

void TTable::GotoCurrent(TTable *table)
{
    if (!table)
        return;
    if (!VlSameName(table->TableName(), FTableName) || table->DatabaseName() != DatabaseName())
        DatabaseError("Table does not match", this);
    CheckActive();
    table->CheckActive();
    CheckBrowseMode();
    if (FKey.empty()) {
        SetRecNo(table->RecNo());
        return;
    }
    std::string names;
    std::vector<TVarValue> values;
    for (const std::string &name : FKey) {
        names += (names.empty() ? "" : ";") + name;
        values.push_back(table->FieldByName(name)->Value());
    }
    Locate(names, values, 0);
}

void TTable::RenameTable(const std::string &newName)
{
    CheckTableName();
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    Connection().Execute(QLatin1String("ALTER TABLE ") + QuotedTable() + QLatin1String(" RENAME TO ")
                             + TDbConnection::QuoteName(newName), {});
    FTableName = newName;
}

void TTable::EmptyTable()
{
    CheckTableName();
    Connection().Execute(QLatin1String("DELETE FROM ") + QuotedTable(), {});
    if (Active())
        Refresh();
}

void TTable::AddIndex(const std::string &name, const std::string &fields, TIndexOptions options)
{
    CheckTableName();
    QStringList keys;
    for (const std::string &field : SplitFieldNames(fields))
        keys << TDbConnection::QuoteName(field);
    Connection().Execute(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                             .arg(options & (1u << ixUnique) ? QStringLiteral("UNIQUE ") : QString(),
                                  TDbConnection::QuoteName(name), QuotedTable(), keys.join(QLatin1String(", "))),
                         {});
    FIndexDefs->Add(name, fields, options);
}

void TTable::DeleteIndex(const std::string &name)
{
    Connection().Execute(QLatin1String("DROP INDEX ") + TDbConnection::QuoteName(name), {});
}

// TDatabase ------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TDatabase, TComponent, "DbTables",
    VlBoolProp<&TDatabase::Connected, &TDatabase::SetConnected>("Connected", false),
    VlStrProp<&TDatabase::DatabaseName, &TDatabase::SetDatabaseName>("DatabaseName"),
    VlBoolProp<&TDatabase::KeepConnection, &TDatabase::SetKeepConnection>("KeepConnection", true),
    VlBoolProp<&TDatabase::LoginPrompt, &TDatabase::SetLoginPrompt>("LoginPrompt", true),
    VlClassProp<&TDatabase::Params, &TDatabase::SetParams>("Params", "TStrings"))

TDatabase::TDatabase(TComponent *owner) : TComponent(owner), FParams(std::make_unique<TStringList>()) {}

TDatabase::~TDatabase()
{
    Destroying();
}

void TDatabase::Loaded()
{
    TComponent::Loaded();
    if (FConnectWhenLoaded) {
        FConnectWhenLoaded = false;
        VlGuard([this] { Open(); });
    }
}

void TDatabase::SetDatabaseName(const std::string &name)
{
    if (name == FDatabaseName)
        return;
    if (Connected())
        DatabaseError("Cannot perform this operation on an open database", this);
    FDatabaseName = name;
}

void TDatabase::SetConnected(bool value)
{
    if (HasState(csLoading) || HasState(csReading)) {
        FConnectWhenLoaded = value;
        return;
    }
    if (value && !FConnection)
        FConnection = VlDbConnect(FDatabaseName);
    else if (!value)
        FConnection.reset();
}

TDbConnection &TDatabase::Connection()
{
    Open();
    return *FConnection;
}

std::string TDatabase::DriverName() const
{
    return FDatabaseName.rfind("postgres", 0) == 0 ? "POSTGRESQL" : "SQLITE";
}

TStrings *TDatabase::Params() const
{
    return FParams.get();
}

void TDatabase::SetParams(TStrings *lines)
{
    FParams->Assign(lines);
}

void TDatabase::StartTransaction()
{
    Connection().StartTransaction();
    if (!Connection().IsPostgres())
        return;
    static const char *const levels[] = {"READ UNCOMMITTED", "READ COMMITTED", "REPEATABLE READ"};
    Connection().Execute(QStringLiteral("SET TRANSACTION ISOLATION LEVEL ")
                             + QLatin1String(levels[std::clamp(FTransIsolation, 0, 2)]), {});
}

void TDatabase::Commit()
{
    Connection().Commit();
}

void TDatabase::Rollback()
{
    Connection().Rollback();
}

int TDatabase::Execute(const std::string &sql)
{
    return Connection().Execute(DbText(sql), {}).numRowsAffected();
}

void TDatabase::GetTableNames(TStrings *list)
{
    list->Clear();
    for (const std::string &name : Connection().TableNames())
        list->Add(name);
}

void TDatabase::GetFieldNames(const std::string &tableName, TStrings *list)
{
    DefaultSession()->GetFieldNames(FDatabaseName, tableName, list);
}

// TSession -------------------------------------------------------------------------------------

VL_IMPLEMENT_CLASS(TSession, TComponent, "DbTables",
    VlBoolProp<&TSession::KeepConnections, &TSession::SetKeepConnections>("KeepConnections", true))

TSession *DefaultSession()
{
    static TSession session;
    return &session;
}

int TSession::DatabaseCount() const
{
    return static_cast<int>(VlDbOpenDatabaseNames().size());
}

void TSession::GetDatabaseNames(TStrings *list) const
{
    list->Clear();
    for (const std::string &name : VlDbOpenDatabaseNames())
        list->Add(name);
}

void TSession::GetTableNames(const std::string &databaseName, const std::string &pattern, bool, bool systemTables,
                             TStrings *list) const
{
    std::shared_ptr<TDbConnection> connection = VlDbConnect(databaseName);
    list->Clear();
    QRegularExpression match;
    if (!pattern.empty() && pattern != "*")
        match = QRegularExpression(QRegularExpression::wildcardToRegularExpression(DbText(pattern)),
                                   QRegularExpression::CaseInsensitiveOption);
    for (const std::string &name : connection->TableNames())
        if (match.pattern().isEmpty() || match.match(DbText(name)).hasMatch())
            list->Add(name);
    if (systemTables)
        for (const QString &name : connection->Database().tables(QSql::SystemTables))
            list->Add(DbCp1251(name));
}

void TSession::GetFieldNames(const std::string &databaseName, const std::string &tableName, TStrings *list) const
{
    std::shared_ptr<TDbConnection> connection = VlDbConnect(databaseName);
    const QSqlRecord record = connection->Database().record(DbText(tableName));
    if (record.isEmpty())
        DatabaseError("Table '" + tableName + "' not found");
    list->Clear();
    for (int i = 0; i < record.count(); ++i)
        list->Add(DbCp1251(record.fieldName(i)));
}

TDatabase *TSession::FindDatabase(const std::string &databaseName) const
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *database = dynamic_cast<TDatabase *>(Components(i)); database && database->DatabaseName() == databaseName)
            return database;
    return nullptr;
}

TDatabase *TSession::OpenDatabase(const std::string &databaseName)
{
    TDatabase *database = FindDatabase(databaseName);
    if (!database) {
        database = new TDatabase(this);
        database->SetDatabaseName(databaseName);
    }
    database->Open();
    return database;
}

void TSession::CloseDatabase(TDatabase *database)
{
    if (!database)
        return;
    database->Close();
    if (database->Owner() == this)
        delete database;
}

void TSession::GetDriverNames(TStrings *list) const
{
    list->Clear();
    list->Add("SQLITE");
    list->Add("POSTGRESQL");
}
