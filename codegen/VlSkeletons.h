// Project skeleton texts: form unit, console program, library, empty unit and form description.
#pragma once

#include <QStringList>

// Each function returns the skeleton as editor lines; names are substituted exactly as typed.
[[nodiscard]] QStringList FormUnitSkeleton(const QString &unitName, const QString &formName);
[[nodiscard]] QStringList ConsoleSkeleton(const QString &programName);
[[nodiscard]] QStringList LibrarySkeleton(const QString &libraryName);
[[nodiscard]] QStringList EmptyUnitSkeleton();
[[nodiscard]] QStringList FormDescriptionSkeleton();
