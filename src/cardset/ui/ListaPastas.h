#pragma once

#include <QString>

class QListWidget;

// Appends to `list` the set folders matching `pattern` (a folder, "/", a name
// pattern); hidden folders and plain files are left out. An empty or
// unreadable folder adds nothing.
void ListaPastas(QListWidget* list, const QString& pattern);
