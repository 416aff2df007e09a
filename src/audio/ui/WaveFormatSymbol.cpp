#include "audio/ui/WaveFormatSymbol.h"

#include "audio/TMMWave.h"
#include "common/Exception.h"
#include "images/TBitmap.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Inset = 2;

// The program's wave symbol, its bottom-left colour made transparent.
const QPixmap& WaveSymbol()
{
    static const QPixmap symbol = [] {
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMP_WAVE"));
        const QImage image = bitmap.ToImage();
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
        return pixmap;
    }();
    return symbol;
}

// A DISP picture is a bitmap without file header. Our bitmap reader trusts
// only the signature of a file header, so one is put in front of it.
QImage DispPicture(const QByteArray& dib)
{
    TBitmap bitmap;
    bitmap.LoadBitmapBytes(QByteArray("BM") + QByteArray(12, '\0') + dib);
    return bitmap.ToImage();
}

} // namespace

WaveFormatSymbol::WaveFormatSymbol(const TMMWave& wave, QWidget* parent) : QWidget(parent), wave_(wave) {}

bool WaveFormatSymbol::Bound() const
{
    return !wave_.FileName().isEmpty() && wave_.IORecord() != nullptr;
}

QImage WaveFormatSymbol::DispImage() const
{
    const TWaveIORecord* record = wave_.IORecord();
    if (Bound() && record->Disp) {
        for (const TDispEntry& entry : record->Disp->Entries) {
            const QByteArray* payload = DispPayload(entry);
            if (entry.Format != DispFormatDib || payload == nullptr)
                continue;
            try {
                return DispPicture(*payload);
            } catch (const Exception&) {
                break; // a damaged picture: the program's symbol stands in
            }
        }
    }
    return QImage();
}

QImage WaveFormatSymbol::Picture() const
{
    const QImage own = DispImage();
    return own.isNull() && Bound() ? WaveSymbol().toImage() : own;
}

void WaveFormatSymbol::paintEvent(QPaintEvent*)
{
    // Off-screen first, so that the symbol never flickers.
    QPixmap canvas(size());
    canvas.fill(parentWidget() != nullptr ? parentWidget()->palette().color(QPalette::Window)
                                          : palette().color(QPalette::Window));
    const QRect area = rect().adjusted(Inset, Inset, -Inset, -Inset);
    const QImage own = DispImage();
    QPainter painter(&canvas);
    if (!own.isNull())
        painter.drawImage(area, own);
    else if (Bound())
        painter.drawPixmap(area.topLeft(), WaveSymbol());
    painter.end();
    QPainter(this).drawPixmap(0, 0, canvas);
}
