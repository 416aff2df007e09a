#include "ToolCommands.h"

#include "common/FileNames.h"
#include "pictures/OverviewLayout.h"
#include "pictures/OverviewModel.h"
#include "pictures/OverviewPainter.h"
#include "pictures/SetView.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

namespace {

// A near-square grid: 7 columns make 6 rows of 41 cells.
constexpr int Columns = 7;
constexpr int DefaultCell = 96;
constexpr int MaxCell = 1024;

// overview DIR [--size PIXELS] OUT.png: draws the set overview of DIR as the
// window draws it, once every thumbnail is made, with cells PIXELS square.
// Prints the header line, then a line for each card whose picture is missing
// or cannot be read, and for each card whose sound cannot be read.
int overview(const QStringList& args)
{
    QStringList paths;
    int cell = DefaultCell;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
            bool ok = false;
            cell = args[++i].toInt(&ok);
            if (!ok || cell < OverviewLayout::MinCell || cell > MaxCell)
                return printUsage();
        } else if (!args[i].isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            paths << args[i];
        } else {
            return printUsage();
        }
    }
    if (paths.size() != 2)
        return printUsage();
    if (!FileNames::folderExists(paths[0])) {
        printError(QStringLiteral("No such folder: %1").arg(paths[0]));
        return 1;
    }
    const OverviewLayout layout = OverviewLayout::withCells(cell, Columns, QGuiApplication::font());
    OverviewModel model;
    model.setThumbnailBox(layout.pictureBox());
    model.setSet(SetView::read(paths[0]));
    model.waitForThumbnails();

    const QPalette palette = QGuiApplication::palette();
    QImage image(layout.size(), QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(QGuiApplication::font());
    PaintOverview(painter, layout, model, palette, -1, false);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        printError(QStringLiteral("Cannot make the PNG %1").arg(paths[1]));
        return 1;
    }
    writeWholeFile(paths[1], png);
    printLine(model.headerText());
    for (int slot = 0; slot < NumSlots; ++slot) {
        const OverviewCell& c = model.cell(slot);
        if (c.picture == OverviewCell::Picture::Missing)
            printLine(QStringLiteral("slot %1: missing %2").arg(slot).arg(c.picturePath));
        else if (c.picture == OverviewCell::Picture::Damaged)
            printLine(QStringLiteral("slot %1: damaged %2: %3").arg(slot).arg(c.picturePath, c.error));
        if (c.soundDamaged())
            printLine(QStringLiteral("slot %1: damaged %2: %3").arg(slot).arg(c.soundPath, c.soundError));
    }
    return 0;
}

const ToolCommand overviewCommand("overview", "DIR [--size PIXELS] OUT.png", overview,
                                  ToolCommand::Needs::Gui);

} // namespace
