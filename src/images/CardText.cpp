#include "images/CardText.h"

#include "images/TBitmap.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace CardText {

namespace {

const char* const BlankCard = "BMPBRANCO";
constexpr int DefaultPointSize = 8;

QString defaultFamily()
{
    return QStringLiteral("MS Sans Serif");
}

void wrapParagraph(const QString& paragraph, const QFont& font, int wrapWidth, QTextOption::WrapMode wrapMode,
                   QStringList& lines)
{
    if (paragraph.isEmpty()) {
        lines << QString();
        return;
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(wrapMode);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth);
        lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
}

// Lines whose drawing would cover more than this many pixels are far larger
// than any card: they are cut without being drawn to find out.
constexpr qint64 MaxCheckedLinePixels = qint64(1) << 22;
// Room around a line's measured box, for glyphs drawn beyond their metrics.
constexpr int InkMargin = 2;

QSize blankCardSize()
{
    TBitmap blank;
    blank.LoadBitmapResource(QString::fromLatin1(BlankCard));
    return {blank.Width(), blank.Height()};
}

// True when `line`, drawn with its top-left corner at `origin`, puts a pixel
// outside `card`. Drawn in black on white at the place it would take, and
// only where its box passes an edge.
bool inkOutside(const QString& line, QPoint origin, const QFont& font, const QRect& card)
{
    const QFontMetrics metrics(font);
    const QPoint baseline = origin + QPoint(0, metrics.ascent());
    const QRect box = metrics.boundingRect(line).translated(baseline).adjusted(-InkMargin, -InkMargin,
                                                                               InkMargin, InkMargin);
    if (card.contains(box))
        return false;
    if (qint64(box.width()) * box.height() > MaxCheckedLinePixels)
        return true;
    QImage drawn(box.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(baseline - box.topLeft(), line);
    painter.end();
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (row[x] != white && !card.contains(box.topLeft() + QPoint(x, y)))
                return true;
        }
    }
    return false;
}

} // namespace

CanvasFont DefaultCanvasFont()
{
    QFont font(defaultFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(DefaultPointSize);
    // Where that face is not installed, name the face that stands in for it,
    // so the font dialog shows a face it has.
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(QFontInfo(font).family());
    return CanvasFont{font, QColor(Qt::black)};
}

int PointSize(const QFont& font)
{
    if (font.pointSizeF() > 0)
        return static_cast<int>(std::lround(font.pointSizeF()));
    // A font given in pixels: its size in points at 96 dots per inch.
    return static_cast<int>(std::lround(font.pixelSize() * double(PointsPerInch) / DotsPerInch));
}

QFont PixelFont(const QFont& font)
{
    QFont result(font);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : PointSize(font);
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(points * DotsPerInch / PointsPerInch))));
    result.setStyleStrategy(QFont::StyleStrategy(result.styleStrategy() | QFont::NoAntialias));
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

QStringList WrapLines(const QString& text, const QFont& boxFont, int wrapWidth,
                      QTextOption::WrapMode wrapMode)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QStringList lines;
    if (normalised.isEmpty())
        return lines;
    for (const QString& paragraph : normalised.split(QLatin1Char('\n')))
        wrapParagraph(paragraph, boxFont, wrapWidth, wrapMode, lines);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QVector<QPoint> LineOrigins(const QStringList& lines, const QFont& canvasFont, int cardWidth, int cardHeight)
{
    QVector<QPoint> origins;
    if (lines.isEmpty())
        return origins;
    const QFontMetrics metrics(PixelFont(canvasFont));
    const int count = static_cast<int>(lines.size());
    const int lineHeight = metrics.height();
    // C++ integer division truncates toward zero, as the layout asks.
    const int top = (cardHeight - lineHeight * count) / 2;
    const int spacing = 2 * PointSize(canvasFont);
    int offset = 0;
    for (const QString& line : lines) {
        const int x = (cardWidth - metrics.horizontalAdvance(line)) / 2;
        origins << QPoint(x, top + offset);
        offset += spacing;
    }
    return origins;
}

void InsertText(TBitmap& bitmap, const QStringList& lines, const CanvasFont& canvas)
{
    bitmap.LoadBitmapResource(QString::fromLatin1(BlankCard));
    if (lines.isEmpty())
        return;
    const QVector<QPoint> origins = LineOrigins(lines, canvas.font, bitmap.Width(), bitmap.Height());
    const QFont font = PixelFont(canvas.font);
    bitmap.Draw([&](QPainter& p) {
        p.setFont(font);
        p.setPen(canvas.color);
        const int ascent = QFontMetrics(font).ascent();
        for (int i = 0; i < lines.size(); ++i)
            p.drawText(origins[i] + QPoint(0, ascent), lines[i]);
    });
}

TextFit CheckFit(const QStringList& lines, const QFont& canvasFont)
{
    const bool blank =
        std::all_of(lines.begin(), lines.end(), [](const QString& line) { return line.trimmed().isEmpty(); });
    if (blank)
        return TextFit::Empty;
    const QRect card(QPoint(0, 0), blankCardSize());
    const QVector<QPoint> origins = LineOrigins(lines, canvasFont, card.width(), card.height());
    const QFont font = PixelFont(canvasFont);
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty() && inkOutside(lines[i], origins[i], font, card))
            return TextFit::Cut;
    }
    return TextFit::Fits;
}

QString FitQuestion(TextFit fit)
{
    switch (fit) {
    case TextFit::Empty:
        return QCoreApplication::translate("CardText", "The text box is empty. Write a blank card?");
    case TextFit::Cut:
        return QCoreApplication::translate(
            "CardText", "The text does not fit on the card and will be cut off at its edges. "
                        "Write it anyway?");
    case TextFit::Fits:
        break;
    }
    return QString();
}

} // namespace CardText
