#include "print/CardPrint.h"

#include "common/FileErrorReason.h"
#include "common/ReplacingFile.h"
#include "images/BitmapErrors.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

constexpr double MmPerInch = 25.4;
// Thin enough to cut along, dark enough to see on any printer.
constexpr double CuttingLineMm = 0.2;
const QColor CuttingLineColour(140, 140, 140);
// Pictures are decoded for 300 dpi (PrintDeck); this only sets the PDF's own unit.
constexpr int PdfResolution = 1200;
// A card's name: its text is this share of the strip's height, kept this far
// from the cutting lines, and sized in tenths of a millimetre.
constexpr double NameTextShare = 0.6;
constexpr double NameInsetMm = 1;
constexpr double TextUnitsPerMm = 10;

} // namespace

// The picture of the card drawn last. The cards of a pair follow each other,
// so in a paired set both draw one image, which the PDF then holds once; and
// no more than one card picture is in memory at a time.
class CardPrint::LastPicture {
  public:
    explicit LastPicture(double cardMm) : cardMm_(cardMm) {}

    const QImage& of(const QString& path)
    {
        if (path != path_) {
            image_ = QImage();
            path_.clear();
            image_ = PrintDeck::LoadPicture(path, cardMm_);
            path_ = path;
        }
        return image_;
    }

  private:
    double cardMm_;
    QString path_;
    QImage image_;
};

CardPrint::CardPrint(const PrintDeck& deck, const PrintOptions& options)
    : deck_(deck), options_(options), layout_(options.paper, options.cardMm, options.names)
{
}

bool CardPrint::printsBacks() const
{
    return options_.backs && !deck_.coverPath().isEmpty();
}

int CardPrint::facePages() const
{
    const int cards = int(deck_.cards().size());
    return (cards + layout_.cardsPerPage() - 1) / layout_.cardsPerPage();
}

int CardPrint::pageCount() const
{
    return facePages() * (printsBacks() ? 2 : 1);
}

std::vector<CardPrint::Place> CardPrint::places() const
{
    std::vector<Place> result;
    const int pagesPerFacePage = printsBacks() ? 2 : 1;
    for (int i = 0; i < int(deck_.cards().size()); ++i)
        result.push_back({deck_.cards()[size_t(i)].slot, layout_.facePage(i) * pagesPerFacePage + 1,
                          layout_.cardTopLeft(i)});
    return result;
}

void CardPrint::paint(QPagedPaintDevice& device) const
{
    if (deck_.cards().empty())
        throw ENothingToPrint();
    device.setPageLayout(QPageLayout(PageSizeOf(options_.paper), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&device);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Everything below is drawn in millimetres from the paper's corner.
    painter.scale(device.logicalDpiX() / MmPerInch, device.logicalDpiY() / MmPerInch);
    LastPicture pictures(layout_.cardMm());
    const QImage cover =
        printsBacks() ? PrintDeck::LoadPicture(deck_.coverPath(), layout_.cardMm()) : QImage();
    for (int page = 0; page < facePages(); ++page) {
        if (page > 0)
            device.newPage();
        paintFaces(painter, page, pictures);
        if (printsBacks()) {
            device.newPage();
            paintBacks(painter, page, cover);
        }
    }
}

void CardPrint::paintFaces(QPainter& painter, int facePage, LastPicture& pictures) const
{
    const int first = facePage * layout_.cardsPerPage();
    const int end = std::min(first + layout_.cardsPerPage(), int(deck_.cards().size()));
    for (int i = first; i < end; ++i) {
        const QPointF topLeft = layout_.cardTopLeft(i);
        const PrintDeck::Card& card = deck_.cards()[size_t(i)];
        drawPicture(painter, pictures.of(card.picturePath), topLeft);
        if (options_.names)
            drawName(painter, card.name, topLeft);
        if (options_.cuttingLines) {
            painter.setPen(QPen(CuttingLineColour, CuttingLineMm));
            painter.setBrush(Qt::NoBrush);
            // A name strip is cut out with its card.
            painter.drawRect(
                QRectF(topLeft, QSizeF(layout_.cardMm(), layout_.cardMm() + layout_.nameStripMm())));
        }
    }
}

void CardPrint::paintBacks(QPainter& painter, int facePage, const QImage& cover) const
{
    const int first = facePage * layout_.cardsPerPage();
    const int end = std::min(first + layout_.cardsPerPage(), int(deck_.cards().size()));
    for (int i = first; i < end; ++i)
        drawPicture(painter, cover, layout_.backTopLeft(i));
}

void CardPrint::drawPicture(QPainter& painter, const QImage& picture, QPointF topLeft) const
{
    const double side = layout_.cardMm();
    QSizeF size = QSizeF(picture.size()).scaled(side, side, Qt::KeepAspectRatio);
    const QPointF offset((side - size.width()) / 2, (side - size.height()) / 2);
    painter.drawImage(QRectF(topLeft + offset, size), picture);
}

void CardPrint::drawName(QPainter& painter, const QString& name, QPointF topLeft) const
{
    if (name.isEmpty())
        return;
    const double side = layout_.cardMm();
    painter.save();
    // Fonts are sized in whole pixels of the painter; a tenth of a millimetre
    // is fine enough for the text's size.
    painter.translate(topLeft + QPointF(NameInsetMm, side));
    painter.scale(1 / TextUnitsPerMm, 1 / TextUnitsPerMm);
    const QRectF strip(0, 0, (side - 2 * NameInsetMm) * TextUnitsPerMm,
                       layout_.nameStripMm() * TextUnitsPerMm);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, qRound(strip.height() * NameTextShare)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(strip, Qt::AlignCenter, metrics.elidedText(name, Qt::ElideRight, strip.width()));
    painter.restore();
}

QByteArray CardPrint::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setTitle(deck_.setName());
        writer.setCreator(QStringLiteral("Tessellor"));
        paint(writer);
    }
    return bytes;
}

void WriteCardsPdf(const CardPrint& print, const QString& path)
{
    const QByteArray bytes = print.pdf();
    ReplacingFile file(path);
    if (!file.open())
        throw EFCreateError(path, FileErrorReason(file.error(), path));
    if (!file.write(bytes.constData(), bytes.size()) || !file.commit())
        throw EWriteError(path, FileErrorReason(file.error(), path));
}
