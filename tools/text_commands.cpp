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

// Sizes beyond these make no sense on an 82-pixel card and would only cost memory.
constexpr int MaxPoints = 500;
constexpr int MaxWrapWidth = 10000;

bool numberInRange(const QString& value, int maximum, int& number)
{
    bool ok = false;
    number = value.toInt(&ok);
    return ok && number > 0 && number <= maximum;
}

// Fills `options` from the arguments; false on wrong usage. "--" ends the
// options, so a text may begin with two hyphens.
bool parseTextCard(const QStringList& args, TextCardOptions& options)
{
    QStringList positional;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const QString& value = args[++i];
        int number = 0;
        if (arg == QLatin1String("--font")) {
            options.canvas.font.setFamily(value);
        } else if (arg == QLatin1String("--size") && numberInRange(value, MaxPoints, number)) {
            options.canvas.font.setPointSize(number);
        } else if (arg == QLatin1String("--width") && numberInRange(value, MaxWrapWidth, number)) {
            options.wrapWidth = number;
        } else {
            return false;
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

const ToolCommand textCardCommand("text-card",
                                  "OUT.bmp [--font FAMILY] [--size POINTS] [--width PIXELS] TEXT", textCard,
                                  ToolCommand::Needs::Gui);

} // namespace
