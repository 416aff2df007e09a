#pragma once

#include <QImage>
#include <QWidget>

class TMMWave;

// The format symbol of the wave open dialog: the wave's own picture (its
// first DISP entry holding a device-independent bitmap) stretched into the
// control less 2 pixels on each side, else the program's wave symbol at its
// natural size in the top-left corner of that area.
class WaveFormatSymbol : public QWidget {
    Q_OBJECT

  public:
    WaveFormatSymbol(const TMMWave& wave, QWidget* parent);

    // The picture drawn for the wave now bound (null when none is bound).
    QImage Picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool Bound() const;
    QImage DispImage() const; // null when the wave has no picture of its own

    const TMMWave& wave_;
};
