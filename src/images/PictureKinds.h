#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

// The kinds of picture file the picture dialog can preview, each with its
// file extension, description and loader. They are registered in a fixed
// order and looked up by lower-cased extension from the last registered to the
// first, so a later registration of an extension wins.
class PictureKinds {
  public:
    // Reads a whole file into a displayable image; raises Exception.
    using Loader = std::function<QImage(const QString& path)>;

    struct Kind {
        QString extension;
        QString description;
        Loader load;
    };

    // The standard kinds: metafiles, icons, bitmaps, JPEG, after the common
    // kinds that Qt reads here (PNG, GIF, WebP, TIFF, SVG).
    static const PictureKinds& standard();

    void add(const QString& extension, const QString& description, Loader load);
    // The kind for `extension` (without the dot), or nullptr.
    const Kind* find(const QString& extension) const;
    const QList<Kind>& kinds() const { return kinds_; }

  private:
    QList<Kind> kinds_;
};
