#include "framework/Graphic.h"

#include "framework/GraphicsObjects.h"

#include <fstream>
#include <iterator>

VFC_DESCRIBE(TGraphic) {
    b.Property("Transparent", &TGraphic::Transparent, &TGraphic::SetTransparent).WithDefault(false);
    b.Field("OnChange", &TGraphic::OnChange);
}

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed() {
    OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& path) {
    LoadFromMemory(ReadGraphicFile(path));
}

std::vector<uint8_t> ReadGraphicFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EGraphicsError("cannot open " + path);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (in.bad())
        throw EGraphicsError("cannot read " + path);
    return bytes;
}
