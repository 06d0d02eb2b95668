// A plug-in author's view: a plug-in built with the system's compilers from VeltranoPlugin.h alone
// (copied into an empty folder), then loaded and used by the host.
#include "PluginTestSupport.h"

#include "common/VlTestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QString SourceFolder()
{
    return QString::fromStdString(VlTestDataDir()) + QStringLiteral("/..");
}

// Compiles tests/plugins/author/Greeter.c with `compiler` in `language` ("c", "c++") into
// `output`, with nothing but the contract header on the include path; returns the compiler's
// complaints, empty on success.
QString BuildGreeter(const QString &compiler, const QString &language, const QString &standard, const QDir &work,
                     const QString &output)
{
    work.mkpath(QStringLiteral("include"));
    QFile::copy(SourceFolder() + QStringLiteral("/../plugins/VeltranoPlugin.h"),
                work.filePath(QStringLiteral("include/VeltranoPlugin.h")));
    QFile::copy(SourceFolder() + QStringLiteral("/plugins/author/Greeter.c"), work.filePath(QStringLiteral("Greeter.c")));
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(compiler, {QStringLiteral("-x"), language, QStringLiteral("-std=") + standard,
                             QStringLiteral("-pedantic"), QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
                             QStringLiteral("-Werror"), QStringLiteral("-fPIC"), QStringLiteral("-shared"),
                             QStringLiteral("-fvisibility=hidden"), QStringLiteral("-Iinclude"),
                             QStringLiteral("Greeter.c"), QStringLiteral("-o"), output});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("build failed: ") + QString::fromLocal8Bit(process.readAll());
    return {};
}

struct TCompilerRow {
    const char *Compiler;
    const char *Language;
    const char *Standard;
};

void PrintTo(const TCompilerRow &row, std::ostream *out)
{
    *out << row.Compiler << " -std=" << row.Standard;
}

class PluginAuthorTest : public testing::TestWithParam<TCompilerRow> {};

TEST_P(PluginAuthorTest, APluginBuiltFromTheHeaderAloneLoadsAndWorks)
{
    const TCompilerRow row = GetParam();
    const QString compiler = QStandardPaths::findExecutable(QString::fromUtf8(row.Compiler));
    if (compiler.isEmpty())
        GTEST_SKIP() << "no " << row.Compiler << " on this machine";
    QTemporaryDir dir;
    const QDir work(dir.path());
    work.mkpath(QStringLiteral("Plugins"));
    const QString library = work.filePath(QStringLiteral("Plugins/Greeter.so"));
    const QString complaints =
        BuildGreeter(compiler, QString::fromUtf8(row.Language), QString::fromUtf8(row.Standard), work, library);
    ASSERT_TRUE(complaints.isEmpty()) << complaints.toStdString();

    TTestHost host;
    {
        TVlPluginManager manager;
        TEventRecorder recorder;
        recorder.Attach(manager);
        manager.SetHostApplication(host.Table());
        manager.SetPluginFolder(work.filePath(QStringLiteral("Plugins")));
        manager.LoadPluginsFromFolder();
        ASSERT_EQ(manager.PluginCount(), 1) << recorder.Events.join('\n').toStdString();
        EXPECT_EQ(manager.PluginAt(0)->Author, "A. Author");
        EXPECT_EQ(host.Log, QStringList({"Greeter works with Veltrano 1.0.0"}));
        EXPECT_EQ(recorder.ShortCuts, std::vector<uint16_t>({VL_SC_CTRL | 'G'}));

        host.Selection = QStringLiteral("Борис");
        recorder.Handlers.at(0)(QStringLiteral("CommandItem1"));
        EXPECT_EQ(host.Text, "{ Привет, Борис! }");
    }
    EXPECT_FALSE(IsLibraryLoaded(library));
}

INSTANTIATE_TEST_SUITE_P(Compilers, PluginAuthorTest,
                         testing::Values(TCompilerRow{"cc", "c", "c99"}, TCompilerRow{"c++", "c++", "c++11"}),
                         [](const testing::TestParamInfo<TCompilerRow> &info) {
                             return std::string(info.param.Language[1] ? "Cxx" : "C");
                         });

} // namespace
