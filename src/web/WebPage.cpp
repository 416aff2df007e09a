#include "web/WebPage.h"

#include "common/FileErrorReason.h"
#include "common/FileNames.h"
#include "common/ReplacingFile.h"
#include "game/GameCards.h"
#include "game/GameRules.h"
#include "pictures/SetView.h"
#include "web/WebCardImage.h"
#include "web/WebPageTemplate.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>

namespace {

// Below this a picture is no longer worth showing; the budget may then be
// exceeded rather than the cards made unrecognisable.
constexpr qint64 MinPictureBytes = 6000;
// The page's JSON around the pictures and sounds: names, lists, keys.
constexpr qint64 DataOverhead = 8000;

QString dataAddress(const QString& mimeType, const QByteArray& bytes)
{
    return QStringLiteral("data:%1;base64,").arg(mimeType) + QString::fromLatin1(bytes.toBase64());
}

QString fileKey(const QString& path)
{
    return QFileInfo(path).completeBaseName().toUpper();
}

// The pictures the page carries: the cover and each face of a playable pair,
// every file once (a paired set's two cards share one).
struct PictureList {
    QStringList keys;
    QList<QImage> images;
    QHash<int, QString> keyOfSlot;
};

PictureList picturesOf(const GameCards& cards, const QString& coverKey)
{
    PictureList list;
    if (!cards.back.isNull()) {
        list.keys << coverKey;
        list.images << cards.back;
    }
    for (const int pair : cards.playable) {
        for (const int slot : SlotsOfPair(pair)) {
            // The picture file's own base name: a paired set's two cards share one.
            const QString key = NomesImagem[std::size_t(NumeroArquivo(slot, cards.duplo))];
            list.keyOfSlot.insert(slot, key);
            if (!list.keys.contains(key)) {
                list.keys << key;
                list.images << cards.faces[std::size_t(slot)];
            }
        }
    }
    return list;
}

struct SoundList {
    QJsonObject data;
    QHash<int, QString> keyOfSlot;
    qint64 bytes = 0;
};

// One sound file of the page, encoded on its own thread.
struct SoundJob {
    QString key;
    QString path;
    QString address; // empty when the sound could not be encoded
    QString problem;
};

void encode(SoundJob& job, WebSound::Codec codec)
{
    try {
        const WebSound::Encoded encoded = WebSound::Encode(job.path, codec);
        job.address = dataAddress(encoded.mimeType, encoded.bytes);
    } catch (const Exception& e) {
        QString reason = e.Message();
        reason.replace(QLatin1Char('\n'), QLatin1String(": "));
        job.problem = QStringLiteral("%1: %2").arg(QFileInfo(job.path).fileName(), reason);
    }
}

// The sounds of the playable pairs, each file once (a paired set's two cards
// share one), encoded side by side; the problems listed in slot order.
SoundList soundsOf(const GameCards& cards, WebSound::Codec codec, WebPage::Page& page)
{
    QList<SoundJob> jobs;
    QHash<int, QString> keyOfSlot;
    for (const int pair : cards.playable) {
        for (const int slot : SlotsOfPair(pair)) {
            const QString& path = cards.sounds[std::size_t(slot)];
            if (path.isEmpty())
                continue;
            const QString key = fileKey(path);
            if (!std::any_of(jobs.cbegin(), jobs.cend(),
                             [&key](const SoundJob& job) { return job.key == key; }))
                jobs.append({key, path, {}, {}});
            keyOfSlot.insert(slot, key);
        }
    }
    QtConcurrent::blockingMap(jobs, [codec](SoundJob& job) { encode(job, codec); });

    SoundList list;
    for (const SoundJob& job : std::as_const(jobs)) {
        if (job.address.isEmpty()) {
            page.problems << job.problem;
            continue;
        }
        list.data.insert(job.key, job.address);
        list.bytes += job.address.size();
    }
    for (auto slot = keyOfSlot.cbegin(); slot != keyOfSlot.cend(); ++slot)
        if (list.data.contains(slot.value()))
            list.keyOfSlot.insert(slot.key(), slot.value());
    page.sounds = int(list.data.size());
    return list;
}

QJsonArray numbers(const std::vector<int>& values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

// One entry per slot (the cover's too, so that slot numbers index it): the
// keys of its picture and sound, null where the page has none, and its name
// where it has one (the page tells it only of a card face up).
QJsonArray cardEntries(const PictureList& pictures, const SoundList& sounds,
                       const std::array<QString, NumSlots>& names)
{
    QJsonArray cards;
    for (int slot = 0; slot < NumSlots; ++slot) {
        QJsonObject card;
        card.insert(QStringLiteral("picture"),
                    pictures.keyOfSlot.contains(slot) ? QJsonValue(pictures.keyOfSlot[slot]) : QJsonValue());
        card.insert(QStringLiteral("sound"),
                    sounds.keyOfSlot.contains(slot) ? QJsonValue(sounds.keyOfSlot[slot]) : QJsonValue());
        if (!names[std::size_t(slot)].isEmpty())
            card.insert(QStringLiteral("name"), names[std::size_t(slot)]);
        cards.append(card);
    }
    return cards;
}

// The rules' numbers as the window plays them, so the page's code need not
// repeat them.
QJsonObject gameRules()
{
    QJsonArray choices;
    for (const int pairs : GameRules::PairChoices)
        choices.append(pairs);
    QJsonObject rules;
    rules.insert(QStringLiteral("pairChoices"), choices);
    rules.insert(QStringLiteral("missShownMs"), GameRules::MissShownMs);
    rules.insert(QStringLiteral("maxPlayers"), GameRules::MaxPlayers);
    QJsonArray peek;
    for (const int seconds : GameRules::PeekSeconds)
        peek.append(seconds);
    rules.insert(QStringLiteral("peekSeconds"), peek);
    return rules;
}

} // namespace

namespace WebPage {

Page Build(const GameCards& cards, const QString& setName, const QString& author, const Options& options)
{
    if (!cards.enoughToPlay())
        throw EWebExportError(
            QStringLiteral("Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed")
                .arg(setName)
                .arg(cards.playable.size()));
    Page page;
    page.playable = cards.playable;
    page.leftOut = cards.leftOut;

    const WebSound::Codec codec = options.codec == WebSound::Codec::Opus && WebSound::OpusAvailable()
                                      ? WebSound::Codec::Opus
                                      : WebSound::Codec::Wav;
    page.soundFormat =
        codec == WebSound::Codec::Opus ? QStringLiteral("audio/ogg") : QStringLiteral("audio/wav");
    const SoundList sounds = soundsOf(cards, codec, page);

    const QString& coverKey = NomesImagem[0];
    PictureList pictures = picturesOf(cards, coverKey);
    page.pictures = int(pictures.keys.size());
    const qint64 fixed = WebPageTemplate::CodeSize() + DataOverhead + sounds.bytes;
    const qint64 share = (options.budget - fixed) / qMax<qint64>(1, page.pictures);
    const qint64 pictureBudget = qMax(MinPictureBytes, share / 4 * 3 - 32);
    // The pictures too are encoded side by side, in their order.
    const QList<QString> addresses =
        QtConcurrent::blockingMapped(pictures.images, [pictureBudget](const QImage& image) {
            return dataAddress(QStringLiteral("image/png"), WebCardImage::Png(image, pictureBudget));
        });
    QJsonObject pictureData;
    for (qsizetype i = 0; i < pictures.keys.size(); ++i)
        pictureData.insert(pictures.keys[i], addresses[i]);

    QJsonObject data;
    data.insert(QStringLiteral("name"), setName);
    data.insert(QStringLiteral("author"), author);
    data.insert(QStringLiteral("double"), cards.duplo);
    data.insert(QStringLiteral("rules"), gameRules());
    data.insert(QStringLiteral("cover"), cards.back.isNull() ? QJsonValue() : QJsonValue(coverKey));
    data.insert(QStringLiteral("playable"), numbers(cards.playable));
    data.insert(QStringLiteral("leftOut"), numbers(cards.leftOut));
    data.insert(QStringLiteral("cards"), cardEntries(pictures, sounds, cards.names));
    data.insert(QStringLiteral("pictures"), pictureData);
    data.insert(QStringLiteral("sounds"), sounds.data);
    page.html = WebPageTemplate::Fill(setName, QJsonDocument(data).toJson(QJsonDocument::Compact));
    return page;
}

Page BuildFromFolder(const QString& folder, const Options& options)
{
    if (!FileNames::folderExists(folder))
        throw EWebExportError(QStringLiteral("No such folder: %1").arg(folder));
    const SetView set = SetView::read(*FileNames::findExisting(folder));
    const GameCards cards = ReadGameCards(set, QSize(WebCardImage::MaxSide, WebCardImage::MaxSide));
    return Build(cards, set.name(), set.author, options);
}

Page Export(const QString& folder, const QString& outFile, const Options& options)
{
    Page page = BuildFromFolder(folder, options);
    ReplacingFile file(outFile);
    if (!file.open() || !file.write(page.html.constData(), page.html.size()) || !file.commit())
        throw WithFileReason(EWebExportError(QStringLiteral("Cannot write the web page %1").arg(outFile)),
                             outFile, file.error());
    return page;
}

} // namespace WebPage
