#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// The pictures of a set folder as they are printed: every card slot 1..40 in
// order, each with its own picture file (in a paired set the two cards of a
// pair show the same one), and the cover for the backs. Cards whose picture is
// missing or cannot be read are left out and listed with the reason, by the
// set's one rule for a card that can be shown (SetCards.h), which reads
// headers only. Only the files are kept here; each picture is decoded when it
// is drawn, no larger than the card at 300 dpi, so a set of huge pictures
// never has to fit in memory.
class PrintDeck {
  public:
    struct Card {
        int slot = 0;
        QString picturePath;
        QString name; // empty when the card has none
    };
    struct Skipped {
        int slot = 0; // 0: the cover
        QString reason;
    };

    // Reads `folder`'s pictures by the set naming rule (its kind from its
    // "Set.cfg", which is never written; none: a paired set). With
    // `playableOnly`, only the cards of pairs whose two pictures read are kept.
    // Raises EInOutError for a Set.cfg that cannot be read.
    static PrintDeck read(const QString& folder, bool playableOnly);

    QString setName() const { return setName_; }
    const std::vector<Card>& cards() const { return cards_; }
    // Empty when the cover is missing or cannot be read (then listed in skipped()).
    const QString& coverPath() const { return coverPath_; }
    const std::vector<Skipped>& skipped() const { return skipped_; }

    // Print resolution: a picture is decoded no larger than the card at this.
    static constexpr int PictureDpi = 300;
    // The picture in a card's file for a card of `cardMm` millimetres a side.
    // Raises the bitmap errors (BitmapErrors.h).
    static QImage LoadPicture(const QString& path, double cardMm);

    // One line a skipped card: "card 5: C03.bmp is missing" ("cover: ..." for slot 0).
    QStringList skippedLines() const;

  private:
    QString setName_;
    std::vector<Card> cards_;
    QString coverPath_;
    std::vector<Skipped> skipped_;
};
