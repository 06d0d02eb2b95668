// Decisions of the document commands that need no window.
#include "VeltranoDocumentsModel.h"

#include <QFileInfo>

const QString DocumentOpenFilter = QStringLiteral(
    "Все файлы Delphi\\Pascal (*.dpr; *.dfm; *.dpk; *.res; *.xfm)|*.dpr;*.dfm;*.dpk;*.res;*.xfm;*.pas|"
    "Проект Delphi (*.dpr)|*.dpr|Форма Delphi (*.dfm)|*.dfm|Проект Pascal (*.pas)|*.pas|"
    "Форма Delphi (*.xfm)|*.xfm|Пакет (*.dpk)|*.dpk|Ресурс/модуль (*.res)|*.res");

const QString DocumentSaveFilter = QStringLiteral(
    "Проект Delphi (*.dpr)|*.dpr|Форма Delphi (*.dfm)|*.dfm|Форма Delphi (*.xfm)|*.xfm|"
    "Проект Pascal (*.pas)|*.pas|Пакет (*.dpk)|*.dpk|Ресурс (*.res)|*.res|Форма Veltrano (*.vlf)|*.vlf|"
    "Текстовый документ (*.txt)|*.txt");

QList<TVlFileFilter> ParseFileFilter(const QString &filter)
{
    QList<TVlFileFilter> filters;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        filters.append({parts[i], patterns});
    }
    return filters;
}

QString DialogNameFilter(const TVlFileFilter &filter)
{
    return filter.Description + " (" + filter.Patterns.join(' ') + ")";
}

QString SaveFilterExtension(int filterIndex)
{
    const QList<TVlFileFilter> filters = ParseFileFilter(DocumentSaveFilter);
    if (filterIndex < 0 || filterIndex >= filters.size() || filters[filterIndex].Patterns.size() != 1)
        return DefaultSaveExtension;
    return filters[filterIndex].Patterns.first().section('.', -1);
}

QString WithDefaultExtension(const QString &fileName, const QString &extension)
{
    if (fileName.isEmpty() || extension.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName.endsWith('.') ? fileName + extension : fileName + "." + extension;
}

bool SaveFilterStoresForm(int filterIndex)
{
    const QList<TVlFileFilter> filters = ParseFileFilter(DocumentSaveFilter);
    return filterIndex >= 0 && filterIndex < filters.size() && filters[filterIndex].Patterns == QStringList{"*.vlf"};
}

bool ChoiceStoresForm(int filterIndex, const QString &fileName)
{
    return SaveFilterStoresForm(filterIndex) || QFileInfo(fileName).suffix().compare("vlf", Qt::CaseInsensitive) == 0;
}

bool HasTxtExtension(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare("txt", Qt::CaseInsensitive) == 0;
}

TVlTextFormat TextWriteFormat(TVlTextMode mode, const QString &fileName)
{
    switch (mode) {
    case TVlTextMode::Plain:
        return TVlTextFormat::Plain;
    case TVlTextMode::Rich:
        return TVlTextFormat::Rich;
    case TVlTextMode::Default:
        break;
    }
    return HasTxtExtension(fileName) ? TVlTextFormat::Plain : TVlTextFormat::Rich;
}

TVlTextReadPlan TextReadPlan(TVlTextMode mode, const QString &fileName)
{
    switch (mode) {
    case TVlTextMode::Plain:
        return {TVlTextFormat::Plain, TVlTextFormat::Rich};
    case TVlTextMode::Rich:
        return {TVlTextFormat::Rich, TVlTextFormat::Plain};
    case TVlTextMode::Default:
        break;
    }
    if (HasTxtExtension(fileName))
        return {TVlTextFormat::Plain, std::nullopt};
    return {TVlTextFormat::Rich, TVlTextFormat::Plain};
}
