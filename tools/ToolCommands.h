#pragma once

#include <QStringList>
#include <functional>

// Each group of tessellor-tool commands lives in its own source file and
// registers itself here through a static ToolCommand object.
//
// A command gets its arguments (without the command name) and returns the exit
// status: 0 success, 1 an error of the libraries (its message text goes to
// standard error), 2 wrong usage. Errors derived from Exception that escape a
// command are reported by main() with exit status 1.
struct ToolCommand {
    using Run = std::function<int(const QStringList& args)>;
    // Commands that draw text need the GUI application object (fonts); the
    // others start without it, which keeps the tool quick for scripts.
    enum class Needs { Core, Gui };

    ToolCommand(const char* name, const char* usage, Run run, Needs needs = Needs::Core);
};

// Prints the usage line of every command to standard error; returns 2.
int printUsage();

// Writes one line (a newline is added) to standard output / standard error.
// Control characters in it but line ends and tabs are escaped, so that no
// text taken from a file reaches the terminal as an escape sequence.
void printLine(const QString& line);
void printError(const QString& line);

// Text from a file or an archive, escaped so that it stays on its own line
// and is shown, not obeyed, by the terminal: a backslash as "\\", CR, LF and
// tab as "\r", "\n", "\t", any other control character (C1 ones as their
// UTF-8 bytes) as "\xNN". With LinesAndTabs only the others are escaped.
enum class Escape { All, LinesAndTabsKept };
QByteArray escapeControls(const QByteArray& text, Escape escape = Escape::All);
// Writes `bytes` as the file `path`, replacing it only once whole; raises
// Exception naming the file and the system's reason.
void writeWholeFile(const QString& path, const QByteArray& bytes);

// A name as the tool prints it: escapeControls of its UTF-8 bytes.
QString printableName(const QString& name);
