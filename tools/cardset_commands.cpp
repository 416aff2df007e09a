// tessellor-tool's set commands: scan a set folder as the editor's Open set
// does, and read or write its "Set.cfg".

#include "ToolCommands.h"

#include "cardset/CardTable.h"
#include "cardset/EInOutError.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"
#include "cardset/SetScan.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

const QString DoubleFlag = QStringLiteral("--double");
const QString PairedFlag = QStringLiteral("--paired");
const QString AuthorOption = QStringLiteral("--author");

// The scan's error lines, kept to be printed; the progress is not shown.
class CollectingView : public ScanView {
  public:
    QStringList errors;

    void showProgress(const QString&, int) override {}
    void setProgressRange(int) override {}
    void setProgressPosition(int) override {}
    void hideProgress() override {}
    void appendError(const QString& line) override { errors << line; }
};

struct Options {
    QString folder;
    std::optional<uint8_t> duplo;
    std::optional<QString> author;
};

// DIR, then the flags in any order; nullopt on wrong usage.
std::optional<Options> parse(const QStringList& args, bool authorAllowed)
{
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
        return std::nullopt;
    Options options;
    options.folder = args.first();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if ((arg == DoubleFlag || arg == PairedFlag) && !options.duplo)
            options.duplo = arg == DoubleFlag ? 1 : 0;
        else if (arg == AuthorOption && authorAllowed && !options.author && i + 1 < args.size())
            options.author = args[++i];
        else
            return std::nullopt;
    }
    return options;
}

void printConfig(const TConfigConjunto& config)
{
    printLine(QStringLiteral("author: ") + AutorText(config));
    printLine(QStringLiteral("duplo: %1").arg(config.Duplo));
}

int scan(const QStringList& args)
{
    const std::optional<Options> options = parse(args, false);
    if (!options)
        return printUsage();
    // A script that names a folder by mistake must not read "every picture
    // missing" as a result.
    if (!QFileInfo(options->folder).isDir()) {
        printError(QStringLiteral("Folder not found: %1").arg(options->folder));
        return 1;
    }
    // The flag decides; else the folder's own "Set.cfg"; else a paired set, as
    // Open set would make it. The file is never created or written here.
    TSetDocument document;
    TConfigConjunto config{};
    if (options->duplo)
        config.Duplo = *options->duplo;
    else if (const std::optional<TConfigConjunto> stored = ReadExistingConfig(options->folder))
        config = *stored;

    document.ChooseSet(options->folder, AutorText(config), config.Duplo);
    CollectingView view;
    const bool complete = document.LoadSet(view);
    for (const QString& line : view.errors)
        printLine(line);
    printLine(complete ? QStringLiteral("result: complete") : QStringLiteral("result: missing"));
    for (int i = 0; i < NumSlots; ++i) {
        const TElemento& slot = document.Conjunto().Elementos[i];
        printLine(QStringLiteral("slot %1: %2 | %3").arg(i).arg(slot.Imagem, slot.Som));
    }
    return 0;
}

// The stored record, if any. A file too short to hold one is what a failed
// copy or a full disk leaves behind; given a new author it is written afresh
// as a full record (a paired set unless a flag says otherwise), since nothing
// more of it can be read. Without one the failure stands.
std::optional<TConfigConjunto> readForConfig(const QString& folder, bool replacingAuthor)
{
    try {
        return ReadExistingConfig(folder);
    } catch (const EInOutError& e) {
        if (!replacingAuthor || e.ErrorCode() != EInOutError::ReadBeyondEnd)
            throw;
        return std::nullopt;
    }
}

int config(const QStringList& args)
{
    const std::optional<Options> options = parse(args, true);
    if (!options)
        return printUsage();
    const bool writing = options->duplo || options->author;
    const std::optional<TConfigConjunto> stored = readForConfig(options->folder, options->author.has_value());
    if (!writing) {
        if (!stored) {
            printError(QStringLiteral("File not found\n%1")
                           .arg(QDir(options->folder).filePath(QStringLiteral("Set.cfg"))));
            return 1;
        }
        printConfig(*stored);
        return 0;
    }
    // Starting from the stored record keeps the bytes after a shorter author
    // and the kind of set when no flag is given, as the editor does.
    TConfigConjunto config = stored.value_or(TConfigConjunto{});
    if (options->author)
        SetAutor(config, *options->author);
    if (options->duplo)
        config.Duplo = *options->duplo;
    WriteConfig(options->folder, config);
    printConfig(config);
    return 0;
}

const ToolCommand scanCommand("scan", "DIR [--double | --paired]", scan);
const ToolCommand configCommand("config", "DIR [--author TEXT] [--double | --paired]", config);

} // namespace
