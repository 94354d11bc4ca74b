// Minimal readers for the headers of the launcher's BMP and ICO files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace asset_check {

using Bytes = std::vector<std::uint8_t>;

inline Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline std::uint32_t u16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) {
        throw std::out_of_range("read past the end");
    }
    return b[at] | (b[at + 1] << 8);
}

inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

inline std::int32_t i32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

// BITMAPINFOHEADER fields, read at a given offset.
struct InfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t planes;
    std::uint32_t bit_count;
    std::uint32_t compression;
    std::uint32_t image_size;
};

inline InfoHeader read_info_header(const Bytes& b, std::size_t at) {
    return {u32(b, at),      i32(b, at + 4),  i32(b, at + 8), u16(b, at + 12),
            u16(b, at + 14), u32(b, at + 16), u32(b, at + 20)};
}

inline std::size_t row_stride(std::int32_t width, std::uint32_t bit_count) {
    return (static_cast<std::size_t>(width) * bit_count + 31) / 32 * 4;
}

struct Bmp {
    std::uint32_t file_size_field;
    std::uint32_t pixel_offset;
    InfoHeader info;
    Bytes bytes;

    // Colour of pixel (x, y), y counted from the top, as 0xRRGGBB (24-bit pictures only).
    std::uint32_t pixel(int x, int y) const {
        std::size_t row = static_cast<std::size_t>(info.height - 1 - y);
        std::size_t at = pixel_offset + row * row_stride(info.width, 24) + 3 * x;
        return bytes.at(at) | (bytes.at(at + 1) << 8) | (bytes.at(at + 2) << 16);
    }
};

inline Bmp read_bmp(const std::string& path) {
    Bytes b = read_file(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        throw std::runtime_error(path + " is not a BMP file");
    }
    return {u32(b, 2), u32(b, 10), read_info_header(b, 14), std::move(b)};
}

struct IconEntry {
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t planes;
    std::uint32_t bit_count;
    std::uint32_t bytes_in_res;
    std::uint32_t offset;
};

struct Icon {
    std::uint32_t reserved;
    std::uint32_t type;
    std::vector<IconEntry> entries;
    Bytes bytes;
};

inline Icon read_icon(const std::string& path) {
    Bytes b = read_file(path);
    Icon icon{u16(b, 0), u16(b, 2), {}, {}};
    std::uint32_t count = u16(b, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t at = 6 + 16 * i;
        auto side = [](std::uint8_t v) { return v == 0 ? 256u : v; };
        icon.entries.push_back({side(b.at(at)), side(b.at(at + 1)), u16(b, at + 4), u16(b, at + 6),
                                u32(b, at + 8), u32(b, at + 12)});
    }
    icon.bytes = std::move(b);
    return icon;
}

} // namespace asset_check
