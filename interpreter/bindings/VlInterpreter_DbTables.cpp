// The DbTables unit for scripts: TDatabase, TTable and TQuery over the SQL engines, the Session
// object, and the names of the engine-specific classes this system has no counterpart for.
#include "VlInterpreterGuiBinding.h"
#include "VlInterpreterGui_all.h"
#include "VlInterpreter_DbValues.h"

#include "components/db/VlDbTables.h"
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
    std::vector<TVarValue> values;
    const TVlValue &v = a.Values[0];
    if (v.IsScriptArray() || v.IsVariantArray()) {
        const TVlOpenArray &array = a.OpenArray(0);
        for (int i = 0; i < array.Count; ++i)
            values.push_back(VlScriptToDbValue(array.Items[i]));
    } else {
        values = VlScriptToDbValues(v);
    }
    const size_t wanted = SplitFieldNames(keys).size();
    while (values.size() > wanted)
        values.pop_back();
    std::string used;
    const std::vector<std::string> names = SplitFieldNames(keys);
    for (size_t i = 0; i < values.size(); ++i)
        used += (i ? ";" : "") + names[i];
    r = TVlValue::Boolean(table->Locate(used, values, 0));
}

const TVlMemberBinding DBDataSetMembers[] = {
    VlMethod<&TDBDataSet::DatabaseName>("DatabaseName"), VlWriter<&TDBDataSet::SetDatabaseName>("DatabaseName"),
};

const TVlMemberBinding QueryMembers[] = {
    VlMethod<&TQuery::SQL>("SQL"), VlMethod<&TQuery::Params>("Params"), VlMethod<&TQuery::ParamByName>("ParamByName"),
    VlMethod<&TQuery::ParamCount>("ParamCount"), VlMethod<&TQuery::ExecSQL>("ExecSQL"),
    VlMethod<&TQuery::RowsAffected>("RowsAffected"), VlMethod<&TQuery::Prepare>("Prepare"),
    VlMethod<&TQuery::UnPrepare>("UnPrepare"), VlMethod<&TQuery::Prepared>("Prepared"),
    VlWriter<&TQuery::SetPrepared>("Prepared"),
    VL_NOT_IMPLEMENTED("DataSource", "TQuery.DataSource"), VL_NOT_IMPLEMENTED("UpdateObject", "TQuery.UpdateObject"),
};

const TVlMemberBinding TableMembers[] = {
    VlMethod<&TTable::Exists>("Exists"), VlMethod<&TTable::CreateTable>("CreateTable"),
    VlMethod<&TTable::DeleteTable>("DeleteTable"), VlMethod<&TTable::EmptyTable>("EmptyTable"),
    VlMethod<&TTable::AddIndex>("AddIndex"), VlMethod<&TTable::DeleteIndex>("DeleteIndex"),
    VlMethod<&TTable::IndexDefs>("IndexDefs"), VlGet("FindKey", TableFindKey, "."),
    VL_NOT_IMPLEMENTED("SetKey", "TTable.SetKey"), VL_NOT_IMPLEMENTED("GotoKey", "TTable.GotoKey"),
    VL_NOT_IMPLEMENTED("SetRange", "TTable.SetRange"), VL_NOT_IMPLEMENTED("CancelRange", "TTable.CancelRange"),
    VL_NOT_IMPLEMENTED("BatchMove", "TTable.BatchMove"), VL_NOT_IMPLEMENTED("MasterSource", "TTable.MasterSource"),
};

const TVlMemberBinding DatabaseMembers[] = {
    VlMethod<&TDatabase::Open>("Open"), VlMethod<&TDatabase::Close>("Close"),
    VlMethod<&TDatabase::StartTransaction>("StartTransaction"), VlMethod<&TDatabase::Commit>("Commit"),
    VlMethod<&TDatabase::Rollback>("Rollback"), VlMethod<&TDatabase::InTransaction>("InTransaction"),
    VlMethod<&TDatabase::Execute>("Execute"), VlMethod<&TDatabase::GetTableNames>("GetTableNames"),
    VlMethod<&TDatabase::DriverName>("DriverName"),
    VL_NOT_IMPLEMENTED("AliasName", "TDatabase.AliasName"), VL_NOT_IMPLEMENTED("ApplyUpdates", "TDatabase.ApplyUpdates"),
};

const TVlMemberBinding SessionMembers[] = {
    VlMethod<&TSession::Active>("Active"), VlMethod<&TSession::SessionName>("SessionName"),
    VlMethod<&TSession::DatabaseCount>("DatabaseCount"), VlMethod<&TSession::GetDatabaseNames>("GetDatabaseNames"),
    VlMethod<&TSession::GetTableNames>("GetTableNames"), VlMethod<&TSession::GetFieldNames>("GetFieldNames"),
    VlMethod<&TSession::GetDriverNames>("GetDriverNames"),
    VL_NOT_IMPLEMENTED("GetAliasNames", "TSession.GetAliasNames"), VL_NOT_IMPLEMENTED("AddAlias", "TSession.AddAlias"),
    VL_NOT_IMPLEMENTED("AddStandardAlias", "TSession.AddStandardAlias"),
    VL_NOT_IMPLEMENTED("DeleteAlias", "TSession.DeleteAlias"),
    VL_NOT_IMPLEMENTED("GetStoredProcNames", "TSession.GetStoredProcNames"),
    VL_NOT_IMPLEMENTED("AddPassword", "TSession.AddPassword"),
    VL_NOT_IMPLEMENTED("RemovePassword", "TSession.RemovePassword"),
    VL_NOT_IMPLEMENTED("SaveConfigFile", "TSession.SaveConfigFile"),
    VL_NOT_IMPLEMENTED("NetFileDir", "TSession.NetFileDir"), VL_NOT_IMPLEMENTED("PrivateDir", "TSession.PrivateDir"),
};

const TVlClassBinding DbTablesClasses[] = {
    {TDBDataSet::StaticClassInfo, DBDataSetMembers},
    {TQuery::StaticClassInfo, QueryMembers, TVlCreate::WithOwner},
    {TTable::StaticClassInfo, TableMembers, TVlCreate::WithOwner},
    {TDatabase::StaticClassInfo, DatabaseMembers, TVlCreate::WithOwner},
    {TSession::StaticClassInfo, SessionMembers},
};

void SessionObject(TVlValue &r, TVlInterpreterArgs &) { r = VlObjectValue(DefaultSession()); }
void MissingClass(TVlValue &, TVlInterpreterArgs &a) { VlNotImplemented(a.Identifier); }

// Session, and the classes of the old engines' own features, whose names raise "not implemented".
const TVlFunctionBinding DbTablesFunctions[] = {
    {"Session", SessionObject, ""}, {"TStoredProc", MissingClass, "*"}, {"TBatchMove", MissingClass, "*"},
    {"TUpdateSQL", MissingClass, "*"}, {"TNestedTable", MissingClass, "*"}, {"TBDEDataSet", MissingClass, "*"},
    {"TSessionList", MissingClass, "*"},
};

const TVlIntConstant DbTablesConstants[] = {
    {"ttDefault", 0}, {"ttParadox", 1}, {"ttDBase", 2}, {"ttFoxPro", 3}, {"ttASCII", 4},
    {"tiDirtyRead", 0}, {"tiReadCommitted", 1}, {"tiRepeatableRead", 2},
    {"batAppend", 0}, {"batUpdate", 1}, {"batAppendUpdate", 2}, {"batDelete", 3}, {"batCopy", 4},
    {"ukModify", 0}, {"ukInsert", 1}, {"ukDelete", 2},
    {"uaFail", 0}, {"uaAbort", 1}, {"uaSkip", 2}, {"uaRetry", 3}, {"uaApplied", 4},
    {"usUnmodified", 0}, {"usModified", 1}, {"usInserted", 2}, {"usDeleted", 3},
    {"smAlwaysAsk", 0}, {"smAlwaysSave", 1}, {"smAlwaysNever", 2},
    {"upWhereAll", 0}, {"upWhereChanged", 1}, {"upWhereKeyOnly", 2},
};

} // namespace

void VlRegisterDbTables(TVlInterpreterAdapter &adapter)
{
    VlRegisterClassTable(adapter, "DbTables", DbTablesClasses);
    VlRegisterFunctions(adapter, "DbTables", DbTablesFunctions);
    VlRegisterIntConstants(adapter, "DbTables", DbTablesConstants);
}
