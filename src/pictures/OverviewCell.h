#pragma once

#include "images/FileStamp.h"

#include <QImage>
#include <QString>

// One slot as the overview shows it.
struct OverviewCell {
    enum class Picture {
        None,    // no set
        Missing, // no picture file by the naming rule
        Pending, // a thumbnail is being made
        Shown,   // the thumbnail is ready (null for an empty, 0-byte picture)
        Damaged, // the file cannot be read: `error` says why
    };
    Picture picture = Picture::None;
    QString picturePath; // as spelt on disk, or by the naming rule when missing
    FileStamp stamp;     // of the picture file the thumbnail shows or will show
    QImage thumbnail;    // while pending, the previous one (if any) stands in
    QString error;
    bool sound = false; // the slot's sound file exists
    QString soundPath;
    FileStamp soundStamp; // of the sound file soundError was found for
    QString soundError;   // the wave reader's error: the sound is damaged
    QString name;         // the card's name, empty when it has none

    bool soundDamaged() const { return sound && !soundError.isEmpty(); }
};
