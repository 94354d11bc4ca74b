#include "framework/Picture.h"

#include "framework/TypeInfo.h"

const std::vector<TGraphicFileFormat>& GraphicFileFormats() {
    static const std::vector<TGraphicFileFormat> formats{
        {"bmp", "Bitmaps", &TBitmap::StaticClass},
        {"ico", "Icons", &TIcon::StaticClass},
        {"jpeg", "JPEG Image File", &TJPEGImage::StaticClass},
        {"jpg", "JPEG Image File", &TJPEGImage::StaticClass},
    };
    return formats;
}

const TGraphicFileFormat* FindGraphicFileFormat(std::string_view extension) {
    for (const TGraphicFileFormat& f : GraphicFileFormats())
        if (SameText(f.Extension, extension))
            return &f;
    return nullptr;
}

namespace {
std::unique_ptr<TGraphic> CreateGraphic(const TClassInfo& info) {
    if (!info.Create || !info.InheritsFrom(TGraphic::StaticClass()))
        throw EGraphicsError(std::string("cannot create a graphic of class ") + info.Name());
    return std::unique_ptr<TGraphic>(static_cast<TGraphic*>(info.Create(nullptr)));
}
} // namespace

VFC_DESCRIBE(TPicture) {
    b.Field("OnChange", &TPicture::OnChange);
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Hold(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = TNotifyEvent::Bind<&TPicture::GraphicChanged>(this);
    OnChange(this);
}

void TPicture::GraphicChanged(TObject*) {
    OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == graphic_.get())
        return;
    if (!graphic) {
        Hold(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = CreateGraphic(graphic->ClassInfo());
    copy->Assign(graphic);
    Hold(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (!As<TBitmap>(graphic_.get()))
        Hold(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
    if (!As<TIcon>(graphic_.get()))
        Hold(std::make_unique<TIcon>());
    return static_cast<TIcon*>(graphic_.get());
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* picture = As<TPicture>(source)) {
        if (picture != this)
            SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = As<TGraphic>(source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}

bool TPicture::AssignResource(const std::string& name) {
    auto bitmap = std::make_unique<TBitmap>();
    try {
        bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), name);
    } catch (const EGraphicsError&) {
        return false;
    }
    Hold(std::move(bitmap));
    return true;
}

bool TPicture::LoadData(const std::vector<uint8_t>& data) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromMemory(data);
    Hold(std::move(bitmap));
    return true;
}

bool TPicture::SaveData(std::vector<uint8_t>& data) const {
    auto* bitmap = As<TBitmap>(graphic_.get());
    if (!bitmap || bitmap->Empty())
        return false;
    data = bitmap->SaveToMemory();
    return true;
}

void TPicture::LoadFromFile(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("/\\");
    const std::string_view extension =
        dot == std::string::npos || (slash != std::string::npos && dot < slash)
            ? std::string_view()
            : std::string_view(path).substr(dot + 1);
    const TGraphicFileFormat* format = FindGraphicFileFormat(extension);
    if (!format)
        throw EGraphicsError("unknown picture extension '." + std::string(extension) + "'");
    std::unique_ptr<TGraphic> graphic = CreateGraphic(format->GraphicClass());
    graphic->LoadFromFile(path);
    Hold(std::move(graphic));
}
