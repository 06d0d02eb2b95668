// The classic members of the data sets, fields, parameters, tables, databases and batch moves, on
// both engines, and the members with no counterpart here answering "not implemented".
#include "DbTestSupport.h"

namespace {

// A keyed table of three goods made by a script.
const char *const CreateGoods =
    "  T := TTable.Create(nil);\r\n"
    "  T.DatabaseName := '%DB%';\r\n"
    "  T.TableName := 'goods';\r\n"
    "  T.FieldDefs.Add('id', ftInteger, 0, True);\r\n"
    "  T.FieldDefs.Add('title', ftString, 20);\r\n"
    "  T.FieldDefs.Add('price', ftFloat);\r\n"
    "  T.IndexDefs.Add('PRIMARY', 'id', [ixPrimary]);\r\n"
    "  T.CreateTable;\r\n"
    "  T.Open;\r\n"
    "  T.AppendRecord([2, 'Сыр', 7.5]);\r\n"
    "  T.AppendRecord([1, 'Хлеб', 1.25]);\r\n"
    "  T.InsertRecord([3, 'Ёлка', Null]);\r\n";

std::string WithGoods(const std::string &rest)
{
    return std::string(CreateGoods) + rest;
}

} // namespace

TEST_P(DbScripts, RecordsAreWrittenWholeAndFoundInTheTablesOrder)
{
    EXPECT_EQ(Run("T: TTable; S: string;",
                  WithGoods("  T.IndexFieldNames := 'title';\r\n"
                            "  if T.FindFirst then S := T['title'];\r\n"
                            "  while T.FindNext do S := S + ',' + T['title'];\r\n"
                            "  if not T.Found then S := S + ' end';\r\n"
                            "  T.IndexName := 'PRIMARY';\r\n"
                            "  T.First;\r\n"
                            "  S := S + ' ' + T.IndexFields[0].FieldName + IntToStr(T.IndexFieldCount) + ' ' + T['title'];\r\n"
                            "  T.SetFields([Null, 'Батон']);\r\n"
                            "  T.Post;\r\n"
                            "  T.Last; T.Edit; T.ClearFields; T['id'] := 3; T.Post;\r\n"
                            "  S := S + ' ' + IntToStr(T.FieldList.Count) + ' ' + IntToStr(T.FieldDefList.Count);\r\n"
                            "  Result := S;\r\n"
                            "  T.Free;")),
              "Ёлка,Сыр,Хлеб end id1 Хлеб 3 3");
    EXPECT_EQ(Db->Scalar("SELECT title FROM goods WHERE id = 1"), "Батон");
    EXPECT_EQ(Db->Scalar("SELECT price FROM goods WHERE id = 1"), "1.25");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM goods WHERE id = 3 AND title IS NULL"), "1");
}

TEST_P(DbScripts, FieldsTellTheirPropertiesAndRefuseValuesOutOfRange)
{
    EXPECT_EQ(Run("T: TTable; F: TField; S: string;",
                  WithGoods("  F := T.FieldByName('price');\r\n"
                            "  S := IntToStr(F.Alignment) + IntToStr(T.FieldByName('title').Alignment) + ' ' + F.Origin"
                            " + ' ' + IntToStr(F.DataSize);\r\n"
                            "  if F.IsValidChar('5') and not F.IsValidChar('x') and F.CanModify then S := S + ' chars';\r\n"
                            "  F.DisplayLabel := 'Цена';\r\n"
                            "  S := S + ' ' + F.DisplayName + ' ' + F.FieldName + ' ' + IntToStr(F.FieldKind);\r\n"
                            "  TFloatField(F).Currency := True;\r\n"
                            "  T.First;\r\n"
                            "  S := S + ' ' + F.DisplayText;\r\n"
                            "  TIntegerField(T.FieldByName('id')).MaxValue := 10;\r\n"
                            "  TIntegerField(T.FieldByName('id')).MinValue := 1;\r\n"
                            "  T.Edit;\r\n"
                            "  try T['id'] := 11; except on E: EDatabaseError do S := S + ' | ' + E.Message; end;\r\n"
                            "  T.Cancel;\r\n"
                            "  Result := S;\r\n"
                            "  T.Free;")),
              "10 goods.price 8 chars Цена price 0 7.50"
              " | 11 is not a valid value for field 'id'. The allowed range is 1 to 10");
}

TEST_P(DbScripts, ParametersTakeValuesByNameAndFromFields)
{
    EXPECT_EQ(Run("T: TTable; Q: TQuery; S: string;",
                  WithGoods("  Q := TQuery.Create(nil);\r\n"
                            "  Q.DatabaseName := '%DB%';\r\n"
                            "  Q.SQL.Text := 'SELECT title FROM goods WHERE id = :id OR price > :low ORDER BY id';\r\n"
                            "  S := Q.Text + ' |';\r\n"
                            "  T.FindKey([1]);\r\n"
                            "  Q.Params[0].AssignField(T.FieldByName('id'));\r\n"
                            "  Q.Params.ParamValues['low'] := 5;\r\n"
                            "  S := S + ' ' + IntToStr(Q.Params.ParamValues['id']) + ' ' + Q.ParamByName('low').Text;\r\n"
                            "  Q.Open;\r\n"
                            "  while not Q.Eof do begin S := S + ' ' + Q.Fields[0].AsString; Q.Next; end;\r\n"
                            "  Q.Close;\r\n"
                            "  Q.SQL.Text := 'INSERT INTO goods (id) VALUES (4)';\r\n"
                            "  try Q.Open; except on E: ENoResultSet do S := S + ' | no result'; end;\r\n"
                            "  Result := S;\r\n"
                            "  Q.Free; T.Free;")),
              "SELECT title FROM goods WHERE id = ? OR price > ? ORDER BY id\r\n | 1 5 Хлеб Сыр | no result");
}

TEST_P(DbScripts, ABatchMoveCopiesAppendsUpdatesAndDeletesByKey)
{
    EXPECT_EQ(Run("T, D, C: TTable; B: TBatchMove; S: string;",
                  WithGoods("  D := TTable.Create(nil);\r\n"
                            "  D.DatabaseName := '%DB%'; D.TableName := 'copy';\r\n"
                            "  D.FieldDefs.Add('id', ftInteger, 0, True); D.FieldDefs.Add('title', ftString, 20);\r\n"
                            "  D.IndexDefs.Add('PRIMARY', 'id', [ixPrimary]);\r\n"
                            "  D.CreateTable;\r\n"
                            "  B := TBatchMove.Create(nil);\r\n"
                            "  B.Source := T; B.Destination := D;\r\n"
                            "  B.Execute;\r\n"
                            "  S := IntToStr(B.MovedCount) + ' ' + IntToStr(D.RecordCount);\r\n"
                            "  D.First; D.Delete;\r\n"
                            "  T.FindKey([1]); T.Edit; T['title'] := 'Новый'; T.Post;\r\n"
                            "  B.Mode := batAppendUpdate; B.Execute;\r\n"
                            "  S := S + ' ' + IntToStr(B.ChangedCount) + ' ' + IntToStr(D.RecordCount);\r\n"
                            "  B.Mode := batAppend; B.AbortOnKeyViol := False; B.Execute;\r\n"
                            "  S := S + ' ' + IntToStr(B.KeyViolCount);\r\n"
                            "  T.FindKey([3]); T.Delete;\r\n"
                            "  S := S + ' ' + IntToStr(D.BatchMove(T, batDelete)) + ' ' + IntToStr(D.RecordCount);\r\n"
                            "  C := TTable.Create(nil);\r\n"
                            "  C.DatabaseName := '%DB%'; C.TableName := 'copy2';\r\n"
                            "  B.Destination := C; B.Mode := batCopy; B.Execute;\r\n"
                            "  Result := S + ' ' + IntToStr(C.RecordCount);\r\n"
                            "  B.Free; C.Free; D.Free; T.Free;")),
              "3 3 2 3 3 2 1 2");
    EXPECT_EQ(Db->Scalar("SELECT title FROM copy WHERE id = 3"), "Ёлка");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM copy"), "1");
    EXPECT_EQ(Db->Scalar("SELECT title FROM copy2 WHERE id = 1"), "Новый");
}

TEST_P(DbScripts, TablesAreRenamedAndFollowedByOthersOfTheSameTable)
{
    EXPECT_EQ(Run("T, U: TTable; D: TDatabase; L: TStringList; S: string;",
                  WithGoods("  U := TTable.Create(nil);\r\n"
                            "  U.DatabaseName := '%DB%'; U.TableName := 'goods'; U.Open;\r\n"
                            "  T.FindKey([3]); U.GotoCurrent(T);\r\n"
                            "  S := U['title'];\r\n"
                            "  U.Free; T.Close;\r\n"
                            "  T.RenameTable('wares');\r\n"
                            "  D := Session.OpenDatabase('%DB%');\r\n"
                            "  L := TStringList.Create;\r\n"
                            "  D.GetTableNames(L);\r\n"
                            "  S := S + ' ' + L.CommaText + ' ' + T.TableName;\r\n"
                            "  D.TransIsolation := tiRepeatableRead;\r\n"
                            "  D.StartTransaction; D.Execute('DELETE FROM wares'); D.Rollback;\r\n"
                            "  if D.Temporary and D.IsSQLBased then S := S + ' session';\r\n"
                            "  if Session.FindDatabase('%DB%') = D then S := S + ' found';\r\n"
                            "  Session.CloseDatabase(D);\r\n"
                            "  Result := S;\r\n"
                            "  L.Free; T.Free;")),
              "Ёлка wares wares session found");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM wares"), "3");
}

TEST_P(DbScripts, MembersOfTheOldEnginesSayTheyAreNotImplemented)
{
    const std::pair<const char *, const char *> cases[] = {
        {"T.ApplyUpdates;", "TBDEDataSet.ApplyUpdatesnot implemented"},
        {"T.SetKey;", "TTable.SetKeynot implemented"},
        {"T.MasterFields := 'id';", "TTable.MasterFieldsnot implemented"},
        {"T.Filter := 'id > 1';", "TDataSet.Filternot implemented"},
        {"Q.Fields[0].EditMask := '999';", "TField.EditMasknot implemented"},
        {"T.Bookmark;", "TDataSet.Bookmarknot implemented"},
        {"TUpdateSQL.Create(nil);", "TUpdateSQL.Createnot implemented"},
        {"Session.AddAlias('a', 'b', nil);", "TSession.AddAliasnot implemented"},
    };
    for (const auto &[statement, message] : cases) {
        const std::string result = Run("T: TTable; Q: TQuery;",
                                       "  T := TTable.Create(nil);\r\n"
                                       "  Q := TQuery.Create(nil); Q.DatabaseName := '%DB%';\r\n"
                                       "  Q.SQL.Text := 'SELECT 1 AS id'; Q.Open;\r\n"
                                       "  try " + std::string(statement) + " finally Q.Free; T.Free; end;");
        EXPECT_EQ(result.rfind("error 2: ", 0), 0u) << statement << " " << result;
        EXPECT_NE(result.find(message), std::string::npos) << statement << " " << result;
    }
}
