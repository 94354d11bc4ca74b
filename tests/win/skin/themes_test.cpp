#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/SUIButton.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"
#include "skin_fixtures.h"

#include <gtest/gtest.h>

namespace {
const TsuiUIStyle kStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

class ThemesTest : public ::testing::Test {
protected:
    void SetUp() override { form_ = new TForm(Application); }
    void TearDown() override { form_->Free(); }
    TForm* form_ = nullptr;
};

// Records the order of the by-name writes it receives.
class TsuiStyleProbe : public TCustomControl {
    VFC_CLASS(TsuiStyleProbe, TCustomControl)
    explicit TsuiStyleProbe(TComponent* owner) : TCustomControl(owner) {}
    TsuiFileTheme* FileTheme() const { return theme_; }
    void SetFileTheme(TsuiFileTheme* t) {
        log.push_back("FileTheme");
        theme_ = t;
    }
    TsuiUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TsuiUIStyle s) {
        log.push_back("UIStyle");
        style_ = s;
    }
    std::vector<std::string> log;

private:
    TsuiFileTheme* theme_ = nullptr;
    TsuiUIStyle style_ = DeepBlue;
};
} // namespace

VFC_DESCRIBE(TsuiStyleProbe) {
    b.Property("FileTheme", &TsuiStyleProbe::FileTheme, &TsuiStyleProbe::SetFileTheme);
    b.Property("UIStyle", &TsuiStyleProbe::UIStyle, &TsuiStyleProbe::SetUIStyle);
}

TEST(BuiltinBitmaps, EveryBitmapRowOfEveryStyleLoadsItsResource) {
    int loaded = 0;
    for (TsuiUIStyle style : kStyles)
        for (int number = 1; number <= 48; ++number) {
            const auto row = static_cast<ThemeRow>(number);
            const char* name = BuiltinBitmapName(style, row);
            TBitmap bitmap;
            LoadBuiltinBitmap(style, row, &bitmap);
            if (name && *name) {
                EXPECT_FALSE(bitmap.Empty()) << name;
                ++loaded;
            } else {
                EXPECT_TRUE(bitmap.Empty()) << "style " << int(style) << " row " << number;
            }
        }
    EXPECT_EQ(loaded, 5 * 19); // 22 bitmap rows, three of them with an empty name
}

TEST(BuiltinBitmaps, NonBitmapRowsAndForeignStylesLeaveTheBitmapAlone) {
    TBitmap bitmap;
    bitmap.SetSize(3, 4);
    LoadBuiltinBitmap(WinXP, ThemeRow::FormColor, &bitmap); // a colour row
    LoadBuiltinBitmap(FromThemeFile, ThemeRow::TitleButtonStrip, &bitmap);
    LoadBuiltinBitmap(static_cast<TsuiUIStyle>(6), ThemeRow::TitleButtonStrip, &bitmap);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 4);
    LoadBuiltinBitmap(WinXP, ThemeRow::TitleButtonStrip, nullptr); // no bitmap: nothing happens
    LoadBuiltinBitmap(WinXP, ThemeRow::TitleLeftPicture, &bitmap);
    EXPECT_EQ(bitmap.Width(), 35);
    EXPECT_EQ(bitmap.Height(), 29);
}

TEST(BuiltinBitmaps, FrameSeventeenOfTheWinXPTitleButtonsIsColumns336To356) {
    TBitmap strip, frame;
    LoadBuiltinBitmap(WinXP, ThemeRow::TitleButtonStrip, &strip);
    ASSERT_EQ(strip.Width(), 378);
    LoadBuiltinBitmapFrame(WinXP, ThemeRow::TitleButtonStrip, &frame, 17, 18);
    ASSERT_EQ(frame.Width(), 21);
    ASSERT_EQ(frame.Height(), 21);
    for (int y = 0; y < 21; y += 4)
        for (int x = 0; x < 21; ++x)
            ASSERT_EQ(frame.Canvas()->Pixels(x, y), strip.Canvas()->Pixels(336 + x, y))
                << x << "," << y;
    TBitmap whole;
    LoadBuiltinBitmapFrame(WinXP, ThemeRow::TitleButtonStrip, &whole, 3, 0); // count 0: whole
    EXPECT_EQ(whole.Width(), 378);
}

TEST_F(ThemesTest, ResolveFileThemeHasFourOutcomes) {
    auto* theme = new TsuiFileTheme(form_);
    TsuiUIStyle builtin = MacOS;
    EXPECT_FALSE(ResolveFileTheme(nullptr, FromThemeFile, builtin));
    EXPECT_EQ(builtin, DeepBlue);
    EXPECT_FALSE(ResolveFileTheme(theme, FromThemeFile, builtin)); // present, not ready
    EXPECT_EQ(builtin, DeepBlue);
    EXPECT_FALSE(ResolveFileTheme(theme, Protein, builtin));
    EXPECT_EQ(builtin, Protein);
    EXPECT_FALSE(ResolveFileTheme(nullptr, BlueGlass, builtin));
    EXPECT_EQ(builtin, BlueGlass);

    // In use: a ready theme asked for by FromThemeFile, which then stays the style.
    TScratchFolder folder;
    WriteSkinFile(folder.File("t.skn"), {IntegerRecord("SKIN2_FORMCOLOR", 5)});
    theme->SetThemeFile(folder.File("t.skn"));
    ASSERT_TRUE(theme->Ready());
    builtin = WinXP;
    EXPECT_TRUE(ResolveFileTheme(theme, FromThemeFile, builtin));
    EXPECT_EQ(builtin, FromThemeFile);
    EXPECT_FALSE(ResolveFileTheme(theme, MacOS, builtin)); // a built-in style asked for
    EXPECT_EQ(builtin, MacOS);
}

TEST_F(ThemesTest, NewComponentsTakeTheStyleOfTheFormsFrame) {
    EXPECT_EQ(StyleOfOwnerForm(nullptr), DeepBlue);
    EXPECT_EQ(StyleOfOwnerForm(Application), DeepBlue); // not a form
    EXPECT_EQ(StyleOfOwnerForm(form_), DeepBlue);       // no frame
    auto* button = new TsuiImageButton(form_);
    button->SetParent(form_);
    auto* frame = new TsuiForm(form_);
    frame->SetParent(form_);
    frame->SetUIStyle(WinXP);
    EXPECT_EQ(StyleOfOwnerForm(form_), WinXP);
}

TEST_F(ThemesTest, PropagateStyleWritesThemeThenStyleToDirectChildrenWithBoth) {
    auto* theme = new TsuiFileTheme(form_);
    auto* frame = new TsuiForm(form_);
    frame->SetParent(form_);
    auto* child = new TsuiStyleProbe(form_);
    child->SetParent(frame);
    auto* label = new TLabel(form_);
    label->SetParent(frame);
    label->SetCaption("plain");
    auto* nestedParent = new TsuiForm(form_);
    nestedParent->SetParent(frame);
    auto* grandchild = new TsuiStyleProbe(form_);
    grandchild->SetParent(nestedParent);
    child->log.clear();
    grandchild->log.clear();

    PropagateStyle(frame, Protein, theme);
    EXPECT_EQ(child->log, (std::vector<std::string>{"FileTheme", "UIStyle"}));
    EXPECT_EQ(child->FileTheme(), theme);
    EXPECT_EQ(child->UIStyle(), Protein);
    EXPECT_EQ(nestedParent->UIStyle(), Protein); // a direct child with both properties
    EXPECT_TRUE(grandchild->log.empty());        // not visited by this call
    EXPECT_EQ(label->Caption(), "plain");
}
