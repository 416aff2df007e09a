// tessellor-tool sample-set DIR: makes a small paired set from pictures drawn
// by our own code, so a fresh installation has something to open.

#include "ToolCommands.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"
#include "common/Exception.h"
#include "common/FileErrorReason.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "session/CardEdits.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cerrno>

namespace {

constexpr int PairCount = 20;
constexpr int CardSize = 82;
constexpr int ShapeCount = 4;
// The last pairs are text cards, made as "Insert Text" makes them.
const QStringList TextPairs = {QStringLiteral("Sun"), QStringLiteral("Moon"), QStringLiteral("Big\nstar"),
                               QStringLiteral("Red\napple")};

const QColor Palette[] = {QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(0, 128, 0),
                          QColor(255, 0, 255), QColor(128, 0, 128), QColor(0, 128, 128)};
constexpr int PaletteSize = int(sizeof Palette / sizeof Palette[0]);

void drawShape(QPainter& p, int shape, const QColor& colour)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(colour);
    const QRectF box(16, 10, 50, 50);
    switch (shape) {
    case 0:
        p.drawEllipse(box);
        break;
    case 1:
        p.drawRect(box);
        break;
    case 2:
        p.drawPolygon(QPolygonF({QPointF(41, 10), QPointF(66, 60), QPointF(16, 60)}));
        break;
    default:
        p.drawPolygon(QPolygonF({QPointF(41, 8), QPointF(68, 35), QPointF(41, 62), QPointF(14, 35)}));
        break;
    }
}

void drawNumber(QPainter& p, int number)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 62, CardSize, 18), Qt::AlignCenter, QString::number(number));
}

// Card k of the pair: one of four shapes in one of six colours, and its number.
TBitmap pairPicture(int pair)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([pair](QPainter& p) {
        drawShape(p, (pair - 1) % ShapeCount, Palette[(pair - 1) % PaletteSize]);
        drawNumber(p, pair);
    });
    return bitmap;
}

TBitmap textPicture(const QString& text)
{
    CardText::CanvasFont canvas = CardText::DefaultCanvasFont();
    canvas.font.setPointSize(14);
    canvas.font.setBold(true);
    const QStringList lines = CardText::WrapLines(
        text, CardText::PixelFont(CardText::DefaultCanvasFont().font), CardText::DefaultWrapWidth);
    TBitmap bitmap;
    CardText::InsertText(bitmap, lines, canvas);
    return bitmap;
}

TBitmap cardPicture(int pair)
{
    const int firstTextPair = PairCount - int(TextPairs.size()) + 1;
    return pair >= firstTextPair ? textPicture(TextPairs[pair - firstTextPair]) : pairPicture(pair);
}

TBitmap coverPicture()
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(Palette[i]);
            p.drawRect(QRect(6 + (i % 2) * 36, 6 + (i / 2) * 36, 34, 34));
        }
        const QRect band(0, 31, CardSize, 20);
        p.fillRect(band, Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(band, Qt::AlignCenter, QStringLiteral("Sample"));
    });
    return bitmap;
}

void makeFolder(const QString& folder)
{
    const QDir dir(folder);
    if (dir.exists() && !dir.isEmpty())
        throw Exception(QStringLiteral("The folder %1 is not empty").arg(folder));
    if (!QDir().mkpath(folder))
        throw WithFileReason(Exception(QStringLiteral("Cannot create the folder %1").arg(folder)), folder,
                             errno);
}

int sampleSet(const QStringList& args)
{
    if (args.size() != 1)
        return printUsage();
    const QString folder = QDir::cleanPath(args.first());
    makeFolder(folder);

    TSetDocument document;
    document.ChooseSet(folder + QLatin1Char('/'), QStringLiteral("Tessellor sample"), 0);

    // Written as the editor writes a card: the document names the file.
    CardEdits edits(document);
    edits.WritePicture(0, coverPicture());
    // A paired set: slots 2k-1 and 2k share picture k.
    for (int pair = 1; pair <= PairCount; ++pair)
        edits.WritePicture(2 * pair, cardPicture(pair));
    document.SalvaConfig();
    printLine(QStringLiteral("sample set: %1 (paired, %2 pictures)").arg(folder).arg(PairCount + 1));
    return 0;
}

const ToolCommand sampleSetCommand("sample-set", "DIR", sampleSet, ToolCommand::Needs::Gui);

} // namespace
