#pragma once

#include "audio/WavePeaks.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The waveform overview of the wave open dialog. Everything is drawn into an
// off-screen picture of the control's size that paint events only copy, so
// that the play position line, drawn by inverting, survives repaints and is
// erased by drawing it again.
class WaveformView : public QWidget {
    Q_OBJECT

  public:
    WaveformView(const TWavePeaks& peaks, QWidget* parent);

    QColor Color = Qt::black;                // background
    QColor ForeColor = QColor(0, 255, 0);    // trace
    QColor LocatorColor = QColor(255, 0, 0); // play position and progress mark

    QRect Area() const;
    // A value's row: area bottom - ((v + 32767) x H div 65535) - 1.
    int RowOf(int value) const;

    // Draws the control afresh: the background, the two 3-D frames, then the
    // stored peaks when `peaks` is set, else a grey line at half height unless
    // `blank`. Forgets the play position.
    void Redraw(bool peaks, bool blank = false);

    // While the peaks are computed: clears the area and starts the trace at
    // the left edge, half height.
    void BeginTrace();
    // Draws column `index` from the table, and the progress mark after it.
    void TraceColumn(int index, bool progressMark);
    // The zero line from the last traced column to the right edge.
    void EndTrace(int columns);

    // Moves the play position line to `x` pixels into the area (-1: none).
    void MoveLocator(int x);
    int Locator() const { return locator_; }

    const QImage& Canvas() const { return canvas_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DrawFrames(QPainter& painter) const;
    void InvertLocator(int x);
    QPoint Low(const TPeakColumn& column, int x) const;
    QPoint High(const TPeakColumn& column, int x) const;

    const TWavePeaks& peaks_;
    QImage canvas_;
    QPoint pen_;
    int locator_ = -1;
};
