#include "framework/Bitmap.h"

#include "framework/BmpDecoder.h"
#include "framework/Picture.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kMaxSide = 32767;
constexpr uint64_t kMaxPixels = uint64_t{1} << 27; // 512 MiB at 32 bits per pixel

int BitsPerPixel(TPixelFormat format) {
    return format == pf32bit ? 32 : 24;
}

size_t DibStride(int width, int bpp) {
    return ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
}

BITMAPINFO TopDownInfo(int width, int height, int bpp) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = static_cast<WORD>(bpp);
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

} // namespace

template <> const TEnumInfo& EnumInfoOf<TPixelFormat>() {
    static const TEnumInfo info{"TPixelFormat", {"pfDevice", "pf24bit", "pf32bit"}};
    return info;
}

template <> const TEnumInfo& EnumInfoOf<TTransparentMode>() {
    static const TEnumInfo info{"TTransparentMode", {"tmAuto", "tmFixed"}};
    return info;
}

TOwnedBitmapHandle CreateBitmapOfFormat(int width, int height, TPixelFormat format, void** bits) {
    if (bits)
        *bits = nullptr;
    if (width <= 0 || height <= 0)
        return {};
    if (width > kMaxSide || height > kMaxSide ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels)
        throw EGraphicsError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is too large");
    HBITMAP bitmap = nullptr;
    if (format == pfDevice) {
        TWindowDC screen(nullptr);
        bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    } else {
        const BITMAPINFO bmi = TopDownInfo(width, height, BitsPerPixel(format));
        void* dibBits = nullptr;
        bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &dibBits, nullptr, 0);
        if (bits)
            *bits = dibBits;
    }
    if (!bitmap)
        throw EGraphicsError("cannot create a bitmap of " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels");
    return TOwnedBitmapHandle(bitmap);
}

// The canvas of a bitmap makes the bitmap's memory DC when it is first drawn on, and reports
// what is drawn as a change of the bitmap.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    // A canvas draws on its bitmap even where the bitmap was reached as const.
    explicit TBitmapCanvas(const TBitmap& bitmap) : bitmap_(const_cast<TBitmap&>(bitmap)) {}
    using TCanvas::SetHandle;

protected:
    void CreateHandle() override { bitmap_.AttachDC(); }
    void Changed() override {
        TCanvas::Changed();
        bitmap_.Changed();
    }

private:
    TBitmap& bitmap_;
};

VFC_DESCRIBE(TBitmap) {
    b.Property("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat)
        .WithDefault(pfDevice);
    b.Property("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor)
        .AsColor()
        .NotStored();
    b.Property("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode)
        .WithDefault(tmAuto);
    b.Property("Width", &TBitmap::Width, &TBitmap::SetWidth).NotStored();
    b.Property("Height", &TBitmap::Height, &TBitmap::SetHeight).NotStored();
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    DropDC();
}

void TBitmap::AttachDC() const {
    if (dc_)
        return;
    TMemoryDC dc(nullptr);
    if (!dc)
        throw EGraphicsError("cannot create a memory DC for a bitmap");
    dc_ = std::move(dc);
    dcOriginalBitmap_ = handle_ ? SelectObject(dc_.Get(), handle_.Get()) : nullptr;
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
    canvas_->SetHandle(dc_.Get());
}

void TBitmap::DropDC() {
    if (!dc_)
        return;
    if (canvas_)
        canvas_->SetHandle(nullptr);
    if (dcOriginalBitmap_)
        SelectObject(dc_.Get(), dcOriginalBitmap_);
    dcOriginalBitmap_ = nullptr;
    dc_.Reset();
}

TCanvas* TBitmap::Canvas() const {
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return canvas_.get();
}

HDC TBitmap::SourceDC() const {
    AttachDC();
    return dc_.Get();
}

void TBitmap::Replace(TOwnedBitmapHandle bitmap, int width, int height, TPixelFormat format,
                      void* bits) {
    if (dc_) {
        // Put the new bitmap into the DC before the old one is deleted.
        if (bitmap) {
            HGDIOBJ previous = SelectObject(dc_.Get(), bitmap.Get());
            if (!dcOriginalBitmap_)
                dcOriginalBitmap_ = previous;
        } else if (dcOriginalBitmap_) {
            SelectObject(dc_.Get(), dcOriginalBitmap_);
            dcOriginalBitmap_ = nullptr;
        }
    }
    handle_ = std::move(bitmap);
    bits_ = bits;
    width_ = handle_ ? width : 0;
    height_ = handle_ ? height : 0;
    format_ = format;
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    void* bits = nullptr;
    TOwnedBitmapHandle fresh = CreateBitmapOfFormat(width, height, format_, &bits);
    if (fresh) {
        TMemoryDC temp(nullptr);
        TScopedSelect select(temp.Get(), fresh.Get());
        PatBlt(temp.Get(), 0, 0, width, height, WHITENESS);
        if (handle_)
            BitBlt(temp.Get(), 0, 0, std::min(width, width_), std::min(height, height_), SourceDC(),
                   0, 0, SRCCOPY);
    }
    Replace(std::move(fresh), width, height, format_, bits);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_)
        return;
    if (!handle_) {
        format_ = format;
        Changed();
        return;
    }
    void* bits = nullptr;
    TOwnedBitmapHandle fresh = CreateBitmapOfFormat(width_, height_, format, &bits);
    {
        TMemoryDC temp(nullptr);
        TScopedSelect select(temp.Get(), fresh.Get());
        BitBlt(temp.Get(), 0, 0, width_, height_, SourceDC(), 0, 0, SRCCOPY);
    }
    if (format == pf32bit) {
        // Converted pixels are opaque.
        GdiFlush();
        auto* p = static_cast<uint32_t*>(bits);
        for (size_t i = 0, n = static_cast<size_t>(width_) * height_; i < n; ++i)
            p[i] |= AlphaMask;
    }
    Replace(std::move(fresh), width_, height_, format, bits);
    Changed();
}

void TBitmap::SetHandle(TOwnedBitmapHandle bitmap) {
    if (!bitmap) {
        Replace({}, 0, 0, format_, nullptr);
        Changed();
        return;
    }
    DIBSECTION ds{};
    const int got = GetObjectA(bitmap.Get(), sizeof ds, &ds);
    if (got == 0)
        throw EGraphicsError("not a bitmap handle");
    const int width = ds.dsBm.bmWidth;
    const int height = ds.dsBm.bmHeight;
    TPixelFormat format = pfDevice;
    void* bits = nullptr;
    if (got == sizeof ds && ds.dsBm.bmBits &&
        (ds.dsBmih.biBitCount == 24 || ds.dsBmih.biBitCount == 32) && ds.dsBmih.biHeight < 0) {
        // A top-down DIB section of ours: keep it as it is.
        format = ds.dsBmih.biBitCount == 32 ? pf32bit : pf24bit;
        bits = ds.dsBm.bmBits;
        Replace(std::move(bitmap), width, height, format, bits);
    } else {
        // Anything else is copied into a bitmap of our own layout.
        format = (got == sizeof ds && ds.dsBm.bmBits)
                     ? (ds.dsBmih.biBitCount == 32 ? pf32bit : pf24bit)
                     : pfDevice;
        TOwnedBitmapHandle copy = CreateBitmapOfFormat(width, height, format, &bits);
        {
            TMemoryDC from(nullptr), to(nullptr);
            TScopedSelect selectFrom(from.Get(), bitmap.Get());
            TScopedSelect selectTo(to.Get(), copy.Get());
            BitBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, SRCCOPY);
        }
        Replace(std::move(copy), width, height, format, bits);
    }
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (!handle_)
        return clDefault;
    const COLORREF c = GetPixel(SourceDC(), 0, 0);
    return c == CLR_INVALID ? clDefault : static_cast<TColor>(c & RgbMask);
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color == clDefault) {
        SetTransparentMode(tmAuto);
        return;
    }
    transparentColor_ = color;
    transparentMode_ = tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_)
        return;
    if (mode == tmAuto)
        transparentColor_ = clDefault;
    else if (transparentColor_ == clDefault)
        transparentColor_ = TransparentColor();
    transparentMode_ = mode;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty() || r.Width() == 0 || r.Height() == 0)
        return;
    HDC dest = canvas.Handle();
    HDC source = SourceDC();
    if (Transparent()) {
        const UINT key = ColorToRGB(TransparentColor());
        TransparentBlt(dest, r.Left, r.Top, r.Width(), r.Height(), source, 0, 0, width_, height_,
                       key);
        return;
    }
    if (r.Width() == width_ && r.Height() == height_) {
        BitBlt(dest, r.Left, r.Top, width_, height_, source, 0, 0, canvas.CopyMode());
        return;
    }
    const int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
    StretchBlt(dest, r.Left, r.Top, r.Width(), r.Height(), source, 0, 0, width_, height_,
               canvas.CopyMode());
    SetStretchBltMode(dest, oldMode);
}

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        Replace({}, 0, 0, format_, nullptr);
        Changed();
        return;
    }
    if (auto* picture = As<TPicture>(source)) {
        Assign(picture->Graphic());
        return;
    }
    auto* other = As<TBitmap>(source);
    if (!other) {
        TGraphic::Assign(source);
        return;
    }
    if (other == this)
        return;
    if (bits_ && other->bits_ && width_ == other->width_ && height_ == other->height_ &&
        format_ == other->format_) {
        // Same size and format: copy the pixels into the bitmap we already have.
        GdiFlush();
        std::memcpy(bits_, other->bits_, DibStride(width_, BitsPerPixel(format_)) * height_);
        transparentMode_ = other->transparentMode_;
        transparentColor_ = other->transparentColor_;
        TGraphic::SetTransparent(other->Transparent());
        Changed();
        return;
    }
    void* bits = nullptr;
    TOwnedBitmapHandle copy =
        CreateBitmapOfFormat(other->width_, other->height_, other->format_, &bits);
    if (copy) {
        if (other->bits_ && bits) {
            GdiFlush();
            std::memcpy(bits, other->bits_,
                        DibStride(other->width_, BitsPerPixel(other->format_)) * other->height_);
        } else {
            TMemoryDC temp(nullptr);
            TScopedSelect select(temp.Get(), copy.Get());
            BitBlt(temp.Get(), 0, 0, other->width_, other->height_, other->SourceDC(), 0, 0,
                   SRCCOPY);
        }
    }
    Replace(std::move(copy), other->width_, other->height_, other->format_, bits);
    transparentMode_ = other->transparentMode_;
    transparentColor_ = other->transparentColor_;
    TGraphic::SetTransparent(other->Transparent());
    Changed();
}

void TBitmap::SetPixels(int width, int height, const std::vector<uint32_t>& argb,
                        TPixelFormat format) {
    if (width < 0 || height < 0 ||
        argb.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
        throw EGraphicsError("pixel buffer does not match the bitmap size");
    const TPixelFormat dibFormat = format == pf32bit ? pf32bit : pf24bit;
    void* bits = nullptr;
    TOwnedBitmapHandle fresh = CreateBitmapOfFormat(width, height, dibFormat, &bits);
    if (fresh) {
        const size_t stride = DibStride(width, BitsPerPixel(dibFormat));
        auto* base = static_cast<uint8_t*>(bits);
        for (int y = 0; y < height; ++y) {
            const uint32_t* src = argb.data() + static_cast<size_t>(y) * width;
            uint8_t* row = base + stride * y;
            if (dibFormat == pf32bit) {
                std::memcpy(row, src, static_cast<size_t>(width) * 4);
            } else {
                for (int x = 0; x < width; ++x) {
                    row[3 * x] = static_cast<uint8_t>(src[x]);
                    row[3 * x + 1] = static_cast<uint8_t>(src[x] >> 8);
                    row[3 * x + 2] = static_cast<uint8_t>(src[x] >> 16);
                }
            }
        }
    }
    Replace(std::move(fresh), width, height, dibFormat, bits);
    if (format == pfDevice)
        SetPixelFormat(pfDevice);
    else
        Changed();
}

// The common case of an uncompressed 24-bit image with a 40-byte information header, copied
// row by row into a 24-bit DIB section; anything else goes through the decoder. `pixels` is
// where the pixel rows start within `info .. info + size`. The limits are the decoder's.
bool TBitmap::LoadPlain24(const uint8_t* info, size_t size, size_t pixelsOffset) {
    auto u16 = [&](size_t at) { return static_cast<uint32_t>(info[at] | (info[at + 1] << 8)); };
    auto u32 = [&](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    if (size < 40 || u32(0) != 40 || u16(12) != 1 || u16(14) != 24 || u32(16) != 0 || u32(32) != 0)
        return false;
    const int32_t width = static_cast<int32_t>(u32(4));
    const int32_t rawHeight = static_cast<int32_t>(u32(8));
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > kMaxSide)
        return false;
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const size_t stride = DibStride(width, 24);
    if (height > kMaxSide || uint64_t(width) * uint64_t(height) > (uint64_t{1} << 26) ||
        pixelsOffset > size || (size - pixelsOffset) / stride < size_t(height))
        return false;
    void* bits = nullptr;
    TOwnedBitmapHandle fresh = CreateBitmapOfFormat(width, height, pf24bit, &bits);
    auto* out = static_cast<uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const int sourceRow = rawHeight > 0 ? height - 1 - y : y; // bottom-up files flip
        std::memcpy(out + stride * y, info + pixelsOffset + stride * sourceRow, stride);
    }
    Replace(std::move(fresh), width, height, pf24bit, bits);
    Changed();
    return true;
}

void TBitmap::LoadFromMemory(const uint8_t* data, size_t size) {
    if (size >= 14 && data[0] == 'B' && data[1] == 'M') {
        const size_t offset =
            data[10] | (data[11] << 8) | (data[12] << 16) | (size_t(data[13]) << 24);
        if (offset >= 14 + 40 && LoadPlain24(data + 14, size - 14, offset - 14))
            return;
    }
    TDecodedBmp decoded;
    try {
        decoded = DecodeBmpFile(data, size);
    } catch (const EBmpError& e) {
        throw EGraphicsError(std::string("invalid bitmap: ") + e.what());
    }
    SetPixels(decoded.Width, decoded.Height, decoded.Pixels, decoded.HasAlpha ? pf32bit : pf24bit);
}

// An RT_BITMAP resource is a BMP file image without its 14-byte file header.
void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
    HRSRC info = FindResourceA(instance, name.c_str(), RT_BITMAP);
    HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
    const void* data = resource ? LockResource(resource) : nullptr;
    if (!data)
        throw EGraphicsError("bitmap resource '" + name + "' not found");
    if (LoadPlain24(static_cast<const uint8_t*>(data), SizeofResource(instance, info), 40))
        return;
    TDecodedBmp decoded;
    try {
        decoded = DecodeBmpInfo(static_cast<const uint8_t*>(data), SizeofResource(instance, info));
    } catch (const EBmpError& e) {
        throw EGraphicsError("bitmap resource '" + name + "' is invalid: " + e.what());
    }
    SetPixels(decoded.Width, decoded.Height, decoded.Pixels, decoded.HasAlpha ? pf32bit : pf24bit);
}

std::vector<uint32_t> TBitmap::CopyPixels() const {
    std::vector<uint32_t> pixels(static_cast<size_t>(width_) * height_);
    if (!handle_)
        return pixels;
    GdiFlush();
    if (bits_) {
        const size_t stride = DibStride(width_, BitsPerPixel(format_));
        const auto* base = static_cast<const uint8_t*>(bits_);
        for (int y = 0; y < height_; ++y) {
            const uint8_t* row = base + stride * y;
            uint32_t* out = &pixels[static_cast<size_t>(y) * width_];
            if (format_ == pf32bit)
                std::memcpy(out, row, static_cast<size_t>(width_) * 4);
            else
                for (int x = 0; x < width_; ++x)
                    out[x] = row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
        }
        return pixels;
    }
    void* bits = nullptr;
    TOwnedBitmapHandle temp = CreateBitmapOfFormat(width_, height_, pf32bit, &bits);
    {
        TMemoryDC dc(nullptr);
        TScopedSelect select(dc.Get(), temp.Get());
        BitBlt(dc.Get(), 0, 0, width_, height_, SourceDC(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    for (uint32_t& p : pixels)
        p &= RgbMask;
    return pixels;
}

uint8_t* TBitmap::ScanLine(int y) {
    if (!bits_)
        throw EGraphicsError("scan lines need a 24- or 32-bit bitmap");
    if (y < 0 || y >= height_)
        throw EGraphicsError("scan line " + std::to_string(y) + " out of range");
    GdiFlush();
    return static_cast<uint8_t*>(bits_) + DibStride(width_, BitsPerPixel(format_)) * y;
}

std::vector<uint8_t> TBitmap::SaveToMemory() const {
    if (Empty())
        throw EGraphicsError("an empty bitmap has no file image");
    return EncodeBmp24(width_, height_, CopyPixels());
}
