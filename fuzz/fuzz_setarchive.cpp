// The set archive reader on arbitrary bytes: every check runs and every set
// file is unpacked (counted, not written). What it accepts must keep within
// the limits it was given and name only a set's files.

#include "cardset/SetArchive.h"
#include "common/Exception.h"

#include <QByteArray>
#include <QRegularExpression>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Small limits keep each run quick; the checks are the same at any size.
    SetArchive::Limits limits;
    limits.maxUnpackedBytes = qint64(4) << 20;
    SetArchive::Contents contents;
    try {
        contents = SetArchive::InspectBytes(bytes, QStringLiteral("fuzz.zip"), limits);
    } catch (const Exception&) {
        return 0;
    }
    static const QRegularExpression setFile(QStringLiteral("^(C\\d\\d\\.bmp|S\\d\\d\\.wav|Set\\.cfg)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (contents.files.isEmpty() || contents.unpackedBytes > limits.maxUnpackedBytes ||
        contents.unpackedBytes > limits.maxRatio * qint64(size))
        std::abort();
    for (const QString& file : contents.files)
        if (!setFile.match(file).hasMatch())
            std::abort();
    return 0;
}
