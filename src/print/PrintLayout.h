#pragma once

#include "print/PrintOptions.h"

#include <QPointF>
#include <QSizeF>

// Where cards go on the paper, in millimetres from the page's top-left: a grid
// of as many cards as fit within the margins, with a gap between cards,
// centred on the page, filled row by row.
class PrintLayout {
  public:
    static constexpr double MarginMm = 10;
    static constexpr double GapMm = 2;

    // With `nameStrips`, each card has a strip under its square for its name,
    // which the rows make room for.
    PrintLayout(PrintOptions::Paper paper, double cardMm, bool nameStrips = false);
    // The height of the name strip for a card of `cardMm`.
    static double NameStripMm(double cardMm) { return cardMm * NameStripShare; }

    QSizeF pageMm() const { return page_; }
    double cardMm() const { return card_; }
    // 0 without name strips.
    double nameStripMm() const { return strip_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int cardsPerPage() const { return columns_ * rows_; }

    // The top-left of the `index`-th card printed (from 0) on its page, and
    // that page among the pages of faces (from 0).
    QPointF cardTopLeft(int index) const;
    int facePage(int index) const { return index / cardsPerPage(); }
    // The back of that card: the same place mirrored across the page's long
    // edge, so that it lies behind its face when the sheet is turned over.
    QPointF backTopLeft(int index) const;

  private:
    static constexpr double NameStripShare = 0.15;

    QSizeF page_;
    double card_;
    double strip_;
    int columns_;
    int rows_;
    QPointF origin_;
};
