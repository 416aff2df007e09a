#include "cardset/CardNames.h"

#include "cardset/CardTable.h"
#include "common/FileError.h"
#include "common/FileErrorReason.h"
#include "common/RegularFile.h"
#include "common/ReplacingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <stdexcept>
#include <unistd.h>

const QString CardNames::FileName = QStringLiteral("Names.txt");

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");
constexpr int MaxSlotDigits = 2;

QString tr(const char* text)
{
    return QCoreApplication::translate("CardNames", text);
}

bool isControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

// The slot a line's number names, or nothing: one or two digits, 0 to 40.
std::optional<int> slotNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > MaxSlotDigits)
        return std::nullopt;
    int slot = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        slot = slot * 10 + (c - '0');
    }
    return slot < NumSlots ? std::optional<int>(slot) : std::nullopt;
}

// The name a line's text holds, or nothing when it is no valid one.
std::optional<QString> nameText(QByteArrayView bytes)
{
    // A byte-order mark inside a line is part of the name, not skipped.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const QString name = text.trimmed();
    if (name.isEmpty() || name.size() > CardNames::MaxNameLength)
        return std::nullopt;
    for (const QChar c : name)
        if (isControl(c))
            return std::nullopt;
    return name;
}

[[noreturn]] void failOn(const QString& message, const QString& path, int errorNumber)
{
    throw EFileError(message, QDir::toNativeSeparators(path), FileErrorReason(errorNumber, path));
}

} // namespace

CardNames::Line CardNames::parseLine(const QByteArray& bytes, const QByteArray& end, std::vector<bool>& named)
{
    Line line{bytes, end, std::nullopt, {}, false};
    const qsizetype tab = bytes.indexOf('\t');
    if (tab < 0)
        return line;
    const std::optional<int> slot = slotNumber(QByteArrayView(bytes).first(tab));
    const std::optional<QString> name = nameText(QByteArrayView(bytes).sliced(tab + 1));
    if (slot && name) {
        // The first line for a slot names it; a later one is the slot's too,
        // so that naming the card again does not bring it back.
        line.slot = slot;
        line.name = *name;
        line.repeated = named[std::size_t(*slot)];
        named[std::size_t(*slot)] = true;
    }
    return line;
}

CardNames CardNames::Parse(const QByteArray& bytes)
{
    CardNames names;
    QByteArrayView rest(bytes);
    if (rest.startsWith(Utf8Bom)) {
        names.bom_ = Utf8Bom;
        rest = rest.sliced(Utf8Bom.size());
    }
    std::vector<bool> named(NumSlots, false);
    while (!rest.isEmpty()) {
        const qsizetype newline = rest.indexOf('\n');
        QByteArrayView text = newline < 0 ? rest : rest.first(newline);
        QByteArray end;
        if (newline >= 0) {
            const bool crlf = text.endsWith('\r');
            end = crlf ? QByteArray("\r\n") : QByteArray("\n");
            if (crlf)
                text.chop(1);
        }
        names.lines_.push_back(parseLine(text.toByteArray(), end, named));
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
    }
    return names;
}

QByteArray CardNames::ToBytes() const
{
    if (lines_.empty())
        return {};
    QByteArray bytes = bom_;
    for (const Line& line : lines_)
        bytes += line.bytes + line.end;
    return bytes;
}

const CardNames::Line* CardNames::lineOf(int slot) const
{
    for (const Line& line : lines_)
        if (line.slot == slot && !line.repeated)
            return &line;
    return nullptr;
}

QString CardNames::Name(int slot) const
{
    const Line* line = lineOf(slot);
    return line ? line->name : QString();
}

QString CardNames::NameOfCard(int slot, bool duplo) const
{
    const QString own = Name(slot);
    if (!own.isEmpty())
        return own;
    const std::optional<int> sharing = SlotSharingFiles(slot, duplo);
    return sharing ? Name(*sharing) : QString();
}

bool CardNames::IsEmpty() const
{
    return std::none_of(lines_.begin(), lines_.end(), [](const Line& line) { return line.slot.has_value(); });
}

std::vector<std::pair<int, QString>> CardNames::Named() const
{
    std::vector<std::pair<int, QString>> named;
    for (int slot = 0; slot < NumSlots; ++slot)
        if (const Line* line = lineOf(slot))
            named.emplace_back(slot, line->name);
    return named;
}

QString CardNames::Tidied(const QString& name)
{
    QString tidied = name;
    for (QChar& c : tidied)
        if (isControl(c))
            c = QLatin1Char(' ');
    tidied = tidied.trimmed();
    if (tidied.size() > MaxNameLength) {
        tidied.truncate(MaxNameLength);
        if (tidied.back().isHighSurrogate())
            tidied.chop(1);
        tidied = tidied.trimmed();
    }
    return tidied;
}

void CardNames::SetName(int slot, const QString& name)
{
    if (slot < 0 || slot >= NumSlots)
        throw std::out_of_range("card slot " + std::to_string(slot) + " is outside 0..40");
    const QString tidied = Tidied(name);
    std::erase_if(lines_, [slot](const Line& l) { return l.slot == slot && l.repeated; });
    const auto own =
        std::find_if(lines_.begin(), lines_.end(), [slot](const Line& l) { return l.slot == slot; });
    if (tidied.isEmpty()) {
        if (own != lines_.end())
            lines_.erase(own);
        return;
    }
    const QByteArray bytes = QByteArray::number(slot) + '\t' + tidied.toUtf8();
    if (own != lines_.end()) {
        own->bytes = bytes;
        own->name = tidied;
        return;
    }
    // A new line goes before the first named slot after it, so that a file in
    // slot order stays so; its line end is the file's own.
    const QByteArray end =
        lines_.empty() || lines_.front().end.isEmpty() ? QByteArray("\n") : lines_.front().end;
    if (!lines_.empty() && lines_.back().end.isEmpty())
        lines_.back().end = end;
    const auto after = std::find_if(lines_.begin(), lines_.end(),
                                    [slot](const Line& l) { return l.slot && *l.slot > slot; });
    lines_.insert(after, Line{bytes, end, slot, tidied, false});
}

QString CardNames::PathIn(const QString& setFolder)
{
    return QDir(setFolder).filePath(FileName);
}

CardNames CardNames::Load(const QString& setFolder)
{
    // No set, no names: never a "Names.txt" of the working folder.
    if (setFolder.isEmpty())
        return {};
    const QString path = PathIn(setFolder);
    QFile file;
    if (!RegularFile::Open(file, path, RegularFile::Links::Refuse)) {
        if (errno == ENOENT)
            return {};
        failOn(tr("Cannot read the card names"), path, errno);
    }
    if (file.size() > MaxFileBytes)
        throw EFileError(tr("The card names file is larger than 1 MB; it was not read"),
                         QDir::toNativeSeparators(path));
    // Read one byte more than allowed: a file that grew since is refused too.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw EFileError(tr("Cannot read the card names"), QDir::toNativeSeparators(path),
                         file.errorString());
    if (bytes.size() > MaxFileBytes)
        throw EFileError(tr("The card names file is larger than 1 MB; it was not read"),
                         QDir::toNativeSeparators(path));
    return Parse(bytes);
}

std::array<QString, NumSlots> CardNames::ShownNames(const QString& setFolder, bool duplo)
{
    std::array<QString, NumSlots> shown;
    CardNames names;
    try {
        names = Load(setFolder);
    } catch (const Exception&) {
        return shown;
    }
    for (int slot = 0; slot < NumSlots; ++slot)
        shown[std::size_t(slot)] = names.NameOfCard(slot, duplo);
    return shown;
}

void CardNames::Save(const QString& setFolder) const
{
    SaveAs(PathIn(setFolder));
}

void CardNames::SaveAs(const QString& path) const
{
    const QByteArray bytes = ToBytes();
    if (bytes.isEmpty()) {
        // Nothing left to keep: the folder holds only the set's own files again.
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
            failOn(tr("Cannot delete the card names file"), path, errno);
        return;
    }
    ReplacingFile out(path);
    if (!out.open() || !out.write(bytes.constData(), bytes.size()) || !out.commit())
        failOn(tr("Cannot write the card names"), path, out.error());
}
