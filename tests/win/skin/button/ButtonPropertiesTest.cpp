// Constructor defaults, stored properties by name and their effects, sizing to the picture, a
// stored action and the identification message.
#include "ButtonFixture.h"

#include "framework/ActnList.h"
#include "framework/LayoutWriter.h"

namespace {

constexpr char kActionLayout[] = R"(object ActionForm: TForm
  object Go: TAction
    Caption = 'Go'
  end
  object GoButton: TsuiImageButton
    Caption = 'stored'
    Action = Go
  end
end
)";

struct TExecuteCounter {
    int Count = 0;
    void Counted(TObject*) { ++Count; }
};

TEST_F(ButtonTest, ConstructorSetsEveryDefault) {
    TsuiImageButton button(nullptr);
    EXPECT_FALSE(button.AutoSize());
    EXPECT_EQ(button.Caption(), "");
    EXPECT_FALSE(button.Cancel());
    EXPECT_FALSE(button.Default());
    EXPECT_FALSE(button.Transparent());
    EXPECT_EQ(button.ModalResult(), 0);
    EXPECT_EQ(button.MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(button.FocusedRectMargin(), 2);
    EXPECT_TRUE(button.TabStop());
    EXPECT_FALSE(button.Stretch());
    EXPECT_FALSE(button.DrawFocused());
    EXPECT_FALSE(button.RepeatTimerActive());
    EXPECT_FALSE(button.Pressed());
    EXPECT_FALSE(button.PointerInside());
    EXPECT_EQ(button.UIStyle(), FromThemeFile);
    for (TPicture* p :
         {button.PicNormal(), button.PicMouseOn(), button.PicMouseDown(), button.PicDisabled()}) {
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Graphic(), nullptr);
    }
    // Double clicks arrive as second presses; the button holds no children.
    EXPECT_FALSE(button.HasControlStyle(csDoubleClicks));
    EXPECT_FALSE(button.HasControlStyle(csAcceptsControls));
    EXPECT_TRUE(button.ParentColor());
}

TEST_F(ButtonTest, StoredPropertiesReadBackByName) {
    TsuiImageButton* button = AddButton();
    const std::pair<const char*, int64_t> ordinals[] = {
        {"DrawFocused", 1}, {"FocusedRectMargin", 5}, {"Stretch", 1},
        {"Cancel", 1},      {"Default", 1},           {"MouseContinuouslyDownInterval", 250},
        {"Transparent", 1}, {"ModalResult", mrOk},    {"AutoSize", 1},
        {"TabOrder", 0},    {"TabStop", 0},           {"Enabled", 0},
        {"Visible", 0},     {"ShowHint", 1},          {"ParentShowHint", 0},
    };
    for (const auto& [name, value] : ordinals) {
        SetOrdProp(*button, name, value);
        EXPECT_EQ(GetOrdProp(*button, name), value) << name;
    }
    EXPECT_TRUE(button->Cancel());
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->MouseContinuouslyDownInterval(), 250);
    EXPECT_EQ(button->FocusedRectMargin(), 5);
    EXPECT_EQ(button->ModalResult(), mrOk);

    SetStrProp(*button, "Caption", "&Go");
    EXPECT_EQ(button->Caption(), "&Go");
    char text[16] = {};
    GetWindowTextA(button->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "&Go") << "the caption is also the window text";

    for (const char* event :
         {"OnMouseEnter", "OnMouseExit", "OnMouseContinuouslyDown", "OnClick", "OnMouseDown",
          "OnMouseUp", "OnMouseMove", "OnKeyDown", "OnKeyUp", "OnKeyPress", "OnEnter", "OnExit"})
        EXPECT_NE(FindPropInfo(*button, event), nullptr) << event;
    EXPECT_NE(FindPropInfo(*button, "Font"), nullptr);
    EXPECT_NE(FindPropInfo(*button, "ParentFont"), nullptr);
}

TEST_F(ButtonTest, OnlyCancelAndDefaultHaveStoredDefaults) {
    TsuiImageButton* button = AddButton();
    for (const char* name : {"Cancel", "Default"}) {
        const TPropInfo* info = FindPropInfo(*button, name);
        ASSERT_NE(info, nullptr);
        ASSERT_TRUE(info->Default.has_value()) << name;
        EXPECT_EQ(*info->Default, 0) << name;
    }
    for (const char* name :
         {"UIStyle", "DrawFocused", "FocusedRectMargin", "Stretch", "MouseContinuouslyDownInterval",
          "Transparent", "ModalResult", "AutoSize"}) {
        const TPropInfo* info = FindPropInfo(*button, name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_FALSE(info->Default.has_value()) << name << " is always stored";
    }
}

TEST_F(ButtonTest, UIStyleAlwaysReadsFromThemeFileAndChangesNothing) {
    TsuiImageButton* button = AddButton();
    GiveStatePictures(*button);
    const TPixels before = RenderControl(*button);
    for (TsuiUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass, FromThemeFile}) {
        SetOrdProp(*button, "UIStyle", style);
        EXPECT_EQ(GetOrdProp(*button, "UIStyle"), FromThemeFile);
        EXPECT_EQ(button->UIStyle(), FromThemeFile);
        EXPECT_EQ(RenderControl(*button).Rgb, before.Rgb) << "style " << style;
    }
}

TEST_F(ButtonTest, PicturePropertiesCopyTheGivenPicture) {
    TsuiImageButton* button = AddButton();
    TPicture mine;
    FillPicture(mine, 60, 30, kNormalRgb);
    SetObjectProp(*button, "PicNormal", &mine);
    ASSERT_NE(button->PicNormal(), &mine);
    FillPicture(mine, 60, 30, kHoverRgb); // changing ours leaves the button's copy alone
    EXPECT_EQ(PixelsOf(*button->PicNormal()), std::vector<uint32_t>(60 * 30, kNormalRgb));
    EXPECT_EQ(GetObjectProp(*button, "PicNormal"), button->PicNormal());

    for (const char* name : {"PicMouseOn", "PicMouseDown", "PicDisabled"}) {
        SetObjectProp(*button, name, &mine);
        auto* held = As<TPicture>(GetObjectProp(*button, name));
        ASSERT_NE(held, nullptr) << name;
        EXPECT_NE(held, &mine);
        EXPECT_EQ(PixelsOf(*held), std::vector<uint32_t>(60 * 30, kHoverRgb)) << name;
    }
}

TEST_F(ButtonTest, LookSettersRepaintAtOnce) {
    TsuiImageButton* button = AddButton(20, 20, 40, 20);
    TPicture picture;
    // Left half blue, right half green, so stretching and transparency both show.
    PaintPicture(picture, 20, 10, [](int x, int) { return x < 10 ? kNormalRgb : kHoverRgb; });
    button->SetPicNormal(&picture);
    PumpPending();
    // Without stretching the 20 x 10 picture sits at the top left on the form's colour.
    TPixels screen = ScreenPixels(*button);
    EXPECT_EQ(screen.At(5, 5), kNormalRgb);
    EXPECT_EQ(screen.At(15, 5), kHoverRgb);
    EXPECT_EQ(screen.At(30, 15), kFormRgb);

    button->SetStretch(true); // repaints without a message loop turn
    screen = ScreenPixels(*button);
    EXPECT_EQ(screen.At(30, 15), kHoverRgb);
    EXPECT_EQ(screen.At(5, 15), kNormalRgb);

    button->SetTransparent(true); // the top-left colour (blue) now lets the form through
    screen = ScreenPixels(*button);
    EXPECT_EQ(screen.At(5, 15), kFormRgb);
    EXPECT_EQ(screen.At(30, 15), kHoverRgb);
}

TEST_F(ButtonTest, AutoSizeTakesTheNormalPictureSizeOnly) {
    TsuiImageButton* button = AddButton();
    TPicture picture;
    FillPicture(picture, 243, 116, kNormalRgb);
    button->SetPicNormal(&picture);
    EXPECT_EQ(button->Width(), 60) << "AutoSize is off";
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), 243);
    EXPECT_EQ(button->Height(), 116);
    RECT r;
    GetWindowRect(button->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 243);
    EXPECT_EQ(r.bottom - r.top, 116);

    FillPicture(picture, 300, 200, kHoverRgb);
    button->SetPicMouseOn(&picture);
    button->SetPicMouseDown(&picture);
    button->SetPicDisabled(&picture);
    EXPECT_EQ(button->Width(), 243);
    EXPECT_EQ(button->Height(), 116);

    FillPicture(picture, 50, 40, kNormalRgb);
    button->SetPicNormal(&picture);
    EXPECT_EQ(button->Width(), 50);
    EXPECT_EQ(button->Height(), 40);
}

TEST_F(ButtonTest, AutoSizeNeedsAParentAndANormalPicture) {
    TsuiImageButton orphan(nullptr);
    orphan.SetBounds(0, 0, 60, 30);
    orphan.SetAutoSize(true);
    TPicture picture;
    FillPicture(picture, 243, 116, kNormalRgb);
    orphan.SetPicNormal(&picture);
    EXPECT_EQ(orphan.Width(), 60);
    EXPECT_EQ(orphan.Height(), 30);

    TsuiImageButton* button = AddButton();
    FillPicture(picture, 90, 45, kHoverRgb);
    button->SetPicMouseOn(&picture);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), 60) << "no normal picture: the size stays";
    EXPECT_EQ(button->Height(), 30);
}

TEST_F(ButtonTest, ANewWindowTextBecomesTheCaption) {
    TsuiImageButton* button = AddButton(20, 20, 80, 40);
    TPicture picture;
    FillPicture(picture, 80, 40, 0xFFFFFF);
    button->SetPicNormal(&picture);
    button->Font()->SetColor(clBlack);
    SetWindowTextA(button->Handle(), "Hi");
    EXPECT_EQ(button->Caption(), "Hi");
    EXPECT_GT(ScreenPixels(*button).CountOtherThan(0xFFFFFF, Bounds(0, 0, 80, 40)), 0)
        << "repainted with the caption";
    button->Font()->SetColor(ColorOf(0x0000FF)); // a font change repaints too
    EXPECT_GT(ScreenPixels(*button).CountOf(0x0000FF), 0);
}

TEST_F(ButtonTest, AStoredActionLinksTheButtonWhichTakesItsCaptionAndClicksIt) {
    auto* stored = new TForm(Application);
    stored->ReadLayoutText(kActionLayout, "action.layout");
    auto* action = As<TAction>(stored->FindComponent("Go"));
    auto* button = As<TsuiImageButton>(stored->FindComponent("GoButton"));
    ASSERT_TRUE(action && button);
    EXPECT_EQ(button->Action(), action);
    EXPECT_EQ(button->Caption(), "Go") << "the action's caption wins over the stored one";
    EXPECT_NE(WriteLayout(*stored).find("Action = Go"), std::string::npos);
    action->SetCaption("Stop");
    EXPECT_EQ(button->Caption(), "Stop");
    TExecuteCounter executed;
    action->OnExecute = TNotifyEvent::Bind<&TExecuteCounter::Counted>(&executed);
    button->Click();
    EXPECT_EQ(executed.Count, 1) << "a click without OnClick executes the action";
    action->Free();
    EXPECT_EQ(button->Action(), nullptr) << "a freed action unlinks";
    stored->Free();
}

TEST_F(ButtonTest, AnswersTheIdentificationMessage) {
    TsuiImageButton* button = AddButton();
    EXPECT_EQ(SendMessageA(button->Handle(), SUIM_ISIMAGEBUTTON, 0, 0), 1);
    EXPECT_EQ(button->Perform(SUIM_ISIMAGEBUTTON), 1);
    EXPECT_EQ(SendMessageA(form->Handle(), SUIM_ISIMAGEBUTTON, 0, 0), 0);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(SendMessageA(plain, SUIM_ISIMAGEBUTTON, 0, 0), 0);
    DestroyWindow(plain);
}

} // namespace
