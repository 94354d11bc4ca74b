// Image lists: numbered images of one fixed size, each with an optional mask, drawn masked
// (leaving the masked pixels of the target untouched) or, for disabled looks, embossed.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Classes.h"

#include <vector>

class TCustomImageList : public TComponent {
    VFC_CLASS(TCustomImageList, TComponent)
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    // Changing the size empties the list.
    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    // When false every image is drawn opaque, whatever its mask.
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds image split into Width-wide pieces (at least one must fit); mask pixels that are
    // white (0xFFFFFF) mark transparent pixels, a null mask none. Returns the first new index.
    // Raises EGraphicsError when the image is narrower than Width.
    int Add(TBitmap* image, TBitmap* mask);
    // Likewise with every pixel of maskColor transparent (clNone: none).
    int AddMasked(TBitmap* image, TColor maskColor);
    void Delete(int index);
    void Clear();

    // Draws image `index` with its top-left at (x, y); out-of-range indexes draw nothing.
    // Disabled: the image's dark shape in the button highlight colour, offset by one pixel,
    // under the same shape in the button shadow colour.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // Copies image `index` (its own pixels, the masked ones included) into dest as a 24-bit
    // bitmap of the list's size. Dest keeps its transparency settings. Out of range: nothing.
    void GetBitmap(int index, TBitmap* dest) const;

    TNotifyEvent OnChange;

private:
    struct TImage {
        std::vector<uint32_t> Pixels;  // top-down 0x00RRGGBB
        std::vector<bool> Transparent; // empty: opaque image
        TOwnedBitmapHandle Color;      // 24-bit DIB of Pixels
        TOwnedBitmapHandle Mask;       // 1 bpp, 1 = transparent; null for opaque images
    };

    int AddPieces(const std::vector<uint32_t>& pixels, int width, int height,
                  const std::vector<bool>& transparent);
    void Changed();

    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    std::vector<TImage> images_;
};

class TImageList : public TCustomImageList {
    VFC_CLASS(TImageList, TCustomImageList)
    using TCustomImageList::TCustomImageList;
};

// A 1 bpp bitmap of a boolean grid (true = bit 1).
TOwnedBitmapHandle CreateMonochromeBitmap(int width, int height, const std::vector<bool>& bits);
