// The demo skins the build packs: the locked copy opens only with its password and holds what
// the open one holds; every record the toolkit reads is there with its type; the window shape
// is cut at the corners of the title and bottom pictures, inside the region's row limits.
#include "format/SkinArchiveLoader.h"
#include "format/StdFileAccess.h"
#include "framework/BmpDecoder.h"
#include "skin/SUIResDef.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct TRequired {
    std::string Name;
    TSkinRecordType Type;
};

template <class Key>
void AddRead(std::vector<TRequired>& out, int count, const char* (*name)(Key),
             TSkinRecordType type) {
    for (int i = 0; i < count; ++i)
        if (ThemeKeyIsRead(static_cast<Key>(i)))
            out.push_back({name(static_cast<Key>(i)), type});
}

std::vector<TRequired> RecordsTheToolkitReads() {
    std::vector<TRequired> out;
    AddRead(out, ThemeColorKeyCount, ThemeColorKeyName, TSkinRecordType::Integer);
    AddRead(out, ThemeBitmapKeyCount, ThemeBitmapKeyName, TSkinRecordType::Bitmap);
    AddRead(out, ThemeIntKeyCount, ThemeIntKeyName, TSkinRecordType::Integer);
    AddRead(out, ThemeBoolKeyCount, ThemeBoolKeyName, TSkinRecordType::Boolean);
    return out;
}

TSkinArchiveContents Load(const char* file, const char* password) {
    TStdFileAccess files;
    return LoadSkinArchive(files, file, password);
}

class DemoSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TSkinArchiveContents contents = Load(VFC_DEMO_SKIN, "");
        ASSERT_EQ(contents.Result, ArchiveResult::Extracted);
        for (TSkinRecord& r : contents.Records)
            records_.emplace(r.Name, std::move(r));
    }
    static const TSkinRecord* Find(const std::string& name) {
        const auto it = records_.find(name);
        return it == records_.end() ? nullptr : &it->second;
    }
    static int32_t Integer(const char* name) {
        const TSkinRecord* r = Find(name);
        return r ? r->IntegerValue() : -1;
    }
    static TDecodedBmp Picture(const char* name) {
        const TSkinRecord* r = Find(name);
        if (!r)
            return {};
        return DecodeBmpFile(r->Data.data(), r->Data.size());
    }

    static inline std::map<std::string, TSkinRecord> records_;
};

TEST(DemoLockedSkin, OpensOnlyWithItsPasswordAndHoldsTheOpenSkin) {
    EXPECT_EQ(Load(VFC_DEMO_LOCKED_SKIN, "").Result, ArchiveResult::Refused);
    // The encryption header is random, so one wrong password in 256 passes the check byte
    // and fails later, in decoding.
    EXPECT_NE(Load(VFC_DEMO_LOCKED_SKIN, "evening").Result, ArchiveResult::Extracted);
    const TSkinArchiveContents locked = Load(VFC_DEMO_LOCKED_SKIN, VFC_DEMO_SKIN_PASSWORD);
    const TSkinArchiveContents open = Load(VFC_DEMO_SKIN, "");
    ASSERT_EQ(locked.Result, ArchiveResult::Extracted);
    ASSERT_EQ(locked.Records.size(), open.Records.size());
    for (size_t i = 0; i < open.Records.size(); ++i) {
        EXPECT_EQ(locked.Records[i].Name, open.Records[i].Name);
        EXPECT_EQ(locked.Records[i].Data, open.Records[i].Data) << open.Records[i].Name;
    }
}

TEST_F(DemoSkin, CarriesEveryRecordTheToolkitReadsWithItsType) {
    const std::vector<TRequired> required = RecordsTheToolkitReads();
    ASSERT_FALSE(required.empty());
    for (const TRequired& want : required) {
        const TSkinRecord* r = Find(want.Name);
        ASSERT_NE(r, nullptr) << want.Name;
        EXPECT_EQ(r->Type, want.Type) << want.Name;
        if (want.Type == TSkinRecordType::Bitmap) {
            EXPECT_EQ(Picture(want.Name.c_str()).BitsPerPixel, 24) << want.Name;
        }
    }
}

TEST_F(DemoSkin, ShapeIsCutAtTheOuterCornersWithinTheRegionRows) {
    for (const char* name : {"SKIN2_TITLEBARNEEDREGION", "SKIN2_BOTTOMBORDERNEEDREGION"}) {
        ASSERT_NE(Find(name), nullptr) << name;
        EXPECT_NE(Find(name)->BooleanValue(), 0) << name;
    }
    const uint32_t key = static_cast<uint32_t>(Integer("SKIN2_TRANSCOLOR"));
    const uint32_t keyPixel = (key & 0xFF) << 16 | (key & 0xFF00) | (key >> 16 & 0xFF);
    struct TBand {
        std::vector<const char*> Pictures; // in the order they lie from left to right
        const char* MinY;
        const char* MaxY;
        bool Top; // the cut corners are at the top (title) or the bottom (frame bottom)
    };
    const TBand bands[] = {
        {{"SKIN2_TITLEBAR1", "SKIN2_TITLEBAR2", "SKIN2_TITLEBAR3", "SKIN2_TITLEBAR4",
          "SKIN2_TITLEBAR5"},
         "SKIN2_TITLEBARREGIONMINY",
         "SKIN2_TITLEBARREGIONMAXY",
         true},
        {{"SKIN2_FORMBOTTOMBORDER1", "SKIN2_FORMBOTTOMBORDER2", "SKIN2_FORMBOTTOMBORDER3"},
         "SKIN2_BOTTOMREGIONMINY",
         "SKIN2_BOTTOMREGIONMAXY",
         false},
    };
    for (const TBand& band : bands) {
        const int minY = Integer(band.MinY), maxY = Integer(band.MaxY);
        const TDecodedBmp first = Picture(band.Pictures.front());
        const TDecodedBmp last = Picture(band.Pictures.back());
        ASSERT_GT(first.Height, 0) << band.Pictures.front();
        ASSERT_GT(last.Height, 0) << band.Pictures.back();
        // A proper band: equal limits would make the region scan every row below the first.
        EXPECT_LE(0, minY) << band.MinY;
        EXPECT_LT(minY, maxY) << band.MinY;
        EXPECT_LT(maxY, first.Height) << band.MaxY;
        const int cornerRow = band.Top ? 0 : first.Height - 1;
        const auto at = [](const TDecodedBmp& p, int x, int y) {
            return p.Pixels[static_cast<size_t>(y) * p.Width + x] & 0xFFFFFF;
        };
        EXPECT_EQ(at(first, 0, cornerRow), keyPixel) << band.Pictures.front();
        EXPECT_EQ(at(last, last.Width - 1, cornerRow), keyPixel) << band.Pictures.back();
        for (const char* name : band.Pictures) {
            const TDecodedBmp p = Picture(name);
            EXPECT_EQ(p.Height, first.Height) << name;
            int keyedOutsideTheRows = 0;
            for (int y = 0; y < p.Height; ++y)
                for (int x = 0; x < p.Width; ++x)
                    keyedOutsideTheRows += at(p, x, y) == keyPixel && (y < minY || y > maxY);
            EXPECT_EQ(keyedOutsideTheRows, 0) << name;
        }
    }
    const TDecodedBmp buttons = Picture("SKIN2_TITLEBUTTONS");
    EXPECT_LE(Integer("SKIN2_TITLEBARBUTTONPOSY") + buttons.Height,
              Picture("SKIN2_TITLEBAR5").Height);
}

} // namespace
