// Fresh databases for the tests and the running of their scripts.
#include "DbTestSupport.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cctype>
#include <filesystem>

std::string PostgresSocketDir()
{
    return std::filesystem::absolute("../pgtest").lexically_normal().string();
}

namespace {

int ConnectionCounter = 0;

std::string DatabaseNameFor(const std::string &testName)
{
    std::string name = "vl_";
    for (char c : testName)
        name += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '_';
    return name.substr(0, 60);
}

QSqlDatabase AdminConnection(const QString &connection, const std::string &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(QString::fromStdString(PostgresSocketDir()));
    db.setUserName(QStringLiteral("postgres"));
    db.setDatabaseName(QString::fromStdString(database));
    return db;
}

} // namespace

TTestDatabase::TTestDatabase(const std::string &engine, const std::string &testName)
    : FPostgres(engine == "Postgres"), FConnection(QStringLiteral("vl-test-%1").arg(++ConnectionCounter))
{
    if (!FPostgres) {
        FFolder = std::make_unique<QTemporaryDir>();
        FName = FFolder->filePath(QStringLiteral("test.db")).toStdString();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnection);
        db.setDatabaseName(QString::fromStdString(FName));
        return;
    }
    FDatabase = DatabaseNameFor(testName);
    {
        QSqlDatabase admin = AdminConnection(FConnection + QStringLiteral("-admin"), "postgres");
        if (!admin.open())
            ADD_FAILURE() << "no PostgreSQL test server: " << admin.lastError().text().toStdString();
        QSqlQuery query(admin);
        query.exec(QString::fromStdString("DROP DATABASE IF EXISTS " + FDatabase + " WITH (FORCE)"));
        if (!query.exec(QString::fromStdString("CREATE DATABASE " + FDatabase + " ENCODING 'UTF8'")))
            ADD_FAILURE() << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(FConnection + QStringLiteral("-admin"));
    FName = "postgresql://postgres@/" + FDatabase + "?host=" + PostgresSocketDir();
    AdminConnection(FConnection, FDatabase);
}

TTestDatabase::~TTestDatabase()
{
    QSqlDatabase::removeDatabase(FConnection);
    if (!FPostgres)
        return;
    {
        QSqlDatabase admin = AdminConnection(FConnection + QStringLiteral("-admin"), "postgres");
        if (admin.open())
            QSqlQuery(admin).exec(QString::fromStdString("DROP DATABASE IF EXISTS " + FDatabase + " WITH (FORCE)"));
    }
    QSqlDatabase::removeDatabase(FConnection + QStringLiteral("-admin"));
}

std::string TTestDatabase::Scalar(const std::string &utf8Sql) const
{
    QSqlDatabase db = QSqlDatabase::database(FConnection);
    QSqlQuery query(db);
    if (!query.exec(QString::fromStdString(utf8Sql)))
        return "error: " + query.lastError().text().toStdString();
    if (!query.next())
        return "no row";
    return query.value(0).toString().toStdString();
}

std::string RunScript(TVlInterpreterProgram &program, const std::string &source)
{
    program.SetSourceText(source);
    try {
        program.Execute();
        return VlResultText(program.ResultValue);
    } catch (const EVlInterpreterError &e) {
        return "error " + std::to_string(e.Code) + ": " + e.Message;
    } catch (...) {
        return "error " + std::to_string(program.LastFailure.Code) + ": " + program.LastFailure.Message;
    }
}

void DbScripts::SetUp()
{
    RegisterDbBindingsOnce();
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    Db = std::make_unique<TTestDatabase>(GetParam(), info->name());
    Program = std::make_unique<TVlInterpreterFm>();
}

void DbScripts::TearDown()
{
    Program.reset();
    Db.reset();
}

namespace {

std::string ReplaceAll(std::string text, const std::string &from, const std::string &to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::string DbScripts::Run(const std::string &vars, const std::string &body)
{
    const std::string source = "unit T;\r\nfunction main: string;\r\n" + (vars.empty() ? "" : "var " + vars + "\r\n")
                               + "begin\r\n" + body + "\r\nend;\r\nend.\r\n";
    const std::string cp = Utf8ToCp1251(ReplaceAll(source, "%DB%", Db->Name()));
    return Cp1251ToUtf8(RunScript(*Program, cp));
}
