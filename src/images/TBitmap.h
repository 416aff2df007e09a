#pragma once

#include <QByteArray>
#include <QImage>
#include <QSharedDataPointer>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>

class QPainter;

// A card picture: one Windows BMP picture or nothing (the empty picture, 0 x 0).
// Copies share their pixels until one of them changes (copy-on-write).
class TBitmap {
  public:
    TBitmap();
    TBitmap(const TBitmap&);
    TBitmap& operator=(const TBitmap&);
    ~TBitmap();

    // Replaces the picture by the one read from the whole file. On failure the
    // previous picture stays as it was and an error of BitmapErrors.h is raised.
    void LoadBitmapFile(const QString& path);
    // The same reading on a whole file's bytes held in memory.
    void LoadBitmapBytes(const QByteArray& fileBytes);
    // Writes the picture as a BMP file, replacing an existing one. The bytes go
    // to a temporary file in the same folder that is renamed over the target,
    // so a failed write leaves the previous file untouched.
    void SaveBitmapFile(const QString& path) const;
    // The bytes SaveBitmapFile writes.
    QByteArray SaveBitmapBytes() const;
    // Replaces the picture by a built-in bitmap resource ("BMPBRANCO").
    void LoadBitmapResource(const QString& name);
    // An independent copy of `source`'s picture; empty when source is null.
    void CopyPicture(const TBitmap* source);

    bool Empty() const;
    int Width() const;
    int Height() const; // |height|

    // The picture as an image for display and the clipboard (rows top-down).
    QImage ToImage() const;

    // The drawing surface: `paint` draws on the picture, which keeps its pixel
    // format (on a paletted picture every colour becomes its nearest table
    // entry). Drops KeptCompressedData.
    void Draw(const std::function<void(QPainter&)>& paint);

    // What tessellor-tool bmp-info reports.
    int32_t HeightAsRead() const;
    int BitsPerPixel() const;
    uint32_t Compression() const;
    int ColorCount() const; // colour-table entries held
    uint32_t ImportantColors() const;
    int32_t XPelsPerMeter() const;
    int32_t YPelsPerMeter() const;
    bool CoreHeaderForm() const;
    const QByteArray& KeptCompressedData() const;

    struct Data;

  private:
    QSharedDataPointer<Data> d;
};
