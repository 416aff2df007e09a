#pragma once

#include <QByteArray>
#include <QString>

// The file operations behind "Set.cfg", on this platform's file calls so that a
// failure keeps its error number; every failure raises EInOutError.
namespace ConfigFile {

// Up to `count` bytes from the start of the file.
QByteArray readHead(const QString& path, qsizetype count);

// Replaces (or creates) `target` with `head`. When `keepTailOf` is not empty it
// names the existing file, which must be writable (a file the user protected
// is not replaced) and whose bytes after head.size() are kept. The new bytes go
// to a temporary file in the same folder that is renamed over the target, so a
// failure leaves the previous file as it was.
void replace(const QString& target, const QByteArray& head, const QString& keepTailOf);

} // namespace ConfigFile
