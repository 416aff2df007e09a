#include "session/WordSet.h"

#include "audio/speech/Speech.h"
#include "audio/speech/VoiceChoice.h"
#include "cardset/CardNames.h"
#include "cardset/SetStaging.h"
#include "cardset/WordList.h"
#include "common/FileError.h"
#include "images/PictureReader.h"
#include "images/TBitmap.h"
#include "session/CardDrops.h"
#include "session/CardEdits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <new>
#include <optional>

namespace {

// The word's lines as the tool's text card wraps them.
QStringList wordLines(const QString& word)
{
    const QFont boxFont = CardText::PixelFont(CardText::DefaultCanvasFont().font);
    return CardText::WrapLines(word, boxFont, CardText::DefaultWrapWidth);
}

TBitmap textCard(const QString& word, const CardText::CanvasFont& font)
{
    TBitmap card;
    CardText::InsertText(card, wordLines(word), font);
    return card;
}

// The words spoken, or why one could not be.
struct Spoken {
    QList<QByteArray> sounds;
    QString failure;
};

// Each word spoken, in order. Runs on a thread of its own while the pictures
// are made (the speech library takes one text at a time anyway), so its
// errors come back as a value.
Spoken speakAll(const QStringList& words, const QString& voice)
{
    Spoken spoken;
    for (const QString& word : words) {
        try {
            spoken.sounds << Speech::Speak(word, voice, Speech::NormalRate);
        } catch (const Exception& e) {
            spoken.failure =
                QCoreApplication::translate("WordSet", "Cannot speak \"%1\": %2").arg(word, e.Message());
            break;
        } catch (const std::bad_alloc&) {
            spoken.failure = EOutOfMemory().Message();
            break;
        }
    }
    return spoken;
}

// The voice asked for, checked before anything is written; else the
// system's. Raises when the speech library cannot start.
QString chosenVoice(const QString& wanted)
{
    if (wanted.isEmpty())
        return Speech::DefaultVoice();
    if (!VoiceChoice::Find(Speech::Voices(), wanted))
        throw WordSet::EWordSetError(QCoreApplication::translate("WordSet", "Unknown voice: %1").arg(wanted));
    return wanted;
}

// What the set's cards get, all made before the first card is written.
struct Contents {
    TBitmap cover;
    std::vector<TBitmap> texts;
    std::vector<std::optional<TBitmap>> pictures; // double sets: card 2k's
    QList<QByteArray> sounds;
};

// The cover is the back of every card in the game: a card's own face there
// would pass a face-down card for a face-up one. So the set's name, unless
// it would be cut; then the first word, as nothing else is at hand.
QString coverText(const QString& setName, const WordSetOptions& options)
{
    const bool fits = CardText::CheckFit(wordLines(setName), options.font.font) != CardText::TextFit::Cut;
    return fits && !setName.isEmpty() ? setName : options.words.front();
}

Contents prepare(const WordSetOptions& options, const QString& voice, const QString& setName)
{
    QFuture<Spoken> spoken = QtConcurrent::run(speakAll, options.words, voice);
    Contents contents;
    try {
        for (const QString& word : options.words)
            contents.texts.push_back(textCard(word, options.font));
        const QStringList found = options.duplo && !options.picturesFolder.isEmpty()
                                      ? WordSet::FindPictures(options.picturesFolder, options.words)
                                      : QStringList();
        for (const QString& path : found)
            contents.pictures.push_back(path.isEmpty() ? std::nullopt
                                                       : std::optional(CardDrops::ReadPicture(path)));
        contents.cover = options.coverPicture.isEmpty() ? textCard(coverText(setName, options), options.font)
                                                        : CardDrops::ReadPicture(options.coverPicture);
    } catch (...) {
        spoken.waitForFinished(); // its error, if any, is the lesser news
        throw;
    }
    if (!spoken.result().failure.isEmpty())
        throw WordSet::EWordSetError(spoken.result().failure);
    contents.sounds = spoken.result().sounds;
    return contents;
}

// Writes the cards of pair `k` (1..20) and adds them to `cards`.
void writePair(CardEdits& edits, bool duplo, int k, const QString& word, const Contents& contents,
               std::vector<WordSet::Card>& cards)
{
    const int first = 2 * k - 1;
    const std::size_t index = std::size_t(k - 1);
    edits.WritePicture(first, contents.texts[index]);
    edits.WriteSamples(first, contents.sounds[int(index)], Speech::SampleRate);
    if (duplo) {
        const auto& picture = index < contents.pictures.size() ? contents.pictures[index] : std::nullopt;
        edits.WritePicture(first + 1, picture ? *picture : contents.texts[index]);
        edits.WriteSamples(first + 1, contents.sounds[int(index)], Speech::SampleRate);
    }
    cards.push_back({first, word});
    cards.push_back({first + 1, word});
}

// The new set in `folder`, as New set makes it, then filled.
std::vector<WordSet::Card> writeSet(const QString& folder, const WordSetOptions& options,
                                    const Contents& contents)
{
    TSetDocument document;
    document.ChooseSet(folder + QLatin1Char('/'), QString(), options.duplo ? 1 : 0);
    document.StartEmptySet();
    document.SalvaConfig();
    CardEdits edits(document);
    edits.WritePicture(0, contents.cover);
    std::vector<WordSet::Card> cards;
    for (int k = 1; k <= int(options.words.size()); ++k)
        writePair(edits, options.duplo, k, options.words.at(k - 1), contents, cards);
    // Both cards of a pair are named, in a paired set too, as naming a card
    // in the editor names its partner; the file is written once.
    CardNames names;
    for (const WordSet::Card& card : cards)
        names.SetName(card.slot, card.name);
    names.Save(folder);
    return cards;
}

} // namespace

QStringList WordSet::CutWords(const QStringList& words, const CardText::CanvasFont& font)
{
    QStringList cut;
    for (const QString& word : words)
        if (CardText::CheckFit(wordLines(word), font.font) == CardText::TextFit::Cut)
            cut << word;
    return cut;
}

QStringList WordSet::FindPictures(const QString& folder, const QStringList& words)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir() || !dir.isReadable())
        throw EWordSetError(
            QCoreApplication::translate("WordSet", "Cannot read the pictures folder %1").arg(folder));
    QStringList kinds = PictureReader::commonExtensions();
    kinds << QStringLiteral("bmp");
    QFileInfoList pictures;
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name))
        if (file.isFile() && kinds.contains(file.suffix().toLower()))
            pictures << file;
    QStringList found;
    for (const QString& word : words) {
        const QString wanted = word.toCaseFolded();
        const auto match = std::find_if(pictures.cbegin(), pictures.cend(), [&wanted](const QFileInfo& file) {
            return file.completeBaseName().toCaseFolded() == wanted;
        });
        found << (match == pictures.cend() ? QString() : match->filePath());
    }
    return found;
}

WordSet::Made WordSet::Build(const QString& setFolder, const WordSetOptions& options)
{
    WordList::CheckCount(options.words, QString());
    if (!options.cutTextAgreed) {
        const QStringList cut = CutWords(options.words, options.font);
        if (!cut.isEmpty())
            throw EWordSetError(
                QCoreApplication::translate("WordSet",
                                            "\"%1\" does not fit on a card and would be cut off at its edges")
                    .arg(cut.first()));
    }
    const QFileInfo target(QDir::cleanPath(setFolder));
    const QString ed = target.path();
    const QString name = target.fileName();
    SetStaging::CheckTarget(ed, name);
    const QString voice = chosenVoice(options.voice);
    // Out of sight from here on: a picture that cannot be read or a word
    // that cannot be spoken takes the hidden folder with it.
    SetStaging staging(ed);
    const Contents contents = prepare(options, voice, name);
    std::vector<Card> cards = writeSet(staging.Folder(), options, contents);
    return {staging.MoveInto(name), std::move(cards)};
}
