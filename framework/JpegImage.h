// JPEG pictures: decoded once when loaded, kept and drawn as a 24-bit bitmap.
#pragma once

#include "framework/Bitmap.h"

class TJPEGImage : public TGraphic {
    VFC_CLASS(TJPEGImage, TGraphic)
    TJPEGImage() = default;

    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }

    // Raises EGraphicsError with the decoder's message; the image is then unchanged.
    void LoadFromMemory(const uint8_t* data, size_t size) override;
    using TGraphic::LoadFromMemory;

    void Draw(TCanvas& canvas, const TRect& rect) override;
    void Assign(const TPersistent* source) override;

    // The decoded pixels.
    const TBitmap& Bitmap() const { return bitmap_; }

private:
    TBitmap bitmap_;
};
