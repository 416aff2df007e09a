#include "ToolCommands.h"

#include "audio/EMMWaveError.h"
#include "audio/PcmCardSound.h"
#include "audio/speech/Speech.h"

namespace {

struct SpeakArgs {
    QString target;
    QString voice;
    int rate = Speech::NormalRate;
    QStringList words;
};

// OUT.wav, then the options, then the text (several words are joined by
// spaces; "--" ends the options). False for wrong usage, with its reason.
bool ParseSpeakArgs(const QStringList& args, SpeakArgs* out, QString* problem)
{
    if (args.isEmpty() || args.first().isEmpty())
        return false;
    out->target = args.first();
    bool options = true;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && (arg == QLatin1String("--voice") || arg == QLatin1String("--rate"))) {
            if (++i == args.size()) {
                *problem = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            bool ok = true;
            if (arg == QLatin1String("--voice"))
                out->voice = args.at(i);
            else
                out->rate = args.at(i).toInt(&ok);
            if (!ok) {
                *problem = QStringLiteral("--rate needs a whole number of words per minute");
                return false;
            }
        } else {
            options = false;
            out->words << arg;
        }
    }
    return !out->words.isEmpty();
}

// speak OUT.wav [--voice NAME] [--rate WPM] TEXT: the text spoken and written
// as the editor writes a spoken card sound. Nothing is written on failure.
const ToolCommand speak("speak", "OUT.wav [--voice NAME] [--rate WPM] TEXT", [](const QStringList& args) {
    SpeakArgs parsed;
    QString problem;
    if (!ParseSpeakArgs(args, &parsed, &problem)) {
        if (!problem.isEmpty())
            printError(problem);
        return printUsage();
    }
    const QString voice = parsed.voice.isEmpty() ? Speech::DefaultVoice() : parsed.voice;
    const QByteArray samples = Speech::Speak(parsed.words.join(QLatin1Char(' ')), voice, parsed.rate);
    try {
        PcmCardSound::Save(samples, Speech::SampleRate, 1, parsed.target);
    } catch (const EMMWaveError& e) {
        throw NamingSaveFolder(e, parsed.target);
    }
    return 0;
});

// voices: one line per installed voice: identifier, languages, name (tabs between).
const ToolCommand voices("voices", "", [](const QStringList& args) {
    if (!args.isEmpty())
        return printUsage();
    for (const SpeechVoice& voice : Speech::Voices())
        printLine(QStringLiteral("%1\t%2\t%3")
                      .arg(voice.identifier, voice.languages.join(QLatin1Char(',')), voice.name));
    return 0;
});

} // namespace
