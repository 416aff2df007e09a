#include "ToolCommands.h"

#include "images/TBitmap.h"

#include <QBuffer>
#include <QImageWriter>

// Commands for checking card pictures: what the reader made of a file, a copy
// through the reader and writer, and the decoded pixels as PNG.
namespace {

const ToolCommand bmpInfo("bmp-info", "FILE", [](const QStringList& args) {
    if (args.size() != 1)
        return printUsage();
    TBitmap bitmap;
    bitmap.LoadBitmapFile(args[0]);
    printLine(QStringLiteral("width: %1").arg(bitmap.Width()));
    printLine(QStringLiteral("height: %1").arg(bitmap.HeightAsRead()));
    printLine(QStringLiteral("bits: %1").arg(bitmap.BitsPerPixel()));
    printLine(QStringLiteral("compression: %1").arg(bitmap.Compression()));
    printLine(QStringLiteral("colors: %1").arg(bitmap.ColorCount()));
    printLine(QStringLiteral("important: %1").arg(bitmap.ImportantColors()));
    printLine(QStringLiteral("xres: %1").arg(bitmap.XPelsPerMeter()));
    printLine(QStringLiteral("yres: %1").arg(bitmap.YPelsPerMeter()));
    printLine(QStringLiteral("core: %1").arg(bitmap.CoreHeaderForm() ? 1 : 0));
    printLine(QStringLiteral("kept: %1").arg(bitmap.KeptCompressedData().size()));
    return 0;
});

const ToolCommand bmpCopy("bmp-copy", "SRC DST", [](const QStringList& args) {
    if (args.size() != 2)
        return printUsage();
    TBitmap bitmap;
    bitmap.LoadBitmapFile(args[0]);
    bitmap.SaveBitmapFile(args[1]);
    return 0;
});

const ToolCommand bmpPng("bmp-png", "SRC DST.png", [](const QStringList& args) {
    if (args.size() != 2)
        return printUsage();
    TBitmap bitmap;
    bitmap.LoadBitmapFile(args[0]);
    if (bitmap.Empty()) {
        printError(QStringLiteral("%1 holds the empty picture; no PNG written").arg(args[0]));
        return 1;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(bitmap.ToImage())) {
        printError(QStringLiteral("Cannot make a PNG of %1").arg(args[0]));
        return 1;
    }
    writeWholeFile(args[1], png);
    return 0;
});

} // namespace
