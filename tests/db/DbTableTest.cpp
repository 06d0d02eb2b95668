// TTable editing, TDatabase transactions and the data set events, on both engines.
#include "DbTestSupport.h"

namespace {

// A table with an automatic key made by a script through FieldDefs and CreateTable.
const char *const CreateItems =
    "  T := TTable.Create(nil);\r\n"
    "  T.DatabaseName := '%DB%';\r\n"
    "  T.TableName := 'items';\r\n"
    "  T.FieldDefs.Add('id', ftAutoInc);\r\n"
    "  T.FieldDefs.Add('title', ftString, 30, True);\r\n"
    "  T.FieldDefs.Add('price', ftFloat);\r\n"
    "  T.FieldDefs.Add('done', ftBoolean);\r\n"
    "  T.CreateTable;\r\n"
    "  T.Open;\r\n";

std::string WithItems(const std::string &rest)
{
    return std::string(CreateItems) + rest;
}

} // namespace

TEST_P(DbScripts, ATableAppendsEditsAndDeletesRecordsInTheEngine)
{
    EXPECT_EQ(Run("T: TTable; S: string;",
                  WithItems("  T.Append;\r\n"
                            "  if T.State = dsInsert then S := 'insert';\r\n"
                            "  T.FieldByName('title').AsString := 'Хлеб';\r\n"
                            "  T.FieldByName('price').AsFloat := 1.25;\r\n"
                            "  T.FieldByName('done').AsBoolean := False;\r\n"
                            "  T.Post;\r\n"
                            "  S := S + ' key ' + T.FieldByName('id').AsString;\r\n"
                            "  T.Append; T['title'] := 'Молоко'; T['price'] := 2; T.Post;\r\n"
                            "  T.Append; T['title'] := 'Сыр'; T.Post;\r\n"
                            "  T.First;\r\n"
                            "  T.Edit;\r\n"
                            "  if T.State = dsEdit then S := S + ' edit';\r\n"
                            "  T.FieldByName('done').AsBoolean := True;\r\n"
                            "  T.Post;\r\n"
                            "  T.Next;\r\n"
                            "  T.Delete;\r\n"
                            "  S := S + ' ' + IntToStr(T.RecordCount) + ' at ' + T['title'];\r\n"
                            "  T.Append; T['title'] := 'Чай'; T.Cancel;\r\n"
                            "  Result := S + ' ' + IntToStr(T.RecordCount);\r\n"
                            "  T.Free;")),
              "insert key 1 edit 2 at Сыр 2");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM items"), "2");
    EXPECT_EQ(Db->Scalar("SELECT title FROM items WHERE id = 3"), "Сыр");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM items WHERE title = 'Молоко'"), "0");
    EXPECT_EQ(Db->Scalar("SELECT CASE WHEN done THEN 'yes' ELSE 'no' END FROM items WHERE id = 1"), "yes");
}

TEST_P(DbScripts, ARequiredFieldLeftEmptyIsRefusedAndTheRecordStaysInInsertMode)
{
    const std::string result = Run("T: TTable;",
                  WithItems("  T.Append;\r\n"
                            "  T['price'] := 3;\r\n"
                            "  try T.Post; except on E: EDatabaseError do Result := E.Message; end;\r\n"
                            "  if T.State = dsInsert then Result := Result + ' still inserting';\r\n"
                            "  T.Cancel;\r\n"
                            "  T.Free;"));
    // Refused by the field or by the engine's constraint, the message names the column.
    EXPECT_NE(result.find("title"), std::string::npos) << result;
    EXPECT_NE(result.find(" still inserting"), std::string::npos) << result;
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM items"), "0");
}

TEST_P(DbScripts, FieldsConvertOnWritingAndRefuseTextThatIsNoNumber)
{
    EXPECT_EQ(Run("T: TTable; S: string;",
                  WithItems("  T.Append;\r\n"
                            "  T['title'] := 'x';\r\n"
                            "  T.FieldByName('price').AsString := '7.5';\r\n"
                            "  S := FloatToStr(T.FieldByName('price').AsFloat * 2);\r\n"
                            "  try T.FieldByName('price').AsString := 'abc'; except on E: EConvertError do S := S + ' ' + E.Message; end;\r\n"
                            "  T.FieldByName('done').AsString := 'True';\r\n"
                            "  if T.FieldByName('done').AsBoolean then S := S + ' true';\r\n"
                            "  T.Post;\r\n"
                            "  try T.FieldByName('title').AsString := 'y'; except on E: EDatabaseError do S := S + ' | ' + E.Message; end;\r\n"
                            "  Result := S;\r\n"
                            "  T.Free;")),
              "15 'abc' is not a valid floating point value true | Dataset not in edit or insert mode");
}

TEST_P(DbScripts, ARolledBackTransactionLeavesTheDatabaseAsItWas)
{
    EXPECT_EQ(Run("T: TTable; D: TDatabase; S: string;",
                  WithItems("  T.Append; T['title'] := 'kept'; T.Post;\r\n"
                            "  D := TDatabase.Create(nil);\r\n"
                            "  D.DatabaseName := '%DB%';\r\n"
                            "  D.StartTransaction;\r\n"
                            "  if D.InTransaction then S := 'in';\r\n"
                            "  T.Append; T['title'] := 'dropped'; T.Post;\r\n"
                            "  T.First; T.Delete;\r\n"
                            "  D.Rollback;\r\n"
                            "  T.Refresh;\r\n"
                            "  S := S + ' ' + IntToStr(T.RecordCount) + ' ' + T['title'];\r\n"
                            "  D.StartTransaction;\r\n"
                            "  T.Append; T['title'] := 'committed'; T.Post;\r\n"
                            "  D.Commit;\r\n"
                            "  try D.Commit; except on E: EDatabaseError do S := S + ' ' + E.Message; end;\r\n"
                            "  Result := S;\r\n"
                            "  T.Free; D.Free;")),
              "in 1 kept No transaction is active");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM items"), "2");
}

TEST_P(DbScripts, ATransactionLeftOpenWhenItsDatabaseGoesIsRolledBack)
{
    EXPECT_EQ(Run("T: TTable; D: TDatabase;",
                  WithItems("  D := TDatabase.Create(nil);\r\n"
                            "  D.DatabaseName := '%DB%';\r\n"
                            "  D.StartTransaction;\r\n"
                            "  T.Append; T['title'] := 'half done'; T.Post;\r\n"
                            "  T.Free; D.Free;\r\n"
                            "  Result := 'ok';")),
              "ok");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM items"), "0");
}

TEST_P(DbScripts, DataSetAndFieldEventsRunScriptHandlers)
{
    const std::string handlers =
        "var Log: string;\r\n"
        "procedure Posted(DataSet: TDataSet); begin Log := Log + ' post:' + DataSet.Name + '.' + IntToStr(DataSet.State); end;\r\n"
        "procedure Deleting(DataSet: TDataSet); begin Log := Log + ' del'; end;\r\n"
        "procedure Changed(Sender: TObject; Field: TField); begin if Field <> nil then Log := Log + ' f:' + Field.FieldName; end;\r\n"
        "procedure Shown(Sender: TField; var Text: string; DisplayText: Boolean); begin Text := '<' + Sender.AsString + '>'; end;\r\n"
        "procedure Check(Sender: TField); begin if Sender.AsFloat < 0 then raise Exception.Create('negative'); end;\r\n"
        "procedure OnlyCheap(DataSet: TDataSet; var Accept: Boolean); begin Accept := DataSet['price'] < 10; end;\r\n"
        "procedure PostFailed(DataSet: TDataSet; E: EDatabaseError; var Action: TDataAction);\r\n"
        "begin Log := Log + ' failed'; Action := daAbort; end;\r\n";
    const std::string source =
        "unit T;\r\n" + handlers + "function main: string;\r\nvar T: TTable; S: TDataSource;\r\nbegin\r\n" +
        std::string(CreateItems) +
        "  T.Name := 'Items';\r\n"
        "  T.AfterPost := Posted; T.BeforeDelete := Deleting;\r\n"
        "  S := TDataSource.Create(nil); S.DataSet := T; S.OnDataChange := Changed;\r\n"
        "  T.Append; T['title'] := 'a'; T['price'] := 5; T.Post;\r\n"
        "  T.Append; T['title'] := 'b'; T['price'] := 50; T.Post;\r\n"
        "  T.FieldByName('title').OnGetText := Shown;\r\n"
        "  Log := Log + ' ' + T.FieldByName('title').DisplayText;\r\n"
        "  T.FieldByName('price').OnValidate := Check;\r\n"
        "  T.Edit;\r\n"
        "  try T['price'] := -1; except Log := Log + ' refused ' + T.FieldByName('price').AsString; end;\r\n"
        "  T.Cancel;\r\n"
        "  T.OnFilterRecord := OnlyCheap; T.Filtered := True;\r\n"
        "  Log := Log + ' filtered ' + IntToStr(T.RecordCount);\r\n"
        "  T.Filtered := False;\r\n"
        "  Log := Log + ' all ' + IntToStr(T.RecordCount);\r\n"
        "  T.Last; T.Delete;\r\n"
        "  T.OnPostError := PostFailed;\r\n"
        "  T.Append; T['title'] := 'c'; T['id'] := 1;\r\n"
        "  try T.Post; except on E: EAbort do Log := Log + ' aborted'; end;\r\n"
        "  T.Cancel;\r\n"
        "  Result := Log;\r\n"
        "  S.Free; T.Free;\r\nend;\r\nend.\r\n";
    std::string text = source;
    for (size_t at = text.find("%DB%"); at != std::string::npos; at = text.find("%DB%"))
        text.replace(at, 4, Db->Name());
    EXPECT_EQ(Cp1251ToUtf8(RunScript(*Program, Utf8ToCp1251(text))),
              " f:title f:price post:Items.1 f:title f:price post:Items.1 <b> refused 50 filtered 1 all 2 del"
              " f:title f:id failed aborted");
}

TEST_P(DbScripts, TheSessionListsTablesAndFields)
{
    EXPECT_EQ(Run("T: TTable; L: TStringList;",
                  WithItems("  L := TStringList.Create;\r\n"
                            "  Session.GetTableNames('%DB%', '*', False, False, L);\r\n"
                            "  Result := L.Text;\r\n"
                            "  Session.GetFieldNames('%DB%', 'items', L);\r\n"
                            "  Result := Result + L.CommaText;\r\n"
                            "  if T.Exists then Result := Result + ' exists';\r\n"
                            "  T.DeleteTable;\r\n"
                            "  if not T.Exists then Result := Result + ' gone';\r\n"
                            "  L.Free; T.Free;")),
              "items\r\nid,title,price,done exists gone");
}

TEST_P(DbScripts, ATableWithoutKeyChangesOnlyTheRecordEditedAmongIdenticalOnes)
{
    EXPECT_EQ(Run("T: TTable; Q: TQuery; S: string;",
                  "  Q := TQuery.Create(nil);\r\n"
                  "  Q.DatabaseName := '%DB%';\r\n"
                  "  Q.SQL.Text := 'CREATE TABLE twins (title VARCHAR(10), price INTEGER)';\r\n"
                  "  Q.ExecSQL;\r\n"
                  "  Q.SQL.Text := 'INSERT INTO twins VALUES (''Ёж'', 1), (''Ёж'', 1), (''Ёж'', 1)';\r\n"
                  "  Q.ExecSQL;\r\n"
                  "  T := TTable.Create(nil);\r\n"
                  "  T.DatabaseName := '%DB%';\r\n"
                  "  T.TableName := 'twins';\r\n"
                  "  T.Open;\r\n"
                  "  S := IntToStr(T.FieldCount);\r\n"
                  "  T.Edit; T['price'] := 5; T.Post;\r\n"
                  "  T.Edit; T['price'] := 6; T.Post;\r\n"
                  "  T.Next; T.Delete;\r\n"
                  "  T.Append; T['title'] := 'Ёж'; T['price'] := 1; T.Post;\r\n"
                  "  T.Edit; T['price'] := 7; T.Post;\r\n"
                  "  T.Refresh;\r\n"
                  "  Result := S + ' ' + IntToStr(T.RecordCount);\r\n"
                  "  T.Free; Q.Free;"),
              "2 3");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins"), "3");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins WHERE price = 1"), "1");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins WHERE price = 6"), "1");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins WHERE price = 7"), "1");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins WHERE title = 'Ёж'"), "3");
}

TEST_P(DbScripts, IdenticalRecordsWithoutARowIdentityAreRefusedRatherThanAllChanged)
{
    const std::string result = Run("T: TTable; Q: TQuery; S: string;",
                  "  Q := TQuery.Create(nil);\r\n"
                  "  Q.DatabaseName := '%DB%';\r\n"
                  "  Q.SQL.Text := 'CREATE TABLE twins (title VARCHAR(10), price INTEGER)';\r\n"
                  "  Q.ExecSQL;\r\n"
                  "  Q.SQL.Text := 'INSERT INTO twins VALUES (''a'', 1), (''a'', 1), (''b'', 2)';\r\n"
                  "  Q.ExecSQL;\r\n"
                  "  Q.SQL.Text := 'SELECT * FROM twins ORDER BY title';\r\n"
                  "  Q.RequestLive := True;\r\n"
                  "  Q.Open;\r\n"
                  "  Q.Edit; Q['price'] := 5;\r\n"
                  "  try Q.Post; except on E: EDatabaseError do S := E.Message; end;\r\n"
                  "  Q.Cancel;\r\n"
                  "  try Q.Delete; except on E: EDatabaseError do S := S + ' | deleting'; end;\r\n"
                  "  Q.Last; Q.Edit; Q['price'] := 3; Q.Post;\r\n"
                  "  Result := S;\r\n"
                  "  Q.Free;");
    EXPECT_NE(result.find("первичного ключа"), std::string::npos) << result;
    EXPECT_NE(result.find(" | deleting"), std::string::npos) << result;
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM twins WHERE title = 'a' AND price = 1"), "2");
    EXPECT_EQ(Db->Scalar("SELECT price FROM twins WHERE title = 'b'"), "3");
}
