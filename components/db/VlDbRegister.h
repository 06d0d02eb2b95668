// Registration of the database classes, so that form files and scripts can create them by name.
#pragma once

// Data sets, fields, data sources, data-aware controls and grids; safe to call more than once.
void RegisterDbComponents();
