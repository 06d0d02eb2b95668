// formconv render: a text or binary form file drawn to PNG through the designer's reader.
#include "common/VlRunFormconv.h"
#include "common/VlTestPaths.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// Rendering needs no display.
TToolResult Render(const std::string &arguments)
{
    return RunFormconv("render " + arguments, "QT_QPA_PLATFORM=offscreen");
}

class FormConvRender : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(VlProgramDir() + "/formconv"))
            GTEST_SKIP() << "formconv is not built";
        Dir = std::filesystem::temp_directory_path() / ("vl_render_" + std::to_string(::getpid()));
        std::filesystem::create_directories(Dir);
    }
    void TearDown() override
    {
        if (!Dir.empty())
            std::filesystem::remove_all(Dir);
    }
    std::string Path(const char *name) const { return (Dir / name).string(); }
    void Write(const char *name, const std::string &text) const { std::ofstream(Path(name), std::ios::binary) << text; }
    std::filesystem::path Dir;
};

TEST_F(FormConvRender, ATextFormOfAnyRootClassIsDrawnWithItsControls)
{
    Write("panel.vlf", "object VlDesignPanel: TVlDesignPanel\r\n  Width = 320\r\n  Height = 200\r\n"
                       "  object Button1: TButton\r\n    Left = 10\r\n    Top = 10\r\n    Width = 75\r\n"
                       "    Height = 25\r\n    Caption = 'Button1'\r\n  end\r\nend\r\n");
    const TToolResult result = Render(Path("panel.vlf") + " " + Path("panel.png"));
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
    const QImage image(QString::fromStdString(Path("panel.png")));
    ASSERT_FALSE(image.isNull());
    // The form's client area: its Width and Height less the window frame.
    EXPECT_GT(image.width(), 280);
    EXPECT_LE(image.width(), 320);
    EXPECT_GT(image.height(), 150);
    EXPECT_LE(image.height(), 200);
    const QColor background = image.pixelColor(image.width() - 5, image.height() - 5);
    int different = 0;
    for (int y = 10; y < 35; ++y)
        for (int x = 10; x < 85; ++x)
            different += image.pixelColor(x, y) != background;
    EXPECT_GT(different, 200) << "the button is drawn";
}

TEST_F(FormConvRender, ABinaryFormFileIsDrawnToo)
{
    const std::string input = VlTestDataDir() + "/widgets/Typical.dfm";
    Write("typical.bin", "");
    ASSERT_EQ(RunFormconv("text2bin " + input + " " + Path("typical.bin")).ExitCode, 0);
    const TToolResult result = Render(Path("typical.bin") + " " + Path("typical.png"));
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
    EXPECT_FALSE(QImage(QString::fromStdString(Path("typical.png"))).isNull());
}

TEST_F(FormConvRender, AnUnregisteredClassIsNamedAndNothingIsWritten)
{
    Write("bad.dfm", "object Form1: TForm1\r\n  object Thing1: TThingamajig\r\n  end\r\nend\r\n");
    const TToolResult result = Render(Path("bad.dfm") + " " + Path("bad.png"));
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Output.find("Class TThingamajig not found"), std::string::npos) << result.Output;
    EXPECT_FALSE(std::filesystem::exists(Path("bad.png")));
    EXPECT_EQ(Render(Path("missing.dfm") + " " + Path("x.png")).ExitCode, 1);
}

} // namespace
