#include "pictures/OverviewPainter.h"

#include "pictures/OverviewLayout.h"
#include "pictures/OverviewModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

const QColor MarkRed(190, 20, 20);

QString slotLabel(int slot)
{
    return slot == 0 ? QStringLiteral("Deck") : QString::number(slot);
}

// A word in a red box across the middle of the picture area.
void drawMarkText(QPainter& painter, const QRect& area, const QString& text)
{
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    QRect centred = painter.fontMetrics().boundingRect(text).adjusted(-4, -1, 4, 1);
    centred.moveCenter(area.center());
    painter.fillRect(centred, MarkRed);
    painter.setPen(Qt::white);
    painter.drawText(centred, Qt::AlignCenter, text);
}

void drawMissing(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QBrush(QColor(190, 20, 20, 70), Qt::BDiagPattern));
    painter.setPen(QPen(MarkRed, 1, Qt::DashLine));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    drawMarkText(painter, area, QObject::tr("missing"));
}

void drawDamaged(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(235, 225, 225));
    painter.setPen(QPen(MarkRed, 2));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
    drawMarkText(painter, area, QObject::tr("damaged"));
}

void drawPlaceholder(QPainter& painter, const QRect& area, const QPalette& palette)
{
    painter.fillRect(area, palette.color(QPalette::Midlight));
    painter.setPen(QPen(palette.color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

// The thumbnail centred in the area, its aspect kept; an empty card is white.
void drawThumbnail(QPainter& painter, const QRect& area, const QImage& image)
{
    if (image.isNull()) {
        painter.fillRect(area, Qt::white);
        painter.setPen(QColor(200, 200, 200));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    QRect target(QPoint(), image.size().scaled(area.size(), Qt::KeepAspectRatio));
    if (image.width() <= area.width() && image.height() <= area.height())
        target.setSize(image.size()); // never blown up past its own pixels
    target.moveCenter(area.center());
    painter.drawImage(target, image);
}

// A quaver: a filled head, a stem and a flag, drawn so that no font is needed.
// A damaged sound's quaver is red and struck through, as a damaged picture is.
void drawSoundMark(QPainter& painter, const QRect& label, const QColor& textColour, bool damaged)
{
    const QColor colour = damaged ? MarkRed : textColour;
    const int h = label.height() - 2;
    const QRectF head(label.right() - h * 0.75, label.bottom() - h * 0.4, h * 0.45, h * 0.32);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(head);
    const QPointF stemFoot(head.right() - 0.5, head.center().y());
    const QPointF stemTop(stemFoot.x(), label.top() + 1);
    painter.setPen(QPen(colour, 1.5));
    painter.drawLine(stemFoot, stemTop);
    painter.drawLine(stemTop, stemTop + QPointF(h * 0.25, h * 0.3));
    if (damaged) {
        painter.setPen(QPen(MarkRed, 2));
        painter.drawLine(QPointF(head.left() - 2, label.bottom()),
                         QPointF(stemTop.x() + h * 0.35, label.top()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
}

// The card's name between its number and the sound mark, cut short to fit.
void drawName(QPainter& painter, const QRect& label, int slot, const QString& name)
{
    if (name.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int numberWidth = metrics.horizontalAdvance(slotLabel(slot) + QLatin1Char(' '));
    const QRect room = label.adjusted(numberWidth, 0, -label.height(), 0);
    if (room.width() > 0)
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, room.width()));
}

void drawCell(QPainter& painter, const OverviewLayout& layout, const OverviewCell& cell, int slot,
              const QPalette& palette)
{
    const QRect area = layout.pictureRect(slot);
    painter.save();
    painter.setClipRect(layout.cellRect(slot));
    switch (cell.picture) {
    case OverviewCell::Picture::Missing:
        drawMissing(painter, area);
        break;
    case OverviewCell::Picture::Damaged:
        drawDamaged(painter, area);
        break;
    case OverviewCell::Picture::Shown:
        drawThumbnail(painter, area, cell.thumbnail);
        break;
    case OverviewCell::Picture::Pending:
        if (cell.thumbnail.isNull())
            drawPlaceholder(painter, area, palette);
        else
            drawThumbnail(painter, area, cell.thumbnail);
        break;
    case OverviewCell::Picture::None:
        drawPlaceholder(painter, area, palette);
        break;
    }
    painter.restore();
    const QRect label = layout.labelRect(slot);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, slotLabel(slot));
    drawName(painter, label, slot, cell.name);
    if (cell.sound)
        drawSoundMark(painter, label, palette.color(QPalette::Text), cell.soundDamaged());
}

void drawFrame(QPainter& painter, const QRect& cell, const QPalette& palette, bool selected, bool focused)
{
    if (selected) {
        painter.setPen(QPen(palette.color(QPalette::Highlight), focused ? 3 : 2));
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    } else {
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

} // namespace

void PaintOverview(QPainter& painter, const OverviewLayout& layout, const OverviewModel& model,
                   const QPalette& palette, int selected, bool focused)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setPen(palette.color(QPalette::WindowText));
    const QRect header = layout.headerRect();
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(model.headerText(), Qt::ElideRight, header.width()));
    for (int slot = 0; slot < NumSlots; ++slot) {
        const QRect cell = layout.cellRect(slot);
        painter.fillRect(cell, palette.color(QPalette::Base));
        drawCell(painter, layout, model.cell(slot), slot, palette);
        drawFrame(painter, cell, palette, slot == selected, focused);
    }
}
