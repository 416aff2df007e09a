#include "ToolCommands.h"

#include "common/Exception.h"
#include "common/FileErrorReason.h"
#include "common/ReplacingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

#ifdef TESSELLOR_TOOL_DELEGATE
#include <unistd.h>
#else
#include <QGuiApplication>
#endif

namespace {

struct Entry {
    QString usage;
    ToolCommand::Run run;
    ToolCommand::Needs needs;
};

std::map<std::string, Entry>& registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

} // namespace

ToolCommand::ToolCommand(const char* name, const char* usage, Run run, Needs needs)
{
    registry()[name] = Entry{QString::fromUtf8(usage), std::move(run), needs};
}

namespace {

void appendHex(QByteArray& out, uchar c)
{
    out += "\\x" + QByteArray::number(c, 16).rightJustified(2, '0');
}

QString safeLine(const QString& line)
{
    return QString::fromUtf8(escapeControls(line.toUtf8(), Escape::LinesAndTabsKept));
}

} // namespace

QByteArray escapeControls(const QByteArray& text, Escape escape)
{
    const bool all = escape == Escape::All;
    QByteArray escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = uchar(text[i]);
        const char* named = c == '\\'   ? "\\\\"
                            : c == '\r' ? "\\r"
                            : c == '\n' ? "\\n"
                            : c == '\t' ? "\\t"
                                        : nullptr;
        if (named && (all || (c != '\n' && c != '\t' && c != '\\'))) {
            escaped += named;
        } else if ((c < 0x20 && !named) || c == 0x7f) {
            appendHex(escaped, c);
        } else if (c == 0xc2 && i + 1 < text.size() && uchar(text[i + 1]) >= 0x80 &&
                   uchar(text[i + 1]) <= 0x9f) {
            appendHex(escaped, c);
            appendHex(escaped, uchar(text[++i]));
        } else {
            escaped += char(c);
        }
    }
    return escaped;
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    ReplacingFile file(path);
    if (!file.open())
        throw WithFileReason(Exception(QStringLiteral("Cannot create file %1").arg(path)), path,
                             file.error());
    if (!file.write(bytes.constData(), bytes.size()) || !file.commit())
        throw WithFileReason(Exception(QStringLiteral("Cannot write file %1").arg(path)), path, file.error());
}

QString printableName(const QString& name)
{
    return QString::fromUtf8(escapeControls(name.toUtf8()));
}

void printLine(const QString& line)
{
    static QTextStream out(stdout);
    out << safeLine(line) << '\n';
    out.flush();
}

void printError(const QString& line)
{
    QTextStream err(stderr);
    err << safeLine(line) << '\n';
}

namespace {

QStringList usageLines()
{
    QStringList lines{QStringLiteral("usage: tessellor-tool COMMAND [ARGS]")};
    for (const auto& [name, entry] : registry())
        lines << QStringLiteral("  tessellor-tool %1 %2").arg(QString::fromStdString(name), entry.usage);
    return lines;
}

} // namespace

int printUsage()
{
    for (const QString& line : usageLines())
        printError(line);
    return 2;
}

#ifdef TESSELLOR_TOOL_DELEGATE
namespace {

// Hands the whole command line to the executable that holds every command:
// beside this one (the build tree, the program folder), else in its
// installed place relative to this one's folder (<prefix>/libexec/tessellor).
// Returns only when that executable cannot be started.
int delegate(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    QByteArray path = QFile::encodeName(folder + QStringLiteral("/" TESSELLOR_TOOL_DELEGATE));
    if (!QFileInfo(QFile::decodeName(path)).isFile())
        path = QFile::encodeName(QDir::cleanPath(
            folder + QStringLiteral("/" TESSELLOR_TOOL_DELEGATE_INSTALLED "/" TESSELLOR_TOOL_DELEGATE)));
    ::execv(path.constData(), argv);
    printError(QStringLiteral("Cannot start %1").arg(QFile::decodeName(path)));
    return printUsage();
}

} // namespace
#endif

int main(int argc, char** argv)
{
#ifndef TESSELLOR_TOOL_DELEGATE
    // Usage asked for is an answer, not a mistake: standard output, success.
    // (tessellor-tool hands --help on here, where every command is known.)
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        for (const QString& line : usageLines())
            printLine(line);
        return 0;
    }
#endif
    const auto it = argc < 2 ? registry().end() : registry().find(argv[1]);
    if (it == registry().end()) {
#ifdef TESSELLOR_TOOL_DELEGATE
        return delegate(argc, argv);
#else
        return printUsage();
#endif
    }
    // Declared before the application so that it outlives it.
    std::optional<QTemporaryDir> privateRuntime;
    std::unique_ptr<QCoreApplication> app;
#ifndef TESSELLOR_TOOL_DELEGATE
    if (it->second.needs == ToolCommand::Needs::Gui) {
        // Text rendering needs a GUI application object; no window is ever shown.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Starting its GUI part, Qt looks into the session's runtime folder
        // and warns on every run when a script's environment names none. No
        // session is needed here: an empty private folder, removed at exit.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            privateRuntime.emplace();
            if (privateRuntime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(privateRuntime->path()));
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.remove(0, 2);
    try {
        return it->second.run(args);
    } catch (const Exception& e) {
        // A failure on a file names it, and the reason, on the lines below.
        printError(e.TextWithFile());
        return 1;
    } catch (const std::bad_alloc&) {
        printError(QStringLiteral("Out of memory"));
        return 1;
    }
}
