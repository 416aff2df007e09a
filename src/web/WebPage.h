#pragma once

#include "common/Exception.h"
#include "web/WebSound.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct GameCards;

// A set that cannot become a page (no such folder, too few playable pairs),
// or a page that cannot be written.
class EWebExportError : public Exception {
  public:
    using Exception::Exception;
};

// A set as one self-contained HTML file that plays the memory game: the
// page's own code (built in from resources/web), the cards as PNG pictures and
// the sounds, all inside the file as data, so the page needs nothing else
// and works offline.
namespace WebPage {

// A set of 40 cards with 20 sounds of two seconds fits in this many bytes:
// pictures are made smaller where they would not (WebCardImage::Png).
constexpr qint64 PageBudget = 3'000'000;

// Where the program keeps its translations, built in.
inline const QString TranslationsFolder = QStringLiteral(":/i18n");

struct Options {
    WebSound::Codec codec = WebSound::Codec::Opus; // WAV is used anyway where Opus cannot be written
    qint64 budget = PageBudget;
    // The language the page speaks, as a BCP 47 code ("pt-BR", "de"; "pt_BR"
    // too); empty: the page's own English texts.
    QString language;
    // Where the translation of `language` is looked for (tessellor_<code>.qm).
    QString translations = TranslationsFolder;
};

struct Page {
    QByteArray html;
    std::vector<int> playable;
    std::vector<int> leftOut;
    int pictures = 0;     // picture files carried, the cover included
    int sounds = 0;       // sound files carried
    QString soundFormat;  // "audio/ogg" or "audio/wav"
    QStringList problems; // sounds left out, one line each
};

// The page of `cards` (faces of at most 256 x 256 pixels) for the set named
// `setName`. Raises EWebExportError when fewer than two pairs are playable,
// and for a language that has no translation.
Page Build(const GameCards& cards, const QString& setName, const QString& author,
           const Options& options = {});

// The page of the set in `folder`, its pictures read as the game reads them.
// Raises EWebExportError for a missing folder and as Build() does.
Page BuildFromFolder(const QString& folder, const Options& options = {});

// Writes the page of the set in `folder` to `outFile`, replacing it whole or
// leaving it untouched. Raises EWebExportError.
Page Export(const QString& folder, const QString& outFile, const Options& options = {});

} // namespace WebPage
