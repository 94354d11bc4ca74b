#include "framework/Icon.h"

#include "framework/Canvas.h"
#include "framework/Picture.h"

#include <cstdlib>
#include <vector>

namespace {
// The icon resource format CreateIconFromResourceEx is told to expect (version 3.0).
constexpr DWORD kIconFormatVersion = 0x00030000;
} // namespace

VFC_DESCRIBE(TIcon) {
    (void)b;
}

TIcon::TIcon() {
    TGraphic::SetTransparent(true);
}

void TIcon::Adopt(TOwnedIconHandle icon) {
    int width = 0, height = 0;
    if (icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon.Get(), &info))
            throw EGraphicsError("not an icon handle");
        // GetIconInfo hands out copies of both bitmaps.
        TOwnedBitmapHandle mask(info.hbmMask), color(info.hbmColor);
        BITMAP bm{};
        GetObjectA(color ? color.Get() : mask.Get(), sizeof bm, &bm);
        width = bm.bmWidth;
        height = color ? bm.bmHeight : bm.bmHeight / 2;
    }
    handle_ = std::move(icon);
    width_ = width;
    height_ = height;
    Changed();
}

void TIcon::SetHandle(TOwnedIconHandle icon) {
    Adopt(std::move(icon));
}

TOwnedIconHandle TIcon::ReleaseHandle() {
    TOwnedIconHandle icon(handle_.Release());
    width_ = height_ = 0;
    Changed();
    return icon;
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name, int size) {
    TOwnedIconHandle icon(static_cast<HICON>(
        LoadImageA(instance, name.c_str(), IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE)));
    if (!icon)
        throw EGraphicsError("icon resource '" + name + "' not found");
    Adopt(std::move(icon));
}

void TIcon::LoadFromMemory(const uint8_t* data, size_t size) {
    LoadFromMemory(data, size, 0);
}

// .ico layout: ICONDIR (reserved 0, type 1, count), then count 16-byte entries (width, height
// (0 = 256), colours, reserved, planes, bit count, bytes, offset), each pointing at a DIB or
// PNG image that CreateIconFromResourceEx reads as it is.
void TIcon::LoadFromMemory(const uint8_t* data, size_t size, int preferredSize) {
    auto u16 = [&](size_t at) { return static_cast<unsigned>(data[at] | (data[at + 1] << 8)); };
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(u16(at)) | (static_cast<uint32_t>(u16(at + 2)) << 16);
    };
    if (!data || size < 6 || u16(0) != 0 || u16(2) != 1)
        throw EGraphicsError("not an icon file");
    const unsigned count = u16(4);
    if (count == 0 || size < 6 + 16 * static_cast<size_t>(count))
        throw EGraphicsError("icon file directory is truncated");
    int best = -1, bestSide = 0, bestBits = 0;
    for (unsigned i = 0; i < count; ++i) {
        const size_t e = 6 + 16 * static_cast<size_t>(i);
        const int side = data[e] ? data[e] : 256;
        const int bits = static_cast<int>(u16(e + 6));
        const uint32_t bytes = u32(e + 8), offset = u32(e + 12);
        if (offset > size || bytes > size - offset || bytes < 40)
            continue;
        bool better;
        if (best < 0)
            better = true;
        else if (preferredSize > 0)
            better = std::abs(side - preferredSize) < std::abs(bestSide - preferredSize) ||
                     (side == bestSide && bits > bestBits);
        else
            better = side > bestSide || (side == bestSide && bits > bestBits);
        if (better) {
            best = static_cast<int>(i);
            bestSide = side;
            bestBits = bits;
        }
    }
    if (best < 0)
        throw EGraphicsError("icon file holds no readable image");
    const size_t e = 6 + 16 * static_cast<size_t>(best);
    // CreateIconFromResourceEx does not promise to leave its input alone.
    std::vector<uint8_t> image(data + u32(e + 12), data + u32(e + 12) + u32(e + 8));
    TOwnedIconHandle icon(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()),
                                                   TRUE, kIconFormatVersion, bestSide, bestSide,
                                                   LR_DEFAULTCOLOR));
    if (!icon)
        throw EGraphicsError("icon image cannot be read");
    Adopt(std::move(icon));
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    if (!handle_)
        return;
    DrawIconEx(canvas.Handle(), rect.Left, rect.Top, handle_.Get(), rect.Width(), rect.Height(), 0,
               nullptr, DI_NORMAL);
}

void TIcon::Assign(const TPersistent* source) {
    if (!source) {
        Adopt({});
        return;
    }
    if (auto* picture = As<TPicture>(source)) {
        Assign(picture->Graphic());
        return;
    }
    auto* other = As<TIcon>(source);
    if (!other) {
        TGraphic::Assign(source);
        return;
    }
    if (other == this)
        return;
    Adopt(TOwnedIconHandle(other->handle_ ? CopyIcon(other->handle_.Get()) : nullptr));
}
