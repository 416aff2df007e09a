#pragma once

#include <cstdint>

// Sizes and field offsets of the Windows BMP file format, all little-endian.
namespace BmpLayout {

// The 14-byte file header.
constexpr int FileHeaderSize = 14;
constexpr int FileSizeOffset = 2;
constexpr int ReservedOffset = 6;
constexpr int PixelOffsetOffset = 10;
constexpr char Signature[2] = {'B', 'M'};

// Header lengths we accept: core, info, version 4, version 5.
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t V4HeaderSize = 108;
constexpr uint32_t V5HeaderSize = 124;
constexpr int HeaderLengthSize = 4;

// Offsets inside the 12-byte core header (16-bit fields).
constexpr int CoreWidthOffset = 4;
constexpr int CoreHeightOffset = 6;
constexpr int CorePlanesOffset = 8;
constexpr int CoreBitsOffset = 10;

// Offsets inside the 40-byte info header and its longer versions.
constexpr int WidthOffset = 4;
constexpr int HeightOffset = 8;
constexpr int PlanesOffset = 12;
constexpr int BitsOffset = 14;
constexpr int CompressionOffset = 16;
constexpr int ImageSizeOffset = 20;
constexpr int XResolutionOffset = 24;
constexpr int YResolutionOffset = 28;
constexpr int ColoursUsedOffset = 32;
constexpr int ImportantColoursOffset = 36;
constexpr int RedMaskOffset = 40; // version 4 and 5 headers only
constexpr int GreenMaskOffset = 44;
constexpr int BlueMaskOffset = 48;

// Compression values.
constexpr uint32_t CompressionNone = 0;
constexpr uint32_t CompressionRle8 = 1;
constexpr uint32_t CompressionRle4 = 2;
constexpr uint32_t CompressionBitFields = 3;

constexpr int MaskCount = 3;
constexpr int MasksSize = 12;      // three 4-byte masks after a 40-byte header
constexpr int QuadEntrySize = 4;   // colour-table entry: blue, green, red, reserved
constexpr int TripleEntrySize = 3; // core colour-table entry: blue, green, red
constexpr int MaxColourEntries = 256;

// Default masks written for bit-field pictures whose masks are all 0.
constexpr uint32_t Default16Masks[MaskCount] = {0xF800, 0x07E0, 0x001F};
constexpr uint32_t Default32Masks[MaskCount] = {0xFF0000, 0x00FF00, 0x0000FF};
// Uncompressed 16-bit pixels are 5-5-5.
constexpr uint32_t Rgb555Masks[MaskCount] = {0x7C00, 0x03E0, 0x001F};

// Bytes in one stored row: rows are padded to a multiple of 4 bytes.
constexpr uint64_t rowLength(uint64_t width, uint64_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

constexpr bool isValidBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace BmpLayout
