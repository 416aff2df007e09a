// tessellor-tool text-card: renders a card text onto the blank card exactly as
// the editor's "Insert Text" does, for scripting and for checking the layout.

#include "ToolCommands.h"

#include "images/CardText.h"
#include "images/TBitmap.h"

#include <QFont>

namespace {

struct TextCardOptions {
    QString out;
    QString text;
    CardText::CanvasFont canvas = CardText::DefaultCanvasFont();
    int wrapWidth = CardText::DefaultWrapWidth;
};

bool positiveNumber(const QString& value, int& number)
{
    bool ok = false;
    number = value.toInt(&ok);
    return ok && number > 0;
}

// Fills `options` from the arguments; false on wrong usage.
bool parseTextCard(const QStringList& args, TextCardOptions& options)
{
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--font") && hasValue) {
            options.canvas.font.setFamily(args[++i]);
        } else if (arg == QLatin1String("--size") && hasValue) {
            int points = 0;
            if (!positiveNumber(args[++i], points))
                return false;
            options.canvas.font.setPointSize(points);
        } else if (arg == QLatin1String("--width") && hasValue) {
            if (!positiveNumber(args[++i], options.wrapWidth))
                return false;
        } else if (arg.startsWith(QLatin1String("--")) && positional.size() < 1) {
            return false;
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 2)
        return false;
    options.out = positional[0];
    options.text = positional[1];
    return true;
}

int textCard(const QStringList& args)
{
    TextCardOptions options;
    if (!parseTextCard(args, options))
        return printUsage();
    // The text box wraps in the window's own font, 8-point, at 96 dots per inch.
    const QFont boxFont = CardText::PixelFont(CardText::DefaultCanvasFont().font);
    const QStringList lines = CardText::WrapLines(options.text, boxFont, options.wrapWidth);
    TBitmap card;
    CardText::InsertText(card, lines, options.canvas);
    card.SaveBitmapFile(options.out);
    printLine(QStringLiteral("%1: %2 lines").arg(options.out).arg(lines.size()));
    return 0;
}

const ToolCommand textCardCommand("text-card", "OUT.bmp [--font FAMILY] [--size POINTS] [--width PIXELS] TEXT",
                                  textCard);

}  // namespace
