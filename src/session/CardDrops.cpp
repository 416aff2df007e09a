#include "session/CardDrops.h"

#include "audio/SoundImport.h"
#include "cardset/CardTable.h"
#include "common/FileError.h"
#include "common/FileNames.h"
#include "images/CardPicture.h"
#include "images/PictureReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace {

bool hasSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

// The run of digits at `at`, without its leading zeros; `at` moves past it.
QStringView digitsAt(QStringView text, qsizetype& at)
{
    const qsizetype start = at;
    while (at < text.size() && text[at].isDigit())
        ++at;
    QStringView digits = text.sliced(start, at - start);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.sliced(1);
    return digits;
}

// File names as people read them: letter case ignored and numbers by value
// ("p2" before "p10"). Qt's collator does so only where ICU is there.
int compareNames(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = digitsAt(a, i);
            const QStringView y = digitsAt(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            continue;
        }
        const QChar x = a[i++].toCaseFolded();
        const QChar y = b[j++].toCaseFolded();
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);
}

QStringList inNameOrder(QStringList paths)
{
    std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        return compareNames(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    return paths;
}

QString cardLabel(int slot)
{
    return slot == 0 ? QCoreApplication::translate("CardDrops", "Deck") : QString::number(slot);
}

bool cardFileExists(const TSetDocument& document, int slot, TSetDocument::CardPart part)
{
    return FileNames::fileExists(document.CaminhoArquivo(slot, part));
}

} // namespace

bool CardDrops::IsPictureFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return IsBitmapFile(path) ||
           PictureReader::commonExtensions().contains(QFileInfo(path).suffix().toLower());
}

bool CardDrops::IsSoundFile(const QString& path)
{
    return QFileInfo(path).isFile() &&
           (hasSuffix(path, QStringLiteral("wav")) || SoundImport::CanImport(path));
}

CardDrops::DroppedFiles CardDrops::Classify(const QStringList& paths)
{
    if (paths.isEmpty())
        return {};
    if (std::all_of(paths.begin(), paths.end(), IsPictureFile))
        return {Kind::Pictures, inNameOrder(paths)};
    if (std::all_of(paths.begin(), paths.end(), IsSoundFile))
        return {Kind::Sounds, inNameOrder(paths)};
    return {};
}

std::vector<int> CardDrops::FollowingSlots(const TSetDocument& document, int first, int count)
{
    std::vector<int> targets;
    // In a paired set the cover has a file of its own and every pair one.
    for (int slot = first; slot >= 0 && slot < NumSlots && int(targets.size()) < count;
         slot = document.IsDoubleSet() || slot == 0 ? slot + 1 : slot + 2)
        targets.push_back(slot);
    return targets;
}

QString CardDrops::FillQuestion(const TSetDocument& document, Kind kind, const std::vector<int>& targets,
                                int files)
{
    const auto part = kind == Kind::Sounds ? TSetDocument::CardPart::Sound : TSetDocument::CardPart::Picture;
    QStringList replaced;
    for (int slot : targets) {
        if (cardFileExists(document, slot, part))
            replaced << cardLabel(slot);
    }
    QStringList lines;
    if (!replaced.isEmpty()) {
        const QString cards = replaced.join(QStringLiteral(", "));
        lines << (kind == Kind::Sounds
                      ? QCoreApplication::translate(
                            "CardDrops",
                            "These cards already have a sound, which the dropped file replaces: %1.")
                      : QCoreApplication::translate(
                            "CardDrops",
                            "These cards already have a picture, which the dropped file replaces: %1."))
                     .arg(cards);
    }
    if (files > int(targets.size()) && !targets.empty()) {
        lines << QCoreApplication::translate(
                     "CardDrops",
                     "Only the first %1 of the %2 files fit on the cards from %3 to the last one; "
                     "the others are left out.")
                     .arg(targets.size())
                     .arg(files)
                     .arg(cardLabel(targets.front()));
    }
    if (lines.isEmpty())
        return {};
    lines << QCoreApplication::translate("CardDrops", "Put the files on the cards?");
    return lines.join(QStringLiteral("\n\n"));
}

TBitmap CardDrops::ReadPicture(const QString& path)
{
    try {
        return LoadCardPicture(path);
    } catch (const Exception& e) {
        throw EFileError::On(e, path);
    }
}
