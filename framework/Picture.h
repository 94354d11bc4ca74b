// A picture holds one graphic of any kind, or none, and owns it.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Icon.h"
#include "framework/JpegImage.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A graphic class that pictures load files of, by extension (without the dot).
struct TGraphicFileFormat {
    const char* Extension;
    const char* Description;
    const TClassInfo& (*GraphicClass)();
};

// The formats known to pictures: bmp, ico, jpeg, jpg.
const std::vector<TGraphicFileFormat>& GraphicFileFormats();
// Case-insensitive look-up; null for an unknown extension.
const TGraphicFileFormat* FindGraphicFileFormat(std::string_view extension);

class TPicture : public TPersistent {
    VFC_CLASS(TPicture, TPersistent)
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of the given graphic (of the same class); nullptr empties the picture.
    void SetGraphic(const TGraphic* graphic);
    // The bitmap held; an empty bitmap replaces whatever else (or nothing) was held.
    TBitmap* Bitmap();
    // Likewise for an icon.
    TIcon* Icon();

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Copies a picture's or a graphic's contents; nullptr empties.
    void Assign(const TPersistent* source) override;
    // Loads the executable's bitmap resource of that name; false when there is none.
    bool AssignResource(const std::string& name) override;
    // Layout data: a BMP file image. A picture holding no bitmap stores nothing.
    bool LoadData(const std::vector<uint8_t>& data) override;
    bool SaveData(std::vector<uint8_t>& data) const override;
    // Chooses the graphic class by the file's extension. Raises EGraphicsError for an unknown
    // extension or unreadable contents; the picture is then unchanged.
    void LoadFromFile(const std::string& path);

    TNotifyEvent OnChange;

private:
    void Hold(std::unique_ptr<TGraphic> graphic);
    void GraphicChanged(TObject*);

    std::unique_ptr<TGraphic> graphic_;
};
