#include "format/SkinBitmapBudget.h"

#include "format/LittleEndian.h"

#include <cstdlib>

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12; // 16-bit width and height
constexpr size_t kInfoHeaderSize = 40; // 32-bit width and height, height negative top-down
constexpr size_t kWidthOffset = kFileHeaderSize + 4;
} // namespace

uint64_t DeclaredBitmapPixels(const std::vector<uint8_t>& image) {
    if (image.size() < kFileHeaderSize + kCoreHeaderSize || image[0] != 'B' || image[1] != 'M')
        return 0;
    const uint32_t headerSize = ReadLe32(&image[kFileHeaderSize]);
    if (headerSize == kCoreHeaderSize)
        return uint64_t{ReadLe16(&image[kWidthOffset])} * ReadLe16(&image[kWidthOffset + 2]);
    if (headerSize < kInfoHeaderSize || image.size() < kFileHeaderSize + kInfoHeaderSize)
        return 0;
    const auto width = static_cast<int32_t>(ReadLe32(&image[kWidthOffset]));
    const auto height = static_cast<int32_t>(ReadLe32(&image[kWidthOffset + 4]));
    return static_cast<uint64_t>(std::llabs(width)) * static_cast<uint64_t>(std::llabs(height));
}

void CheckSkinBitmapBudget(const std::vector<TSkinRecord>& records) {
    size_t bitmaps = 0;
    uint64_t pixels = 0;
    for (const TSkinRecord& record : records) {
        if (record.Type != TSkinRecordType::Bitmap)
            continue;
        if (++bitmaps > kMaxSkinBitmaps)
            throw ESkinFormatError("too many bitmaps in the skin");
        pixels += DeclaredBitmapPixels(record.Data);
        if (pixels > kMaxSkinBitmapPixels)
            throw ESkinFormatError("the skin's bitmaps are too large");
    }
}
