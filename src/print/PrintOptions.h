#pragma once

#include <QLocale>
#include <QPageSize>

// What the user chooses when printing cards.
struct PrintOptions {
    enum class Paper { A4, Letter };

    // Cards are squares of this side, within these bounds.
    static constexpr double MinCardMm = 40;
    static constexpr double MaxCardMm = 90;
    static constexpr double DefaultCardMm = 60;

    Paper paper = Paper::A4;
    double cardMm = DefaultCardMm;
    bool cuttingLines = true;
    // After each page of faces, a page of card backs for two-sided printing.
    bool backs = false;
    // Only the cards of pairs whose two pictures exist and read.
    bool playableOnly = false;
    // Each card's name on a strip under its picture.
    bool names = false;

    static bool isValidCardSize(double mm) { return mm >= MinCardMm && mm <= MaxCardMm; }
};

// Letter where the locale's country prints on it (the United States, Canada,
// Mexico and others of the Americas, the Philippines), A4 everywhere else.
PrintOptions::Paper DefaultPaper(const QLocale& locale);
QPageSize PageSizeOf(PrintOptions::Paper paper);
