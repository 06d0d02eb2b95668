// Scripts create, fill and query databases through TQuery and its parameters, on both engines.
#include "DbTestSupport.h"

namespace {

// The people table every case here starts from: three rows, Cyrillic names.
const char *const CreatePeople =
    "  Q := TQuery.Create(nil);\r\n"
    "  Q.DatabaseName := '%DB%';\r\n"
    "  Q.SQL.Text := 'CREATE TABLE people (id INTEGER PRIMARY KEY, name VARCHAR(40), score REAL)';\r\n"
    "  Q.ExecSQL;\r\n"
    "  Q.SQL.Text := 'INSERT INTO people (id, name, score) VALUES (:id, :name, :score)';\r\n"
    "  Q.ParamByName('id').AsInteger := 1; Q.ParamByName('name').AsString := 'Иван'; Q.ParamByName('score').AsFloat := 4.5; Q.ExecSQL;\r\n"
    "  Q.ParamByName('id').AsInteger := 2; Q.ParamByName('name').AsString := 'Мария'; Q.ParamByName('score').AsFloat := 5; Q.ExecSQL;\r\n"
    "  Q.ParamByName('id').AsInteger := 3; Q.ParamByName('name').AsString := 'Пётр'; Q.Params[2].Clear; Q.ExecSQL;\r\n";

std::string WithPeople(const std::string &rest)
{
    return std::string(CreatePeople) + rest;
}

} // namespace

TEST_P(DbScripts, AQueryWalksTheRowsItInsertedWithParameters)
{
    EXPECT_EQ(Run("Q: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT id, name, score FROM people ORDER BY id';\r\n"
                             "  Q.Open;\r\n"
                             "  S := IntToStr(Q.RecordCount) + ':';\r\n"
                             "  while not Q.Eof do begin\r\n"
                             "    S := S + ' ' + Q.FieldByName('name').AsString + '=' + Q.Fields[2].AsString;\r\n"
                             "    Q.Next;\r\n"
                             "  end;\r\n"
                             "  Q.Prior;\r\n"
                             "  S := S + ' | ' + Q.FieldValues['name'] + ' ' + IntToStr(Q.RecNo);\r\n"
                             "  Q.First;\r\n"
                             "  if Q.Bof then S := S + ' bof';\r\n"
                             "  if Q.FieldByName('score').IsNull then S := S + ' null';\r\n"
                             "  Q.Last;\r\n"
                             "  if Q.Eof and Q.FieldByName('score').IsNull then S := S + ' last-null';\r\n"
                             "  Result := S + ' ' + Q['name'];\r\n"
                             "  Q.Free;")),
              "3: Иван=4.5 Мария=5 Пётр= | Мария 2 bof last-null Пётр");
}

TEST_P(DbScripts, TextReachesTheEngineAsUnicodeAndComesBackIntact)
{
    EXPECT_EQ(Run("Q: TQuery;", WithPeople("  Q.Free;\r\n  Result := 'ok';")), "ok");
    EXPECT_EQ(Db->Scalar("SELECT name FROM people WHERE id = 2"), "Мария");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM people WHERE name = 'Пётр'"), "1");
}

TEST_P(DbScripts, ParametersAreFoundByNameAndSurviveANewTextWithTheSameNames)
{
    EXPECT_EQ(Run("Q: TQuery;",
                  WithPeople("  Q.SQL.Text := 'SELECT name FROM people WHERE score > :low AND id <> :skip';\r\n"
                             "  Q.ParamByName('low').AsFloat := 4;\r\n"
                             "  Q.ParamByName('skip').AsInteger := 2;\r\n"
                             "  Q.Open;\r\n"
                             "  Result := IntToStr(Q.ParamCount) + ' ' + Q.Fields[0].AsString;\r\n"
                             "  Q.Close;\r\n"
                             "  Q.SQL.Text := 'SELECT COUNT(*) AS n FROM people WHERE score > :low';\r\n"
                             "  Q.Open;\r\n"
                             "  Result := Result + ' ' + IntToStr(Q.Fields[0].AsInteger) + ' ' + Q.Params[0].Name;\r\n"
                             "  Q.Free;")),
              "2 Иван 2 low");
}

TEST_P(DbScripts, LocateFindsRecordsByOneOrSeveralFieldsAndKeepsTheCursorWhenNothingMatches)
{
    EXPECT_EQ(Run("Q: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT id, name FROM people ORDER BY id';\r\n"
                             "  Q.Open;\r\n"
                             "  if Q.Locate('name', 'мария', [loCaseInsensitive]) then S := IntToStr(Q.RecNo);\r\n"
                             "  if not Q.Locate('name', 'Никто', 0) then S := S + ' stays ' + IntToStr(Q.RecNo);\r\n"
                             "  if Q.Locate('id;name', VarArrayOf([3, 'Пётр']), []) then S := S + ' ' + IntToStr(Q.RecNo);\r\n"
                             "  if Q.Locate('name', 'Ив', [loPartialKey]) then S := S + ' ' + Q.FieldByName('id').AsString;\r\n"
                             "  Result := S + ' ' + Q.Lookup('id', 2, 'name');\r\n"
                             "  Q.Free;")),
              "2 stays 2 3 1 Мария");
}

TEST_P(DbScripts, AnSqlErrorIsAScriptExceptionWithTheEnginesMessage)
{
    const std::string result = Run("Q: TQuery;",
                                   "  Q := TQuery.Create(nil);\r\n"
                                   "  Q.DatabaseName := '%DB%';\r\n"
                                   "  Q.SQL.Text := 'SELECT * FROM nowhere';\r\n"
                                   "  try\r\n"
                                   "    Q.Open;\r\n"
                                   "    Result := 'opened';\r\n"
                                   "  except\r\n"
                                   "    on E: EDatabaseError do Result := E.ClassName + ': ' + E.Message;\r\n"
                                   "  end;\r\n"
                                   "  Q.Free;");
    // The engine's errors are of its own class, under EDatabaseError.
    EXPECT_EQ(result.rfind("EDBEngineError: ", 0), 0u) << result;
    EXPECT_NE(result.find("nowhere"), std::string::npos) << result;
    EXPECT_NE(result.find(Db->IsPostgres() ? "does not exist" : "no such table"), std::string::npos) << result;
}

TEST_P(DbScripts, AnUnhandledSqlErrorStopsTheScriptWithTheEnginesMessage)
{
    const std::string result = Run("Q: TQuery;",
                                   "  Q := TQuery.Create(nil);\r\n"
                                   "  Q.DatabaseName := '%DB%';\r\n"
                                   "  Q.SQL.Text := 'CREATE TABLE t (a INTEGER,)';\r\n"
                                   "  Q.ExecSQL;");
    EXPECT_EQ(result.rfind("error ", 0), 0u) << result;
    EXPECT_NE(result.find("syntax error"), std::string::npos) << result;
}

TEST_P(DbScripts, StatementsOfOneExecSqlTakeEffectAllOrNone)
{
    EXPECT_EQ(Run("Q: TQuery;",
                  WithPeople("  Q.SQL.Text := 'INSERT INTO people (id, name) VALUES (10, ''a''); INSERT INTO people (id, name) VALUES (1, ''dup'')';\r\n"
                             "  try Q.ExecSQL; Result := 'ran'; except Result := 'failed'; end;\r\n"
                             "  Q.SQL.Text := 'INSERT INTO people (id, name) VALUES (11, ''b''); UPDATE people SET name = ''x;y'' WHERE id = 11';\r\n"
                             "  Q.ExecSQL;\r\n"
                             "  Result := Result + ' ' + IntToStr(Q.RowsAffected);\r\n"
                             "  Q.Free;")),
              "failed 1");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM people WHERE id = 10"), "0");
    EXPECT_EQ(Db->Scalar("SELECT name FROM people WHERE id = 11"), "x;y");
}

TEST_P(DbScripts, AClosedOrEmptyQueryAnswersAsClosedAndEmptyDataSetsDo)
{
    EXPECT_EQ(Run("Q: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT * FROM people WHERE id > 100';\r\n"
                             "  if Q.State = dsInactive then S := 'inactive';\r\n"
                             "  try Q.Next; except on E: EDatabaseError do S := S + ' ' + E.Message; end;\r\n"
                             "  Q.Open;\r\n"
                             "  if (Q.State = dsBrowse) and Q.Eof and Q.Bof and Q.IsEmpty then S := S + ' empty';\r\n"
                             "  Q.Next; Q.Prior;\r\n"
                             "  Result := S + ' ' + IntToStr(Q.RecordCount) + ' [' + Q.FieldByName('name').AsString + ']';\r\n"
                             "  try Q.FieldByName('nope'); except on E: EDatabaseError do Result := Result + ' ' + E.Message; end;\r\n"
                             "  Q.Free;")),
              "inactive Cannot perform this operation on a closed dataset empty 0 [] Field 'nope' not found");
}

TEST_P(DbScripts, AForwardScanStillAnswersBackwardStepsCountsAndStatementsRunInTheMiddle)
{
    // A scan reads records as it goes; stepping back, counting or running another statement on
    // the same connection in the middle must see every record all the same.
    EXPECT_EQ(Run("Q, U: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT id, name FROM people ORDER BY id';\r\n"
                             "  Q.Open; Q.Next; Q.Next;\r\n"
                             "  S := Q.FieldByName('name').AsString + IntToStr(Q.RecNo);\r\n"
                             "  Q.Prior; S := S + ' ' + Q.FieldByName('name').AsString + IntToStr(Q.RecNo);\r\n"
                             "  Q.Next; Q.Next; if Q.Eof then S := S + ' eof';\r\n"
                             "  S := S + ' ' + IntToStr(Q.RecordCount);\r\n"
                             "  Q.Close; Q.Open; Q.Next;\r\n"
                             "  U := TQuery.Create(nil); U.DatabaseName := '%DB%';\r\n"
                             "  U.SQL.Text := 'UPDATE people SET name = ''x'''; U.ExecSQL;\r\n"
                             "  Q.Next; S := S + ' ' + Q.FieldByName('name').AsString;\r\n"
                             "  Q.First; S := S + ' ' + Q.FieldByName('name').AsString + IntToStr(Q.RecNo);\r\n"
                             "  Q.Close; Q.Open; Q.Next; Q.Next; Q.Next;\r\n"
                             "  if Q.Eof then S := S + ' eof' + IntToStr(Q.RecNo);\r\n"
                             "  Q.Last; S := S + ' ' + IntToStr(Q.RecNo);\r\n"
                             "  U.Free; Q.Free; Result := S;")),
              "Пётр3 Мария2 eof 3 Пётр x1 eof3 3");
}

TEST_P(DbScripts, ALiveQueryOfOneTableWritesBackAndAPlainOneStaysReadOnly)
{
    EXPECT_EQ(Run("Q: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT id, name FROM people WHERE id > :low ORDER BY id';\r\n"
                             "  Q.ParamByName('low').AsInteger := 1;\r\n"
                             "  Q.Open;\r\n"
                             "  try Q.Edit; except on E: EDatabaseError do S := E.Message; end;\r\n"
                             "  Q.Close; Q.RequestLive := True; Q.Open;\r\n"
                             "  Q.Edit; Q.FieldByName('name').AsString := 'Марья'; Q.Post;\r\n"
                             "  Q.Append; Q.FieldByName('id').AsInteger := 7; Q.FieldByName('name').AsString := 'Олег'; Q.Post;\r\n"
                             "  Q.First; Q.Next; Q.Delete;\r\n"
                             "  S := S + ' ' + IntToStr(Q.RecordCount);\r\n"
                             "  Q.Close;\r\n"
                             "  Q.SQL.Text := 'SELECT p.id, COUNT(*) AS n FROM people p GROUP BY p.id';\r\n"
                             "  Q.Open;\r\n"
                             "  try Q.Edit; except on E: EDatabaseError do S := S + ' ' + E.Message; end;\r\n"
                             "  Q.Free; Result := S;")),
              "Cannot modify a read-only dataset 2 Cannot modify a read-only dataset");
    EXPECT_EQ(Db->Scalar("SELECT name FROM people WHERE id = 2"), "Марья");
    EXPECT_EQ(Db->Scalar("SELECT name FROM people WHERE id = 7"), "Олег");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM people WHERE id = 3"), "0");
}

TEST_P(DbScripts, ALivePostTheEngineRefusesLeavesTheTableAsItWas)
{
    EXPECT_EQ(Run("Q: TQuery; S: string;",
                  WithPeople("  Q.SQL.Text := 'SELECT id, name FROM people ORDER BY id';\r\n"
                             "  Q.RequestLive := True; Q.Open;\r\n"
                             "  Q.Edit; Q.FieldByName('id').AsInteger := 2;\r\n"
                             "  try Q.Post; except on E: EDatabaseError do S := 'refused'; end;\r\n"
                             "  Q.Cancel; S := S + ' ' + Q.FieldByName('id').AsString;\r\n"
                             "  Q.Free; Result := S;")),
              "refused 1");
    EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM people"), "3");
    EXPECT_EQ(Db->Scalar("SELECT name FROM people WHERE id = 1"), "Иван");
}

INSTANTIATE_TEST_SUITE_P(Sqlite, DbScripts, ::testing::Values(std::string("Sqlite")));
INSTANTIATE_TEST_SUITE_P(Postgres, DbScripts, ::testing::Values(std::string("Postgres")));
