#pragma once

#include "cardset/CardTable.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

struct SetView;

// One card's picture file as judged from its header alone.
struct PictureCheck {
    QString path;    // as spelt on disk; empty when there is no such file
    QString problem; // why the card cannot be shown ("C03.bmp is missing"); empty when it can
    bool usable() const { return problem.isEmpty(); }
};

// The cards of a set folder as the game, printing, the web page and the deal
// take them, by one rule: a card is shown when its picture file exists and its
// header declares a picture the card reader accepts (a 0-byte card shows
// nothing to match), and a pair is playable when both its cards are shown.
// Only headers are read, never pixels, so a set of huge pictures is judged in
// a moment.
struct SetCards {
    std::array<PictureCheck, NumSlots> pictures;
    std::array<QString, NumSlots> sounds; // as spelt on disk; empty when the card has none
    std::vector<int> playable;            // pair numbers, ascending
    std::vector<int> leftOut;             // the other pair numbers

    bool enoughToPlay() const { return playable.size() >= 2; }

    // Raises nothing: an unreadable file is a card that is not shown.
    static SetCards read(const SetView& set);
};

// The pictures of the cover and of every card of a playable pair, each fitted
// into `box` (never enlarged) and decoded no larger than that: the rows are
// averaged down as they are read. A file two slots share is decoded once;
// files are decoded in parallel. A picture that fails to decode stays null.
std::array<QImage, NumSlots> DecodeFaces(const SetCards& cards, QSize box);

// A card picture file fitted into `box` as DecodeFaces() does it. Raises the
// bitmap errors (BitmapErrors.h); the empty file gives a null image.
QImage DecodeCardPicture(const QString& path, QSize box);
