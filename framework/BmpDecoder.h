// Portable BMP decoding into top-down 0xAARRGGBB pixels, and a small 24-bit encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

struct TDecodedBmp {
    int Width = 0, Height = 0;    // pixels, both > 0 after a successful decode
    int BitsPerPixel = 0;         // as stored in the file (1, 4, 8, 16, 24, 32)
    bool TopDown = false;         // as stored in the file
    std::vector<uint32_t> Pixels; // Width*Height, row 0 = top row, each 0xAARRGGBB
    bool HasAlpha = false; // 32-bit images with a real alpha channel (an alpha mask); else A=0xFF
};

class EBmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Largest width or height accepted, and largest pixel count.
constexpr int kMaxBmpDimension = 1 << 15;
constexpr uint64_t kMaxBmpPixels = uint64_t{1} << 26;

// Decodes a complete bitmap file image ("BM" file header first). Throws EBmpError on anything
// invalid. Info headers of 12, 16, 40, 52, 56, 64, 108 and 124 bytes; 1, 4, 8, 16, 24 and
// 32 bits per pixel; BI_RGB, RLE8, RLE4, BI_BITFIELDS and BI_ALPHABITFIELDS.
TDecodedBmp DecodeBmpFile(const uint8_t* data, size_t size);

// Same without the 14-byte file header (info header first, pixels right after the colour
// table), as in resources and icons.
TDecodedBmp DecodeBmpInfo(const uint8_t* data, size_t size);

// A 24-bit bottom-up BI_RGB file image with a 40-byte info header.
std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixelsTopDown);
