// The style bitmaps in resources/bmp against the names the theme table and the frame code
// load, their sizes and the stored form the resource compiler and the loader expect.
#include "skin/BuiltinThemeTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kResources = VFC_STYLES_DIR;

struct Size {
    int W;
    int H;
};

// suffix -> sizes for MacOS, WinXP, DeepBlue, Protein, BlueGlass.
const std::map<std::string, std::vector<Size>> kStyleSizes = {
    {"BUTTON", {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
    {"TITLEBTN", {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
    {"TITLE_LEFT", {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
    {"TITLE_CLIENT", {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
    {"TITLE_RIGHT", {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
    {"CHECKBOX", {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"RADIOBUTTON", {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {"PROGRESSBAR", {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
    {"TRACKBAR_BAR", {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
    {"TRACKBAR_SLIDER", {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
    {"TRACKBAR_SLIDER_V", {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
    {"SCROLLBAR_BUTTON", {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
    {"SCROLLBAR_TRACK", {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
    {"CHECKLIST", {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
    {"TAB", {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
    {"TAB_LINE", {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
    {"SIDECHENNEL_HANDLE", {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
    {"SIDECHENNEL_BAR", {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
};

const char* const kPrefixes[5] = {"MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};
const TsuiUIStyle kStyles[5] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

// Expected size of every resource, by name.
std::map<std::string, Size> ExpectedSizes() {
    std::map<std::string, Size> sizes;
    for (const auto& [suffix, perStyle] : kStyleSizes)
        for (int s = 0; s < 5; ++s)
            sizes[kPrefixes[s] + suffix] = perStyle[s];
    sizes["MACOS_SCROLLBUTTON"] = {72, 18};
    sizes["WINXP_SCROLLBUTTON"] = {72, 18};
    sizes["MORE_SCROLLBUTTON"] = {72, 17};
    sizes["MACOS_MENU_BAR"] = {1, 22};
    sizes["MACOS_MENU_SELECT"] = {1, 21};
    sizes["MACOS_FORM_BACKGROUND"] = {8, 8};
    sizes["PROTEIN_FORM_BACKGROUND"] = {8, 8};
    sizes["MENU_CHECKED"] = {16, 16};
    return sizes;
}

struct Dib {
    int Width = 0;
    int Height = 0;
    int Bits = 0;
    std::vector<uint8_t> File;
    uint32_t PixelOffset = 0;
    int Stride() const { return ((Width * Bits + 31) / 32) * 4; }
    // (r, g, b) of a 24-bit pixel, y counted from the top.
    uint32_t Rgb(int x, int y) const {
        const size_t at = PixelOffset + static_cast<size_t>(Height - 1 - y) * Stride() + x * 3;
        return (File[at + 2] << 16) | (File[at + 1] << 8) | File[at];
    }
    int Index4(int x, int y) const {
        const uint8_t b =
            File[PixelOffset + static_cast<size_t>(Height - 1 - y) * Stride() + x / 2];
        return x % 2 == 0 ? b >> 4 : b & 0x0F;
    }
};

uint32_t U32(const std::vector<uint8_t>& f, size_t at) {
    return f[at] | (f[at + 1] << 8) | (f[at + 2] << 16) | (static_cast<uint32_t>(f[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& f, size_t at) {
    return static_cast<uint16_t>(f[at] | (f[at + 1] << 8));
}

// Reads a BMP and checks the stored form: "BM", a 40-byte header, one plane, BI_RGB,
// bottom-up rows, sizes and offsets that add up.
Dib ReadDib(const fs::path& path) {
    Dib dib;
    std::ifstream in(path, std::ios::binary);
    dib.File.assign(std::istreambuf_iterator<char>(in), {});
    const auto& f = dib.File;
    EXPECT_GE(f.size(), 54u) << path;
    if (f.size() < 54)
        return dib;
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(U32(f, 2), f.size()) << path;
    EXPECT_EQ(U32(f, 14), 40u) << path;
    dib.Width = static_cast<int32_t>(U32(f, 18));
    dib.Height = static_cast<int32_t>(U32(f, 22));
    EXPECT_GT(dib.Height, 0) << path << ": rows must be stored bottom-up";
    EXPECT_EQ(U16(f, 26), 1) << path;
    dib.Bits = U16(f, 28);
    EXPECT_EQ(U32(f, 30), 0u) << path << ": BI_RGB";
    dib.PixelOffset = U32(f, 10);
    const uint32_t colours = dib.Bits <= 8 ? (U32(f, 46) ? U32(f, 46) : 1u << dib.Bits) : 0;
    EXPECT_EQ(dib.PixelOffset, 54 + 4 * colours) << path;
    EXPECT_EQ(f.size(), dib.PixelOffset + static_cast<size_t>(dib.Stride()) * dib.Height) << path;
    return dib;
}

std::set<std::string> NamesInFolder() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(kResources / "bmp")) {
        EXPECT_EQ(entry.path().extension(), ".bmp") << entry.path();
        names.insert(entry.path().stem().string());
    }
    return names;
}

TEST(StylePictures, FolderHoldsExactlyTheNamedPictures) {
    std::set<std::string> expected;
    for (const auto& [name, size] : ExpectedSizes())
        expected.insert(name);
    EXPECT_EQ(NamesInFolder(), expected);
}

TEST(StylePictures, EveryBitmapRowOfTheTableHasItsPicture) {
    const std::set<std::string> present = NamesInFolder();
    for (TsuiUIStyle style : kStyles)
        for (int row = 1; row <= BuiltinRowCount; ++row) {
            const char* name = BuiltinBitmapName(style, static_cast<ThemeRow>(row));
            if (name != nullptr && *name != '\0') {
                EXPECT_TRUE(present.count(name)) << name << " (row " << row << ")";
            }
        }
}

TEST(StylePictures, SizesDepthAndStoredForm) {
    for (const auto& [name, size] : ExpectedSizes()) {
        SCOPED_TRACE(name);
        const Dib dib = ReadDib(kResources / "bmp" / (name + ".bmp"));
        EXPECT_EQ(dib.Width, size.W);
        EXPECT_EQ(dib.Height, size.H);
        EXPECT_EQ(dib.Bits, name == "MENU_CHECKED" ? 4 : 24);
    }
}

TEST(StylePictures, TitleButtonStripsHoldEighteenSquareFrames) {
    for (int s = 0; s < 5; ++s) {
        const std::string name = std::string(kPrefixes[s]) + "TITLEBTN";
        SCOPED_TRACE(name);
        const Dib dib = ReadDib(kResources / "bmp" / (name + ".bmp"));
        const int frame = dib.Width / 18;
        EXPECT_EQ(dib.Width, 18 * frame);
        EXPECT_EQ(dib.Height, frame);
    }
}

// The title bar keys out the bottom-left pixel of a button frame when the style draws its
// buttons transparent; that pixel must be the magenta background there.
TEST(StylePictures, TransparentTitleButtonsKeyOutMagentaCorners) {
    for (int s = 0; s < 5; ++s) {
        if (!GetBuiltinBool(kStyles[s], ThemeRow::TitleButtonsTransparent))
            continue;
        const std::string name = std::string(kPrefixes[s]) + "TITLEBTN";
        SCOPED_TRACE(name);
        const Dib dib = ReadDib(kResources / "bmp" / (name + ".bmp"));
        const int frame = dib.Width / 18;
        for (int i = 0; i < 18; ++i) {
            EXPECT_EQ(dib.Rgb(i * frame, frame - 1), 0xFF00FFu) << "frame " << i + 1;
            EXPECT_NE(dib.Rgb(i * frame + frame / 2, frame / 2), 0xFF00FFu) << "frame " << i + 1;
        }
    }
}

TEST(StylePictures, MenuCheckIsBlackOnTheWhiteMask) {
    const Dib dib = ReadDib(kResources / "bmp" / "MENU_CHECKED.bmp");
    ASSERT_EQ(dib.Bits, 4);
    auto colour = [&](int index) { return U32(dib.File, 54 + 4 * index) & 0xFFFFFF; };
    int black = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t c = colour(dib.Index4(x, y));
            EXPECT_TRUE(c == 0xFFFFFF || c == 0x000000) << x << "," << y;
            black += c == 0;
        }
    EXPECT_EQ(colour(dib.Index4(0, 0)), 0xFFFFFFu);
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 128);
}

TEST(StylePictures, ResourceScriptCompilesEveryPictureUnderItsName) {
    std::ifstream in(kResources / "styles.rc");
    std::set<std::string> listed;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        const size_t space = line.find(' ');
        ASSERT_NE(space, std::string::npos) << line;
        const std::string name = line.substr(0, space);
        EXPECT_EQ(line, name + " BITMAP \"bmp/" + name + ".bmp\"");
        EXPECT_TRUE(listed.insert(name).second) << "listed twice: " << name;
    }
    EXPECT_EQ(listed, NamesInFolder());
}

} // namespace
