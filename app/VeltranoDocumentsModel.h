// Decisions of the document commands that need no window: filter strings, default extensions,
// and which format the text tab writes and reads for a file name and text mode.
#pragma once

#include "editor/VlRichView.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The text tab's file format setting ("Обычный", "Плоский" (Plain), "Расширенный (Rich)").
enum class TVlTextMode { Default, Plain, Rich };

// Filter texts in their "description|patterns|description|patterns" form.
extern const QString DocumentOpenFilter;
extern const QString DocumentSaveFilter;

struct TVlFileFilter {
    QString Description;
    QStringList Patterns; // "*.dpr", ...
};

// Splits a "description|patterns|..." filter text; patterns are separated by ";".
[[nodiscard]] QList<TVlFileFilter> ParseFileFilter(const QString &filter);
// The filter as a file dialog takes it: the description with the real patterns in parentheses
// (the dialog shows only the description).
[[nodiscard]] QString DialogNameFilter(const TVlFileFilter &filter);

// The extension added to a typed name without one under the chosen save filter (without the dot).
[[nodiscard]] QString SaveFilterExtension(int filterIndex);
inline const QString DefaultSaveExtension = QStringLiteral("dpr");
// fileName with the extension added when its last path element has none.
[[nodiscard]] QString WithDefaultExtension(const QString &fileName, const QString &extension);
// True when the chosen save filter is "Форма Veltrano (*.vlf)", the only type that also stores
// the designer's form.
[[nodiscard]] bool SaveFilterStoresForm(int filterIndex);
// True when a save choice gets the designer's form: that filter, or a name ending in ".vlf".
[[nodiscard]] bool ChoiceStoresForm(int filterIndex, const QString &fileName);

[[nodiscard]] bool HasTxtExtension(const QString &fileName);

// The format the text tab writes under a mode and file name.
[[nodiscard]] TVlTextFormat TextWriteFormat(TVlTextMode mode, const QString &fileName);

// The formats to try when reading, in order: the second is tried when the first fails.
struct TVlTextReadPlan {
    TVlTextFormat First;
    std::optional<TVlTextFormat> Fallback;
};
[[nodiscard]] TVlTextReadPlan TextReadPlan(TVlTextMode mode, const QString &fileName);
