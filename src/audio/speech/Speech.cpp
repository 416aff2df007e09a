#include "audio/speech/Speech.h"

#include "audio/speech/VoiceChoice.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstring>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <mutex>
#include <new>

static_assert(Speech::MinimumRate == espeakRATE_MINIMUM && Speech::MaximumRate == espeakRATE_MAXIMUM &&
              Speech::NormalRate == espeakRATE_NORMAL);

namespace {

// The library's global state, reached only with `lock` held.
struct Engine {
    std::mutex lock;
    bool tried = false;
    QString failure; // why the library did not start; empty once it did
    QByteArray* collecting = nullptr;
    bool outOfMemory = false;
    bool tooLong = false;
};

Engine& engine()
{
    static Engine instance;
    return instance;
}

QString StatusText(espeak_ng_STATUS status)
{
    char buffer[256] = {};
    espeak_ng_GetStatusCodeMessage(status, buffer, sizeof buffer);
    return QString::fromUtf8(buffer).trimmed();
}

// Called by the library, inside Synthesize, with each piece of sound. Nothing
// may be thrown through the library's C frames, so a failed allocation is
// noted and stops the synthesis.
int CollectSamples(short* samples, int count, espeak_EVENT*)
{
    Engine& e = engine();
    if (!samples || count <= 0 || !e.collecting)
        return 0;
    // A card sound is capped as an imported one is; the rest is not spoken.
    constexpr qsizetype MaxBytes = qsizetype(Speech::MaxSeconds) * Speech::SampleRate * 2;
    if (e.collecting->size() + qsizetype(count) * 2 > MaxBytes) {
        e.tooLong = true;
        return 1;
    }
    try {
        e.collecting->append(reinterpret_cast<const char*>(samples), qsizetype(count) * 2);
    } catch (const std::bad_alloc&) {
        e.outOfMemory = true;
        return 1;
    }
    return 0;
}

QString Start()
{
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status == ENS_OK)
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK)
        return QCoreApplication::translate("Speech", "The speech library could not start: %1")
            .arg(StatusText(status));
    // The card sound is written at this rate; the library has always spoken at
    // it, but a build that does not would give sounds at the wrong pitch.
    const int rate = espeak_ng_GetSampleRate();
    if (rate != Speech::SampleRate)
        return QCoreApplication::translate("Speech", "The speech library speaks at %1 Hz; %2 Hz is needed")
            .arg(rate)
            .arg(Speech::SampleRate);
    espeak_SetSynthCallback(CollectSamples);
    return QString();
}

// Starts the library once; raises its failure on every call after a failed start.
void Require(Engine& e)
{
    if (!e.tried) {
        e.tried = true;
        e.failure = Start();
    }
    if (!e.failure.isEmpty())
        throw ESpeechError(e.failure);
}

// The library's languages field: pairs of a priority byte and a language
// name, ended by a zero priority.
void ReadLanguages(const char* field, SpeechVoice& voice)
{
    while (field && *field) {
        const int priority = static_cast<unsigned char>(*field);
        const char* name = field + 1;
        voice.languages << QString::fromUtf8(name);
        voice.priorities << priority;
        field = name + std::strlen(name) + 1;
    }
}

QList<SpeechVoice> ListVoices()
{
    QList<SpeechVoice> voices;
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (; list && *list; ++list) {
        SpeechVoice voice;
        voice.name = QString::fromUtf8((*list)->name);
        voice.identifier = QString::fromUtf8((*list)->identifier);
        ReadLanguages((*list)->languages, voice);
        voices << voice;
    }
    if (voices.isEmpty())
        throw ESpeechError(QCoreApplication::translate("Speech", "The speech library has no voices"));
    return voices;
}

void Check(espeak_ng_STATUS status)
{
    if (status != ENS_OK)
        throw ESpeechError(
            QCoreApplication::translate("Speech", "Speech synthesis failed: %1").arg(StatusText(status)));
}

QByteArray Synthesize(Engine& e, const QByteArray& utf8)
{
    QByteArray samples;
    e.collecting = &samples;
    e.outOfMemory = false;
    e.tooLong = false;
    // Plain text only: no SSML and no phoneme input, whatever the text holds.
    const espeak_ng_STATUS status = espeak_ng_Synthesize(
        utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    e.collecting = nullptr;
    if (e.outOfMemory)
        throw EOutOfMemory();
    if (e.tooLong)
        throw ESpeechError(QCoreApplication::translate(
                               "Speech", "The spoken text would be longer than %1 minutes: shorten the text")
                               .arg(Speech::MaxSeconds / 60));
    Check(status);
    if (samples.isEmpty())
        throw ESpeechError(
            QCoreApplication::translate("Speech", "Speech synthesis failed: no sound was made"));
    return samples;
}

} // namespace

namespace Speech {

QList<SpeechVoice> Voices()
{
    Engine& e = engine();
    const std::lock_guard guard(e.lock);
    Require(e);
    return ListVoices();
}

QString DefaultVoice()
{
    // The default locale: the system's, or the language the user chose.
    return VoiceChoice::ForLocale(Voices(), QLocale());
}

void CheckText(const QString& text)
{
    if (text.trimmed().isEmpty())
        throw ESpeechError(QCoreApplication::translate("Speech", "There is no text to speak"));
}

QByteArray Speak(const QString& text, const QString& voice, int rateWpm)
{
    CheckText(text);
    if (rateWpm < MinimumRate || rateWpm > MaximumRate)
        throw ESpeechError(
            QCoreApplication::translate("Speech", "The rate must be from %1 to %2 words per minute")
                .arg(MinimumRate)
                .arg(MaximumRate));
    Engine& e = engine();
    const std::lock_guard guard(e.lock);
    Require(e);
    const QList<SpeechVoice> voices = ListVoices();
    const auto chosen = VoiceChoice::Find(voices, voice);
    if (voice.trimmed().isEmpty())
        throw ESpeechError(QCoreApplication::translate("Speech", "No voice was chosen"));
    if (!chosen)
        throw ESpeechError(QCoreApplication::translate("Speech", "Unknown voice: %1").arg(voice));
    Check(espeak_ng_SetVoiceByName(chosen->identifier.toUtf8().constData()));
    // After the voice, which resets the rate to its own.
    Check(espeak_ng_SetParameter(espeakRATE, rateWpm, 0));
    return Synthesize(e, text.toUtf8());
}

} // namespace Speech
