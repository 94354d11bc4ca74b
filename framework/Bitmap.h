// Bitmaps: a device-dependent bitmap in the screen's format, or a 24- or 32-bit DIB section,
// with a canvas on its own memory DC and an optional transparent colour.
#pragma once

#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "framework/Graphic.h"

#include <memory>
#include <string>
#include <vector>

enum TPixelFormat { pfDevice, pf24bit, pf32bit };
template <> const TEnumInfo& EnumInfoOf<TPixelFormat>();

// tmAuto: the transparent colour is the colour of the top-left pixel. tmFixed: TransparentColor.
enum TTransparentMode { tmAuto, tmFixed };
template <> const TEnumInfo& EnumInfoOf<TTransparentMode>();

class TBitmap : public TGraphic {
    VFC_CLASS(TBitmap, TGraphic)
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Keeps the pixels that still fit (top-left aligned); new area is white.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the pixels to the new format.
    void SetPixelFormat(TPixelFormat format);

    // A canvas drawing on the bitmap. Owned by the bitmap.
    TCanvas* Canvas() const;
    // The bitmap object; stays owned by the bitmap (null while empty).
    HBITMAP Handle() const { return handle_.Get(); }
    // Takes over a bitmap made elsewhere (a DDB or any DIB section).
    void SetHandle(TOwnedBitmapHandle bitmap);

    // tmAuto reads the top-left pixel; setting a colour switches to tmFixed, clDefault to tmAuto.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // Opaque with the canvas's CopyMode, or leaving out the transparent colour when
    // Transparent is true.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Deep copy of a bitmap (or of the bitmap a picture holds); nullptr empties.
    void Assign(const TPersistent* source) override;

    // A BMP file image (any depth the decoder reads): 32-bit when it has alpha, else 24-bit.
    void LoadFromMemory(const uint8_t* data, size_t size) override;
    using TGraphic::LoadFromMemory;
    // A bitmap resource (RT_BITMAP) of a module, by name or "#id", through the BMP decoder.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    // A 24-bit bottom-up BMP file image.
    std::vector<uint8_t> SaveToMemory() const;

    // Row y of a 24- or 32-bit bitmap (top-down, BGR or BGRA). Raises for pfDevice.
    uint8_t* ScanLine(int y);
    // All pixels, top-down, as 0x00RRGGBB (0xAARRGGBB for pf32bit).
    std::vector<uint32_t> CopyPixels() const;
    // Replaces the contents by top-down 0xAARRGGBB pixels.
    void SetPixels(int width, int height, const std::vector<uint32_t>& argb,
                   TPixelFormat format = pf24bit);

private:
    class TBitmapCanvas;
    friend class TBitmapCanvas;

    HDC SourceDC() const;
    bool LoadPlain24(const uint8_t* info, size_t size, size_t pixelsOffset);
    void AttachDC() const;
    void Replace(TOwnedBitmapHandle bitmap, int width, int height, TPixelFormat format, void* bits);
    void DropDC();

    TOwnedBitmapHandle handle_;
    void* bits_ = nullptr; // DIB sections only
    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = pfDevice;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;

    mutable TMemoryDC dc_;
    mutable HGDIOBJ dcOriginalBitmap_ = nullptr;
    mutable std::unique_ptr<TBitmapCanvas> canvas_;
};

// Makes a bitmap of the given format; the contents are undefined. Raises EGraphicsError.
TOwnedBitmapHandle CreateBitmapOfFormat(int width, int height, TPixelFormat format,
                                        void** bits = nullptr);
