#pragma once

#include <QString>

// The temporary files and folders that writers leave behind when they are
// killed or the machine stops mid-write: a replacing write's
// ".NAME.XXXXXXXX.tmp", the wave save's "wNN.TMP", the ".FOLDER-import-XXXXXX"
// staging folder of a set being made (unpacked, or from a word list). Every
// writer holds a lock on its temporary for as long as it writes (the system
// drops it when the process dies), and sweeps the folder it writes into first.
namespace Leftovers {

// Marks the temporary open as `fd` as in use; the mark lasts until every
// descriptor of that open is closed, also by a process that is killed.
void Hold(int fd);

// Removes from `folder` each writer's temporary that is abandoned: not held,
// owned by this user, and untouched for a while (a writer that has only just
// made its temporary may not hold it yet). Links and other users' files are
// never touched, nor anything but the writers' names.
void Sweep(const QString& folder);

} // namespace Leftovers
