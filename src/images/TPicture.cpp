#include "images/TPicture.h"

#include "common/Exception.h"
#include "images/PictureKinds.h"

#include <QCoreApplication>
#include <QFileInfo>

void TPicture::LoadFromFile(const QString& path)
{
    const QString extension = QFileInfo(path).suffix();
    const PictureKinds::Kind* kind = PictureKinds::standard().find(extension);
    if (kind == nullptr)
        throw Exception(QCoreApplication::translate("BitmapErrors", "Unknown picture file extension (.%1)")
                            .arg(extension));
    image_ = kind->load(path);
}
