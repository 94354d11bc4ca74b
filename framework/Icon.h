// Icons: an owned HICON, loaded from a resource or from an .ico file image.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Graphic.h"

#include <string>

class TIcon : public TGraphic {
    VFC_CLASS(TIcon, TGraphic)
    TIcon();

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    HICON Handle() const { return handle_.Get(); }
    // Takes over an icon made elsewhere.
    void SetHandle(TOwnedIconHandle icon);
    // Gives the icon up to the caller.
    [[nodiscard]] TOwnedIconHandle ReleaseHandle();

    // An icon resource (RT_GROUP_ICON) by name or "#id"; size 0 takes the system's icon size.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name, int size = 0);
    // An .ico file image: the entry closest to `size` pixels, or the largest when size is 0.
    void LoadFromMemory(const uint8_t* data, size_t size) override;
    using TGraphic::LoadFromMemory;
    void LoadFromMemory(const uint8_t* data, size_t size, int preferredSize);

    // Icons always draw with their mask.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    void Assign(const TPersistent* source) override;

private:
    void Adopt(TOwnedIconHandle icon);

    TOwnedIconHandle handle_;
    int width_ = 0;
    int height_ = 0;
};
