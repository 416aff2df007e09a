#pragma once

#include "common/Exception.h"

#include <QByteArray>

// Why a drawing is refused, in words for the user.
class EUnsafeDrawing : public Exception {
  public:
    explicit EUnsafeDrawing(const QString& reason) : Exception(reason) {}
};

// Qt's SVG renderer follows a picture's `<image>` reference to any file,
// itself included (endless recursion), a pipe (a hang) or /dev/zero, reads
// style sheets named by processing instructions, and decodes every embedded
// picture whole whatever its size. A drawing from a user's disk is therefore
// rewritten before the renderer sees it, so that it never reads another file
// and holds no more pixels than any other picture may.
namespace SvgSanitiser {

// The drawing `svg` rewritten as UTF-8: elements, attributes, namespace
// declarations and text as they were; comments, the document type and its
// entity references, and processing instructions left out; `href`
// attributes that refer outside the document left out, except on `image`
// elements, which must hold an embedded (data:, base64) raster picture.
// Each embedded picture is written back as the bytes checked here, after its
// header size was read; their pixels together may not pass `maxPixels`.
// Raises EUnsafeDrawing for a document that is not well-formed, an `image`
// that refers to anything but an embedded raster picture, an embedded
// picture that cannot be read, and pictures of too many pixels.
QByteArray sanitise(const QByteArray& svg, qint64 maxPixels);

} // namespace SvgSanitiser
