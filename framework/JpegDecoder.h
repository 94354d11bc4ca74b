// JPEG decoding through the IJG libjpeg API into top-down 0x00RRGGBB pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

class EJpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TDecodedJpeg {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels; // top-down, 0x00RRGGBB
};

// Pictures larger than this many pixels are refused before any pixel memory is taken.
constexpr uint64_t kMaxJpegPixels = uint64_t{1} << 26;

// Raises EJpegError with libjpeg's message for data it cannot decode.
TDecodedJpeg DecodeJpeg(const uint8_t* data, size_t size);
