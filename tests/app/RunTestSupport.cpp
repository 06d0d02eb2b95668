// The main window of the run tests.
#include "RunTestSupport.h"

#include "common/VlTestPaths.h"
#include "rtl/VlCp1251.h"
#include "runner/VlHostBindings.h"

#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

void CopyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

} // namespace

TRunFixture::TRunFixture()
{
    VlRegisterHostBindings();
    QDir(Root.path()).mkpath("bin/Data");
    StageProgramFiles(ProgramDir());
    CopyFolder(QString::fromStdString(VlProgramDir()) + "/../examples", RootPath("examples"));
    FPreviousDir = QDir::currentPath();
    QDir::setCurrent(Root.path());
}

TRunFixture::~TRunFixture()
{
    QDir::setCurrent(FPreviousDir);
}

void TRunFixture::WriteFile(const QString &relative, const std::string &utf8) const
{
    QDir().mkpath(QFileInfo(RootPath(relative)).path());
    WriteTextFile(RootPath(relative).toStdString(), utf8);
}

std::unique_ptr<TForm1> TRunFixture::MakeForm()
{
    auto form = std::make_unique<TForm1>(ProgramDir(), RecordingHooks(Log));
    form->findChild<TVlRunHarness *>("VlRunHarness")->Window().ShowMessage = [this](const QString &text) {
        Messages << text;
    };
    return form;
}

void RunWindowTest::SetUp()
{
    Form = Fixture.MakeForm();
    Harness = Form->findChild<TVlRunHarness *>("VlRunHarness");
    Pane = Form->findChild<TVlOutputPane *>("OutputPane");
    Browser = Form->findChild<TVlSamplesBrowser *>("SamplesBrowser");
    ASSERT_TRUE(Harness && Pane && Browser);
    Form->show();
    QApplication::setActiveWindow(Form.get());
}

void RunWindowTest::TearDown()
{
    delete Answerer;
    Form.reset();
}

void RunWindowTest::Run(const QString &text, const QString &command, const QString &sender)
{
    Form->Memo1->SetText(text);
    Form->RunCommand(command, sender);
}

QStringList RunWindowTest::LogLines() const
{
    QStringList lines;
    for (int i = 0; i < Form->LOG1->count(); ++i)
        lines << Form->LOG1->item(i)->text();
    return lines;
}

QString RunWindowTest::Output() const
{
    return Pane->Output()->toPlainText();
}

void RunWindowTest::During(int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, Form.get(), std::move(action));
}

void RunWindowTest::AnswerReadLn(QStringList lines)
{
    delete Answerer;
    Answerer = new QTimer;
    Answerer->setInterval(2);
    QObject::connect(Answerer, &QTimer::timeout, [this, lines]() mutable {
        if (!Pane->Waiting() || lines.isEmpty())
            return;
        Pane->Input()->setText(lines.takeFirst());
        QTest::keyClick(Pane->Input(), Qt::Key_Return);
    });
    Answerer->start();
}
