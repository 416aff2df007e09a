// Feeds arbitrary bytes to the drawing sanitiser. Whatever it accepts must
// hold no reference outside itself (every `href` of an `image` an embedded
// picture, every other one a fragment), no document type and no processing
// instruction, and must come through a second pass unchanged.
#include "images/SvgSanitiser.h"

#include <QXmlStreamReader>
#include <cstdlib>

namespace {

// Small, so that an embedded picture's size matters to the fuzzer.
constexpr qint64 MaxPixels = qint64(1) << 16;

bool refersOutside(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            return true;
        case QXmlStreamReader::StartElement:
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                if (attribute.name() != QLatin1String("href"))
                    continue;
                const bool image = reader.name().compare(QLatin1String("image"), Qt::CaseInsensitive) == 0;
                if (!attribute.value().startsWith(image ? QLatin1String("data:image/") : QLatin1String("#")))
                    return true;
            }
            break;
        default:
            break;
        }
    }
    return reader.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray svg = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray once;
    try {
        once = SvgSanitiser::sanitise(svg, MaxPixels);
    } catch (const EUnsafeDrawing&) {
        return 0;
    }
    if (refersOutside(once))
        std::abort();
    try {
        if (SvgSanitiser::sanitise(once, MaxPixels) != once)
            std::abort();
    } catch (const EUnsafeDrawing&) {
        std::abort();
    }
    return 0;
}
