#include "skin/SUIResDef.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(SkinRecordNames, KeysMapToTheirExactRecordNames) {
    EXPECT_STREQ(ThemeColorKeyName(ThemeColorKey::SKIN2_TRANSCOLOR), "SKIN2_TRANSCOLOR");
    EXPECT_STREQ(ThemeColorKeyName(ThemeColorKey::SKIN2_SELECTEDMENUFONTCOLOR),
                 "SKIN2_SELECTEDMENUFONTCOLOR");
    EXPECT_STREQ(ThemeColorKeyName(static_cast<ThemeColorKey>(31)), "SKIN2_SIDECHANNELBORDERCOLOR");
    EXPECT_STREQ(ThemeBitmapKeyName(static_cast<ThemeBitmapKey>(0)), "SKIN2_TITLEBAR1");
    EXPECT_STREQ(ThemeBitmapKeyName(static_cast<ThemeBitmapKey>(11)), "SKIN2_TITLEBUTTONS");
    EXPECT_STREQ(ThemeBitmapKeyName(static_cast<ThemeBitmapKey>(33)), "SKIN2_SCROLLBUTTON");
    EXPECT_STREQ(ThemeIntKeyName(static_cast<ThemeIntKey>(5)), "SKIN2_TITLEBARREGIONMINY");
    EXPECT_STREQ(ThemeIntKeyName(static_cast<ThemeIntKey>(8)), "SKIN2_BOTTOMREGIONMAXY");
    EXPECT_STREQ(ThemeBoolKeyName(static_cast<ThemeBoolKey>(4)), "SKIN2_TITLEBTNTRANS");
    EXPECT_STREQ(ThemeBoolKeyName(static_cast<ThemeBoolKey>(8)), "SKIN2_TABCONTROLTRANS");
}

TEST(SkinRecordNames, TablesHaveTheirSizesAndNoRepeats) {
    EXPECT_EQ(ThemeColorKeyCount, 32);
    EXPECT_EQ(ThemeBitmapKeyCount, 34);
    EXPECT_EQ(ThemeIntKeyCount, 9);
    EXPECT_EQ(ThemeBoolKeyCount, 9);
    std::set<std::string> all;
    size_t total = 0;
    auto add = [&](const char* name) {
        EXPECT_EQ(std::string(name).rfind("SKIN2_", 0), 0u) << name;
        all.insert(name);
        ++total;
    };
    for (int i = 0; i < ThemeColorKeyCount; ++i)
        add(ThemeColorKeyName(static_cast<ThemeColorKey>(i)));
    for (int i = 0; i < ThemeBitmapKeyCount; ++i)
        add(ThemeBitmapKeyName(static_cast<ThemeBitmapKey>(i)));
    for (int i = 0; i < ThemeIntKeyCount; ++i)
        add(ThemeIntKeyName(static_cast<ThemeIntKey>(i)));
    for (int i = 0; i < ThemeBoolKeyCount; ++i)
        add(ThemeBoolKeyName(static_cast<ThemeBoolKey>(i)));
    EXPECT_EQ(all.size(), total);
}

TEST(SkinRecordNames, KeysAreMaskedToSevenBitsAndUnknownIndexesNameNothing) {
    EXPECT_STREQ(ThemeIntKeyName(static_cast<ThemeIntKey>(0x80 | 2)), "SKIN2_TITLEBARCAPTIONTOP");
    EXPECT_STREQ(ThemeIntKeyName(static_cast<ThemeIntKey>(9)), "");
    EXPECT_STREQ(ThemeColorKeyName(static_cast<ThemeColorKey>(0x7F)), "");
}

template <class Key> int ReadCount(int count) {
    int read = 0;
    for (int i = 0; i < count; ++i)
        read += ThemeKeyIsRead(static_cast<Key>(i)) ? 1 : 0;
    return read;
}

TEST(SkinRecordNames, TheToolkitReadsTheFrameTitleAndMenuKeysOnly) {
    EXPECT_EQ(ReadCount<ThemeColorKey>(ThemeColorKeyCount), 16);
    EXPECT_EQ(ReadCount<ThemeBitmapKey>(ThemeBitmapKeyCount), 11);
    EXPECT_EQ(ReadCount<ThemeIntKey>(ThemeIntKeyCount), 9);
    EXPECT_EQ(ReadCount<ThemeBoolKey>(ThemeBoolKeyCount), 5);
    EXPECT_TRUE(ThemeKeyIsRead(ThemeColorKey::SKIN2_SELECTEDMENUFONTCOLOR));
    EXPECT_FALSE(ThemeKeyIsRead(ThemeColorKey::SKIN2_TOOLBARSTARTCOLOR));
    EXPECT_TRUE(ThemeKeyIsRead(ThemeBitmapKey::SKIN2_TITLEBUTTONS));
    EXPECT_FALSE(ThemeKeyIsRead(ThemeBitmapKey::SKIN2_MINIMIZEDTITLE));
    EXPECT_FALSE(ThemeKeyIsRead(ThemeBoolKey::SKIN2_BUTTONTRANS));
    EXPECT_TRUE(ThemeKeyIsRead(static_cast<ThemeIntKey>(0x80 | 8)));
}
