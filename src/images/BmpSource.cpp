#include "images/BmpSource.h"

bool FileBmpSource::readAt(qint64 offset, char* dest, qint64 length)
{
    if (file_.pos() != offset && !file_.seek(offset))
        return false;
    while (length > 0) {
        const qint64 got = file_.read(dest, length);
        if (got <= 0)
            return false;
        dest += got;
        length -= got;
    }
    return true;
}
