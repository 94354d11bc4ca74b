// The bar's parts and rules: uniqueness of the control box and the client section with their
// error texts, copying, references that go, file themes without title pictures, button
// actions and the system menu's commands.
#include "TitleBarFixture.h"

#include "../skin_fixtures.h"
#include "skin/SUIMgr.h"

namespace {
constexpr char kControlBoxRule[] =
    "Sorry, only one button's ButtonType property can be \"suiControlBox\"";
constexpr char kClientRule[] = "Sorry, only one section's Align property can be \"suiClient\"";
constexpr TColor kThemeFontColor = 0x123456;

std::string ErrorOf(const std::function<void()>& write) {
    try {
        write();
    } catch (const ETitleBarError& e) {
        return e.what();
    }
    return {};
}
} // namespace

TEST_F(TitleBarTest, OnlyOneControlBoxAndOneClientSectionWithTheirErrorTexts) {
    AddBar(DeepBlue);
    TsuiTitleBarButton* box = bar->Buttons()->Items(IndexOf(suiControlBox));
    TsuiTitleBarButton* close = bar->Buttons()->Items(IndexOf(suiClose));
    EXPECT_EQ(ErrorOf([&] { close->SetButtonType(suiControlBox); }), kControlBoxRule);
    EXPECT_EQ(ErrorOf([&] { box->SetButtonType(suiControlBox); }), kControlBoxRule)
        << "writing it again to the control box itself";
    EXPECT_EQ(close->ButtonType(), suiClose);
    TsuiTitleBarSection* left = bar->Sections()->Items(0);
    TsuiTitleBarSection* client = bar->Sections()->Items(2);
    ASSERT_EQ(client->Align(), suiClient);
    EXPECT_EQ(ErrorOf([&] { left->SetAlign(suiClient); }), kClientRule);
    EXPECT_EQ(ErrorOf([&] { client->SetAlign(suiClient); }), kClientRule);
    EXPECT_EQ(left->Align(), suiLeft);
    EXPECT_FALSE(left->Stretch());
    client->SetStretch(false);
    EXPECT_TRUE(client->Stretch()) << "a client section always stretches";

    // Raised inside a window message, the error reaches the application's error box.
    TRecordingBoxes boxes;
    Application->SetMessageBoxes(&boxes);
    TWindowProcTap tap(*bar, [&](TMessage& m) {
        if (m.Msg != WM_APP)
            return false;
        close->SetButtonType(suiControlBox);
        return true;
    });
    SendMessageA(bar->Handle(), WM_APP, 0, 0);
    EXPECT_EQ(boxes.Errors, std::vector<std::string>{kControlBoxRule});
}

TEST_F(TitleBarTest, CopyingPartsKeepsTheirRulesAndCopyingToItselfChangesNothing) {
    AddBar(WinXP);
    const auto before = PixelsOf(*bar->Buttons()->Items(IndexOf(suiClose))->PicNormal());
    bar->SetButtons(bar->Buttons());
    bar->SetSections(bar->Sections());
    ASSERT_EQ(bar->Buttons()->Count(), 4);
    EXPECT_EQ(PixelsOf(*bar->Buttons()->Items(IndexOf(suiClose))->PicNormal()), before);
    EXPECT_EQ(bar->Sections()->Count(), 3);

    TsuiTitleBarSection* target = bar->Sections()->Add();
    target->SetCapSec(true);
    target->Assign(bar->Sections()->Items(0));
    EXPECT_TRUE(target->CapSec()) << "CapSec is not copied";
    EXPECT_EQ(target->Width(), bar->Sections()->Items(0)->Width());
    TPicture wider;
    FillPicture(wider, 77, 5, 0x102030);
    target->SetPicture(&wider);
    EXPECT_EQ(target->Width(), 77) << "AutoSize takes the new picture's width";
}

TEST_F(TitleBarTest, ReferencesAreClearedWhenTheirComponentsGo) {
    AddBar(MacOS);
    EXPECT_EQ(bar->Font()->Color(), 0x000000);
    auto* menu = new TPopupMenu(form);
    TsuiTitleBarButton* box = bar->Buttons()->Items(IndexOf(suiControlBox));
    box->SetControlBoxMenu(menu);
    auto* theme = new TsuiFileTheme(form);
    bar->SetFileTheme(theme);
    EXPECT_EQ(bar->Font()->Color(), 0x000000) << "assigning a theme keeps the caption colour";
    menu->Free();
    EXPECT_EQ(box->ControlBoxMenu(), nullptr);
    theme->Free();
    EXPECT_EQ(bar->FileTheme(), nullptr);
    EXPECT_EQ(bar->UIStyle(), DeepBlue);
    EXPECT_EQ(bar->Font()->Color(), 0xFFFFFF);
    RenderControl(*bar); // nothing dangling is drawn from
}

TEST_F(TitleBarTest, AFileThemeWithoutTitlePicturesDrawsNothingOfThem) {
    TScratchFolder folder;
    const std::string skin = folder.File("bare.skn");
    WriteSkinFile(skin, {IntegerRecord("SKIN2_TITLEFONTCOLOR", kThemeFontColor),
                         IntegerRecord("SKIN2_FORMCOLOR", 0x00FF00)});
    auto* theme = new TsuiFileTheme(form);
    theme->SetThemeFile(skin);
    ASSERT_TRUE(theme->Ready());
    AddBar(FromThemeFile);
    bar->SetFileTheme(theme);
    bar->SetUIStyle(FromThemeFile);
    EXPECT_EQ(bar->Font()->Color(), kThemeFontColor);
    ASSERT_EQ(bar->Sections()->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bar->Sections()->Items(i)->Picture()->Width(), 0) << i;
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        EXPECT_FALSE(bar->Buttons()->Items(i)->HasPictures()) << i;
    EXPECT_EQ(bar->Height(), 0);
    RenderControl(*bar); // an empty bar paints nothing, and fails nowhere
    bar->SetAutoSize(false);
    bar->SetAlign(alNone);
    bar->SetBounds(0, 0, 200, 20);
    bar->SetCaption("");
    const TPixels shown = RenderControl(*bar);
    EXPECT_EQ(shown.CountOf(0xFFFFFF), shown.Width * shown.Height) << "the bare buffer";
}

TEST_F(TitleBarTest, SystemMenuCommandsActOnTheForm) {
    AddBar(DeepBlue);
    ASSERT_NE(Application->MainForm(), form);
    TsuiTitleBarPopupMenu* menu = bar->SystemMenu();
    // Two visible maximise buttons: Maximize/Restore toggles twice.
    bar->Buttons()->Add()->SetButtonType(suiMax);
    menu->Items()->Items(TsuiTitleBarPopupMenu::MaximizeRestoreIndex)->Click();
    EXPECT_EQ(form->WindowState(), wsNormal);
    bar->Buttons()->Items(bar->Buttons()->Count() - 1)->SetVisible(false);
    menu->Items()->Items(TsuiTitleBarPopupMenu::MaximizeRestoreIndex)->Click();
    EXPECT_EQ(form->WindowState(), wsMaximized);
    menu->Items()->Items(TsuiTitleBarPopupMenu::MaximizeRestoreIndex)->Click();
    EXPECT_EQ(form->WindowState(), wsNormal);
    // Not the main form: minimising sets its window state.
    menu->Items()->Items(TsuiTitleBarPopupMenu::MinimizeIndex)->Click();
    EXPECT_EQ(form->WindowState(), wsMinimized);
    form->SetWindowState(wsNormal);
    bar->Buttons()->Items(IndexOf(suiMin))->Click();
    EXPECT_EQ(form->WindowState(), wsMinimized);
    form->SetWindowState(wsNormal);
}

TEST_F(TitleBarTest, HelpAndCustomButtonsOnlyFireTheBarsEventsWithTheirIndex) {
    AddBar(DeepBlue);
    struct TLog {
        std::vector<std::string> Entries;
        void Help(TObject* sender, int index) {
            Entries.push_back("help " + std::to_string(index) + (sender ? "" : " nil"));
        }
        void Custom(TObject*, int index) { Entries.push_back("custom " + std::to_string(index)); }
    } log;
    bar->OnHelpBtnClick = TsuiTitleBarButtonClickEvent::Bind<&TLog::Help>(&log);
    bar->OnCustomBtnsClick = TsuiTitleBarButtonClickEvent::Bind<&TLog::Custom>(&log);
    TsuiTitleBarButton* help = bar->Buttons()->Add();
    help->SetButtonType(suiHelp);
    ASSERT_TRUE(help->HasPictures());
    // Help sits left of the minimise button: the fourth from the right.
    RenderControl(*bar);
    HoverUntil(ButtonCentre(RightButtonLeft(3)), help->Index());
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    bar->Perform(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(log.Entries, std::vector<std::string>{"help 4"});
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST_F(TitleBarTest, CustomBarKeepsItsPartsWhenTheStyleChanges) {
    AddBar(WinXP);
    bar->Sections()->Items(0)->SetWidth(3);
    bar->SetCustom(true);
    bar->SetUIStyle(BlueGlass);
    EXPECT_EQ(bar->UIStyle(), BlueGlass);
    EXPECT_EQ(bar->Sections()->Items(0)->Width(), 3);
    EXPECT_EQ(bar->LeftBtnXOffset(), GetBuiltinInt(WinXP, ThemeRow::TitleLeftButtonOffset));
    EXPECT_EQ(bar->RoundCorner(), GetBuiltinInt(WinXP, ThemeRow::FormRoundCorner));
    EXPECT_EQ(form->MinWidth(), GetBuiltinInt(WinXP, ThemeRow::FormMinWidth));
}
