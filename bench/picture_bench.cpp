// Helper of bench/picture.sh: writes a large photo-like JPEG row by row, and
// imports a picture file as a card picture the way "Insert image" and
// tessellor-tool import-picture do (LoadCardPicture, then SaveBitmapFile).

#include "common/Exception.h"
#include "images/CardPicture.h"
#include "images/TBitmap.h"

#include <QGuiApplication>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int PhotoWidth = 16320;
constexpr int PhotoHeight = 12240;
constexpr int Quality = 90;

// Smooth gradients with a little grain, as a photo has: neither a flat
// picture that decodes for free nor noise that no camera writes.
void fillRow(std::vector<JSAMPLE>& row, int y, uint32_t& seed)
{
    for (int x = 0; x < PhotoWidth; ++x) {
        seed = seed * 1664525u + 1013904223u;
        const int grain = int(seed >> 28) - 8;
        const auto clamp = [](int v) { return JSAMPLE(v < 0 ? 0 : v > 255 ? 255 : v); };
        row[size_t(x) * 3] = clamp(x * 255 / PhotoWidth + grain);
        row[size_t(x) * 3 + 1] = clamp(y * 255 / PhotoHeight + grain);
        row[size_t(x) * 3 + 2] = clamp(((x / 97 + y / 89) % 2) * 96 + 64 + grain);
    }
}

int makePhoto(const char* path, bool progressive)
{
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr)
        return 1;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = PhotoWidth;
    info.image_height = PhotoHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(PhotoWidth) * 3);
    JSAMPROW rows[1] = {row.data()};
    uint32_t seed = 1;
    while (info.next_scanline < info.image_height) {
        fillRow(row, int(info.next_scanline), seed);
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0 ? 0 : 1;
}

int importPicture(const QString& source, const QString& target)
{
    try {
        LoadCardPicture(source).SaveBitmapFile(target);
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if ((argc == 3 || argc == 4) && command == "make")
        return makePhoto(argv[2], argc == 4 && QByteArray(argv[3]) == "--progressive");
    if (argc == 4 && command == "import") {
        // Drawings are rendered through QtGui's painter, as in the editor;
        // no window is shown, so no display is needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return importPicture(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    std::fprintf(stderr, "usage: picture_bench make OUT.jpg [--progressive] | import SRC OUT.bmp\n");
    return 2;
}
