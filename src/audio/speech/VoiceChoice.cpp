#include "audio/speech/VoiceChoice.h"

namespace VoiceChoice {

std::optional<SpeechVoice> Find(const QList<SpeechVoice>& voices, const QString& wanted)
{
    const QString key = wanted.trimmed();
    if (key.isEmpty())
        return std::nullopt;
    for (const SpeechVoice& voice : voices)
        if (voice.identifier.compare(key, Qt::CaseInsensitive) == 0)
            return voice;
    for (const SpeechVoice& voice : voices)
        if (voice.name.compare(key, Qt::CaseInsensitive) == 0)
            return voice;
    return ForLanguage(voices, key);
}

std::optional<SpeechVoice> ForLanguage(const QList<SpeechVoice>& voices, const QString& language)
{
    const QString key = language.toLower();
    const SpeechVoice* best = nullptr;
    int bestPriority = 0;
    for (const SpeechVoice& voice : voices) {
        const qsizetype at = voice.languages.indexOf(key);
        if (at < 0)
            continue;
        const int priority = voice.priorities.value(at);
        if (!best || priority < bestPriority) {
            best = &voice;
            bestPriority = priority;
        }
    }
    return best ? std::optional<SpeechVoice>(*best) : std::nullopt;
}

QString ForLocale(const QList<SpeechVoice>& voices, const QLocale& locale)
{
    // The C locale names no language; it falls through to English.
    QStringList wanted;
    if (locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage) {
        const QString language = QLocale::languageToCode(locale.language()).toLower();
        if (locale.territory() != QLocale::AnyTerritory)
            wanted << language + QLatin1Char('-') + QLocale::territoryToCode(locale.territory()).toLower();
        wanted << language;
    }
    wanted << QStringLiteral("en");
    for (const QString& language : wanted)
        if (const auto voice = ForLanguage(voices, language))
            return voice->identifier;
    return voices.isEmpty() ? QString() : voices.first().identifier;
}

} // namespace VoiceChoice
