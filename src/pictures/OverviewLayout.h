#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the overview puts its header line and its 41 square cells, in page
// order from left to right and top to bottom. Each cell holds the picture
// box above a label strip for the slot number and the sound mark.
class OverviewLayout {
  public:
    // The largest cells with which all 41 fit in `area`.
    static OverviewLayout fitting(QSize area, const QFont& font);
    // Cells of `cellSize` pixels, `columns` to a row.
    static OverviewLayout withCells(int cellSize, int columns, const QFont& font);

    int columns() const { return columns_; }
    int cellSize() const { return cell_; }
    QSize size() const; // the whole drawing
    QRect headerRect() const;
    QRect cellRect(int slot) const;
    QRect pictureRect(int slot) const;
    QRect labelRect(int slot) const;
    QSize pictureBox() const;
    // The slot whose cell holds `point`, or -1.
    int slotAt(QPoint point) const;

    static constexpr int Margin = 6;
    static constexpr int Gap = 4;
    static constexpr int MinCell = 40;

  private:
    OverviewLayout(int cellSize, int columns, const QFont& font);

    int cell_;
    int columns_;
    int header_;
    int label_;
};
