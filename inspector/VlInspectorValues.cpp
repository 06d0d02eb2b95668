// Item data over plain getters and setters.
#include "VlInspectorValues.h"

#include <stdexcept>

TVlInspectorBoolData::TVlInspectorBoolData(QString name, std::function<bool()> get, std::function<void(bool)> set)
    : TVlInspectorData(std::move(name)), FGet(std::move(get)), FSet(std::move(set))
{
}

QString TVlInspectorBoolData::Value() const
{
    return FGet() ? QStringLiteral("True") : QStringLiteral("False");
}

void TVlInspectorBoolData::SetValue(const QString &text)
{
    if (!FSet)
        throw std::logic_error("read-only value");
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        FSet(true);
    else if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        FSet(false);
    else
        throw std::invalid_argument(("Нужно True или False: " + text).toStdString());
}

QStringList TVlInspectorBoolData::Choices() const
{
    return {QStringLiteral("False"), QStringLiteral("True")};
}

TVlInspectorTextData::TVlInspectorTextData(QString name, std::function<QString()> get,
                                           std::function<void(const QString &)> set)
    : TVlInspectorData(std::move(name)), FGet(std::move(get)), FSet(std::move(set))
{
}

void TVlInspectorTextData::SetValue(const QString &text)
{
    if (!FSet)
        throw std::logic_error("read-only value");
    FSet(text);
}

TVlInspectorChoiceData::TVlInspectorChoiceData(QString name, std::function<QStringList()> choices,
                                               std::function<QString()> get, std::function<void(const QString &)> set)
    : TVlInspectorData(std::move(name)), FChoices(std::move(choices)), FGet(std::move(get)), FSet(std::move(set))
{
}

void TVlInspectorChoiceData::SetValue(const QString &text)
{
    if (!Choices().contains(text))
        throw std::invalid_argument(("Нет такого значения: " + text).toStdString());
    FSet(text);
}
