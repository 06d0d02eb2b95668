// The DbTables unit for scripts: TDatabase, TTable, TQuery and TBatchMove over the SQL engines,
// the Session object, engine errors, and the members and classes of the old engines' own features
// (cached updates, aliases, stored procedures, key buffers), which answer "not implemented".
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreterMissingMembers.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreter_DbValues.h"

#include "components/db/VlDbBatchMove.h"
#include "components/db/VlDbConnection.h"
#include "components/db/VlDbTables.h"
#include "rtl/VlStreams.h"
#include "rtl/VlStrings.h"

namespace {

// FindKey([values]): Locate on the fields of the table's primary index.
void TableFindKey(TVlValue &r, TVlInterpreterArgs &a)
{
    TTable *table = VlSelf<TTable>(a);
    std::string keys;
    for (int i = 0; i < table->IndexDefs()->Count(); ++i)
        if (table->IndexDefs()->Items(i)->Options & (1u << ixPrimary))
            keys = table->IndexDefs()->Items(i)->Fields;
    if (keys.empty())
        DatabaseError("No primary index to search", table);
    std::vector<TVarValue> values = VlScriptToDbArray(a, 0);
    const std::vector<std::string> names = SplitFieldNames(keys);
    if (values.size() > names.size())
        values.resize(names.size());
    std::string used;
    for (size_t i = 0; i < values.size(); ++i)
        used += (i ? ";" : "") + names[i];
    r = TVlValue::Boolean(table->Locate(used, values, 0));
}

// BatchMove(Source, Mode): the records moved into this table.
void TableBatchMove(TVlValue &r, TVlInterpreterArgs &a)
{
    TBatchMove move;
    move.SetSource(VlArgAs<TDataSet>(a.Values[0]));
    move.SetDestination(VlSelf<TTable>(a));
    move.SetMode(static_cast<TBatchMode>(ValueToInteger(a.Values[1])));
    move.Execute();
    r = TVlValue::Integer(move.MovedCount());
}

void AlwaysTrue(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(true); }
void AlwaysFalse(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(false); }
void SessionObject(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(DefaultSession()); }
void SessionNameOf(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::String(DefaultSession()->SessionName()); }
void TableTypeOf(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Integer(0); }  // ttDefault

void DatabaseTemporary(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(VlSelf<TDatabase>(a)->Owner() == DefaultSession());
}

// Databases[i]: a connected TDatabase of the session for each open database.
void SessionDatabases(TVlValue &r, TVlInterpreterArgs &a)
{
    const std::vector<std::string> names = VlDbOpenDatabaseNames();
    const int index = ValueToInteger(a.Values[0]);
    if (index < 0 || size_t(index) >= names.size())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    r = VlObjectValue(VlSelf<TSession>(a)->OpenDatabase(names[size_t(index)]));
}

// The session's own databases that are not connected are let go.
void SessionDropConnections(TVlValue &, TVlInterpreterArgs &a)
{
    TSession *session = VlSelf<TSession>(a);
    for (int i = session->ComponentCount() - 1; i >= 0; --i)
        if (auto *database = dynamic_cast<TDatabase *>(session->Components(i)); database && !database->Connected())
            delete database;
}

// Params := other list: the values of the parameters of the same names.
void QuerySetParams(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TQuery>(a)->Params()->AssignValues(VlArgAs<TParams>(v)); }

void TableIndexFieldsMissing(const TVlValue &, TVlInterpreterArgs &) { VlNotImplemented("TTable.IndexFields"); }

const TVlMemberBinding BDEDataSetMembers[] = {
    VlMethod<&TBDEDataSet::FetchAllRecords>("FetchAll"),
    // Every post and delete reaches the engine at once: nothing is ever cached.
    VlGet("CachedUpdates", AlwaysFalse), VlGet("UpdatesPending", AlwaysFalse),
};
const char *const BDEDataSetMissingGetters[] = {
    "ApplyUpdates", "CancelUpdates", "CommitUpdates", "FlushBuffers", "GetIndexInfo", "RevertRecord",
    "UpdateObject", "Handle", "DBLocale", "Locale", "CacheBlobs", "ExpIndex", "KeySize", "UpdateRecordTypes",
    "ConstraintCallBack", "ConstraintsDisabled", "DisableConstraints", "EnableConstraints", "AutoRefresh",
    "Translate", "OnUpdateError", "OnUpdateRecord",
};
const char *const BDEDataSetMissingSetters[] = {"CachedUpdates", "UpdateObject", "CacheBlobs", "UpdateRecordTypes",
                                                "AutoRefresh", "OnUpdateError", "OnUpdateRecord"};

const TVlMemberBinding DBDataSetMembers[] = {
    VlMethod<&TDBDataSet::DatabaseName>("DatabaseName"), VlWriter<&TDBDataSet::SetDatabaseName>("DatabaseName"),
    VlGet("DBSession", SessionObject), VlGet("SessionName", SessionNameOf),
};
const char *const DBDataSetMissingGetters[] = {"Database", "DBHandle", "CheckOpen", "CloseDatabase", "OpenDatabase",
                                               "DBFlags", "UpdateMode"};
const char *const DBDataSetMissingSetters[] = {"SessionName", "UpdateMode"};

const TVlMemberBinding QueryMembers[] = {
    VlMethod<&TQuery::SQL>("SQL"), VlWriter<&TQuery::SetSQL>("SQL"), VlMethod<&TQuery::Params>("Params"),
    VlSet("Params", QuerySetParams),
    VlMethod<&TQuery::ParamByName>("ParamByName"), VlMethod<&TQuery::ParamCount>("ParamCount"),
    VlMethod<&TQuery::ExecSQL>("ExecSQL"), VlMethod<&TQuery::RowsAffected>("RowsAffected"),
    VlMethod<&TQuery::Prepare>("Prepare"), VlMethod<&TQuery::UnPrepare>("UnPrepare"),
    VlMethod<&TQuery::Prepared>("Prepared"), VlWriter<&TQuery::SetPrepared>("Prepared"),
    VlMethod<&TQuery::RequestLive>("RequestLive"), VlWriter<&TQuery::SetRequestLive>("RequestLive"),
    VlMethod<&TQuery::UniDirectional>("UniDirectional"), VlWriter<&TQuery::SetUniDirectional>("UniDirectional"),
    VlMethod<&TQuery::Text>("Text"), VlMethod<&TQuery::ParamCheck>("ParamCheck"),
    VlWriter<&TQuery::SetParamCheck>("ParamCheck"),
};
const char *const QueryMissingGetters[] = {"DataSource", "Constrained", "SQLBinary", "StmtHandle", "Local",
                                           "GetDetailLinkFields"};
const char *const QueryMissingSetters[] = {"DataSource", "Constrained", "SQLBinary", "Local"};

const TVlMemberBinding TableMembers[] = {
    VlMethod<&TTable::Exists>("Exists"), VlMethod<&TTable::CreateTable>("CreateTable"),
    VlMethod<&TTable::DeleteTable>("DeleteTable"), VlMethod<&TTable::EmptyTable>("EmptyTable"),
    VlMethod<&TTable::AddIndex>("AddIndex"), VlMethod<&TTable::DeleteIndex>("DeleteIndex"),
    VlMethod<&TTable::IndexDefs>("IndexDefs"), VlGet("FindKey", TableFindKey, "."),
    VlMethod<&TTable::TableName>("TableName"), VlWriter<&TTable::SetTableName>("TableName"),
    VlMethod<&TTable::ReadOnly>("ReadOnly"), VlWriter<&TTable::SetReadOnly>("ReadOnly"),
    VlMethod<&TTable::IndexName>("IndexName"), VlWriter<&TTable::SetIndexName>("IndexName"),
    VlMethod<&TTable::IndexFieldNames>("IndexFieldNames"), VlWriter<&TTable::SetIndexFieldNames>("IndexFieldNames"),
    VlMethod<&TTable::IndexFieldCount>("IndexFieldCount"), VlIndexed<&TTable::IndexFields>("IndexFields"),
    VlIndexedSet("IndexFields", TableIndexFieldsMissing), VlMethod<&TTable::GetIndexNames>("GetIndexNames"),
    VlMethod<&TTable::RenameTable>("RenameTable"), VlGet("BatchMove", TableBatchMove, ".."),
    VlGet("TableType", TableTypeOf), VlGet("Exclusive", AlwaysFalse), VlMethod<&TTable::GotoCurrent>("GotoCurrent"),
};
const char *const TableMissingGetters[] = {
    "SetKey", "GotoKey", "EditKey", "GotoNearest", "FindNearest", "SetRange", "ApplyRange", "CancelRange",
    "SetRangeStart", "SetRangeEnd", "EditRangeStart", "EditRangeEnd", "KeyExclusive", "KeyFieldCount",
    "MasterSource", "MasterFields", "LockTable", "UnlockTable", "TableLevel", "StoreDefs", "DefaultIndex",
    "IndexFiles", "OpenIndexFile", "CloseIndexFile", "Constraints", "GetDetailLinkFields",
};
const char *const TableMissingSetters[] = {"MasterSource", "MasterFields", "KeyExclusive", "KeyFieldCount", "StoreDefs",
                                           "DefaultIndex", "IndexFiles", "TableType", "Exclusive", "TableLevel",
                                           "IndexDefs", "Constraints"};

const TVlMemberBinding DatabaseMembers[] = {
    VlMethod<&TDatabase::Open>("Open"), VlMethod<&TDatabase::Close>("Close"),
    VlMethod<&TDatabase::StartTransaction>("StartTransaction"), VlMethod<&TDatabase::Commit>("Commit"),
    VlMethod<&TDatabase::Rollback>("Rollback"), VlMethod<&TDatabase::InTransaction>("InTransaction"),
    VlMethod<&TDatabase::Execute>("Execute"), VlMethod<&TDatabase::GetTableNames>("GetTableNames"),
    VlMethod<&TDatabase::GetFieldNames>("GetFieldNames"), VlMethod<&TDatabase::DriverName>("DriverName"),
    VlMethod<&TDatabase::Connected>("Connected"), VlWriter<&TDatabase::SetConnected>("Connected"),
    VlMethod<&TDatabase::DatabaseName>("DatabaseName"), VlWriter<&TDatabase::SetDatabaseName>("DatabaseName"),
    VlMethod<&TDatabase::Params>("Params"), VlWriter<&TDatabase::SetParams>("Params"),
    VlMethod<&TDatabase::LoginPrompt>("LoginPrompt"), VlWriter<&TDatabase::SetLoginPrompt>("LoginPrompt"),
    VlMethod<&TDatabase::KeepConnection>("KeepConnection"), VlWriter<&TDatabase::SetKeepConnection>("KeepConnection"),
    VlMethod<&TDatabase::TransIsolation>("TransIsolation"), VlWriter<&TDatabase::SetTransIsolation>("TransIsolation"),
    VlGet("IsSQLBased", AlwaysTrue), VlGet("Temporary", DatabaseTemporary), VlGet("Session", SessionObject),
    VlGet("SessionName", SessionNameOf),
};
const char *const DatabaseMissingGetters[] = {
    "AliasName", "ApplyUpdates", "DataSetCount", "CloseDataSets", "FlushSchemaCache", "Handle", "Locale",
    "TraceFlags", "Exclusive", "ReadOnly", "ValidateName", "Directory", "HandleShared", "SessionAlias", "OnLogin",
};
const char *const DatabaseMissingSetters[] = {"AliasName", "DriverName", "SessionName", "TraceFlags", "Exclusive",
                                              "ReadOnly", "Directory", "HandleShared", "Temporary", "Handle",
                                              "OnLogin"};

const TVlMemberBinding SessionMembers[] = {
    VlMethod<&TSession::Active>("Active"), VlMethod<&TSession::SessionName>("SessionName"),
    VlMethod<&TSession::DatabaseCount>("DatabaseCount"), VlMethod<&TSession::GetDatabaseNames>("GetDatabaseNames"),
    VlMethod<&TSession::GetTableNames>("GetTableNames"), VlMethod<&TSession::GetFieldNames>("GetFieldNames"),
    VlMethod<&TSession::GetDriverNames>("GetDriverNames"), VlMethod<&TSession::KeepConnections>("KeepConnections"),
    VlWriter<&TSession::SetKeepConnections>("KeepConnections"), VlMethod<&TSession::OpenDatabase>("OpenDatabase"),
    VlMethod<&TSession::CloseDatabase>("CloseDatabase"), VlMethod<&TSession::FindDatabase>("FindDatabase"),
    VlIndexedGet("Databases", SessionDatabases), VlGet("DropConnections", SessionDropConnections),
};
const char *const SessionMissingGetters[] = {
    "GetAliasNames", "AddAlias", "AddStandardAlias", "DeleteAlias", "ModifyAlias", "IsAlias", "GetAliasDriverName",
    "GetAliasParams", "GetDriverParams", "AddDriver", "DeleteDriver", "ModifyDriver", "GetStoredProcNames",
    "GetConfigParams", "AddPassword", "RemovePassword", "RemoveAllPasswords", "GetPassword", "SaveConfigFile",
    "NetFileDir", "PrivateDir", "ConfigMode", "SQLHourGlass", "TraceFlags", "Handle", "Locale", "AutoSessionName",
    "Open", "Close", "OnPassword", "OnStartup",
};
const char *const SessionMissingSetters[] = {"NetFileDir", "PrivateDir", "ConfigMode", "SQLHourGlass", "TraceFlags",
                                             "AutoSessionName", "SessionName", "Active", "OnPassword", "OnStartup"};

const TVlMemberBinding BatchMoveMembers[] = {
    VlMethod<&TBatchMove::Source>("Source"), VlWriter<&TBatchMove::SetSource>("Source"),
    VlMethod<&TBatchMove::Destination>("Destination"), VlWriter<&TBatchMove::SetDestination>("Destination"),
    VlMethod<&TBatchMove::Mode>("Mode"), VlWriter<&TBatchMove::SetMode>("Mode"),
    VlMethod<&TBatchMove::Mappings>("Mappings"), VlWriter<&TBatchMove::SetMappings>("Mappings"),
    VlMethod<&TBatchMove::RecordCount>("RecordCount"), VlWriter<&TBatchMove::SetRecordCount>("RecordCount"),
    VlMethod<&TBatchMove::AbortOnKeyViol>("AbortOnKeyViol"), VlWriter<&TBatchMove::SetAbortOnKeyViol>("AbortOnKeyViol"),
    VlMethod<&TBatchMove::Execute>("Execute"), VlMethod<&TBatchMove::MovedCount>("MovedCount"),
    VlMethod<&TBatchMove::KeyViolCount>("KeyViolCount"), VlMethod<&TBatchMove::ChangedCount>("ChangedCount"),
};
const char *const BatchMoveMissingSetters[] = {"AbortOnProblem", "CommitCount", "ChangedTableName", "KeyViolTableName",
                                        "ProblemTableName", "Transliterate"};
const char *const BatchMoveMissingGetters[] = {"AbortOnProblem", "CommitCount", "ChangedTableName", "KeyViolTableName",
                                               "ProblemTableName", "Transliterate", "ProblemCount"};

// Classes of the old engines' features, known by name only.
VL_NAMED_CLASS(StoredProcInfo, "TStoredProc", TDBDataSet, "DbTables")
VL_NAMED_CLASS(NestedTableInfo, "TNestedTable", TBDEDataSet, "DbTables")
VL_NAMED_CLASS(UpdateSQLInfo, "TUpdateSQL", TComponent, "DbTables")
VL_NAMED_CLASS(SessionListInfo, "TSessionList", TObject, "DbTables")
VL_NAMED_CLASS(BlobStreamInfo, "TBlobStream", TStream, "DbTables")
VL_NAMED_CLASS(DBErrorInfo, "TDBError", TObject, "DbTables")

const char *const StoredProcMissingGetters[] = {
    "Create", "StoredProcName", "ExecProc", "Prepare", "UnPrepare", "Prepared", "Params", "ParamByName",
    "ParamBindMode", "Overload", "GetResults", "CopyParams", "DescriptionsAvailable", "ParamCount", "StmtHandle",
};
const char *const StoredProcMissingSetters[] = {"StoredProcName", "Prepared", "Params", "ParamBindMode", "Overload"};
const char *const NestedTableMissingGetters[] = {"Create", "DataSetField", "ReadOnly", "ObjectView"};
const char *const NestedTableMissingSetters[] = {"DataSetField", "ReadOnly", "ObjectView"};
const char *const UpdateSQLMissingGetters[] = {"Create", "ModifySQL", "InsertSQL", "DeleteSQL", "Apply",
                                               "ExecSQL", "SetParams", "DataSet", "Query", "SQL"};
const char *const UpdateSQLMissingSetters[] = {"ModifySQL", "InsertSQL", "DeleteSQL", "DataSet"};
const char *const SessionListMissingGetters[] = {"Count", "CurrentSession", "FindSession", "OpenSession",
                                                 "GetSessionNames", "List", "Sessions"};
const char *const SessionListMissingSetters[] = {"CurrentSession"};
const char *const BlobStreamMissing[] = {"Create", "Read", "Write", "Seek", "Truncate"};
const char *const DBErrorMissing[] = {"ErrorCode", "Category", "SubCode", "Message", "NativeError"};
const char *const EngineErrorMissing[] = {"ErrorCount", "Errors"};

const TClassInfo &EngineErrorInfo()
{
    for (const TClassInfo *cls : VlExceptionClassesOf("DbTables"))
        if (cls->ClassName() == "EDBEngineError")
            return *cls;
    throw std::logic_error("EDBEngineError is not an exception class");
}

const TVlClassBinding DbTablesClasses[] = {
    {TBDEDataSet::StaticClassInfo, BDEDataSetMembers},
    {TDBDataSet::StaticClassInfo, DBDataSetMembers},
    {TQuery::StaticClassInfo, QueryMembers, TVlCreate::WithOwner},
    {TTable::StaticClassInfo, TableMembers, TVlCreate::WithOwner},
    {TDatabase::StaticClassInfo, DatabaseMembers, TVlCreate::WithOwner},
    {TSession::StaticClassInfo, SessionMembers},
    {TBatchMove::StaticClassInfo, BatchMoveMembers, TVlCreate::WithOwner},
    {StoredProcInfo, {}},
    {NestedTableInfo, {}},
    {UpdateSQLInfo, {}},
    {SessionListInfo, {}},
    {BlobStreamInfo, {}},
    {DBErrorInfo, {}},
};

const TVlMissingMembers DbTablesMissing[] = {
    {TBDEDataSet::StaticClassInfo, BDEDataSetMissingGetters, BDEDataSetMissingSetters},
    {TDBDataSet::StaticClassInfo, DBDataSetMissingGetters, DBDataSetMissingSetters},
    {TQuery::StaticClassInfo, QueryMissingGetters, QueryMissingSetters},
    {TTable::StaticClassInfo, TableMissingGetters, TableMissingSetters},
    {TDatabase::StaticClassInfo, DatabaseMissingGetters, DatabaseMissingSetters},
    {TSession::StaticClassInfo, SessionMissingGetters, SessionMissingSetters},
    {TBatchMove::StaticClassInfo, BatchMoveMissingGetters, BatchMoveMissingSetters},
    {StoredProcInfo, StoredProcMissingGetters, StoredProcMissingSetters},
    {NestedTableInfo, NestedTableMissingGetters, NestedTableMissingSetters},
    {UpdateSQLInfo, UpdateSQLMissingGetters, UpdateSQLMissingSetters},
    {SessionListInfo, SessionListMissingGetters, SessionListMissingSetters},
    {BlobStreamInfo, BlobStreamMissing, {}},
    {DBErrorInfo, DBErrorMissing, {}},
    {EngineErrorInfo, EngineErrorMissing, {}},
};

const TVlFunctionBinding DbTablesFunctions[] = {{"Session", SessionObject, ""}};

const TVlIntConstant DbTablesConstants[] = {
    {"ttDefault", 0}, {"ttParadox", 1}, {"ttDBase", 2}, {"ttFoxPro", 3}, {"ttASCII", 4},
    {"tiDirtyRead", 0}, {"tiReadCommitted", 1}, {"tiRepeatableRead", 2},
    {"ukModify", 0}, {"ukInsert", 1}, {"ukDelete", 2},
    {"uaFail", 0}, {"uaAbort", 1}, {"uaSkip", 2}, {"uaRetry", 3}, {"uaApplied", 4},
    {"usUnmodified", 0}, {"usModified", 1}, {"usInserted", 2}, {"usDeleted", 3},
    {"smAlwaysAsk", 0}, {"smAlwaysSave", 1}, {"smAlwaysNever", 2},
    {"upWhereAll", 0}, {"upWhereChanged", 1}, {"upWhereKeyOnly", 2},
    {"cmPersistent", 0}, {"cmSession", 1}, {"cmAll", 2},
    {"tfQPrepare", 0}, {"tfQExecute", 1}, {"tfError", 2}, {"tfStmt", 3}, {"tfConnect", 4}, {"tfTransact", 5},
    {"tfBlob", 6}, {"tfMisc", 7}, {"tfVendor", 8}, {"tfDataIn", 9}, {"tfDataOut", 10},
    {"ltReadLock", 0}, {"ltWriteLock", 1}, {"pbByName", 0}, {"pbByNumber", 1},
    {"rtModified", 0}, {"rtInserted", 1}, {"rtDeleted", 2}, {"rtUnmodified", 3},
    {"kiLookup", 0}, {"kiRangeStart", 1}, {"kiRangeEnd", 2}, {"kiCurRangeStart", 3}, {"kiCurRangeEnd", 4},
    {"kiSave", 5}, {"rnDbase", 0}, {"rnParadox", 1}, {"rnNotSupported", 2},
};

} // namespace

void VlRegisterDbTables(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbTables", DbTablesClasses);
    for (const TClassInfo *cls : VlExceptionClassesOf("DbTables")) {
        VlRegisterClass(adapter, "DbTables", *cls);
        VlRegisterExceptionConstructors(adapter, *cls);
    }
    VlRegisterMissingMembers(adapter, "DbTables", DbTablesMissing);
    VlRegisterFunctions(adapter, "DbTables", DbTablesFunctions);
    VlRegisterIntConstants(adapter, "DbTables", DbTablesConstants);
    VlRegisterEnumConstants(adapter, "DbTables", {&BatchModeEnumInfo()});
}
