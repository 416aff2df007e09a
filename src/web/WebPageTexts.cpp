#include "web/WebPageTexts.h"

#include "web/WebPage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <stdexcept>

namespace {

struct Source {
    const char* text;
    const char* comment; // tells translators what the text is; "" where it says itself
};

struct PageText {
    const char* key;
    Source source;
};

// The context the translation files keep these texts under. They are looked
// up in a translation of their own, not in the program's: the page speaks the
// language it is exported in, whatever the editor's.
constexpr char Context[] = "WebPage";

// clang-format off
const PageText PageTexts[] = {
    // In the page itself.
    {"pairsLabel", QT_TRANSLATE_NOOP3("WebPage", "Pairs", "the label of the list of pair counts")},
    {"playersLabel", QT_TRANSLATE_NOOP3("WebPage", "Players", "the label of the list of player counts")},
    {"sound", QT_TRANSLATE_NOOP3("WebPage", "Sound", "")},
    {"animation", QT_TRANSLATE_NOOP3("WebPage", "Animation", "")},
    {"turnBackLabel", QT_TRANSLATE_NOOP3("WebPage", "Turn back:", "")},
    {"onTap", QT_TRANSLATE_NOOP3("WebPage", "on the next tap", "")},
    {"peekLabel", QT_TRANSLATE_NOOP3("WebPage", "Show all cards at the start for:", "")},
    {"newGame", QT_TRANSLATE_NOOP3("WebPage", "New game", "")},
    {"fullScreen", QT_TRANSLATE_NOOP3("WebPage", "Full screen", "")},
    {"leaveFullScreen", QT_TRANSLATE_NOOP3("WebPage", "Leave full screen", "")},
    {"cards", QT_TRANSLATE_NOOP3("WebPage", "Cards", "what a screen reader calls the board")},
    {"pairsFound", QT_TRANSLATE_NOOP3("WebPage", "Pairs:", "before the pairs found so far")},
    {"moves", QT_TRANSLATE_NOOP3("WebPage", "Moves:", "")},
    {"time", QT_TRANSLATE_NOOP3("WebPage", "Time:", "")},
    {"wellDone", QT_TRANSLATE_NOOP3("WebPage", "Well done!", "")},
    {"playAgain", QT_TRANSLATE_NOOP3("WebPage", "Play again", "")},
    {"close", QT_TRANSLATE_NOOP3("WebPage", "Close", "")},
    {"askTitle", QT_TRANSLATE_NOOP3("WebPage", "Start a new game?", "")},
    {"askText", QT_TRANSLATE_NOOP3("WebPage", "The game under way will be lost.", "")},
    {"keepPlaying", QT_TRANSLATE_NOOP3("WebPage", "Keep playing", "")},
    // Said by the page's code as the game goes.
    {"afterSeconds", QT_TRANSLATE_NOOP3("WebPage", "after %1 s", "")},
    {"seconds", QT_TRANSLATE_NOOP3("WebPage", "%1 s", "a number of seconds")},
    {"cardOf", QT_TRANSLATE_NOOP3("WebPage", "Card %1 of %2", "")},
    {"faceDown", QT_TRANSLATE_NOOP3("WebPage", ", face down", "after \"Card 3 of 12\"")},
    {"found", QT_TRANSLATE_NOOP3("WebPage", ", found", "after \"Card 3 of 12\" and the card's name")},
    {"noPair", QT_TRANSLATE_NOOP3("WebPage", ", no pair", "after \"Card 3 of 12\" and the card's name")},
    {"pairsOf", QT_TRANSLATE_NOOP3("WebPage", "%1 of %2 pairs", "pairs found of pairs dealt")},
    {"turn", QT_TRANSLATE_NOOP3("WebPage", "%1's turn", "%1 is a player's name")},
    {"faceDownNow", QT_TRANSLATE_NOOP3("WebPage", "The cards are face down. %1.", "%1: whose turn it is")},
    {"turnedBack", QT_TRANSLATE_NOOP3("WebPage", "Turned back. %1.", "%1: whose turn it is")},
    {"card", QT_TRANSLATE_NOOP3("WebPage", "Card %1", "")},
    {"cardNamed", QT_TRANSLATE_NOOP3("WebPage", "Card %1: %2", "%2 is the card's name")},
    {"pairFound", QT_TRANSLATE_NOOP3("WebPage", "Pair found", "")},
    {"pairFoundNamed", QT_TRANSLATE_NOOP3("WebPage", "Pair found: %1", "%1 is the card's name")},
    {"foundLine", QT_TRANSLATE_NOOP3("WebPage", "%1. %2 found.%3",
                                     "%1: \"Pair found\"; %2: \"3 of 12 pairs\"; %3: who plays again, or nothing")},
    {"playsAgain", QT_TRANSLATE_NOOP3("WebPage", " %1 plays again.", "%1 is a player's name")},
    {"missLine", QT_TRANSLATE_NOOP3("WebPage", "No pair.%1%2",
                                    "%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing")},
    {"nextTurn", QT_TRANSLATE_NOOP3("WebPage", " %1.", "after \"No pair.\": whose turn it is")},
    {"tapToTurnBack", QT_TRANSLATE_NOOP3("WebPage", " Tap a card to turn them back.", "")},
    {"movesIn", QT_TRANSLATE_NOOP3("WebPage", "%1 moves in %2", "%2 is a time such as 1:05")},
    {"score", QT_TRANSLATE_NOOP3("WebPage", "%1: %2", "a player's name and pairs found")},
    {"winner", QT_TRANSLATE_NOOP3("WebPage", "Winner: %1", "")},
    {"draw", QT_TRANSLATE_NOOP3("WebPage", "Draw: %1", "%1 lists the players' names")},
    {"nameSeparator", QT_TRANSLATE_NOOP3("WebPage", ", ", "between the names of players in a draw")},
    {"done", QT_TRANSLATE_NOOP3("WebPage", "Well done! %1.", "%1: the winner, or the moves and time")},
    {"playerName", QT_TRANSLATE_NOOP3("WebPage", "Name of player %1", "")},
    {"player", QT_TRANSLATE_NOOP3("WebPage", "Player %1", "")},
    {"all", QT_TRANSLATE_NOOP3("WebPage", "All (%1)", "all the pairs, and how many")},
    {"byAuthor", QT_TRANSLATE_NOOP3("WebPage", "by %1", "%1 is the set's author")},
    {"onePairLeftOut", QT_TRANSLATE_NOOP3("WebPage", "1 pair left out", "")},
    {"pairsLeftOut", QT_TRANSLATE_NOOP3("WebPage", "%1 pairs left out", "")},
    {"pairsLeftOutList", QT_TRANSLATE_NOOP3("WebPage", "Pairs left out: %1", "%1 lists the pairs' numbers")},
    {"seed", QT_TRANSLATE_NOOP3("WebPage", "Seed: %1", "")},
    {"dealt", QT_TRANSLATE_NOOP3("WebPage", "%1 pairs dealt. %2.", "%2: whose turn it is")},
    {"dealtPeek",
     QT_TRANSLATE_NOOP3("WebPage", "%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.", "")},
    {"badSeed",
     QT_TRANSLATE_NOOP3("WebPage",
                        "The address's seed \"%1\" is not a whole number from 0 to %2, so another game was dealt: "
                        "seed %3.",
                        "%1 is what the page's address gave as the seed")},
};
// clang-format on

} // namespace

namespace {

// A language subtag and its optional region or script: "de", "pt-BR", "pt_BR".
bool isLanguageCode(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{2,8})?$"));
    return form.match(code).hasMatch();
}

} // namespace

WebPageTexts WebPageTexts::In(const QString& language, const QString& folder)
{
    WebPageTexts words;
    if (language.isEmpty())
        return words;
    if (!isLanguageCode(language))
        throw EWebExportError(
            QCoreApplication::translate("WebPage", "\"%1\" is not a language code such as pt-BR or de")
                .arg(language));
    QString fileCode = language;
    fileCode.replace(QLatin1Char('-'), QLatin1Char('_'));
    QTranslator translator;
    const QString file = QStringLiteral("tessellor_") + fileCode + QStringLiteral(".qm");
    // A language without a translation of its own is refused rather than
    // exported in English under another language's name.
    if (!QFileInfo(folder + QLatin1Char('/') + file).isFile() || !translator.load(file, folder))
        throw EWebExportError(
            QCoreApplication::translate("WebPage", "There is no translation of the page into %1")
                .arg(language));
    words.tag_ = QString(fileCode).replace(QLatin1Char('_'), QLatin1Char('-'));
    words.rightToLeft_ = QLocale(fileCode).textDirection() == Qt::RightToLeft;
    words.texts_ = translated(&translator);
    return words;
}

QJsonObject WebPageTexts::translated(const QTranslator* translator)
{
    QJsonObject texts;
    for (const PageText& text : PageTexts) {
        QString said = translator != nullptr
                           ? translator->translate(Context, text.source.text, text.source.comment)
                           : QString();
        // An entry not translated yet is said as written.
        if (said.isEmpty())
            said = QString::fromUtf8(text.source.text);
        texts.insert(QLatin1String(text.key), said);
    }
    return texts;
}

QByteArray WebPageTexts::htmlAttributes() const
{
    QByteArray attributes = "lang=\"" + tag_.toHtmlEscaped().toUtf8() + '"';
    if (rightToLeft_)
        attributes += " dir=\"rtl\"";
    return attributes;
}

QByteArray WebPageTexts::fill(const QByteArray& page) const
{
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = page.indexOf("{{"); at >= 0; at = page.indexOf("{{", from)) {
        const qsizetype end = page.indexOf("}}", at);
        const QString key = QString::fromUtf8(page.mid(at + 2, end - at - 2));
        if (end < 0 || !texts_.contains(key))
            throw std::logic_error("The page template names no text " + key.toStdString());
        out += page.mid(from, at - from);
        // "@" too, so that no text can pass for one of the template's markers.
        out += texts_.value(key).toString().toHtmlEscaped().toUtf8().replace('@', "&#64;");
        from = end + 2;
    }
    out += page.mid(from);
    return out;
}
