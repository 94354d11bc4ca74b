#include "framework/Forms.h"
#include "skin/AnsiFileAccess.h"
#include "skin/SUI2SkinReader.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin_fixtures.h"
#include "tests/win/support/EnvironmentScope.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// Components that record every write of their FileTheme property.
class TsuiThemeProbe : public TComponent {
    VFC_CLASS(TsuiThemeProbe, TComponent)
    explicit TsuiThemeProbe(TComponent* owner) : TComponent(owner) {}
    TsuiFileTheme* FileTheme() const { return theme_; }
    void SetFileTheme(TsuiFileTheme* t) {
        writes.push_back(t);
        theme_ = t;
    }
    std::vector<TsuiFileTheme*> writes;

private:
    TsuiFileTheme* theme_ = nullptr;
};
VFC_DESCRIBE(TsuiThemeProbe) {
    b.Property("FileTheme", &TsuiThemeProbe::FileTheme, &TsuiThemeProbe::SetFileTheme);
}

class TPlainThemeProbe : public TsuiThemeProbe {
    VFC_CLASS(TPlainThemeProbe, TsuiThemeProbe)
    explicit TPlainThemeProbe(TComponent* owner) : TsuiThemeProbe(owner) {}
};
VFC_DESCRIBE(TPlainThemeProbe) {
    (void)b;
}

namespace {
std::vector<TSkinRecord> ThemeRecords(int formColor) {
    std::vector<TSkinRecord> r{IntegerRecord("SKIN2_TITLEBARBUTTONPOSY", 6),
                               BooleanRecord("SKIN2_TITLEFIVESECT", 1),
                               BitmapRecord("SKIN2_TITLEBUTTONS", ColumnCodedBmp(18 * 19 + 5, 19))};
    if (formColor >= 0)
        r.push_back(IntegerRecord("SKIN2_FORMCOLOR", formColor));
    return r;
}

class FileThemeTest : public ::testing::Test {
protected:
    void SetUp() override { form_ = new TForm(Application); }
    void TearDown() override { form_->Free(); }
    TForm* form_ = nullptr;
    TScratchFolder folder_;
};
} // namespace

TEST_F(FileThemeTest, LookupsAnswerZeroWithoutSkinAndMinusOneForMissingRecords) {
    auto* theme = new TsuiFileTheme(form_);
    EXPECT_FALSE(theme->Ready());
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 0);
    EXPECT_EQ(theme->GetThemeInt(ThemeIntKey::SKIN2_TITLEBARBUTTONPOSY), 0);
    EXPECT_FALSE(theme->GetThemeBool(ThemeBoolKey::SKIN2_TITLEFIVESECT));
    EXPECT_EQ(theme->GetThemeBitmap(ThemeBitmapKey::SKIN2_TITLEBUTTONS), nullptr);

    WriteSkinFile(folder_.File("a.skn"), ThemeRecords(-1));
    theme->SetThemeFile(folder_.File("a.skn"));
    ASSERT_TRUE(theme->Ready());
    EXPECT_EQ(theme->ThemeFile(), folder_.File("a.skn"));
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), -1);
    EXPECT_EQ(theme->GetThemeInt(ThemeIntKey::SKIN2_TITLEBARBUTTONPOSY), 6);
    EXPECT_EQ(theme->GetThemeInt(ThemeIntKey::SKIN2_TITLEBARICONPOSX), -1);
    EXPECT_TRUE(theme->GetThemeBool(ThemeBoolKey::SKIN2_TITLEFIVESECT));
    EXPECT_FALSE(theme->GetThemeBool(ThemeBoolKey::SKIN2_TITLEBTNTRANS));
}

TEST_F(FileThemeTest, TitleButtonFrameSixteenOfEighteenIsTheCloseButtonsNormalPicture) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("b.skn"), ThemeRecords(0));
    theme->SetThemeFile(folder_.File("b.skn"));
    ASSERT_TRUE(theme->Ready());
    TBitmap frame;
    theme->GetThemeBitmapFrame(ThemeBitmapKey::SKIN2_TITLEBUTTONS, &frame, 16, 18);
    ASSERT_EQ(frame.Width(), 19);
    ASSERT_EQ(frame.Height(), 19);
    // Column x of the strip is coded in red (low byte) and green (high byte).
    auto column = [&](int x) {
        TColor c = frame.Canvas()->Pixels(x, 5);
        return (c & 0xFF) | (((c >> 8) & 0xFF) << 8);
    };
    EXPECT_EQ(column(0), 15 * 19);
    EXPECT_EQ(column(18), 16 * 19 - 1);
    // Frame 18, the last, is flush with the right edge of the 347-pixel strip.
    theme->GetThemeBitmapFrame(ThemeBitmapKey::SKIN2_TITLEBUTTONS, &frame, 18, 18);
    EXPECT_EQ(column(18), 18 * 19 + 5 - 1);
    // Index or count 0: the whole picture.
    theme->GetThemeBitmapFrame(ThemeBitmapKey::SKIN2_TITLEBUTTONS, &frame, 0, 18);
    EXPECT_EQ(frame.Width(), 18 * 19 + 5);
    theme->GetThemeBitmapFrame(ThemeBitmapKey::SKIN2_MENUBAR, &frame, 0, 0);
    EXPECT_TRUE(frame.Empty());
}

TEST_F(FileThemeTest, PathsResolveFromTheExecutableWindowsAndSystemFolders) {
    auto* theme = new TsuiFileTheme(form_);
    const std::string name = "vfc-resolve-test.skn";
    char windows[MAX_PATH + 1], system[MAX_PATH + 1];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    struct Place {
        std::string folder;
    } places[] = {{ProgramFolder()}, {std::string(windows) + "\\"}, {std::string(system) + "\\"}};
    for (const Place& place : places) {
        const std::string path = place.folder + name;
        WriteSkinFile(path, ThemeRecords(static_cast<int>(place.folder.size())));
        theme->SetThemeFile("C:\\nowhere\\" + name); // only the file-name part is looked for
        EXPECT_TRUE(theme->Ready()) << path;
        EXPECT_TRUE(SameText(theme->ThemeFile(), path)) << theme->ThemeFile();
        EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR),
                  static_cast<int>(place.folder.size()));
        DeleteFileA(path.c_str());
    }
}

TEST_F(FileThemeTest, ANameInTheCurrentFolderIsStoredAsWritten) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("local.skn"), ThemeRecords(3));
    char saved[MAX_PATH + 1];
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(folder_.Path().c_str());
    theme->SetThemeFile("local.skn");
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(theme->Ready());
    EXPECT_EQ(theme->ThemeFile(), "local.skn");
}

TEST_F(FileThemeTest, ANameFoundNowhereChangesNothing) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("c.skn"), ThemeRecords(42));
    theme->SetThemeFile(folder_.File("c.skn"));
    ASSERT_TRUE(theme->Ready());
    theme->SetThemeFile("vfc-no-such-skin-anywhere.skn");
    EXPECT_TRUE(theme->Ready());
    EXPECT_EQ(theme->ThemeFile(), folder_.File("c.skn"));
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 42);
}

TEST_F(FileThemeTest, AFailedLoadLeavesNoSkin) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("good.skn"), ThemeRecords(42));
    WriteBytes(folder_.File("bad.skn"), {'P', 'K', 0, 0});
    theme->SetThemeFile(folder_.File("good.skn"));
    ASSERT_TRUE(theme->Ready());
    theme->SetThemeFile(folder_.File("bad.skn"));
    EXPECT_FALSE(theme->Ready());
    EXPECT_EQ(theme->ThemeFile(), folder_.File("bad.skn"));
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 0);
}

TEST_F(FileThemeTest, EmptyPasswordDoesNotReloadAndANonEmptyOneDoes) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("locked.skn"), ThemeRecords(5), "secret");
    theme->SetThemeFile(folder_.File("locked.skn"));
    EXPECT_FALSE(theme->Ready()); // encrypted: refused without a password
    theme->SetPassword("");
    EXPECT_FALSE(theme->Ready());
    theme->SetPassword("secret");
    EXPECT_TRUE(theme->Ready());
    EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 5);
    // Stored layouts write Ready too; the written value is ignored.
    SetOrdProp(*theme, "Ready", 0);
    EXPECT_TRUE(theme->Ready());
}

TEST_F(FileThemeTest, LoadingReappliesToTsuiComponentsUsingThisThemeOnly) {
    auto* theme = new TsuiFileTheme(form_);
    auto* other = new TsuiFileTheme(form_);
    auto* user = new TsuiThemeProbe(form_);
    auto* plain = new TPlainThemeProbe(form_); // class name without the prefix
    auto* elsewhere = new TsuiThemeProbe(form_);
    user->SetFileTheme(theme);
    plain->SetFileTheme(theme);
    elsewhere->SetFileTheme(other);
    for (TsuiThemeProbe* p : {user, static_cast<TsuiThemeProbe*>(plain), elsewhere})
        p->writes.clear();
    WriteSkinFile(folder_.File("d.skn"), ThemeRecords(1));
    theme->SetThemeFile(folder_.File("d.skn"));
    ASSERT_TRUE(theme->Ready());
    EXPECT_EQ(user->writes, (std::vector<TsuiFileTheme*>{nullptr, theme}));
    EXPECT_TRUE(plain->writes.empty());
    EXPECT_TRUE(elsewhere->writes.empty());
    other->SetThemeFile(folder_.File("d.skn"));
    EXPECT_EQ(elsewhere->writes, (std::vector<TsuiFileTheme*>{nullptr, other}));
    // A second theme on the form that nobody uses re-applies nothing.
    auto* unused = new TsuiFileTheme(form_);
    unused->SetThemeFile(folder_.File("d.skn"));
    EXPECT_TRUE(unused->Ready());
    EXPECT_EQ(elsewhere->writes.size(), 2u);
    EXPECT_EQ(user->writes.size(), 2u);
    EXPECT_TRUE(plain->writes.empty());
}

TEST_F(FileThemeTest, AFrameUsingTheThemeGetsItsFrameRecomputedOnReload) {
    auto* theme = new TsuiFileTheme(form_);
    auto* frame = new TsuiForm(form_);
    frame->SetParent(form_);
    frame->SetFileTheme(theme);
    form_->HandleNeeded();
    int frameChanges = 0;
    TWndMethod original = form_->WindowProc;
    struct Spy {
        int* count;
        TWndMethod next;
        void Proc(TMessage& m) {
            if (m.Msg == WM_WINDOWPOSCHANGING &&
                (reinterpret_cast<WINDOWPOS*>(m.LParam)->flags & SWP_FRAMECHANGED))
                ++*count;
            next(m);
        }
    } spy{&frameChanges, original};
    form_->WindowProc = TWndMethod::Bind<&Spy::Proc>(&spy);
    WriteSkinFile(folder_.File("e.skn"), ThemeRecords(1));
    theme->SetThemeFile(folder_.File("e.skn")); // ThemeFile was empty: no frame change
    EXPECT_EQ(frameChanges, 0);
    theme->SetThemeFile(folder_.File("e.skn"));
    EXPECT_EQ(frameChanges, 1);
    form_->WindowProc = original;
}

// A look with both a record and a row: the record only for FromThemeFile with a ready theme,
// otherwise the row of the style that ResolveFileTheme gives (DeepBlue without a theme).
TEST_F(FileThemeTest, PairedLooksReadTheRecordOrTheRowOfTheResolvedStyle) {
    auto* theme = new TsuiFileTheme(form_);
    WriteSkinFile(folder_.File("f.skn"),
                  {IntegerRecord("SKIN2_FORMCOLOR", 0x123456),
                   IntegerRecord("SKIN2_TITLEBARBUTTONPOSY", 7),
                   BooleanRecord("SKIN2_TITLEBTNTRANS", 1),
                   BitmapRecord("SKIN2_TITLEBUTTONS", ColumnCodedBmp(18 * 23, 23))});
    theme->SetThemeFile(folder_.File("f.skn"));
    ASSERT_TRUE(theme->Ready());
    struct Case {
        const TsuiFileTheme* theme;
        TsuiUIStyle style;
        TColor formColor;
        int buttonTop;
        bool buttonsTransparent;
        int frameWidth;
    } cases[] = {{theme, FromThemeFile, 0x123456, 7, true, 23},
                 {nullptr, FromThemeFile, 0xE8E8E8, 2, false, 19},
                 {theme, WinXP, 0xDEEBEF, 5, false, 21},
                 {theme, Protein, 0xFBFBFB, 2, true, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + (c.theme ? " with theme" : " without theme"));
        EXPECT_EQ(ThemeColor(c.theme, c.style, ThemeRow::FormColor, ThemeColorKey::SKIN2_FORMCOLOR),
                  c.formColor);
        EXPECT_EQ(ThemeInt(c.theme, c.style, ThemeRow::TitleButtonTop,
                           ThemeIntKey::SKIN2_TITLEBARBUTTONPOSY),
                  c.buttonTop);
        EXPECT_EQ(ThemeBool(c.theme, c.style, ThemeRow::TitleButtonsTransparent,
                            ThemeBoolKey::SKIN2_TITLEBTNTRANS),
                  c.buttonsTransparent);
        TBitmap frame;
        ThemeBitmapFrame(c.theme, c.style, ThemeRow::TitleButtonStrip,
                         ThemeBitmapKey::SKIN2_TITLEBUTTONS, &frame, 18, 18);
        EXPECT_EQ(frame.Width(), c.frameWidth);
        EXPECT_EQ(frame.Height(), c.frameWidth);
    }
}

namespace {
UINT WINAPI FailingFolderQuery(LPSTR, UINT) {
    return 0;
}
DWORD WINAPI FailingTempPath(DWORD, LPSTR) {
    return 0;
}
DWORD WINAPI OverlongTempPath(DWORD size, LPSTR) {
    return size + 1;
}

// A manager whose reader raises something that is no standard exception.
class TThrowingManager : public TsuiFileThemeMgr {
protected:
    std::unique_ptr<Tsk2SkinFileReader> OpenReader(const std::string&,
                                                   const std::string&) override {
        throw 42;
    }
};
} // namespace

// A failed folder query must never turn into a skin or temporary file in the drive's root.
TEST_F(FileThemeTest, FailedFolderQueriesGiveNoCandidateAndNoTemporaryName) {
    const std::vector<std::string> paths =
        TsuiFileTheme::CandidatePaths("x.skn", &FailingFolderQuery, &FailingFolderQuery);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[1], ProgramFolder() + "x.skn");
    for (auto query : {&FailingTempPath, &OverlongTempPath})
        EXPECT_THROW(TAnsiFileAccess(query).NewTemporaryName(), ESkinReadError);
}

TEST_F(FileThemeTest, ALoadThatRaisesAnythingLeavesTheThemeNotReady) {
    WriteSkinFile(folder_.File("good.skn"), ThemeRecords(42));
    TThrowingManager manager;
    EXPECT_FALSE(manager.LoadSkinFile(folder_.File("good.skn"), ""));
    EXPECT_FALSE(manager.HasReader());
}

namespace {
// A folder name outside ASCII in the ANSI code page the process runs with.
std::string NonAsciiFolderName() {
    switch (GetACP()) {
    case 1251:
        return "\xD1\xEA\xE8\xED"; // Cyrillic
    default:
        return "Th\xE8me"; // Latin-1
    }
}
} // namespace

// Skin, temporary folder and file calls all in the ANSI code page: a skin in a folder whose
// name is outside ASCII loads, with the temporary folder there too. VFC_EXPECT_ACP names the
// code page the test's CTest entry started Wine with.
TEST_F(FileThemeTest, PathsOutsideAsciiLoadInTheAnsiCodePage) {
    if (const char* expected = std::getenv("VFC_EXPECT_ACP")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    const std::string folder = folder_.Path() + "\\" + NonAsciiFolderName();
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string skin = folder + "\\" + NonAsciiFolderName() + ".skn";
    WriteSkinFile(folder_.File("plain.skn"), ThemeRecords(77));
    ASSERT_TRUE(MoveFileA(folder_.File("plain.skn").c_str(), skin.c_str()));
    {
        TEnvironmentScope tmp("TMP", folder), temp("TEMP", folder);
        auto* theme = new TsuiFileTheme(form_);
        theme->SetThemeFile(skin);
        EXPECT_TRUE(theme->Ready());
        EXPECT_EQ(theme->ThemeFile(), skin);
        EXPECT_EQ(theme->GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR), 77);
    }
    EXPECT_TRUE(DeleteFileA(skin.c_str()));
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "the temporary file is gone too";
}
