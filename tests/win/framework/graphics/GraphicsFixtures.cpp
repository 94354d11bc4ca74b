#include "GraphicsFixtures.h"

#include "framework/Graphics.h"

std::string FixturePath(const std::string& name) {
    return std::string(VFC_GRAPHICS_FIXTURES) + "/" + name;
}

std::vector<uint8_t> ReadFixture(const std::string& name) {
    return ReadGraphicFile(FixturePath(name));
}
