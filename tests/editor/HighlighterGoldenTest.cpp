// Golden colouring of a Pascal sample: one letter per character, compared with the stored file
// (UPDATE_BASELINES=1 rewrites it on purpose).
#include "common/VlTestPaths.h"
#include "editor/VlEditorModel.h"
#include "editor/VlHLParser.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QString ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// c comment, r reserved, i identifier, s symbol, t string, n number, p preprocessor, '.' plain.
QString ColorDump(TVlEditorModel &model)
{
    QString dump;
    for (int line = 0; line < model.LineCount(); ++line) {
        const QString text = model.Line(line);
        std::vector<TVlTokenClass> cells(text.size());
        VlColorPascalLine(text, model.States().StateOf(model.Lines(), line), cells.data(), static_cast<int>(cells.size()));
        for (TVlTokenClass c : cells)
            dump += QLatin1Char("cristnp."[static_cast<int>(c)]);
        dump += QLatin1Char('\n');
    }
    return dump;
}

TEST(HighlighterGolden, PascalSampleColours)
{
    const QString dir = QString::fromStdString(VlTestDataDir()) + "/editor/";
    const QString source = ReadFile(dir + "highlight-sample.pas");
    ASSERT_FALSE(source.isEmpty());
    TVlEditorModel model;
    model.States().SetScanner(VlPascalScanLine);
    model.SetText(source);
    const QString dump = ColorDump(model);
    const QString goldenPath = dir + "highlight-sample.colors";
    if (qEnvironmentVariableIsSet("UPDATE_BASELINES")) {
        QFile out(goldenPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(dump.toUtf8());
    }
    EXPECT_EQ(dump.toStdString(), ReadFile(goldenPath).toStdString());
}
} // namespace
