// tessellor-tool word-set: a whole set made from a list of words, as the
// editor's "New set from word list..." makes it.

#include "ToolCommands.h"

#include "cardset/WordList.h"
#include "session/WordSet.h"

#include <QCoreApplication>

namespace {

struct WordSetArgs {
    QString list;
    QString folder;
    WordSetOptions options;
};

// The value after option `i`, or false when there is none.
bool takeValue(const QStringList& args, qsizetype& i, QString& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args.at(++i);
    return true;
}

// False on wrong usage.
bool parseWordSet(const QStringList& args, WordSetArgs& parsed)
{
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--double"))
            parsed.options.duplo = true;
        else if (arg == QLatin1String("--yes"))
            parsed.options.cutTextAgreed = true;
        else if (arg == QLatin1String("--voice")) {
            if (!takeValue(args, i, parsed.options.voice))
                return false;
        } else if (arg == QLatin1String("--pictures")) {
            if (!takeValue(args, i, parsed.options.picturesFolder))
                return false;
        } else if (arg == QLatin1String("--cover")) {
            if (!takeValue(args, i, parsed.options.coverPicture))
                return false;
        } else if (arg.startsWith(QLatin1String("--")))
            return false;
        else
            positional << arg;
    }
    if (positional.size() != 2 || positional.contains(QString()))
        return false;
    parsed.list = positional.at(0);
    parsed.folder = positional.at(1);
    return true;
}

int wordSet(const QStringList& args)
{
    WordSetArgs parsed;
    if (!parseWordSet(args, parsed))
        return printUsage();
    // Only a double set has a card of its own for the word's picture.
    if (!parsed.options.picturesFolder.isEmpty() && !parsed.options.duplo) {
        printError(QCoreApplication::translate("WordSetTool", "--pictures needs --double"));
        return printUsage();
    }
    parsed.options.words = WordList::Load(parsed.list);
    // No one is there to ask: text cut at a card's edges is written only when
    // the command line agreed to it beforehand.
    if (!parsed.options.cutTextAgreed) {
        const QStringList cut = WordSet::CutWords(parsed.options.words, parsed.options.font);
        if (!cut.isEmpty()) {
            printError(QCoreApplication::translate(
                           "WordSetTool", "\"%1\" does not fit on a card and would be cut off at its edges; "
                                          "--yes writes it cut")
                           .arg(cut.first()));
            return 1;
        }
    }
    const WordSet::Made made = WordSet::Build(parsed.folder, parsed.options);
    for (const WordSet::Card& card : made.cards)
        printLine(QStringLiteral("card %1: %2").arg(card.slot).arg(printableName(card.name)));
    return 0;
}

const ToolCommand
    wordSetCommand("word-set",
                   "LIST.txt SETDIR [--double] [--voice NAME] [--pictures DIR] [--cover PICTURE] [--yes]",
                   wordSet, ToolCommand::Needs::Gui);

} // namespace
