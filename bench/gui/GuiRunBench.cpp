// vl_bench_gui FILE.pas...: runs each script with the main window's run command, offscreen, and
// prints "bench gui.<name>: N ms" (best of five, the whole command). The same process runs each
// script headless too, taking turns, and prints the ratio of the two best processor times
// ("bench gui.<name>_vs_headless: R x"), which other load on the machine disturbs far less than
// wall-clock figures. A second window, its stepping session taken out, runs each script in the
// same turns: "bench gui.<name>_without_debugger: N ms" and the ratio of processor times
// ("bench gui.<name>_vs_without_debugger: R x") show what an idle debugger (no breakpoint, no
// step) costs a run. Last, how long a Stop takes to end a runaway loop ("bench gui.stop: N ms").
#include "app/VeltranoForm.h"
#include "debugger/views/VlDebugSession.h"
#include "interpreter/VlInterpreter.h"
#include "rtl/VlCp1251.h"
#include "runner/VlHostBindings.h"
#include "runner/VlRunHarness.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int kRounds = 5;

double ProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

struct TTimes {
    double Wall = 1e300;
    double Processor = 1e300;
};

void Measure(TTimes &best, const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    const double start = ProcessorMs();
    action();
    best.Processor = std::min(best.Processor, ProcessorMs() - start);
    best.Wall = std::min(best.Wall, double(clock.elapsed()));
}

long long StopLatency(TForm1 &form, TVlRunHarness &harness)
{
    form.Memo1->SetText("program P; var i: integer; begin i := 0; while true do i := i + 1; end.");
    QElapsedTimer sinceStop;
    QTimer::singleShot(100, &form, [&] {
        sinceStop.start();
        harness.Stop();
    });
    form.RunCommand("RunProjectClick", "RunProject");
    return sinceStop.elapsed();
}

// A private copy of what the program folder holds, so that the window starts quietly and its
// backup at exit goes nowhere that matters.
void StageProgramFolder(const QString &target)
{
    const QDir staged(QCoreApplication::applicationDirPath() + "/../bin");
    QDir(target).mkpath("Data");
    for (const QString &file : staged.entryList({"*.so"}, QDir::Files))
        QFile::copy(staged.filePath(file), QDir(target).filePath(file));
    for (const QString &file : QDir(staged.filePath("Data")).entryList(QDir::Files))
        QFile::copy(staged.filePath("Data/" + file), QDir(target).filePath("Data/" + file));
}

// The window as it ran scripts before stepping existed: no session observing the harness, and
// the run command going straight to the harness.
void TakeOutDebugger(TForm1 &form)
{
    delete form.findChild<TVlDebugSession *>("VlDebugSession");
    auto *harness = form.findChild<TVlRunHarness *>("VlRunHarness");
    form.SetCommandHandler("RunProjectClick", [harness](const QString &sender) { harness->RunProjectClick(sender); });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    VlRegisterHostBindings();
    QApplication app(argc, argv);
    QTemporaryDir programDir;
    StageProgramFolder(programDir.path());
    TVlShellHooks hooks;
    hooks.Confirm = [](const QString &) { return true; };
    hooks.ShowError = [](const QString &message) { std::fprintf(stderr, "%s\n", message.toUtf8().constData()); };
    TForm1 form(programDir.path(), hooks);
    form.show();
    TForm1 plain(programDir.path(), hooks);
    TakeOutDebugger(plain);
    plain.show();
    auto *harness = form.findChild<TVlRunHarness *>("VlRunHarness");
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const QString name = QFileInfo(QString::fromLocal8Bit(argv[i])).completeBaseName();
        std::string source;
        try {
            source = ReadTextFile(argv[i]);
        } catch (const EVlFileError &error) {
            std::fprintf(stderr, "bench gui.%s: %s\n", qPrintable(name), error.what());
            status = 1;
            continue;
        }
        form.Memo1->SetText(QString::fromStdString(source));
        plain.Memo1->SetText(QString::fromStdString(source));
        TVlInterpreterProgram headless;
        headless.SetSourceText(Utf8ToCp1251(ToCrLf(source)));
        TTimes window, withoutDebugger, alone;
        for (int round = 0; round < kRounds; ++round) {
            Measure(window, [&] { form.RunCommand("RunProjectClick", "RunProject"); });
            Measure(withoutDebugger, [&] { plain.RunCommand("RunProjectClick", "RunProject"); });
            Measure(alone, [&] { headless.Execute(); });
        }
        const QString failure = form.pnlResult->text().contains(": ") ? form.pnlResult->text() : plain.pnlResult->text();
        if (failure.contains(": ")) {
            std::fprintf(stderr, "bench gui.%s: failed (%s)\n", qPrintable(name), failure.toUtf8().constData());
            status = 1;
            continue;
        }
        std::printf("bench gui.%s: %.0f ms\n", qPrintable(name), window.Wall);
        std::printf("bench gui.%s_vs_headless: %.2f x\n", qPrintable(name), window.Processor / std::max(alone.Processor, 0.001));
        std::printf("bench gui.%s_without_debugger: %.0f ms\n", qPrintable(name), withoutDebugger.Wall);
        std::printf("bench gui.%s_vs_without_debugger: %.2f x\n", qPrintable(name),
                    window.Processor / std::max(withoutDebugger.Processor, 0.001));
        std::fflush(stdout);
    }
    std::printf("bench gui.stop: %lld ms\n", StopLatency(form, *harness));
    return status;
}
