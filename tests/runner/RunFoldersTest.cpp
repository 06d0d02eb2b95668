// Unit and form-file lookup of the window's runs, with real files in temporary folders.
#include "runner/VlRunFolders.h"
#include "rtl/VlCp1251.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RunFoldersTest : public testing::Test {
protected:
    RunFoldersTest()
    {
        QDir(Root.path()).mkpath("bin");
        QDir(Root.path()).mkpath("examples/VeZiv/DuDizuzededur");
        QDir(Root.path()).mkpath("samples");
        QDir(Root.path()).mkpath("project");
    }
    std::string Path(const QString &relative) const { return QDir(Root.path()).filePath(relative).toStdString(); }
    void Write(const QString &relative, const std::string &text) const { WriteTextFile(Path(relative), text); }
    TVlRunFolders Folders() const { return TVlRunFolders(Path("bin"), Path("samples")); }

    QTemporaryDir Root;
};

TEST_F(RunFoldersTest, SearchesTheRunFileFolderThenExamplesThenSamples)
{
    TVlRunFolders folders = Folders();
    EXPECT_EQ(folders.Folders(), (std::vector<std::string>{Path("examples/VeZiv/DuDizuzededur"), Path("samples")}));
    folders.RunFileName = Path("project/Main.pas");
    EXPECT_EQ(folders.Folders(),
              (std::vector<std::string>{Path("project"), Path("examples/VeZiv/DuDizuzededur"), Path("samples")}));
    // A bare file name ("Project1.pas") has no folder of its own.
    folders.RunFileName = "Project1.pas";
    EXPECT_EQ(folders.Folders().size(), 2u);
    EXPECT_EQ(TVlRunFolders(Path("bin") + "/").ExamplesDir(), Path("examples/VeZiv/DuDizuzededur"));
}

TEST_F(RunFoldersTest, TheFirstFolderHoldingTheUnitWins)
{
    Write("samples/Shared.pas", "unit Shared; { samples } end.");
    Write("examples/VeZiv/DuDizuzededur/Shared.pas", "unit Shared; { examples } end.");
    TVlRunFolders folders = Folders();
    std::string source;
    bool done = false;
    folders.GetUnitSource("Shared", source, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(source, "unit Shared; { examples } end.");

    Write("project/Shared.pas", "unit Shared;\n{ project }\nend.");
    folders.RunFileName = Path("project/Main.pas");
    folders.GetUnitSource("Shared", source, done);
    EXPECT_EQ(source, "unit Shared;\r\n{ project }\r\nend.");  // read with CR LF line ends
}

TEST_F(RunFoldersTest, UnitNamesIgnoreLetterCaseAndMissingUnitsAreNotDone)
{
    Write("samples/MyUnit.pas", "unit MyUnit; end.");
    TVlRunFolders folders = Folders();
    std::string source;
    bool done = false;
    folders.GetUnitSource("myunit", source, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(source, "unit MyUnit; end.");

    done = false;
    source.clear();
    folders.GetUnitSource("Missing", source, done);
    EXPECT_FALSE(done);
    EXPECT_TRUE(source.empty());
    // A folder named like the unit is no unit.
    QDir(Root.path()).mkpath("samples/Folder.pas");
    folders.GetUnitSource("Folder", source, done);
    EXPECT_FALSE(done);
}

TEST_F(RunFoldersTest, UnitSourcesAreCp1251)
{
    Write("samples/Ru.pas", "unit Ru; const S = 'Привет'; end.");
    std::string source;
    bool done = false;
    Folders().GetUnitSource("Ru", source, done);
    EXPECT_EQ(source, Utf8ToCp1251("unit Ru; const S = 'Привет'; end."));
}

TEST_F(RunFoldersTest, FormFilesAreFoundTheSameWay)
{
    TVlRunFolders folders = Folders();
    std::string file = "stale";
    bool done = true;
    folders.GetDfmFileName("Unit2", file, done);
    EXPECT_FALSE(done);
    EXPECT_EQ(file, "");

    Write("samples/Unit2.dfm", "object Form2: TForm2\nend\n");
    folders.GetDfmFileName("Unit2", file, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(file, Path("samples/Unit2.dfm"));

    Write("project/Unit2.dfm", "object Form2: TForm2\nend\n");
    folders.RunFileName = Path("project/Unit2.pas");
    folders.GetDfmFileName("unit2", file, done);
    EXPECT_EQ(file, Path("project/Unit2.dfm"));
}

} // namespace
