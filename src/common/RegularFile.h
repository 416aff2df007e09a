#pragma once

#include <QString>

class QFile;

// Opening a file for reading only when it is what a caller expects: a regular
// file. The open never blocks (a named pipe or a device would hang the caller
// forever), and with NoLinks a symbolic link is refused, not followed. The
// file is checked after it is opened, so a name swapped between a look and
// the open is never trusted.
namespace RegularFile {

enum class Links { Follow, Refuse };

// A descriptor open for reading, or -1 with errno set: ELOOP for a refused
// link, EINVAL for anything but a regular file.
int Open(const QString& path, Links links);
// The same through `file`, which owns the descriptor when this succeeds.
bool Open(QFile& file, const QString& path, Links links);

} // namespace RegularFile
