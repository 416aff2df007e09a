#pragma once

#include <QRect>
#include <QSize>

class QFont;

// The places of the wave open dialog's strip of controls, given in dialog
// units (a quarter of the font's average character width, an eighth of its
// height) as the dialog's template holds them, and turned into pixels at the
// dialog's font.
class WaveStripLayout {
  public:
    explicit WaveStripLayout(const QFont& font);

    // Pixels of a rectangle in dialog units, rounded to the nearest pixel.
    QRect Pixels(int left, int top, int width, int height) const;

    QRect Strip() const { return Pixels(2, 0, 276, 43); }
    QRect PlayButton() const { return Pixels(222, 0, 50, 14); }
    QRect PreviewBox() const { return Pixels(224, 17, 46, 11); }
    QRect AutoPlayBox() const { return Pixels(224, 30, 46, 11); }
    QRect InfoLine() const { return Pixels(54, 0, 159, 8); }
    QRect Waveform() const { return Pixels(54, 17, 155, 22); }
    QRect FormatLabel() const { return Pixels(5, 0, 27, 8); }
    QRect FormatSymbol() const { return Pixels(5, 17, 24, 22); }

    // The waveform's drawing area: the control shrunk by 2 pixels on each side.
    static QRect DrawingArea(const QSize& control)
    {
        return QRect(QPoint(0, 0), control).adjusted(2, 2, -2, -2);
    }
    // Its width at `font`: the peak table's column count.
    static int DrawingWidth(const QFont& font);

  private:
    int baseX_; // average character width in pixels
    int baseY_; // character height in pixels
};
