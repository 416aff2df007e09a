#include "images/JpegDecoder.h"

#include <climits>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <jerror.h>
#include <jpeglib.h>
#include <memory>

namespace {

// The decoder's own code for a picture too large to decode, used when we
// refuse a size before allocating for it.
constexpr int ImageTooBigCode = JERR_IMAGE_TOO_BIG;

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the decoding function, which then raises EJPEG.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (corrupt data that the decoder works around) stay silent.
void ignoreMessage(j_common_ptr) {}

// Receives the decoded rows. Kept apart from the function that calls setjmp
// so that no object with a destructor lives in the frame that is jumped to.
class ImageSink {
  public:
    bool allocate(int width, int height)
    {
        image_ = QImage(width, height, QImage::Format_RGB32);
        return !image_.isNull();
    }
    JSAMPROW row(int y) { return reinterpret_cast<JSAMPROW>(image_.scanLine(y)); }
    QImage take() { return std::move(image_); }

  private:
    QImage image_;
};

bool sizeIsPlausible(qint64 pixels, qint64 bytes)
{
    if (pixels > JpegDecoder::MaxPixels)
        return false;
    return pixels <= JpegDecoder::AlwaysAllowedPixels || pixels / JpegDecoder::MaxPixelsPerByte <= bytes;
}

// Adobe CMYK JPEGs store inverted ink values; one BGRX pixel per CMYK pixel.
void cmykToBgrx(JSAMPROW row, int width)
{
    for (int x = 0; x < width; ++x) {
        JSAMPLE* p = row + 4 * x;
        const int k = p[3];
        const JSAMPLE red = JSAMPLE(p[0] * k / 255);
        const JSAMPLE green = JSAMPLE(p[1] * k / 255);
        const JSAMPLE blue = JSAMPLE(p[2] * k / 255);
        p[0] = blue;
        p[1] = green;
        p[2] = red;
        p[3] = 0xFF;
    }
}

// Returns 0 on success, else the decoder's message code.
int decodeInto(const unsigned char* data, unsigned long size, ImageSink& sink)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        const int code = errors.manager.msg_code;
        jpeg_destroy_decompress(&info);
        return code;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA; // alpha filled with 0xFF, as Format_RGB32 needs
    jpeg_calc_output_dimensions(&info);
    const qint64 pixels = qint64(info.output_width) * info.output_height;
    if (!sizeIsPlausible(pixels, qint64(size)) ||
        !sink.allocate(int(info.output_width), int(info.output_height))) {
        jpeg_destroy_decompress(&info);
        return ImageTooBigCode;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = sink.row(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykToBgrx(row, int(info.output_width));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return 0;
}

// A source that reads the device a block at a time, so that reading the
// header of a large file costs no more than the header.
struct DeviceSource {
    static constexpr qint64 BlockSize = 4096;
    jpeg_source_mgr manager;
    QIODevice* device;
    JOCTET block[BlockSize];
};

void startSource(j_decompress_ptr) {}
void endSource(j_decompress_ptr) {}

boolean fillBlock(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<DeviceSource*>(info->src);
    qint64 got = source->device->read(reinterpret_cast<char*>(source->block), DeviceSource::BlockSize);
    if (got <= 0) { // the end: an end-of-image marker, as the decoder's own sources insert
        source->block[0] = 0xFF;
        source->block[1] = JPEG_EOI;
        got = 2;
    }
    source->manager.next_input_byte = source->block;
    source->manager.bytes_in_buffer = size_t(got);
    return TRUE;
}

void skipBytes(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* source = info->src;
    while (count > 0 && count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        fillBlock(info);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= size_t(count);
    }
}

// Returns 0 on success, else the decoder's message code.
int readHeaderInto(DeviceSource& source, JpegDecoder::Header& header)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        const int code = errors.manager.msg_code;
        jpeg_destroy_decompress(&info);
        return code;
    }
    jpeg_create_decompress(&info);
    source.manager.init_source = startSource;
    source.manager.fill_input_buffer = fillBlock;
    source.manager.skip_input_data = skipBytes;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = endSource;
    source.manager.bytes_in_buffer = 0;
    source.manager.next_input_byte = nullptr;
    info.src = &source.manager;
    jpeg_read_header(&info, TRUE);
    header.size = QSize(int(qMin<JDIMENSION>(info.image_width, INT_MAX)),
                        int(qMin<JDIMENSION>(info.image_height, INT_MAX)));
    header.wholePictureBuffered = info.progressive_mode || info.comps_in_scan < info.num_components;
    jpeg_destroy_decompress(&info);
    return 0;
}

} // namespace

namespace JpegDecoder {

Header readHeader(QIODevice& device)
{
    auto source = std::make_unique<DeviceSource>();
    source->device = &device;
    Header header;
    const int code = readHeaderInto(*source, header);
    if (code != 0)
        throw EJPEG(code);
    return header;
}

QImage decode(const QByteArray& bytes)
{
    ImageSink sink;
    const int code = decodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                static_cast<unsigned long>(bytes.size()), sink);
    if (code != 0)
        throw EJPEG(code);
    return sink.take();
}

} // namespace JpegDecoder
