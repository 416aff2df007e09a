#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QStringList>
#include <QTextOption>
#include <QVector>

class TBitmap;

// "Insert Text": the lines of the card text box drawn, centred line by line,
// on the blank card. The window and tessellor-tool share these steps so a
// card made by either is the same file.
namespace CardText {

// A frame's drawing font: face, size in points, style and colour.
struct CanvasFont {
    QFont font;
    QColor color = Qt::black;
};

// Card texts are measured at the resolution of the desktops the sets are made
// on, whatever the resolution of this screen.
constexpr int PointsPerInch = 72;
constexpr int DotsPerInch = 96;

// The wrapping width of the window's text box when no window is at hand
// (tessellor-tool): its viewport less the document margins, with the
// default widget style.
constexpr int DefaultWrapWidth = 166;

// The default drawing font: 8-point "MS Sans Serif", or the closest sans font.
CanvasFont DefaultCanvasFont();

// The font's size in whole points, as the canvas reports it.
int PointSize(const QFont& font);

// `font` with its size given in pixels at 96 dots per inch, not antialiased,
// so it measures and draws the same on every screen and stays crisp on the
// card's 256 colours.
QFont PixelFont(const QFont& font);

// The lines of `text` as a text box of `wrapWidth` pixels shows them in
// `boxFont` (the box's own font, as it measures on this screen): paragraphs
// split at line breaks, long ones wrapped with `wrapMode`.
// A last line that is empty is not counted.
QStringList WrapLines(const QString& text, const QFont& boxFont, int wrapWidth,
                      QTextOption::WrapMode wrapMode = QTextOption::WrapAtWordBoundaryOrAnywhere);

// Where each line goes on a card of `cardWidth` x `cardHeight`: the first
// line's top is (height - h x n) / 2 with h the height of a line in the font,
// each line's x is (width - its width) / 2 (both divisions truncating toward
// zero), and lines are 2 x the point size apart.
QVector<QPoint> LineOrigins(const QStringList& lines, const QFont& canvasFont, int cardWidth, int cardHeight);

// Puts the blank card into `bitmap` and draws `lines` on it in `canvas`.
void InsertText(TBitmap& bitmap, const QStringList& lines, const CanvasFont& canvas);

// What InsertText would make of `lines` in `canvasFont` on the blank card.
enum class TextFit {
    Fits,  // every line is drawn whole
    Empty, // nothing is drawn (no line, or blanks only): a plain white card
    Cut,   // some of the text falls beyond an edge of the card and is cut off
};

// Tells, without touching any card, whether InsertText would draw every line
// whole: a line counts as cut when any of the pixels it draws would fall
// outside the card, so blanks beyond an edge do not count.
TextFit CheckFit(const QStringList& lines, const QFont& canvasFont);

// The question the window asks before writing a card of `fit` (Yes writes
// it, No writes nothing); empty when the text fits.
QString FitQuestion(TextFit fit);

} // namespace CardText
