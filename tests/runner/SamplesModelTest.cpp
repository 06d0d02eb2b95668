// The samples list: the INI reading rules and the custom files, with real files.
#include "runner/VlSamplesModel.h"
#include "rtl/VlCp1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SamplesModelTest : public testing::Test {
protected:
    QString Path(const QString &relative) const { return QDir(Root.path()).filePath(relative); }
    void Write(const QString &relative, const std::string &text) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        WriteTextFile(Path(relative).toStdString(), text);
    }
    TVlSamplesModel Model() const { return TVlSamplesModel(Path("VlInterpreterTest.ini"), Path("samples")); }

    QTemporaryDir Root;
};

const char *const kThreeSamples = "[Demos]\n"
                                  "Count=3\n"
                                  "Item0=Hello\n"
                                  "Item1=Привет\n"
                                  "Item2=Quoted\n"
                                  "[Hello]\n"
                                  "Page=ExternalUnit\n"
                                  "[Hello\\Source]\n"
                                  "Count=3\n"
                                  "Item0=begin\n"
                                  "Item1=\"  Result := 1;\"\n"
                                  "Item2=end;\n"
                                  "[Hello\\Description]\n"
                                  "Count=2\n"
                                  "Item0=\"\"\"quoted\"\"\"\n"
                                  "Item1=\"\n"
                                  "[Quoted\\Source]\n"
                                  "Count=4\n"
                                  "Item0=\"\"\n"
                                  "Item2=x\n"
                                  "Item3=\"a\" + \"b\"\n";

TEST_F(SamplesModelTest, FixedSamplesThenTheSeparatorThenSortedCustomFiles)
{
    Write("VlInterpreterTest.ini", kThreeSamples);
    Write("samples/sample - b.pas", "2");
    Write("samples/sample - a.pas", "1");
    Write("samples/Sample - C.PAS", "3");
    Write("samples/sample - x.txt", "not a sample");
    Write("samples/other.pas", "not a sample either");
    QDir().mkpath(Path("samples/sample - y.pas"));  // a folder
    const TVlSamplesModel model = Model();
    EXPECT_EQ(model.Entries(), (QStringList{"Hello", "Привет", "Quoted", TVlSamplesModel::Separator, "sample - a.pas",
                                            "sample - b.pas", "Sample - C.PAS"}));
    EXPECT_EQ(model.DemoCount(), 3);
    EXPECT_EQ(TVlSamplesModel::Separator, QString("------ custom files (samples folder) ------"));
    EXPECT_EQ(model.KindOf(2), TVlSamplesModel::TEntryKind::Fixed);
    EXPECT_EQ(model.KindOf(3), TVlSamplesModel::TEntryKind::Separator);
    EXPECT_EQ(model.KindOf(6), TVlSamplesModel::TEntryKind::Custom);
    EXPECT_EQ(model.KindOf(7), TVlSamplesModel::TEntryKind::None);
    EXPECT_EQ(model.KindOf(-1), TVlSamplesModel::TEntryKind::None);
    EXPECT_EQ(model.CustomFile("sample - a.pas"), Path("samples/sample - a.pas"));
}

TEST_F(SamplesModelTest, ValuesLoseEnclosingQuotesOnlyAndMissingItemsAreEmpty)
{
    Write("VlInterpreterTest.ini", kThreeSamples);
    const TVlSamplesModel model = Model();
    EXPECT_EQ(model.Source("Hello"), (QStringList{"begin", "  Result := 1;", "end;"}));
    // Escapes are not interpreted; a lone quote stays.
    EXPECT_EQ(model.Description("Hello"), (QStringList{"\"\"quoted\"\"", "\""}));
    EXPECT_EQ(model.Source("Quoted"), (QStringList{"", "", "x", "a\" + \"b"}));
    EXPECT_EQ(model.Description("Quoted"), QStringList());
    EXPECT_EQ(model.Source("Привет"), QStringList());
}

TEST_F(SamplesModelTest, PageDefaultsToDefault)
{
    Write("VlInterpreterTest.ini", kThreeSamples);
    const TVlSamplesModel model = Model();
    EXPECT_EQ(model.Page("Hello"), QString("ExternalUnit"));
    EXPECT_EQ(model.Page("Quoted"), QString("Default"));
    EXPECT_EQ(model.Page("hello"), QString("ExternalUnit"));  // INI names ignore letter case
}

TEST_F(SamplesModelTest, MissingFilesGiveEmptyParts)
{
    EXPECT_TRUE(Model().Entries().isEmpty());
    Write("samples/sample - only.pas", "1");
    const TVlSamplesModel model = Model();
    EXPECT_EQ(model.Entries(), (QStringList{TVlSamplesModel::Separator, "sample - only.pas"}));
    EXPECT_EQ(model.DemoCount(), 0);
    Write("VlInterpreterTest.ini", kThreeSamples);
    QDir(Path("samples")).removeRecursively();
    EXPECT_EQ(Model().Entries().size(), 3);  // no separator without custom files
}

TEST_F(SamplesModelTest, ADamagedCountIsBounded)
{
    Write("VlInterpreterTest.ini", "[Demos]\nCount=-4\n[X\\Source]\nCount=999999999999\nItem0=a\n");
    const TVlSamplesModel model = Model();
    EXPECT_TRUE(model.Entries().isEmpty());
    const QStringList lines = model.Source("X");
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QString("a"));
    EXPECT_LE(lines.size(), 100000);
}

TEST_F(SamplesModelTest, CopiesOfFixedSamplesGetFreeFileNamesInSortedPlaces)
{
    Write("VlInterpreterTest.ini", kThreeSamples);
    TVlSamplesModel model = Model();
    EXPECT_EQ(model.NewCustomEntry("Hello"), QString("sample - Hello.pas"));
    EXPECT_EQ(model.NewCustomEntry("a/b: c?"), QString("sample - a_b_ c_.pas"));
    EXPECT_EQ(model.AddCustomEntry("sample - m.pas"), 4);  // the separator comes first
    EXPECT_EQ(model.AddCustomEntry("sample - a.pas"), 4);
    EXPECT_EQ(model.AddCustomEntry("sample - z.pas"), 6);
    EXPECT_EQ(model.Entries().mid(3), (QStringList{TVlSamplesModel::Separator, "sample - a.pas", "sample - m.pas",
                                                   "sample - z.pas"}));
    Write("samples/sample - Hello.pas", "taken");
    EXPECT_EQ(model.NewCustomEntry("Hello"), QString("sample - Hello (2).pas"));
    model.AddCustomEntry("sample - Hello (2).pas");
    EXPECT_EQ(model.NewCustomEntry("Hello"), QString("sample - Hello (3).pas"));
}

} // namespace
