// tessellor-tool import-picture: writes a picture file as the card picture
// "Insert image" makes of it, for scripts that fill sets from photos.

#include "ToolCommands.h"

#include "images/CardPicture.h"
#include "images/TBitmap.h"

namespace {

int importPicture(const QStringList& args)
{
    if (args.size() != 2)
        return printUsage();
    const TBitmap picture = LoadCardPicture(args[0]);
    picture.SaveBitmapFile(args[1]);
    printLine(QStringLiteral("%1: %2x%3, %4 bits")
                  .arg(args[1])
                  .arg(picture.Width())
                  .arg(picture.Height())
                  .arg(picture.BitsPerPixel()));
    return 0;
}

// Drawings are rendered through QtGui's painter, which wants the GUI application.
const ToolCommand importPictureCommand("import-picture", "SRC OUT.bmp", importPicture,
                                       ToolCommand::Needs::Gui);

} // namespace
