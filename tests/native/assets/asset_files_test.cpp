// Format and size of the launcher's pictures and icon as committed in assets/, and the resource
// script that compiles them in.
#include "dib_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace asset_check;

const std::string kAssets = VFC_ASSETS_DIR;

struct Picture {
    std::string resource;
    std::string file;
    int width;
    int height;
};

struct Button {
    const char* name; // control name without the "btn" prefix
    int width;
    int height;
};

constexpr std::array<Button, 10> kButtons{{{"VideoEditor", 243, 116},
                                           {"VideoConverter", 230, 80},
                                           {"ScreenRecorder", 243, 79},
                                           {"AudioRecorder", 230, 146},
                                           {"DVDRipper", 243, 116},
                                           {"Close", 29, 20},
                                           {"VideoDVDMaker", 230, 116},
                                           {"SlideVideoMaker", 230, 115},
                                           {"AudioConverter", 230, 173},
                                           {"Homepage", 78, 24}}};

constexpr std::array<std::pair<const char*, const char*>, 3> kStates{
    {{"NORMAL", "Normal"}, {"MOUSEON", "MouseOn"}, {"MOUSEDOWN", "MouseDown"}}};

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

std::vector<Picture> button_pictures(const Button& button) {
    std::vector<Picture> out;
    for (const auto& [resource_state, file_state] : kStates) {
        out.push_back({"BTN" + upper(button.name) + "_" + resource_state,
                       std::string(button.name) + "_" + file_state + ".bmp", button.width,
                       button.height});
    }
    return out;
}

std::vector<Picture> all_pictures() {
    std::vector<Picture> out{{"MAIN_BACKGROUND", "MainBackground.bmp", 800, 480}};
    for (const Button& button : kButtons) {
        auto three = button_pictures(button);
        out.insert(out.end(), three.begin(), three.end());
    }
    return out;
}

TEST(AssetPictures, AreUncompressedBottomUp24BitBmpsOfTheirControlsSize) {
    auto pictures = all_pictures();
    ASSERT_EQ(pictures.size(), 31u);
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.file);
        Bmp bmp = read_bmp(kAssets + "/" + p.file);
        std::size_t pixels = row_stride(p.width, 24) * p.height;
        EXPECT_EQ(bmp.file_size_field, bmp.bytes.size());
        EXPECT_EQ(bmp.pixel_offset, 14u + 40u);
        EXPECT_EQ(bmp.info.size, 40u);
        EXPECT_EQ(bmp.info.width, p.width);
        EXPECT_EQ(bmp.info.height, p.height); // positive: rows stored bottom-up
        EXPECT_EQ(bmp.info.planes, 1u);
        EXPECT_EQ(bmp.info.bit_count, 24u);
        EXPECT_EQ(bmp.info.compression, 0u); // BI_RGB
        EXPECT_TRUE(bmp.info.image_size == 0 || bmp.info.image_size == pixels);
        EXPECT_EQ(bmp.bytes.size(), 54u + pixels);
    }
}

TEST(AssetPictures, ThreePicturesOfAButtonShareOneSizeAndDiffer) {
    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.name);
        auto three = button_pictures(button);
        Bmp normal = read_bmp(kAssets + "/" + three[0].file);
        for (std::size_t i = 1; i < three.size(); ++i) {
            Bmp other = read_bmp(kAssets + "/" + three[i].file);
            EXPECT_EQ(other.info.width, normal.info.width);
            EXPECT_EQ(other.info.height, normal.info.height);
            EXPECT_NE(other.bytes, normal.bytes) << three[i].file << " looks like the normal one";
        }
    }
}

// The close button is drawn transparently: the colour of its top-left pixel is left out.
TEST(AssetPictures, CloseButtonHasItsKeyColourAroundAVisibleGlyph) {
    for (const Picture& p : button_pictures({"Close", 29, 20})) {
        SCOPED_TRACE(p.file);
        Bmp bmp = read_bmp(kAssets + "/" + p.file);
        std::uint32_t key = bmp.pixel(0, 0);
        int w = bmp.info.width, h = bmp.info.height;
        EXPECT_EQ(bmp.pixel(w - 1, 0), key);
        EXPECT_EQ(bmp.pixel(0, h - 1), key);
        EXPECT_EQ(bmp.pixel(w - 1, h - 1), key);
        int drawn = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                drawn += bmp.pixel(x, y) != key;
            }
        }
        EXPECT_GT(drawn, 30) << "no glyph";
        EXPECT_NE(bmp.pixel(w / 2, h / 2), key) << "centre of the cross is transparent";
    }
}

TEST(AssetIcon, HoldsFourSquare32BitImagesWithAlpha) {
    Icon icon = read_icon(kAssets + "/VelmoraCenter.ico");
    EXPECT_EQ(icon.reserved, 0u);
    EXPECT_EQ(icon.type, 1u);
    ASSERT_EQ(icon.entries.size(), 4u);
    std::vector<std::uint32_t> sides;
    for (const IconEntry& e : icon.entries) {
        SCOPED_TRACE(e.width);
        sides.push_back(e.width);
        EXPECT_EQ(e.height, e.width);
        EXPECT_EQ(e.planes, 1u);
        EXPECT_EQ(e.bit_count, 32u);
        ASSERT_LE(std::size_t{e.offset} + e.bytes_in_res, icon.bytes.size());

        InfoHeader dib = read_info_header(icon.bytes, e.offset);
        std::size_t colour = std::size_t{4} * e.width * e.width;
        std::size_t mask = row_stride(e.width, 1) * e.width;
        EXPECT_EQ(dib.size, 40u);
        EXPECT_EQ(dib.width, static_cast<std::int32_t>(e.width));
        EXPECT_EQ(dib.height, static_cast<std::int32_t>(2 * e.width));
        EXPECT_EQ(dib.bit_count, 32u);
        EXPECT_EQ(dib.compression, 0u);
        ASSERT_EQ(e.bytes_in_res, 40u + colour + mask);

        int clear = 0, opaque = 0;
        for (std::size_t i = 0; i < colour; i += 4) {
            std::uint8_t alpha = icon.bytes[e.offset + 40 + i + 3];
            clear += alpha == 0;
            opaque += alpha == 255;
        }
        EXPECT_GT(clear, 0) << "no transparent pixel: alpha unused";
        EXPECT_GT(opaque, static_cast<int>(e.width * e.width / 2));
    }
    EXPECT_EQ(sides, (std::vector<std::uint32_t>{48, 32, 24, 16}));
}

struct Statement {
    std::string name;
    std::string type;
    std::string file;
};

std::vector<Statement> read_resource_script(const std::string& path) {
    std::ifstream in(path);
    std::vector<Statement> out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        Statement s;
        if (!(words >> s.name) || s.name.rfind("//", 0) == 0) {
            continue;
        }
        words >> s.type >> std::quoted(s.file);
        out.push_back(s);
    }
    return out;
}

TEST(ResourceScript, NamesEveryAssetWithItsFileAndTheIconFirst) {
    auto statements = read_resource_script(kAssets + "/launcher.rc");
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.front().name, "MAINICON");
    EXPECT_EQ(statements.front().type, "ICON");
    EXPECT_EQ(statements.front().file, "VelmoraCenter.ico");

    std::map<std::string, Statement> by_name;
    for (const Statement& s : statements) {
        EXPECT_TRUE(by_name.emplace(s.name, s).second) << "duplicate " << s.name;
    }
    for (const Picture& p : all_pictures()) {
        SCOPED_TRACE(p.resource);
        auto found = by_name.find(p.resource);
        ASSERT_NE(found, by_name.end());
        EXPECT_EQ(found->second.type, "BITMAP");
        EXPECT_EQ(found->second.file, p.file);
    }
    EXPECT_EQ(statements.size(), 32u);
}

} // namespace
