// Writes the skin file the gallery's end-to-end test loads: solid colours the test finds on the
// screen (form, menu items, title-bar sections, one colour per title-button frame), optionally
// locked.
//     gallery_test_skin OUTFILE [PASSWORD]
#include "format/writer/SkinWriter.h"
#include "format/writer/ZipWriter.h"
#include "framework/BmpDecoder.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {
constexpr int kStripFrames = 18;
constexpr int kFrameSize = 19;
// TColor values (0x00BBGGRR); the test holds the same numbers.
constexpr int32_t kFormColor = 0x00336699;
constexpr int32_t kMenuItemColor = 0x0099CCFF;
constexpr int32_t kMenuFontColor = 0x00000000;
constexpr int32_t kTitleFontColor = 0x00FFFFFF;
constexpr uint32_t kTitleSectionRgb = 0x204060;
constexpr int kTitleHeight = 26;
constexpr int kTitleSectionWidth = 40;
// Frame n (1-based) of the title-button strip is 0x00RRGGBB with R = 10·n, G = 0x80, B = 0x40.
constexpr uint32_t FrameRgb(int n) {
    return (uint32_t(10 * n) << 16) | 0x8040u;
}

std::vector<uint8_t> TitleButtonStrip() {
    const int width = kStripFrames * kFrameSize;
    std::vector<uint32_t> pixels(size_t(width) * kFrameSize);
    for (int y = 0; y < kFrameSize; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = FrameRgb(x / kFrameSize + 1);
    return EncodeBmp24(width, kFrameSize, pixels);
}
std::vector<uint8_t> TitleSection() {
    return EncodeBmp24(
        kTitleSectionWidth, kTitleHeight,
        std::vector<uint32_t>(size_t(kTitleSectionWidth) * kTitleHeight, kTitleSectionRgb));
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: gallery_test_skin OUTFILE [PASSWORD]\n";
        return 64;
    }
    const std::vector<TSkinRecord> records{
        IntegerRecord("SKIN2_FORMCOLOR", kFormColor),
        IntegerRecord("SKIN2_MENUITEMCOLOR", kMenuItemColor),
        IntegerRecord("SKIN2_MENUITEMFONTCOLOR", kMenuFontColor),
        IntegerRecord("SKIN2_TITLEFONTCOLOR", kTitleFontColor),
        IntegerRecord("SKIN2_TITLEBARBUTTONPOSY", 3),
        BooleanRecord("SKIN2_TITLEBTNTRANS", 0),
        BitmapRecord("SKIN2_TITLEBUTTONS", TitleButtonStrip()),
        BitmapRecord("SKIN2_TITLEBAR1", TitleSection()),
        BitmapRecord("SKIN2_TITLEBAR2", TitleSection()),
        BitmapRecord("SKIN2_TITLEBAR3", TitleSection()),
    };
    TZipEntry entry = MakeDeflatedEntry("SKINDATA.SK2", WriteSkinRecords(records));
    if (argc == 3)
        entry.Password = argv[2];
    const std::vector<uint8_t> archive = WriteZipArchive({entry});
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
    return out ? 0 : 1;
}
