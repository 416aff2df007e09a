#pragma once

#include <QImage>
#include <QString>

// The picture of the preview pane: any registered kind of picture file, held
// as an image for display. Empty (width 0) until a file is loaded.
class TPicture {
  public:
    // Reads `path` through the kind registered for its extension. Raises
    // Exception ("Unknown picture file extension (.%s)" for an unregistered
    // one, or the kind's own error); on failure the picture is unchanged.
    void LoadFromFile(const QString& path);
    void Clear() { image_ = QImage(); }

    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

  private:
    QImage image_;
};
