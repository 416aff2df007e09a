#include "cardset/WordList.h"

#include "common/FileErrorReason.h"
#include "common/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <cerrno>

namespace {

// Control characters have no place on a card or in its name (a tab would
// split the names file's line); the blanks were already made spaces.
bool hasControl(const QString& word)
{
    for (const QChar c : word)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// The list as messages name it: its file, if it has one.
QString listName(const QString& source)
{
    return source.isEmpty() ? QCoreApplication::translate("WordList", "The word list")
                            : QCoreApplication::translate("WordList", "The word list %1").arg(source);
}

WordList::EWordListError tooLarge(const QString& source)
{
    return WordList::EWordListError(
        QCoreApplication::translate("WordList", "%1 is larger than %2 KB: it is no word list")
            .arg(listName(source))
            .arg(WordList::MaxBytes / 1024));
}

} // namespace

void WordList::CheckCount(const QStringList& words, const QString& source)
{
    if (words.size() > MaxWords)
        throw EWordListError(
            QCoreApplication::translate("WordList", "%1 has more than %2 words: \"%3\" is word %4")
                .arg(listName(source))
                .arg(MaxWords)
                .arg(words.at(MaxWords))
                .arg(MaxWords + 1));
    if (words.size() < MinWords)
        throw EWordListError(QCoreApplication::translate("WordList", "%1 needs at least %2 words, one a line")
                                 .arg(listName(source))
                                 .arg(MinWords));
}

QStringList WordList::Parse(const QByteArray& bytes, const QString& source)
{
    if (bytes.size() > MaxBytes)
        throw tooLarge(source);
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(view);
    if (decoder.hasError() || text.contains(QChar(0)))
        throw EWordListError(
            QCoreApplication::translate("WordList", "%1 is not UTF-8 text").arg(listName(source)));
    QStringList words;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString word = lines.at(i).simplified();
        if (word.isEmpty())
            continue;
        if (hasControl(word))
            throw EWordListError(
                QCoreApplication::translate("WordList", "%1 holds a control character on line %2")
                    .arg(listName(source))
                    .arg(i + 1));
        words << word;
        // The word after the last one a set can take is named; reading on
        // would only cost time.
        if (words.size() > MaxWords)
            break;
    }
    CheckCount(words, source);
    return words;
}

QStringList WordList::Load(const QString& path)
{
    QFile file;
    if (!RegularFile::Open(file, path, RegularFile::Links::Follow))
        throw WithFileReason(
            EWordListError(QCoreApplication::translate("WordList", "Cannot open the word list %1").arg(path)),
            path, errno);
    if (file.size() > MaxBytes)
        throw tooLarge(path);
    // One byte more than allowed tells a file that grew meanwhile.
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw WithFileReason(
            EWordListError(QCoreApplication::translate("WordList", "Cannot read the word list %1").arg(path)),
            path, errno);
    return Parse(bytes, path);
}
