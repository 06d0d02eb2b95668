// The engine-backed data sets and their helpers: TDatabase (a connection with transactions),
// TTable (a whole table, editable), TQuery (an SQL text with parameters), TSession (what is open).
#pragma once

#include "VlDbConnection.h"
#include "VlDbDataSet.h"
#include "VlDbParams.h"
#include "VlDbResultRows.h"

#include <functional>
#include <memory>
#include <string>

class TStringList;
class TStrings;

// The engine-backed data sets' common ancestor, as scripts know it: every change is written at
// once, so there are never cached updates pending.
class TBDEDataSet : public TDataSet {
    VL_CLASS(TBDEDataSet)
    using TDataSet::TDataSet;
};

// A data set that reads through a connection named by DatabaseName.
class TDBDataSet : public TBDEDataSet {
    VL_CLASS(TDBDataSet)
    using TBDEDataSet::TBDEDataSet;
    const std::string &DatabaseName() const { return FDatabaseName; }
    // Raises EDatabaseError "Cannot perform this operation on an open dataset" while open.
    void SetDatabaseName(const std::string &name);
    // The connection, opened on first need and kept while this data set lives.
    TDbConnection &Connection();
    std::string UpdateTableName() const override { return FUpdateTable; }

protected:
    // Reads a query's columns and rows; the last `hidden` columns become no fields but stay at the
    // end of each row.
    static void ReadResult(QSqlQuery query, TFieldDefs &defs, std::vector<TDbRow> &rows, int hidden = 0);
    static void ReadColumns(const QSqlQuery &query, TFieldDefs &defs, int hidden = 0);
    // SQLite reports no column type for expressions; the first row's values tell.
    static void GuessTypes(TFieldDefs &defs, const TDbRow &first);
    // Posted and deleted records are written to FUpdateTable, each in a transaction of its own
    // unless one is open, so that a failing step leaves nothing behind.
    void PostData(const TDbRow *oldRow, TDbRow &row) override;
    void DeleteData(const TDbRow &row) override;
    // The table records are written to (empty: read-only) and its key columns.
    std::string FUpdateTable;
    std::vector<std::string> FKey;
    // Without a key: each row ends with the engine's row identity, so that one of several
    // identical records is written alone.
    bool FRowIdentity = false;

private:
    void WriteRecord(const TDbRow *oldRow, TDbRow &row);
    void RemoveRecord(const TDbRow &row);
    void InOwnTransaction(const std::function<void()> &step);
    // "WHERE k1 = ? AND ..." over the key, the row identity, or (with neither) every column, with
    // its values.
    QString WhereOf(const TDbRow &row, std::vector<QVariant> &values);
    // Matched by every column only: refuses when the record has an identical twin, which the
    // statement would change too.
    void CheckSingleMatch(const TDbRow &row, const QString &where, const std::vector<QVariant> &values);
    std::string FDatabaseName;
    std::shared_ptr<TDbConnection> FConnection;
};

class TQuery : public TDBDataSet {
    VL_CLASS(TQuery)
    explicit TQuery(TComponent *owner = nullptr);
    ~TQuery() override;
    TStrings *SQL() const;
    void SetSQL(TStrings *lines);
    TParams *Params() const { return FParams.get(); }
    TParam *ParamByName(const std::string &name) const { return FParams->ParamByName(name); }
    int ParamCount() const { return FParams->Count(); }
    // Runs a statement that returns no records (several separated by ';' run all or none).
    void ExecSQL();
    // For an open query, the records it has.
    int RowsAffected() { return Active() ? RecordCount() : FRowsAffected; }
    void Prepare() { FPrepared = true; }
    void UnPrepare() { FPrepared = false; }
    bool Prepared() const { return FPrepared; }
    void SetPrepared(bool value) { FPrepared = value; }
    bool RequestLive() const { return FRequestLive; }
    void SetRequestLive(bool value);
    // With RequestLive, a query of one table whose records can be told apart writes back to it.
    bool CanModify() const override { return Active() && !FUpdateTable.empty(); }
    bool UniDirectional() const { return FUniDirectional; }
    void SetUniDirectional(bool value) { FUniDirectional = value; }
    // The statement as the engine gets it: parameters as '?'.
    std::string Text() const;
    // Off: a new SQL text leaves the parameter list as it is.
    bool ParamCheck() const { return FParamCheck; }
    void SetParamCheck(bool value) { FParamCheck = value; }

protected:
    void OpenData(TFieldDefs &defs, std::vector<TDbRow> &rows) override;
    bool FetchRow(TDbRow &row) override;
    void CloseData() override;

private:
    QSqlQuery Run();
    void ReleaseResult();
    // The table a live query writes to and its key; false when the text is not a plain query of
    // one table.
    bool FindLiveTable(std::string &table, std::vector<std::string> &key, QStringList &columns);
    // Whether the result's fields are the table's own columns, the key among them (or, without a
    // key, every column, so that a record can be told apart).
    static bool FieldsIdentifyRecords(const TFieldDefs &defs, const std::vector<std::string> &key,
                                      const QStringList &columns);
    // The open result, read a record at a time as the cursor moves on.
    TDbResultRows FResult;
    void SqlChanged();
    std::unique_ptr<TStringList> FSQL;
    std::unique_ptr<TParams> FParams;
    int FRowsAffected = -1;
    bool FPrepared = false, FRequestLive = false, FUniDirectional = false, FParamCheck = true;
};

class TTable : public TDBDataSet {
    VL_CLASS(TTable)
    explicit TTable(TComponent *owner = nullptr);
    ~TTable() override;
    const std::string &TableName() const { return FTableName; }
    void SetTableName(const std::string &name);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool CanModify() const override { return Active() && !FReadOnly; }
    TIndexDefs *IndexDefs() const { return FIndexDefs.get(); }
    bool Exists();
    // Creates the table from FieldDefs (and the primary index of IndexDefs, when there is one).
    void CreateTable();
    void DeleteTable();
    void EmptyTable();
    void AddIndex(const std::string &name, const std::string &fields, TIndexOptions options);
    void DeleteIndex(const std::string &name);
    // The order of the records: an index of IndexDefs by name, or field names (';' between them).
    // Setting one clears the other; an open table reads its records again in the new order.
    const std::string &IndexName() const { return FIndexName; }
    void SetIndexName(const std::string &name);
    const std::string &IndexFieldNames() const { return FIndexFieldNames; }
    void SetIndexFieldNames(const std::string &names);
    // The fields of the current order.
    int IndexFieldCount() const;
    TField *IndexFields(int index) const;
    void GetIndexNames(TStrings *list) const;
    // Moves to the record another table of the same table is on (by the key, else by position).
    void GotoCurrent(TTable *table);
    // Renames the table in the engine (closed tables only) and takes the new name.
    void RenameTable(const std::string &newName);

protected:
    void OpenData(TFieldDefs &defs, std::vector<TDbRow> &rows) override;

private:
    void CheckTableName() const;
    QString QuotedTable() const;
    std::vector<std::string> OrderFields() const;
    void OrderChanged();
    std::string FTableName, FIndexName, FIndexFieldNames;
    bool FReadOnly = false;
    std::unique_ptr<TIndexDefs> FIndexDefs;
};

class TDatabase : public TComponent {
    VL_CLASS(TDatabase)
    explicit TDatabase(TComponent *owner = nullptr);
    ~TDatabase() override;
    const std::string &DatabaseName() const { return FDatabaseName; }
    void SetDatabaseName(const std::string &name);
    bool Connected() const { return FConnection != nullptr; }
    void SetConnected(bool value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }
    // The engine behind the name: "SQLITE" or "POSTGRESQL".
    std::string DriverName() const;
    TStrings *Params() const;
    void SetParams(TStrings *lines);
    bool LoginPrompt() const { return FLoginPrompt; }
    void SetLoginPrompt(bool value) { FLoginPrompt = value; }
    bool KeepConnection() const { return FKeepConnection; }
    void SetKeepConnection(bool value) { FKeepConnection = value; }
    // Transactions of the connection every data set with this DatabaseName shares.
    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return FConnection && FConnection->InTransaction(); }
    // Runs statements that return no records; the number of rows they changed.
    int Execute(const std::string &sql);
    void GetTableNames(TStrings *list);
    void GetFieldNames(const std::string &tableName, TStrings *list);
    // tiDirtyRead 0, tiReadCommitted 1, tiRepeatableRead 2: what StartTransaction asks PostgreSQL
    // for; SQLite's transactions are always serializable, stricter than any of them.
    int TransIsolation() const { return FTransIsolation; }
    void SetTransIsolation(int value) { FTransIsolation = value; }
    void Loaded() override;

private:
    TDbConnection &Connection();
    std::string FDatabaseName;
    std::shared_ptr<TDbConnection> FConnection;
    std::unique_ptr<TStringList> FParams;
    bool FLoginPrompt = true, FKeepConnection = true, FConnectWhenLoaded = false;
    int FTransIsolation = 1;
};

// What scripts know as Session: the open databases and what they hold.
class TSession : public TComponent {
    VL_CLASS(TSession)
    explicit TSession(TComponent *owner = nullptr) : TComponent(owner) {}
    bool Active() const { return true; }
    bool KeepConnections() const { return FKeepConnections; }
    void SetKeepConnections(bool value) { FKeepConnections = value; }
    std::string SessionName() const { return "Default"; }
    int DatabaseCount() const;
    void GetDatabaseNames(TStrings *list) const;
    void GetTableNames(const std::string &databaseName, const std::string &pattern, bool extensions,
                       bool systemTables, TStrings *list) const;
    void GetFieldNames(const std::string &databaseName, const std::string &tableName, TStrings *list) const;
    void GetDriverNames(TStrings *list) const;
    // A connected TDatabase the session owns for the name (made on first need), and its release.
    TDatabase *OpenDatabase(const std::string &databaseName);
    TDatabase *FindDatabase(const std::string &databaseName) const;
    void CloseDatabase(TDatabase *database);

private:
    bool FKeepConnections = true;
};
TSession *DefaultSession();
