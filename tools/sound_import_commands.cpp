#include "ToolCommands.h"

#include "audio/EMMWaveError.h"
#include "audio/SoundImport.h"

namespace {

// import-sound SRC OUT.wav: turns an MP3, Ogg Vorbis, Opus, FLAC, AAC or other
// sound file into a card sound, as the editor does when such a file is put on
// a card.
const ToolCommand importSound("import-sound", "SRC OUT.wav", [](const QStringList& args) {
    if (args.size() != 2 || args.at(0).isEmpty() || args.at(1).isEmpty())
        return printUsage();
    try {
        SoundImport::ToCardSound(args.at(0), args.at(1));
    } catch (const EMMWaveError& e) {
        throw NamingSaveFolder(e, args.at(1));
    }
    return 0;
});

} // namespace
