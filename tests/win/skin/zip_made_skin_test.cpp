// Skin files made by Info-ZIP's zip (written before the run by make_zip_skins.py) loaded
// through the file theme.
#include "framework/Forms.h"
#include "skin/SUIMgr.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
std::string ZipSkin(const char* name) {
    const char* folder = std::getenv("VFC_ZIP_SKINS");
    return folder ? std::string(folder) + "\\" + name : std::string();
}
} // namespace

TEST(ZipMadeSkins, AreLoadedByTheFileThemeWithAndWithoutPassword) {
    if (ZipSkin("plain.skn").empty())
        GTEST_SKIP() << "VFC_ZIP_SKINS is not set: run through ctest";
    auto* form = new TForm(Application);
    auto* theme = new TsuiFileTheme(form);
    theme->SetThemeFile(ZipSkin("plain.skn"));
    ASSERT_TRUE(theme->Ready()) << ZipSkin("plain.skn");
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 0x00A1B2C3);
    EXPECT_TRUE(theme->GetThemeBool(ThemeBoolKey::SKIN2_TITLEFIVESECT));
    TBitmap* bar = theme->GetThemeBitmap(ThemeBitmapKey::SKIN2_TITLEBAR1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Width(), 4);
    EXPECT_EQ(bar->Canvas()->Pixels(3, 1), 0x302010);

    theme->SetThemeFile(ZipSkin("locked.skn"));
    EXPECT_FALSE(theme->Ready());
    theme->SetPassword("secret");
    EXPECT_TRUE(theme->Ready());
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 0x00A1B2C3);
    form->Free();
}
