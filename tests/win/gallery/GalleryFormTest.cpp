// The gallery window from its real stored layout: a style switch reaches the title bar, the
// popup menu, the style buttons and the menu's style items; a skin reaches them all as
// FromThemeFile, and a skin that cannot be loaded is reported.
#include "gallery/GalleryFrm.h"
#include "gallery/GalleryOptions.h"
#include "tests/win/skin/skin_fixtures.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kSkinFormColor = 0x00336699;
constexpr char kPassword[] = "velmora";

// A gallery window made as the program start makes it, but not the application's main form:
// the tests free it.
TfrmGallery* NewGallery() {
    auto* form = new TfrmGallery(Application);
    Application->AdoptForm(form, true);
    if (Application->MainForm() == form)
        Application->SetMainForm(nullptr);
    return form;
}

class GalleryForm : public ::testing::Test {
protected:
    void SetUp() override { form = NewGallery(); }
    void TearDown() override { form->Free(); }

    TMenuItem* StyleItem(std::string_view name) const {
        return As<TMenuItem>(form->FindComponent("mnuStyle" + std::string(name)));
    }
    TsuiImageButton* StyleButton(std::string_view name) const {
        return form->Button("btnStyle" + std::string(name));
    }

    TfrmGallery* form = nullptr;
};

TEST_F(GalleryForm, EveryStyleReachesEverySkinnedPartAndIsMarkedInTheMenu) {
    for (const TStyleChoice& choice : kStyleChoices) {
        form->SwitchStyle(choice.Style);
        EXPECT_EQ(form->CurrentStyle(), choice.Style) << choice.Name;
        EXPECT_EQ(form->TitleBar1()->UIStyle(), choice.Style) << choice.Name;
        EXPECT_EQ(form->PopupMenu1()->UIStyle(), choice.Style) << choice.Name;
        EXPECT_EQ(form->Color(), GetBuiltinColor(choice.Style, ThemeRow::FormColor)) << choice.Name;
        for (const TStyleChoice& other : kStyleChoices) {
            ASSERT_NE(StyleItem(other.Name), nullptr) << other.Name;
            EXPECT_EQ(StyleItem(other.Name)->Checked(), other.Style == choice.Style)
                << choice.Name << " chosen, " << other.Name << " item";
        }
    }
}

TEST_F(GalleryForm, TheChosenStyleButtonShowsItsPressedFaceAsItsNormalOne) {
    for (const TStyleChoice& choice : kStyleChoices) {
        form->SwitchStyle(choice.Style);
        for (const TStyleChoice& other : kStyleChoices) {
            TsuiImageButton* button = StyleButton(other.Name);
            ASSERT_NE(button, nullptr) << other.Name;
            const auto normal = button->PicNormal()->Bitmap()->CopyPixels();
            const auto pressed = button->PicMouseDown()->Bitmap()->CopyPixels();
            EXPECT_EQ(normal == pressed, other.Style == choice.Style)
                << choice.Name << " chosen, " << other.Name << " button";
        }
    }
}

TEST_F(GalleryForm, ASkinReachesTheTitleBarTheMenuAndTheForm) {
    TScratchFolder folder;
    const std::string skin = folder.File("locked.skn");
    WriteSkinFile(skin, {IntegerRecord("SKIN2_FORMCOLOR", kSkinFormColor)}, kPassword);
    ASSERT_TRUE(form->LoadSkin(skin, kPassword));
    form->SwitchStyle(FromThemeFile);
    EXPECT_EQ(form->TitleBar1()->FileTheme(), form->FileTheme());
    EXPECT_EQ(form->TitleBar1()->UIStyle(), FromThemeFile);
    EXPECT_EQ(form->PopupMenu1()->FileTheme(), form->FileTheme());
    EXPECT_EQ(form->PopupMenu1()->UIStyle(), FromThemeFile);
    EXPECT_EQ(form->Color(), kSkinFormColor);
    for (const TStyleChoice& choice : kStyleChoices)
        EXPECT_FALSE(StyleItem(choice.Name)->Checked()) << choice.Name;
    // A built-in style chosen later wins over the skin.
    form->SwitchStyle(Protein);
    EXPECT_EQ(form->Color(), GetBuiltinColor(Protein, ThemeRow::FormColor));
}

TEST_F(GalleryForm, ASkinThatCannotBeLoadedIsReported) {
    TScratchFolder folder;
    const std::string locked = folder.File("locked.skn");
    WriteSkinFile(locked, {IntegerRecord("SKIN2_FORMCOLOR", kSkinFormColor)}, kPassword);
    const std::string text = folder.File("text.skn");
    WriteBytes(text, {'n', 'o'});
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.skn"), ""}, {text, ""}, {locked, ""}, {locked, "wrong"}};
    for (const auto& [file, password] : cases)
        EXPECT_FALSE(form->LoadSkin(file, password)) << file << " / " << password;
}

} // namespace

int main(int argc, char** argv) {
    return RunUiTests(argc, argv, &RegisterGalleryClasses);
}
