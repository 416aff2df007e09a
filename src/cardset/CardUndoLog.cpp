#include "cardset/CardUndoLog.h"

#include "cardset/CardTable.h"
#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoRun.h"
#include "common/Exception.h"
#include "common/FileErrorReason.h"
#include "common/RegularFile.h"
#include "common/ReplacingFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <array>
#include <cerrno>
#include <optional>

namespace {

// Far above what 200 steps of a few files each need; a bigger index is no
// index of ours.
constexpr qint64 MaxIndexBytes = 16LL * 1024 * 1024;
constexpr int HashBytes = 32;
// Whole numbers beyond 2^53 do not survive a JSON number; no size or time of
// ours comes near.
constexpr double MaxExactDouble = 9007199254740992.0;

using CardPart = TSetDocument::CardPart;
constexpr std::array AllParts{CardPart::Picture, CardPart::Sound, CardPart::Name};

QString partName(CardPart part)
{
    switch (part) {
    case CardPart::Picture:
        return QStringLiteral("picture");
    case CardPart::Sound:
        return QStringLiteral("sound");
    case CardPart::Name:
        break;
    }
    return QStringLiteral("name");
}

std::optional<CardPart> partNamed(const QString& name)
{
    for (const CardPart part : AllParts)
        if (partName(part) == name)
            return part;
    return std::nullopt;
}

QJsonValue stateToJson(const CardFileState& state)
{
    if (!state.exists)
        return QJsonValue::Null;
    return QJsonObject{{"size", state.size}, {"sha256", QString::fromLatin1(state.sha256.toHex())}};
}

QJsonArray slotsToJson(const std::vector<int>& slotNumbers)
{
    QJsonArray array;
    for (const int slot : slotNumbers)
        array.append(slot);
    return array;
}

QJsonArray pathsToJson(const std::vector<QString>& paths)
{
    QJsonArray array;
    for (const QString& path : paths)
        array.append(path);
    return array;
}

QJsonObject fileToJson(const CardUndoFile& file)
{
    return QJsonObject{{"part", partName(file.part)},          {"path", file.path},
                       {"slots", slotsToJson(file.cardSlots)}, {"pathsBefore", pathsToJson(file.pathsBefore)},
                       {"before", stateToJson(file.before)},   {"after", stateToJson(file.after)},
                       {"keptBefore", file.keptBefore},        {"keptAfter", file.keptAfter}};
}

QJsonObject stepToJson(const CardUndoStep& step, bool undone)
{
    QJsonArray files;
    for (const CardUndoFile& file : step.files)
        files.append(fileToJson(file));
    return QJsonObject{{"undone", undone}, {"label", step.label}, {"slot", step.slot},
                       {"run", step.run},  {"when", step.when},   {"files", files}};
}

// ---- reading: every field checked, a step with one bad field left out ----------

bool readSlot(const QJsonValue& value, int& slot)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number >= NumSlots || number != static_cast<int>(number))
        return false;
    slot = static_cast<int>(number);
    return true;
}

bool readState(const QJsonValue& value, CardFileState& state)
{
    if (value.isNull()) {
        state = {};
        return true;
    }
    const QJsonObject object = value.toObject();
    const QJsonValue size = object.value("size");
    const QByteArray hash = QByteArray::fromHex(object.value("sha256").toString().toLatin1());
    if (!size.isDouble() || size.toDouble() < 0 || size.toDouble() > MaxExactDouble ||
        hash.size() != HashBytes)
        return false;
    state = CardFileState{true, static_cast<qint64>(size.toDouble()), hash};
    return true;
}

bool readKept(const QJsonValue& value, const CardFileState& state, QString& kept)
{
    kept = value.toString();
    // An existing file has its copy, a missing one none; the name is never a path.
    return value.isString() && (state.exists ? CardUndoLog::IsKeptName(kept) : kept.isEmpty());
}

bool readFile(const QJsonValue& value, CardUndoFile& file)
{
    const QJsonObject object = value.toObject();
    const std::optional<CardPart> part = partNamed(object.value("part").toString());
    if (!part)
        return false;
    file.part = *part;
    file.path = object.value("path").toString();
    const QJsonArray slotValues = object.value("slots").toArray();
    const QJsonArray paths = object.value("pathsBefore").toArray();
    if (file.path.isEmpty() || slotValues.isEmpty() || slotValues.size() != paths.size() ||
        slotValues.size() > NumSlots)
        return false;
    for (qsizetype i = 0; i < slotValues.size(); ++i) {
        int slot = 0;
        if (!readSlot(slotValues[i], slot) || !paths[i].isString())
            return false;
        file.cardSlots.push_back(slot);
        file.pathsBefore.push_back(paths[i].toString());
    }
    return readState(object.value("before"), file.before) && readState(object.value("after"), file.after) &&
           readKept(object.value("keptBefore"), file.before, file.keptBefore) &&
           readKept(object.value("keptAfter"), file.after, file.keptAfter);
}

bool readStep(const QJsonObject& object, CardUndoStep& step)
{
    const QJsonArray files = object.value("files").toArray();
    step.label = object.value("label").toString();
    step.run = object.value("run").toString();
    const double when = object.value("when").toDouble(-1);
    step.when = when >= 0 && when <= MaxExactDouble ? static_cast<qint64>(when) : -1;
    if (!readSlot(object.value("slot"), step.slot) || !object.value("undone").isBool() ||
        step.label.isEmpty() || !CardUndoRun::FromName(step.run) || step.when < 0 || files.isEmpty())
        return false;
    for (const QJsonValue& value : files) {
        CardUndoFile file;
        if (!readFile(value, file))
            return false;
        step.files.push_back(std::move(file));
    }
    return true;
}

} // namespace

void CardUndoLog::Write(const QString& indexPath, const History& history)
{
    QJsonArray steps;
    for (const CardUndoStep& step : history.done)
        steps.append(stepToJson(step, false));
    for (auto step = history.undone.rbegin(); step != history.undone.rend(); ++step)
        steps.append(stepToJson(*step, true));
    const QByteArray bytes = QJsonDocument(QJsonObject{{"steps", steps}}).toJson();
    ReplacingFile out(indexPath);
    if (!out.open() || !out.write(bytes.constData(), bytes.size()) || !out.commit())
        throw WithFileReason(Exception(QStringLiteral("Cannot create file %1.").arg(indexPath)), indexPath,
                             out.error());
}

CardUndoLog::History CardUndoLog::Parse(const QByteArray& bytes)
{
    History history;
    if (bytes.size() > MaxIndexBytes)
        return history;
    const QJsonArray steps = QJsonDocument::fromJson(bytes).object().value("steps").toArray();
    for (const QJsonValue& value : steps) {
        CardUndoStep step;
        if (!readStep(value.toObject(), step))
            continue;
        if (value.toObject().value("undone").toBool())
            history.undone.insert(history.undone.begin(), std::move(step));
        else
            history.done.push_back(std::move(step));
    }
    return history;
}

CardUndoLog::History CardUndoLog::Read(const QString& indexPath)
{
    QFile in;
    if (!RegularFile::Open(in, indexPath, RegularFile::Links::Refuse)) {
        if (errno != ENOENT)
            CardUndoFiles::ReportStrangeEntry(indexPath);
        return {};
    }
    if (in.size() > MaxIndexBytes)
        return {};
    return Parse(in.read(MaxIndexBytes));
}

QString CardUndoLog::KeptName(const CardFileState& state, TSetDocument::CardPart part)
{
    return QString::fromLatin1(state.sha256.toHex()) + KeptExtension(part);
}

QString CardUndoLog::KeptExtension(TSetDocument::CardPart part)
{
    switch (part) {
    case CardPart::Picture:
        return QStringLiteral(".bmp");
    case CardPart::Sound:
        return QStringLiteral(".wav");
    case CardPart::Name:
        break;
    }
    return QStringLiteral(".txt");
}

bool CardUndoLog::IsKeptName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{64}\\.(bmp|wav|txt)$"));
    return pattern.match(name).hasMatch();
}

QString CardUndoLog::Describe(const CardUndoStep& step, bool undone)
{
    QStringList parts;
    QStringList kept;
    for (const CardUndoFile& file : step.files) {
        if (!parts.contains(partName(file.part)))
            parts << partName(file.part);
        for (const QString& name : {file.keptBefore, file.keptAfter})
            if (!name.isEmpty() && !kept.contains(name))
                kept << name;
    }
    const std::optional<CardUndoRun> run = CardUndoRun::FromName(step.run);
    // Tabs and line ends in a label would break the line apart.
    QString label = step.label;
    for (QChar& c : label)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return QStringLiteral("%1%2\tslot %3\t%4\t%5\t%6")
        .arg(undone ? QStringLiteral("(undone) ") : QString(), label, QString::number(step.slot),
             parts.join(QLatin1Char(',')), kept.join(QLatin1Char(' ')), run ? run->Describe() : step.run);
}
