#include "cardset/CardUndoLog.h"

#include "common/Exception.h"
#include "common/ReplacingFile.h"

#include <QFile>

namespace {

constexpr int FieldCount = 5;
const QLatin1String Done("done");
const QLatin1String Undone("undone");

QString partName(TSetDocument::CardPart part)
{
    return part == TSetDocument::CardPart::Picture ? QStringLiteral("picture") : QStringLiteral("sound");
}

// Tabs and line ends would break the line apart.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

QString line(const CardUndoStep& step, bool undone)
{
    QStringList parts;
    QStringList kept;
    for (const CardUndoFile& file : step.files) {
        if (!parts.contains(partName(file.part)))
            parts << partName(file.part);
        for (const QString& name : {file.keptBefore, file.keptAfter})
            if (!name.isEmpty())
                kept << name;
    }
    return QStringList{undone ? Undone : Done, QString::number(step.slot), parts.join(QLatin1Char(',')),
                       kept.join(QLatin1Char(' ')), oneLine(step.label)}
        .join(QLatin1Char('\t'));
}

} // namespace

void CardUndoLog::Write(const QString& indexPath, const std::vector<CardUndoStep>& done,
                        const std::vector<CardUndoStep>& undone)
{
    QStringList lines;
    for (const CardUndoStep& step : done)
        lines << line(step, false);
    for (auto step = undone.rbegin(); step != undone.rend(); ++step)
        lines << line(*step, true);
    const QByteArray bytes = lines.isEmpty() ? QByteArray() : (lines.join(QLatin1Char('\n')) + '\n').toUtf8();
    ReplacingFile out(indexPath);
    if (!out.open() || !out.write(bytes.constData(), bytes.size()) || !out.commit())
        throw Exception(QStringLiteral("Cannot create file %1.").arg(indexPath));
}

std::vector<CardUndoLogEntry> CardUndoLog::Read(const QString& indexPath)
{
    std::vector<CardUndoLogEntry> entries;
    QFile in(indexPath);
    if (!in.open(QIODevice::ReadOnly))
        return entries;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& text : lines) {
        const QStringList fields = text.split(QLatin1Char('\t'));
        bool slotRead = false;
        CardUndoLogEntry entry;
        if (fields.size() == FieldCount)
            entry.slot = fields[1].toInt(&slotRead);
        if (!slotRead || (fields[0] != Done && fields[0] != Undone))
            continue;
        entry.undone = fields[0] == Undone;
        entry.parts = fields[2].split(QLatin1Char(','), Qt::SkipEmptyParts);
        entry.kept = fields[3].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        entry.label = fields[4];
        entries.push_back(entry);
    }
    return entries;
}

QString CardUndoLog::Describe(const CardUndoLogEntry& entry)
{
    return QStringLiteral("%1%2\tslot %3\t%4\t%5")
        .arg(entry.undone ? QStringLiteral("(undone) ") : QString(), entry.label, QString::number(entry.slot),
             entry.parts.join(QLatin1Char(',')), entry.kept.join(QLatin1Char(' ')));
}
