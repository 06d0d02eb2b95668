// The samples list: fixed samples from the samples INI (names, sources, descriptions, pages) and,
// after a separator, the user's own files "sample - *.pas" of the samples folder.
//
// INI layout: section "Demos" lists the names ("Count", "Item0", ...); "<name>\Source" and
// "<name>\Description" list lines the same way; "<name>" holds "Page", the notebook page to show.
// A value of two or more characters in double quotes loses them (lines with edge blanks are
// stored so); a missing item reads as an empty line.
#pragma once

#include "rtl/VlIniFile.h"

#include <QString>
#include <QStringList>

class TVlSamplesModel {
public:
    enum class TEntryKind { Fixed, Separator, Custom, None };

    static const QString Separator;
    static const QString DefaultPage;

    // iniFile: a missing one gives no fixed samples; samplesDir: a missing one gives no custom
    // entries. Throws EVlFileError when the INI exists but cannot be read.
    TVlSamplesModel(const QString &iniFile, const QString &samplesDir);

    // The fixed names, then (when there are custom files) the separator and the file names, sorted.
    const QStringList &Entries() const { return FEntries; }
    // The number of fixed samples, which is also the separator's index.
    int DemoCount() const { return FDemoCount; }
    TEntryKind KindOf(int index) const;
    QString Name(int index) const { return index >= 0 && index < FEntries.size() ? FEntries[index] : QString(); }

    QStringList Source(const QString &name) const { return ReadList(name + QStringLiteral("\\Source")); }
    QStringList Description(const QString &name) const { return ReadList(name + QStringLiteral("\\Description")); }
    // The page caption, DefaultPage when the sample has none.
    QString Page(const QString &name) const;

    const QString &SamplesDir() const { return FSamplesDir; }
    // The file of a custom entry.
    QString CustomFile(const QString &entry) const;
    // A file name "sample - <name>.pas" for a copy of a fixed sample, not yet taken: characters
    // that file names cannot hold become "_", and " (2)", " (3)", ... follow a name in use.
    QString NewCustomEntry(const QString &sampleName) const;
    // Adds a custom entry in its sorted place (with the separator before the first one); its index.
    int AddCustomEntry(const QString &entry);

private:
    QStringList ReadList(const QString &section) const;

    TVlIniFile FIni;
    QString FSamplesDir;
    QStringList FEntries;
    int FDemoCount = 0;
};
