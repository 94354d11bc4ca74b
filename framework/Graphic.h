// The common face of pictures that a canvas can draw: bitmaps, icons, JPEG images.
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TCanvas;

class TGraphic : public TPersistent {
    VFC_CLASS(TGraphic, TPersistent)
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    // Whether drawing leaves out the graphic's transparent parts.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Draws the whole graphic into rect, stretching it when the sizes differ.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

    // A complete file image in the graphic's own format. Raises EGraphicsError (or the
    // format's decoding error) for data it cannot read; the graphic is then unchanged.
    virtual void LoadFromMemory(const uint8_t* data, size_t size) = 0;
    void LoadFromMemory(const std::vector<uint8_t>& bytes) {
        LoadFromMemory(bytes.data(), bytes.size());
    }
    void LoadFromFile(const std::string& path);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    bool transparent_ = false;
};

// Whole file contents; raises EGraphicsError when the file cannot be read.
std::vector<uint8_t> ReadGraphicFile(const std::string& path);
