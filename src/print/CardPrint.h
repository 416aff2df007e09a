#pragma once

#include "common/Exception.h"
#include "print/PrintDeck.h"
#include "print/PrintLayout.h"
#include "print/PrintOptions.h"

#include <QByteArray>
#include <QPointF>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// A set whose pictures are all missing: there is nothing to print.
class ENothingToPrint : public Exception {
  public:
    ENothingToPrint() : Exception(QStringLiteral("No card of the set has a picture to print")) {}
};

// The printing of a deck with the chosen options: which card goes on which
// page and where, and the drawing of those pages on a PDF file or a printer.
class CardPrint {
  public:
    struct Place {
        int slot = 0;
        int page = 0;    // from 1, counting the pages of backs
        QPointF topLeft; // millimetres from the page's top-left
    };

    CardPrint(const PrintDeck& deck, const PrintOptions& options);

    const PrintLayout& layout() const { return layout_; }
    // Backs are printed only when asked for and the cover reads.
    bool printsBacks() const;
    int pageCount() const;
    std::vector<Place> places() const;

    // Draws every page on `device` (a QPdfWriter or a QPrinter), setting its
    // paper to the chosen one without margins. Raises ENothingToPrint, and the
    // bitmap errors for a picture that no longer reads.
    void paint(QPagedPaintDevice& device) const;
    // The whole print as a PDF document. Raises ENothingToPrint.
    QByteArray pdf() const;

  private:
    int facePages() const;
    class LastPicture;
    void paintFaces(QPainter& painter, int facePage, LastPicture& pictures) const;
    void paintBacks(QPainter& painter, int facePage, const QImage& cover) const;
    void drawPicture(QPainter& painter, const QImage& picture, QPointF topLeft) const;
    void drawName(QPainter& painter, const QString& name, QPointF topLeft) const;

    const PrintDeck& deck_;
    PrintOptions options_;
    PrintLayout layout_;
};

// Writes the deck's print as a PDF file, replacing `path` only once the whole
// document is written. Raises ENothingToPrint, EFCreateError or EWriteError.
void WriteCardsPdf(const CardPrint& print, const QString& path);
