// A main window for run tests: a program folder with the shipped samples above it, the current
// directory in a temporary folder (for "samples"), the host bindings, silent dialogs.
#pragma once

#include "ShellTestSupport.h"

#include "runner/VlOutputPane.h"
#include "runner/VlRunHarness.h"
#include "runner/VlSamplesBrowser.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

class TRunFixture {
public:
    TRunFixture();
    ~TRunFixture();

    QString RootPath(const QString &relative) const { return QDir(Root.path()).filePath(relative); }
    QString ProgramDir() const { return RootPath("bin"); }
    void WriteFile(const QString &relative, const std::string &utf8) const;

    std::unique_ptr<TForm1> MakeForm();

    QTemporaryDir Root;
    TShellRecorder Log;
    QStringList Messages;  // Test.ShowMessage texts

private:
    QString FPreviousDir;
};

class RunWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the editor's text and runs the command as the sender asks.
    void Run(const QString &text, const QString &command = "RunProjectClick", const QString &sender = "RunProject");
    QString Result() const { return Form->pnlResult->text(); }
    QString Time() const { return Form->pnlTime->text(); }
    QStringList LogLines() const;
    QString Output() const;
    // Runs action once the event loop runs (that is, during the next run).
    void During(int ms, std::function<void()> action);
    // Answers every ReadLn of the next run with the next of these lines, as a user typing them.
    void AnswerReadLn(QStringList lines);

    TRunFixture Fixture;
    std::unique_ptr<TForm1> Form;
    TVlRunHarness *Harness = nullptr;
    TVlOutputPane *Pane = nullptr;
    TVlSamplesBrowser *Browser = nullptr;
    QTimer *Answerer = nullptr;
};
