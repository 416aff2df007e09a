#include "cardset/CardUndoRun.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <limits>
#include <unistd.h>

namespace {

// The fields of /proc/<pid>/stat after the command name, which may itself hold
// spaces and parentheses: the start time in clock ticks since boot is the
// 20th of them (the 22nd of the line).
constexpr int StartFieldAfterName = 19;
// The boot time the start is reckoned from moves with adjustments of the
// clock; an id given again to a new process within seconds of the old one's
// start cannot happen.
constexpr qint64 StartTolerance = 5000;

std::optional<qint64> bootTimeSeconds()
{
    QFile stat(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : stat.readAll().split('\n'))
        if (line.startsWith("btime ")) {
            bool read = false;
            const qint64 seconds = line.mid(6).trimmed().toLongLong(&read);
            if (read)
                return seconds;
        }
    return std::nullopt;
}

// When the process started, in milliseconds since the epoch; nothing where
// the system does not tell.
std::optional<qint64> processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(nameEnd + 1).simplified().split(' ');
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const std::optional<qint64> boot = bootTimeSeconds();
    if (nameEnd < 0 || fields.size() <= StartFieldAfterName || ticksPerSecond <= 0 || !boot)
        return std::nullopt;
    bool read = false;
    const qint64 ticks = fields[StartFieldAfterName].toLongLong(&read);
    if (!read || ticks < 0)
        return std::nullopt;
    return *boot * 1000 + ticks * 1000 / ticksPerSecond;
}

} // namespace

CardUndoRun CardUndoRun::Current()
{
    // Taken once: where the system does not tell the start, the first call
    // stands for it.
    static const CardUndoRun run{static_cast<qint64>(getpid()),
                                 processStart(getpid()).value_or(QDateTime::currentMSecsSinceEpoch())};
    return run;
}

std::optional<CardUndoRun> CardUndoRun::FromName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,9})-([0-9]{1,15})$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    return CardUndoRun{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
}

QString CardUndoRun::Name() const
{
    return QStringLiteral("%1-%2").arg(pid).arg(start);
}

bool CardUndoRun::OwnerGone() const
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return true;
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return true;
    // A process the system cannot date is taken as the owner.
    const std::optional<qint64> started = processStart(pid);
    return started && std::abs(*started - start) > StartTolerance;
}

QString CardUndoRun::Describe() const
{
    return QStringLiteral("process %1, started %2%3")
        .arg(QString::number(pid),
             QDateTime::fromMSecsSinceEpoch(start).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
             OwnerGone() ? QString() : QStringLiteral(", running"));
}
