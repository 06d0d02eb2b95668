// Toolbar images, drawn at run time so that no image files need to ship.
#pragma once

#include "VeltranoCommandTable.h"

#include <QIcon>

QIcon MakeToolIcon(TVlIconKind kind);
