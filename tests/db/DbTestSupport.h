// Helpers of the database tests: scripts run with the GUI bindings against a fresh database of
// either engine (an SQLite file in a temporary folder, or a database of its own on the throwaway
// PostgreSQL server the test fixture starts).
#pragma once

#include "interpreter/bindings/VlInterpreterGui_all.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/forms/VlInterpreterFm.h"
#include "rtl/VlCp1251.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QTemporaryDir>

#include <memory>
#include <string>

inline void RegisterDbBindingsOnce()
{
    static bool registered = (VlRegisterAllGuiBindings(GlobalAdapter()), true);
    (void)registered;
}

// CP1251 text of a UTF-8 literal.
inline std::string Cp(const char *utf8)
{
    return Utf8ToCp1251(utf8);
}

// The socket folder of the test server (build/pgtest; the tests run in build/tests).
std::string PostgresSocketDir();

// One fresh database per test: its DatabaseName, and direct engine access to check what was stored.
class TTestDatabase {
public:
    explicit TTestDatabase(const std::string &engine, const std::string &testName);
    ~TTestDatabase();
    const std::string &Name() const { return FName; }
    bool IsPostgres() const { return FPostgres; }
    // A query run straight on the engine (not through the data sets); its first column of the
    // first row as UTF-8, or "error: ..." .
    std::string Scalar(const std::string &utf8Sql) const;

private:
    std::string FName, FDatabase;
    bool FPostgres;
    std::unique_ptr<QTemporaryDir> FFolder;
    QString FConnection;
};

// The value a script's main function leaves, or "error <code>: <message>".
std::string RunScript(TVlInterpreterProgram &program, const std::string &source);

// A script of one main function returning a string: body and var section in UTF-8; "%DB%" in
// either stands for the database name.
class DbScripts : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override;
    void TearDown() override;
    // The result as UTF-8.
    std::string Run(const std::string &vars, const std::string &body);
    std::unique_ptr<TTestDatabase> Db;
    std::unique_ptr<TVlInterpreterFm> Program;
};
