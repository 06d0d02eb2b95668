// Item data over plain getters and setters: booleans, texts and choices.
#pragma once

#include "VlInspectorItem.h"

#include <functional>

class TVlInspectorBoolData : public TVlInspectorData {
public:
    TVlInspectorBoolData(QString name, std::function<bool()> get, std::function<void(bool)> set);
    TVlInspectorEditKind EditKind() const override { return TVlInspectorEditKind::Boolean; }
    QString Value() const override;
    // "True" or "False", letter case ignored.
    void SetValue(const QString &text) override;
    QStringList Choices() const override;
    bool IsReadOnly() const override { return !FSet; }

private:
    std::function<bool()> FGet;
    std::function<void(bool)> FSet;
};

// A text; without a setter it is read-only.
class TVlInspectorTextData : public TVlInspectorData {
public:
    TVlInspectorTextData(QString name, std::function<QString()> get, std::function<void(const QString &)> set = nullptr);
    TVlInspectorEditKind EditKind() const override { return TVlInspectorEditKind::Text; }
    QString Value() const override { return FGet(); }
    void SetValue(const QString &text) override;
    bool IsReadOnly() const override { return !FSet; }

private:
    std::function<QString()> FGet;
    std::function<void(const QString &)> FSet;
};

// One of a list of texts.
class TVlInspectorChoiceData : public TVlInspectorData {
public:
    TVlInspectorChoiceData(QString name, std::function<QStringList()> choices, std::function<QString()> get,
                           std::function<void(const QString &)> set);
    TVlInspectorEditKind EditKind() const override { return TVlInspectorEditKind::Choice; }
    QString Value() const override { return FGet(); }
    // Raises std::invalid_argument for a text that is not one of the choices.
    void SetValue(const QString &text) override;
    QStringList Choices() const override { return FChoices(); }
    // The choices were set after creation (an item adjustment offers them).
    void SetChoices(std::function<QStringList()> choices) { FChoices = std::move(choices); }

private:
    std::function<QStringList()> FChoices;
    std::function<QString()> FGet;
    std::function<void(const QString &)> FSet;
};
