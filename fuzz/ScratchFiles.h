#pragma once

// Scratch files for fuzzers whose readers take a path: the input bytes
// written to one file, the reader's output going to another. Both are named
// after the process, so that fuzzers running side by side keep apart, and
// removed when the fuzzer ends.

#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

struct ScratchFiles {
    ScratchFiles(const char* inputName, const char* outputName)
        : input(QDir::tempPath() + QStringLiteral("/%1_%2").arg(getpid()).arg(QLatin1String(inputName))),
          output(QDir::tempPath() + QStringLiteral("/%1_%2").arg(getpid()).arg(QLatin1String(outputName)))
    {
    }
    ~ScratchFiles()
    {
        QFile::remove(input);
        QFile::remove(output);
    }
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

    // The input file made of exactly these bytes; false when it cannot be written.
    bool writeInput(const uint8_t* data, size_t size) const
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
    }

    const QString input;
    const QString output;
};
