#pragma once

#include <QString>
#include <QStringList>

// The "Ed" folder's set folders, as the set dialogs see them.

// `text` without leading and trailing blanks and control characters.
QString TrimBlanks(const QString& text);

// True when a folder or a file that is not hidden lies under `path` (letter
// case ignored). "*" and "?" in the last component are wildcards.
bool ExistePasta(const QString& path);

// The names of the folders matching `pattern` (a folder, "/", then a name
// pattern such as "*.*"), hidden folders (a leading dot) left out. Empty when
// the folder does not exist or cannot be read.
QStringList SetFolderNames(const QString& pattern);

// A name that New set can turn into one folder inside the "Ed" folder: no
// folder separator, not only dots (".." would leave "Ed"), and no leading dot
// (the folder would be hidden and never offered by Open set).
bool IsUsableSetName(const QString& name);
