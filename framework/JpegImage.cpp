#include "framework/JpegImage.h"

#include "framework/JpegDecoder.h"
#include "framework/Picture.h"

VFC_DESCRIBE(TJPEGImage) {
    (void)b;
}

void TJPEGImage::LoadFromMemory(const uint8_t* data, size_t size) {
    TDecodedJpeg decoded;
    try {
        decoded = DecodeJpeg(data, size);
    } catch (const EJpegError& e) {
        throw EGraphicsError(e.what());
    }
    bitmap_.SetPixels(decoded.Width, decoded.Height, decoded.Pixels, pf24bit);
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    bitmap_.SetTransparent(Transparent());
    bitmap_.Draw(canvas, rect);
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (!source) {
        bitmap_.Assign(nullptr);
        Changed();
        return;
    }
    if (auto* picture = As<TPicture>(source)) {
        Assign(picture->Graphic());
        return;
    }
    auto* other = As<TJPEGImage>(source);
    if (!other) {
        TGraphic::Assign(source);
        return;
    }
    if (other == this)
        return;
    bitmap_.Assign(&other->bitmap_);
    Changed();
}
