#include "images/SvgSanitiser.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// The renderer draws and frees nested groups recursively: a few hundred
// thousand nested elements in a small file would overflow the stack. Real
// drawings stay far below this.
constexpr int MaxDepth = 256;
// How much of a refused reference the message quotes.
constexpr qsizetype QuotedReferenceLength = 80;

const QLatin1String DataScheme("data:");
const QLatin1String Base64Marker(";base64");

QString quoted(QStringView reference)
{
    const QString text = reference.left(QuotedReferenceLength).toString();
    return reference.size() > QuotedReferenceLength ? text + QStringLiteral("...") : text;
}

bool isFragment(QStringView reference)
{
    return reference.trimmed().startsWith(QLatin1Char('#'));
}

// The bytes of an embedded picture "data:[type][;params];base64,payload",
// white space in the payload ignored. Raises EUnsafeDrawing when the
// reference is not one, or its payload is not base64.
QByteArray embeddedBytes(QStringView reference)
{
    const QStringView trimmed = reference.trimmed();
    const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
    if (!trimmed.startsWith(DataScheme, Qt::CaseInsensitive) || comma < 0)
        throw EUnsafeDrawing(QCoreApplication::translate(
                                 "PictureReader", "it refers to %1, outside the drawing; only pictures "
                                                  "embedded in it can be shown")
                                 .arg(quoted(trimmed)));
    if (!trimmed.left(comma).endsWith(Base64Marker, Qt::CaseInsensitive))
        throw EUnsafeDrawing(
            QCoreApplication::translate("PictureReader", "an embedded picture is not stored in base64"));
    QByteArray payload = trimmed.mid(comma + 1).toLatin1();
    payload.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
    auto decoded = QByteArray::fromBase64Encoding(payload, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw EUnsafeDrawing(QCoreApplication::translate("PictureReader", "an embedded picture is damaged"));
    return *decoded;
}

class Rewriter {
  public:
    Rewriter(const QByteArray& svg, qint64 maxPixels) : in_(svg), out_(&result_), maxPixels_(maxPixels) {}

    QByteArray run()
    {
        while (!in_.atEnd()) {
            switch (in_.readNext()) {
            case QXmlStreamReader::StartDocument:
                out_.writeStartDocument();
                break;
            case QXmlStreamReader::EndDocument:
                out_.writeEndDocument();
                break;
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                --depth_;
                out_.writeEndElement();
                break;
            case QXmlStreamReader::Characters:
                if (in_.isCDATA())
                    out_.writeCDATA(in_.text().toString());
                else
                    out_.writeCharacters(in_.text().toString());
                break;
            default: // comments, the document type, entity references, processing instructions
                break;
            }
        }
        if (in_.hasError())
            throw EUnsafeDrawing(
                QCoreApplication::translate("PictureReader", "it is not well-formed XML (line %1: %2)")
                    .arg(in_.lineNumber())
                    .arg(in_.errorString()));
        return result_;
    }

  private:
    void startElement()
    {
        if (++depth_ > MaxDepth)
            throw EUnsafeDrawing(
                QCoreApplication::translate("PictureReader", "its elements are nested more than %1 deep")
                    .arg(MaxDepth));
        const bool image = in_.name().compare(QLatin1String("image"), Qt::CaseInsensitive) == 0;
        // Qualified names are written as read: the renderer looks some
        // attributes up by their prefixed name ("xlink:href").
        out_.writeStartElement(in_.qualifiedName().toString());
        for (const QXmlStreamNamespaceDeclaration& ns : in_.namespaceDeclarations()) {
            const QString name = ns.prefix().isEmpty() ? QStringLiteral("xmlns")
                                                       : QStringLiteral("xmlns:") + ns.prefix().toString();
            out_.writeAttribute(name, ns.namespaceUri().toString());
        }
        for (const QXmlStreamAttribute& attribute : in_.attributes()) {
            const QString name = attribute.qualifiedName().toString();
            if (attribute.name() != QLatin1String("href"))
                out_.writeAttribute(name, attribute.value().toString());
            else if (image)
                out_.writeAttribute(name, checkedPicture(attribute.value()));
            // A fragment is written without the blanks around it, as a
            // browser reads it: one check of the written drawing then finds
            // every reference to be inside it.
            else if (isFragment(attribute.value()))
                out_.writeAttribute(name, attribute.value().trimmed().toString());
            // Any other reference is dropped: only `image` would draw it.
        }
    }

    // The embedded picture of `reference` as a reference to exactly the bytes
    // checked, so that the renderer cannot read it differently.
    QString checkedPicture(QStringView reference)
    {
        QByteArray bytes = embeddedBytes(reference);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        if (format.isEmpty())
            throw EUnsafeDrawing(QCoreApplication::translate(
                "PictureReader", "an embedded picture is of no kind that can be read"));
        if (format.startsWith("svg"))
            throw EUnsafeDrawing(QCoreApplication::translate("PictureReader", "it embeds another drawing"));
        const QSize size = reader.size();
        if (!size.isValid())
            throw EUnsafeDrawing(QCoreApplication::translate(
                "PictureReader", "the size of an embedded picture cannot be read"));
        pixels_ += qint64(size.width()) * size.height();
        if (pixels_ > maxPixels_)
            throw EUnsafeDrawing(QCoreApplication::translate(
                                     "PictureReader", "its embedded pictures have more than %1 pixels in all")
                                     .arg(maxPixels_));
        return QStringLiteral("data:image/%1;base64,%2")
            .arg(QString::fromLatin1(format), QString::fromLatin1(bytes.toBase64()));
    }

    QXmlStreamReader in_;
    QByteArray result_;
    QXmlStreamWriter out_;
    qint64 maxPixels_;
    qint64 pixels_ = 0;
    int depth_ = 0;
};

} // namespace

QByteArray SvgSanitiser::sanitise(const QByteArray& svg, qint64 maxPixels)
{
    return Rewriter(svg, maxPixels).run();
}
