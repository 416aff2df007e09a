#include "images/CardText.h"

#include "images/TBitmap.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
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

} // namespace CardText
