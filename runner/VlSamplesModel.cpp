// The samples list and the samples INI.
#include "VlSamplesModel.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// A damaged Count cannot make the list take all memory; real samples are far shorter.
constexpr long long kMaxListItems = 100000;

QString Unquoted(const std::string &value)
{
    QString text = QString::fromStdString(value);
    if (text.size() > 1 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

bool CustomBefore(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

const QString TVlSamplesModel::Separator = QStringLiteral("------ custom files (samples folder) ------");
const QString TVlSamplesModel::DefaultPage = QStringLiteral("Default");

TVlSamplesModel::TVlSamplesModel(const QString &iniFile, const QString &samplesDir)
    : FIni(iniFile.toStdString())
    , FSamplesDir(samplesDir)
{
    FEntries = ReadList(QStringLiteral("Demos"));
    FDemoCount = int(FEntries.size());
    QDir folder(FSamplesDir);
    QStringList custom = folder.entryList({QStringLiteral("sample - *.pas")}, QDir::Files);
    std::sort(custom.begin(), custom.end(), CustomBefore);
    if (!custom.isEmpty())
        FEntries << Separator << custom;
}

TVlSamplesModel::TEntryKind TVlSamplesModel::KindOf(int index) const
{
    if (index < 0 || index >= FEntries.size())
        return TEntryKind::None;
    if (index < FDemoCount)
        return TEntryKind::Fixed;
    return index == FDemoCount ? TEntryKind::Separator : TEntryKind::Custom;
}

QStringList TVlSamplesModel::ReadList(const QString &section) const
{
    const std::string name = section.toStdString();
    const long long count = std::clamp(FIni.ReadInteger(name, "Count", 0), 0LL, kMaxListItems);
    QStringList lines;
    lines.reserve(count);
    for (long long i = 0; i < count; ++i)
        lines << Unquoted(FIni.ReadString(name, "Item" + std::to_string(i), ""));
    return lines;
}

QString TVlSamplesModel::Page(const QString &name) const
{
    return Unquoted(FIni.ReadString(name.toStdString(), "Page", DefaultPage.toStdString()));
}

QString TVlSamplesModel::CustomFile(const QString &entry) const
{
    return QDir(FSamplesDir).filePath(entry);
}

QString TVlSamplesModel::NewCustomEntry(const QString &sampleName) const
{
    QString name = sampleName.trimmed();
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("_");
    for (int copy = 1;; ++copy) {
        const QString entry = QStringLiteral("sample - ") + name +
                              (copy == 1 ? QString() : QStringLiteral(" (%1)").arg(copy)) + QStringLiteral(".pas");
        if (!FEntries.contains(entry, Qt::CaseInsensitive) && !QFileInfo::exists(CustomFile(entry)))
            return entry;
    }
}

int TVlSamplesModel::AddCustomEntry(const QString &entry)
{
    if (FEntries.size() == FDemoCount)
        FEntries << Separator;
    const int index = int(std::upper_bound(FEntries.cbegin() + FDemoCount + 1, FEntries.cend(), entry, CustomBefore) -
                          FEntries.cbegin());
    FEntries.insert(index, entry);
    return index;
}
