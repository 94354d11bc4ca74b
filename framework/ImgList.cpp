#include "framework/ImgList.h"

#include <algorithm>
#include <cstring>

namespace {
// Raster operation "PSDPxax": the brush where the source bit is 0, the target where it is 1.
constexpr DWORD kPaintZeroBitsWithBrush = 0x00B8074A;
constexpr TColor kButtonHighlight = SystemColorBase | COLOR_BTNHIGHLIGHT;
constexpr TColor kButtonShadow = SystemColorBase | COLOR_BTNSHADOW;

TOwnedBitmapHandle ColorBitmapOf(const std::vector<uint32_t>& pixels, int width, int height) {
    void* bits = nullptr;
    TOwnedBitmapHandle bitmap = CreateBitmapOfFormat(width, height, pf24bit, &bits);
    const size_t stride = ((static_cast<size_t>(width) * 24 + 31) / 32) * 4;
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<uint8_t*>(bits) + stride * y;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            row[3 * x] = static_cast<uint8_t>(p);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    return bitmap;
}

// Mono-to-colour blits turn 0 bits into the text colour and 1 bits into the background
// colour: black and white make them all-zero and all-one masks.
class TMonoBlitColors {
public:
    explicit TMonoBlitColors(HDC dc)
        : dc_(dc), text_(SetTextColor(dc, RGB(0, 0, 0))),
          back_(SetBkColor(dc, RGB(255, 255, 255))) {}
    ~TMonoBlitColors() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
    }
    TMonoBlitColors(const TMonoBlitColors&) = delete;
    TMonoBlitColors& operator=(const TMonoBlitColors&) = delete;

private:
    HDC dc_;
    COLORREF text_, back_;
};

void PaintShape(HDC dest, int x, int y, int width, int height, HDC shape, TColor color) {
    TOwnedBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    TScopedSelect selectBrush(dest, brush.Get());
    TMonoBlitColors colors(dest);
    BitBlt(dest, x, y, width, height, shape, 0, 0, kPaintZeroBitsWithBrush);
}
} // namespace

TOwnedBitmapHandle CreateMonochromeBitmap(int width, int height, const std::vector<bool>& bits) {
    const size_t stride = ((static_cast<size_t>(width) + 15) / 16) * 2; // rows are WORD-aligned
    std::vector<uint8_t> data(stride * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (bits[static_cast<size_t>(y) * width + x])
                data[stride * y + x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
    TOwnedBitmapHandle bitmap(CreateBitmap(width, height, 1, 1, data.data()));
    if (!bitmap)
        throw EGraphicsError("cannot create a mask bitmap");
    return bitmap;
}

VFC_DESCRIBE(TCustomImageList) {
    b.Property("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).WithDefault(16);
    b.Property("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).WithDefault(true);
    b.Property("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).WithDefault(16);
    b.Field("OnChange", &TCustomImageList::OnChange);
}

VFC_DESCRIBE(TImageList) {
    (void)b;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}
TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::Changed() {
    OnChange(this);
}

void TCustomImageList::SetWidth(int width) {
    width = std::max(width, 1);
    if (width == width_)
        return;
    width_ = width;
    images_.clear();
    Changed();
}

void TCustomImageList::SetHeight(int height) {
    height = std::max(height, 1);
    if (height == height_)
        return;
    height_ = height;
    images_.clear();
    Changed();
}

void TCustomImageList::SetMasked(bool masked) {
    if (masked == masked_)
        return;
    masked_ = masked;
    Changed();
}

int TCustomImageList::AddPieces(const std::vector<uint32_t>& pixels, int width, int height,
                                const std::vector<bool>& transparent) {
    const int pieces = width / width_;
    if (pieces == 0)
        throw EGraphicsError("image of width " + std::to_string(width) +
                             " is narrower than the image list's " + std::to_string(width_));
    const int first = Count();
    std::vector<TImage> added;
    for (int piece = 0; piece < pieces; ++piece) {
        TImage image;
        // Rows the source lacks are black, and transparent in a masked image.
        image.Pixels.assign(static_cast<size_t>(width_) * height_, 0);
        if (!transparent.empty())
            image.Transparent.assign(image.Pixels.size(), true);
        for (int y = 0; y < std::min(height, height_); ++y)
            for (int x = 0; x < width_; ++x) {
                const size_t from = static_cast<size_t>(y) * width + piece * width_ + x;
                const size_t to = static_cast<size_t>(y) * width_ + x;
                image.Pixels[to] = pixels[from] & RgbMask;
                if (!transparent.empty())
                    image.Transparent[to] = transparent[from];
            }
        image.Color = ColorBitmapOf(image.Pixels, width_, height_);
        if (!image.Transparent.empty())
            image.Mask = CreateMonochromeBitmap(width_, height_, image.Transparent);
        added.push_back(std::move(image));
    }
    for (TImage& image : added)
        images_.push_back(std::move(image));
    Changed();
    return first;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image || image->Empty())
        throw EGraphicsError("no image to add");
    const std::vector<uint32_t> pixels = image->CopyPixels();
    std::vector<bool> transparent;
    if (mask && !mask->Empty()) {
        const std::vector<uint32_t> maskPixels = mask->CopyPixels();
        transparent.assign(pixels.size(), false);
        for (int y = 0; y < std::min(image->Height(), mask->Height()); ++y)
            for (int x = 0; x < std::min(image->Width(), mask->Width()); ++x)
                transparent[static_cast<size_t>(y) * image->Width() + x] =
                    (maskPixels[static_cast<size_t>(y) * mask->Width() + x] & RgbMask) == RgbMask;
    }
    return AddPieces(pixels, image->Width(), image->Height(), transparent);
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image || image->Empty())
        throw EGraphicsError("no image to add");
    const std::vector<uint32_t> pixels = image->CopyPixels();
    std::vector<bool> transparent;
    if (maskColor != clNone) {
        const COLORREF key = ColorToRGB(maskColor);
        // Pixels are 0x00RRGGBB, COLORREF is 0x00BBGGRR.
        const uint32_t rgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
        transparent.resize(pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i)
            transparent[i] = (pixels[i] & RgbMask) == rgb;
    }
    return AddPieces(pixels, image->Width(), image->Height(), transparent);
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    images_.erase(images_.begin() + index);
    Changed();
}

void TCustomImageList::Clear() {
    if (images_.empty())
        return;
    images_.clear();
    Changed();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    const TImage& image = images_[static_cast<size_t>(index)];
    HDC dest = canvas.Handle();
    TMemoryDC source(nullptr);
    TScopedSelect selectColor(source.Get(), image.Color.Get());
    if (!enabled) {
        // The shape: pixels drawn and darker than light grey.
        std::vector<bool> keep(image.Pixels.size());
        for (size_t i = 0; i < image.Pixels.size(); ++i) {
            const uint32_t p = image.Pixels[i];
            const uint32_t luma =
                (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
            const bool hidden = masked_ && !image.Transparent.empty() && image.Transparent[i];
            keep[i] = hidden || luma >= 0xC0;
        }
        TOwnedBitmapHandle shape = CreateMonochromeBitmap(width_, height_, keep);
        TMemoryDC shapeDC(nullptr);
        TScopedSelect selectShape(shapeDC.Get(), shape.Get());
        PaintShape(dest, x + 1, y + 1, width_, height_, shapeDC.Get(), kButtonHighlight);
        PaintShape(dest, x, y, width_, height_, shapeDC.Get(), kButtonShadow);
        return;
    }
    if (!masked_ || !image.Mask) {
        BitBlt(dest, x, y, width_, height_, source.Get(), 0, 0, SRCCOPY);
        return;
    }
    // target ^ image, cleared where the image is opaque, ^ image again: the target where the
    // mask is set, the image elsewhere.
    TMemoryDC maskDC(nullptr);
    TScopedSelect selectMask(maskDC.Get(), image.Mask.Get());
    TMonoBlitColors colors(dest);
    BitBlt(dest, x, y, width_, height_, source.Get(), 0, 0, SRCINVERT);
    BitBlt(dest, x, y, width_, height_, maskDC.Get(), 0, 0, SRCAND);
    BitBlt(dest, x, y, width_, height_, source.Get(), 0, 0, SRCINVERT);
}

void TCustomImageList::GetBitmap(int index, TBitmap* dest) const {
    if (!dest || index < 0 || index >= Count())
        return;
    dest->SetPixels(width_, height_, images_[static_cast<size_t>(index)].Pixels, pf24bit);
}
