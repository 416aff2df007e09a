#pragma once

#include <QString>
#include <cstdio>

// Opens a sound file for reading as a buffered stream, only when it is a
// plain file: a pipe or device could block the editor or never end. Raises
// ESoundImportError (CannotRead with the system's words, or NotPlainFile).
FILE* OpenPlainSoundFile(const QString& path);
