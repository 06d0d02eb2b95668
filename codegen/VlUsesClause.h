// Builds the uses clause of the uses-list dialog from the ticked unit names.
#pragma once

#include <QStringList>

// The units of the uses-list dialog in order; the first nine are ticked at first.
[[nodiscard]] QStringList UsesListUnits();
inline constexpr int UsesListInitiallyTicked = 9;

// "Uses" on its own line, then the units separated by ", " on lines indented by three blanks
// and no longer than 80 characters, closed by ";". No units gives "Uses ;".
[[nodiscard]] QString BuildUsesClause(const QStringList &units);
