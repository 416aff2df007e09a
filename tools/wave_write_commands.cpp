#include "ToolCommands.h"

#include "audio/TMMWave.h"

namespace {

// wave-copy SRC DST: binds SRC and saves it as DST, as the editor does when a
// sound is put on a card.
const ToolCommand waveCopy("wave-copy", "SRC DST", [](const QStringList& args) {
    if (args.size() != 2 || args.at(0).isEmpty() || args.at(1).isEmpty())
        return printUsage();
    TMMWave wave;
    wave.LoadWaveFile(args.at(0));
    try {
        wave.SaveWaveFile(args.at(1));
    } catch (const EMMWaveError& e) {
        throw NamingSaveFolder(e, args.at(1));
    }
    return 0;
});

} // namespace
