// MessageBoxA as scripts reach it: the MB_* flags, a real box pressed offscreen, and the
// answers of a box nobody can see (in this process and in a headless veltrano-run).
#include "VlMessageBox.h"

#include "common/VlTestPaths.h"
#include "interpreter/VlInterpreter.h"
#include "rtl/VlCp1251.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int MbOkCancel = 1, MbYesNoCancel = 3, MbYesNo = 4, MbIconQuestion = 0x20, MbIconWarning = 0x30,
              MbDefButton2 = 0x100, MbSystemModal = 0x1000;

using TMessageBoxA = int (*)(int, const char *, const char *, int);

std::string LibraryPath() { return VlProgramDir() + "/libuser32.so"; }

TMessageBoxA MessageBoxA()
{
    static void *library = ::dlopen(LibraryPath().c_str(), RTLD_NOW);
    return library ? reinterpret_cast<TMessageBoxA>(::dlsym(library, "MessageBoxA")) : nullptr;
}

// Waits for the modal message box, then lets the action answer it.
void WhenShown(std::function<void(QMessageBox &)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(*box);
        }
    });
    poll->start(5);
}

QStringList Captions(const QMessageBox &box)
{
    QStringList captions;
    for (QAbstractButton *button : box.buttons())
        captions << button->text();
    return captions;
}

void Press(QMessageBox &box, const QString &caption)
{
    for (QAbstractButton *button : box.buttons())
        if (button->text() == caption) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

class MessageBoxLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!MessageBoxA())
            GTEST_SKIP() << "libuser32.so is not built: " << LibraryPath();
    }
};

TEST(MessageBoxStyle, FlagsChooseButtonsDefaultEscapeAndIcon)
{
    TVlMessageBoxStyle ok = VlMessageBoxStyle(0);
    EXPECT_EQ(ok.Buttons, std::vector<int>{VlIdOk});
    EXPECT_EQ(ok.EscapeButton, VlIdOk);
    EXPECT_EQ(ok.Icon, TVlMessageBoxIcon::None);

    TVlMessageBoxStyle ync = VlMessageBoxStyle(MbYesNoCancel | MbDefButton2 | MbIconWarning | MbSystemModal);
    EXPECT_EQ(ync.Buttons, (std::vector<int>{VlIdYes, VlIdNo, VlIdCancel}));
    EXPECT_EQ(ync.DefaultButton, VlIdNo);
    EXPECT_EQ(ync.EscapeButton, VlIdCancel);
    EXPECT_EQ(ync.Icon, TVlMessageBoxIcon::Warning);
    EXPECT_TRUE(ync.StayOnTop);

    TVlMessageBoxStyle yesNo = VlMessageBoxStyle(MbYesNo | 0x300);  // a fourth default button it lacks
    EXPECT_EQ(yesNo.DefaultButton, VlIdYes);
    EXPECT_EQ(yesNo.EscapeButton, 0);

    EXPECT_EQ(VlMessageBoxStyle(2).Buttons, (std::vector<int>{VlIdAbort, VlIdRetry, VlIdIgnore}));
    EXPECT_EQ(VlMessageBoxStyle(5).Buttons, (std::vector<int>{VlIdRetry, VlIdCancel}));
    EXPECT_EQ(VlMessageBoxStyle(6).Buttons, (std::vector<int>{VlIdCancel, VlIdTryAgain, VlIdContinue}));
    EXPECT_EQ(VlMessageBoxStyle(9).Buttons, std::vector<int>{VlIdOk});
    EXPECT_EQ(VlMessageBoxStyle(0x10).Icon, TVlMessageBoxIcon::Error);
    EXPECT_EQ(VlMessageBoxStyle(0x40).Icon, TVlMessageBoxIcon::Information);
}

TEST_F(MessageBoxLibrary, ShowsCaptionTextButtonsAndIconAndAnswersTheButtonPressed)
{
    QString title, text;
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenShown([&](QMessageBox &box) {
        title = box.windowTitle();
        text = box.text();
        captions = Captions(box);
        icon = box.icon();
        Press(box, "ОК");
    });
    std::string caption = Utf8ToCp1251("Заголовок"), message = Utf8ToCp1251("Текст <b>как есть</b>");
    EXPECT_EQ(MessageBoxA()(0, message.c_str(), caption.c_str(), MbOkCancel | MbIconQuestion), VlIdOk);
    EXPECT_EQ(title, "Заголовок");
    EXPECT_EQ(text, "Текст <b>как есть</b>");
    EXPECT_EQ(captions, (QStringList{"ОК", "Отмена"}));
    EXPECT_EQ(icon, QMessageBox::Question);

    WhenShown([](QMessageBox &box) { Press(box, "Отмена"); });
    EXPECT_EQ(MessageBoxA()(0, "x", "y", MbOkCancel), VlIdCancel);
}

TEST_F(MessageBoxLibrary, EnterPressesTheDefaultAndEscapeOnlyWhereWindowsAllowsIt)
{
    WhenShown([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(MessageBoxA()(0, "x", "y", MbYesNoCancel | MbDefButton2), VlIdNo);

    WhenShown([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBoxA()(0, "x", "y", MbOkCancel), VlIdCancel);

    WhenShown([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBoxA()(0, "x", "y", 0), VlIdOk);

    bool stayedOpen = false;
    WhenShown([&](QMessageBox &box) {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        stayedOpen = box.isVisible();
        Press(box, "Да");
    });
    EXPECT_EQ(MessageBoxA()(0, "x", "y", MbYesNo), VlIdYes);
    EXPECT_TRUE(stayedOpen);
}

TEST_F(MessageBoxLibrary, AScriptCallsItAsAnExternalFunction)
{
    QString text;
    WhenShown([&](QMessageBox &box) {
        text = box.text();
        Press(box, "Отмена");
    });
    TVlInterpreterProgram program;
    program.SetSourceText(Utf8ToCp1251("unit T;\r\nfunction MessageBox(w: Integer; text, caption: PChar; flags: Integer): "
                                       "Integer; external '" + LibraryPath() + "' name 'MessageBoxA';\r\n"
                                       "function main: Integer;\r\nbegin\r\n"
                                       "  Result := MessageBox(0, 'Сохранить файл?', 'Вопрос', 1 or 32);\r\n"
                                       "end;\r\nend.\r\n"));
    program.Execute();
    EXPECT_EQ(ValueToInteger(program.ResultValue), VlIdCancel);
    EXPECT_EQ(text, "Сохранить файл?");
}

TEST(MessageBoxUnattended, ABoxNobodyPressesAnswersItsDefaultButton)
{
    EXPECT_EQ(VlRunMessageBox("y", "x", VlMessageBoxStyle(MbYesNoCancel | MbDefButton2), 10), VlIdNo);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

std::string ReadAll(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// veltrano-run has no QApplication; without a display the box answers at once.
class HeadlessRunner : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(VlProgramDir() + "/veltrano-run"))
            GTEST_SKIP() << "veltrano-run is not built";
        Dir = std::filesystem::temp_directory_path() / ("vl_user32_" + std::to_string(::getpid()));
        std::filesystem::create_directories(Dir);
        std::ofstream(Dir / "t.pas") << "unit T;\nuses Windows;\nfunction main: Integer;\nbegin\n"
                                        "  Result := MessageBox(0, 'Привет', 'Окно', MB_YESNO or MB_DEFBUTTON2);\n"
                                        "end;\nend.\n";
    }
    void TearDown() override
    {
        if (!Dir.empty())
            std::filesystem::remove_all(Dir);
    }
    // Runs a script with the environment changes given; stdout and stderr.
    std::pair<std::string, std::string> Run(const std::string &environment, const std::string &script = "t.pas")
    {
        std::string cmd = "cd '" + Dir.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " '" +
                          VlProgramDir() + "/veltrano-run' '" + script + "' > out.txt 2> err.txt";
        int status = std::system(cmd.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadAll(Dir / "err.txt");
        return {ReadAll(Dir / "out.txt"), ReadAll(Dir / "err.txt")};
    }
    std::filesystem::path Dir;
};

TEST_F(HeadlessRunner, WithoutADisplayTheWindowsUnitsMessageBoxAnswersItsDefaultButton)
{
    for (const char *environment : {"-u QT_QPA_PLATFORM", "QT_QPA_PLATFORM=offscreen", "QT_QPA_PLATFORM=xcb"}) {
        auto [out, err] = Run(environment);
        EXPECT_EQ(out, "7\n") << environment;
        EXPECT_NE(err.find("Сообщение «Окно»: Привет — ответ «Нет»"), std::string::npos) << environment << ": " << err;
    }
}

TEST_F(HeadlessRunner, TheShippedSampleOfExternalCallsRuns)
{
    auto [out, err] = Run("-u QT_QPA_PLATFORM", VlProgramDir() + "/samples/sample - Внешние функции.pas");
    EXPECT_EQ(out, "Длина строки \"Привет\": 6\nМодуль числа -42: 42\nЗаглавная буква для q: Q\n");
    EXPECT_NE(err.find("ответ «ОК»"), std::string::npos) << err;
}

} // namespace
