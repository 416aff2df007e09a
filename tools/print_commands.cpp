#include "ToolCommands.h"

#include "common/FileNames.h"
#include "print/CardPrint.h"
#include "print/PrintDeck.h"

#include <optional>

namespace {

struct PrintArguments {
    QString folder;
    QString out;
    PrintOptions options;
};

std::optional<PrintArguments> parsePrintArguments(const QStringList& args)
{
    PrintArguments parsed;
    QStringList paths;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--paper") && i + 1 < args.size()) {
            const QString paper = args[++i];
            if (paper.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
                parsed.options.paper = PrintOptions::Paper::A4;
            else if (paper.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
                parsed.options.paper = PrintOptions::Paper::Letter;
            else
                return std::nullopt;
        } else if (arg == QLatin1String("--card-mm") && i + 1 < args.size()) {
            bool ok = false;
            parsed.options.cardMm = args[++i].toDouble(&ok);
            if (!ok || !PrintOptions::isValidCardSize(parsed.options.cardMm))
                return std::nullopt;
        } else if (arg == QLatin1String("--backs")) {
            parsed.options.backs = true;
        } else if (arg == QLatin1String("--names")) {
            parsed.options.names = true;
        } else if (arg == QLatin1String("--no-lines")) {
            parsed.options.cuttingLines = false;
        } else if (arg == QLatin1String("--playable")) {
            parsed.options.playableOnly = true;
        } else if (!arg.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            paths << arg;
        } else {
            return std::nullopt;
        }
    }
    if (paths.size() != 2)
        return std::nullopt;
    parsed.folder = paths[0];
    parsed.out = paths[1];
    return parsed;
}

QString mm(double value)
{
    return QString::number(value, 'f', 1);
}

// print DIR OUT.pdf [options]: the cards of the set DIR as a PDF to cut out,
// with where each card lies; the cards left out follow as "skipped" lines.
int print(const QStringList& args)
{
    const std::optional<PrintArguments> parsed = parsePrintArguments(args);
    if (!parsed)
        return printUsage();
    if (!FileNames::folderExists(parsed->folder)) {
        printError(QStringLiteral("No such folder: %1").arg(parsed->folder));
        return 1;
    }
    const PrintDeck deck = PrintDeck::read(parsed->folder, parsed->options.playableOnly);
    const CardPrint cardPrint(deck, parsed->options);
    WriteCardsPdf(cardPrint, parsed->out);

    printLine(QStringLiteral("pages: %1").arg(cardPrint.pageCount()));
    printLine(QStringLiteral("cards per page: %1").arg(cardPrint.layout().cardsPerPage()));
    for (const CardPrint::Place& place : cardPrint.places())
        printLine(QStringLiteral("card %1: page %2 x %3 y %4")
                      .arg(place.slot)
                      .arg(place.page)
                      .arg(mm(place.topLeft.x()), mm(place.topLeft.y())));
    for (const QString& line : deck.skippedLines())
        printLine(QStringLiteral("skipped %1").arg(line));
    return 0;
}

const ToolCommand printCommand(
    "print", "DIR OUT.pdf [--paper A4|Letter] [--card-mm N] [--backs] [--no-lines] [--playable] [--names]",
    print, ToolCommand::Needs::Gui);

} // namespace
