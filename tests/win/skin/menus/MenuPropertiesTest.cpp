// Both skinned menus: references, file-theme look, style rules, and what the main menu asks
// of the skinned frame.
#include "tests/win/skin/menus/MenuTestSupport.h"

#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "tests/win/skin/skin_fixtures.h"

namespace {

template <class Menu> class BothMenus : public ::testing::Test {};
using MenuTypes = ::testing::Types<TsuiPopupMenu, TsuiMainMenu>;
TYPED_TEST_SUITE(BothMenus, MenuTypes);

TYPED_TEST(BothMenus, AFreedFileThemeClearsTheReferenceAndFallsBackToDeepBlue) {
    TComponent owner(nullptr), elsewhere(nullptr);
    TypeParam menu(&owner);
    auto* first = new TsuiFileTheme(&elsewhere);
    auto* second = new TsuiFileTheme(&elsewhere);
    menu.SetUIStyle(Protein);
    menu.SetFileTheme(first);
    menu.SetFileTheme(second);
    first->Free(); // referenced no more: changes nothing
    EXPECT_EQ(menu.FileTheme(), second);
    EXPECT_EQ(menu.UIStyle(), Protein);
    second->Free();
    EXPECT_EQ(menu.FileTheme(), nullptr);
    EXPECT_EQ(menu.UIStyle(), DeepBlue);
}

TYPED_TEST(BothMenus, AReadyThemeGivesItsColoursToFromThemeFileOnly) {
    const std::pair<const char*, TColor> records[] = {
        {"SKIN2_LEFTBARSTARTCOLOR", 0x010101},       {"SKIN2_LEFTBARENDCOLOR", 0x020202},
        {"SKIN2_MENUITEMCOLOR", 0x030303},           {"SKIN2_MENUITEMFONTCOLOR", 0x040404},
        {"SKIN2_SELECTEDMENUBORDERCOLOR", 0x050505}, {"SKIN2_SELECTEDMENUCOLOR", 0x060606},
        {"SKIN2_SELECTEDMENUFONTCOLOR", 0x070707}};
    std::vector<TSkinRecord> chain;
    for (const auto& [name, value] : records)
        chain.push_back(IntegerRecord(name, value));
    TScratchFolder folder;
    WriteSkinFile(folder.File("menu.skn"), chain);
    TComponent owner(nullptr);
    TypeParam menu(&owner);
    auto* theme = new TsuiFileTheme(&owner);
    theme->SetThemeFile(folder.File("menu.skn"));
    menu.SetUIStyle(FromThemeFile);
    menu.SetFileTheme(theme);
    const TColor seen[] = {
        menu.BarColor(),         menu.BarToColor(),          menu.Color(),
        menu.FontColor(),        menu.SelectedBorderColor(), menu.SelectedColor(),
        menu.SelectedFontColor()};
    for (size_t i = 0; i < std::size(seen); ++i)
        EXPECT_EQ(seen[i], records[i].second) << records[i].first;
    TBitmap strip; // a picture the skin lacks is empty, also as a frame
    Fill(strip, 5, 5, clWhite);
    theme->GetThemeBitmapFrame(ThemeBitmapKey::SKIN2_TITLEBUTTONS, &strip, 16, 18);
    EXPECT_TRUE(strip.Empty());
    menu.SetUIStyle(WinXP);
    EXPECT_EQ(menu.Color(), GetBuiltinColor(WinXP, ThemeRow::MenuItemColor));
}

TYPED_TEST(BothMenus, TheFramesStyleAndTheMacOSHeights) {
    TForm form(nullptr);
    auto* frame = new TsuiForm(&form);
    frame->SetParent(&form);
    frame->SetUIStyle(MacOS);
    TypeParam menu(&form);
    EXPECT_EQ(menu.UIStyle(), MacOS);
    menu.SetOwnerDraw(false);
    EXPECT_TRUE(menu.IsOwnerDraw());
    EXPECT_EQ(GetPropValue(menu, "OwnerDraw"), TPropValue(true));
    menu.SetSeparatorHeight(30);
    menu.SetMenuItemHeight(30);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    EXPECT_EQ(menu.MenuItemHeight(), (std::is_same_v<TypeParam, TsuiMainMenu> ? 30 : 20));
}

TEST(MainMenuImages, TheOwnCheckMarksStandInWhileNoListIsAssigned) {
    TComponent owner(nullptr);
    TsuiMainMenu menu(&owner);
    auto images = SolidImages(0x3070B0);
    menu.SetImages(images.get());
    EXPECT_EQ(menu.Images(), images.get());
    for (bool freed : {false, true}) {
        freed ? images.reset() : menu.SetImages(nullptr);
        EXPECT_EQ(menu.Images(), nullptr);
        EXPECT_TRUE(menu.IsOwnerDraw());
        menu.SetImages(images.get());
    }
}

class TRecordingFrame : public TsuiForm {
public:
    using TsuiForm::TsuiForm;
    void RebuildMenuBar() override { calls += "rebuild "; }
    void RefreshMenuBarItems() override { calls += "refresh "; }
    void ApplyMenuBarFont() override { calls += "font "; }
    std::string calls;
};

TEST(MainMenuFrame, TheMenuTellsItsFrameAndForgetsAFrameThatWent) {
    TForm form(nullptr);
    TsuiMainMenu menu(&form);
    auto* frame = new TRecordingFrame(&form);
    menu.SetForm(frame);
    TMenuItem* item = AddItem(menu, "File");
    menu.AttachItemHandlers();
    menu.SetUseSystemFont(false);
    form.SetDesigning(true);
    item->SetCaption("Edit");
    EXPECT_EQ(frame->calls, "refresh rebuild font refresh rebuild ");
    frame->Free();
    EXPECT_EQ(menu.Form(), nullptr);
    item->SetCaption("View"); // nothing to tell
}

} // namespace
