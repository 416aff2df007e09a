#pragma once

#include "cardset/SetArchive.h"

#include <QByteArray>
#include <QString>
#include <functional>

// One pass over a set archive with every check of SetArchive. Each set file
// is handed to the sink as it is unpacked; without a sink the data is only
// counted. Raises ESetArchiveError naming the first entry refused.
class SetArchiveReader {
  public:
    // Receives a set file: begin(name) once, then its bytes in pieces.
    class Sink {
      public:
        virtual ~Sink() = default;
        virtual void begin(const QString& name) = 0;
        virtual void write(const char* data, qsizetype length) = 0;
        virtual void end(qint64 modified) = 0; // seconds since 1970
    };

    // An archive file, or the archive's bytes (`bytes` must outlive the reader).
    static SetArchiveReader forFile(const QString& path, const SetArchive::Limits& limits);
    static SetArchiveReader forBytes(const QByteArray& bytes, const QString& archiveName,
                                     const SetArchive::Limits& limits);

    SetArchive::Contents read(Sink* sink) const;

  private:
    SetArchiveReader(const SetArchive::Limits& limits, qint64 archiveSize, QString archiveName)
        : limits_(limits), archiveSize_(archiveSize), archiveName_(std::move(archiveName))
    {
    }

    SetArchive::Limits limits_;
    qint64 archiveSize_;
    QString archiveName_;
    QString path_;
    const QByteArray* bytes_ = nullptr;
};
