// The window built from its stored layout holds every value of the launcher's design.
#include "LauncherFixture.h"

namespace {

TEST_F(LauncherTest, StartSetsTheTitleAndTheWelcomeText) {
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(Application->Title(), "Velmora Free Center");
    EXPECT_EQ(form->lblDes()->Caption(), kWelcome);
    EXPECT_EQ(form->OnCreate, TNotifyEvent::Bind<&TfrmMain::FormCreate>(form));
}

TEST_F(LauncherTest, TheFormHasItsStoredProperties) {
    EXPECT_EQ(form->Name(), "frmMain");
    EXPECT_EQ(form->Caption(), "Velmora Free Center");
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_EQ(form->ClientWidth(), 800);
    EXPECT_EQ(form->ClientHeight(), 480);
    EXPECT_EQ(form->Position(), poDesktopCenter);
    EXPECT_FALSE(form->Scaled());
    EXPECT_EQ(form->PixelsPerInch(), 96);
    EXPECT_EQ(form->TextHeight(), 13);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), "Tahoma");
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_EQ(form->Font()->Color(), clWindowText);
    EXPECT_TRUE(form->Font()->Style().Empty());
    EXPECT_EQ(form->Font()->Charset(), DEFAULT_CHARSET);
    // Shown centred on the 1024 x 768 desktop, without a frame or caption.
    EXPECT_EQ(WindowBoundsOf(form->Handle()), (TWindowBounds{112, 144, 800, 480}));
    const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
}

TEST_F(LauncherTest, ComponentsComeInTheirCreationOrderWithTheirKinds) {
    const std::pair<const char*, const TClassInfo*> expected[] = {
        {"Image1", &TImage::StaticClass()},
        {"lblTitle", &TLabel::StaticClass()},
        {"lblDes", &TLabel::StaticClass()},
        {"btnVideoEditor", &TsuiImageButton::StaticClass()},
        {"btnVideoConverter", &TsuiImageButton::StaticClass()},
        {"btnScreenRecorder", &TsuiImageButton::StaticClass()},
        {"btnAudioRecorder", &TsuiImageButton::StaticClass()},
        {"btnDVDRipper", &TsuiImageButton::StaticClass()},
        {"btnClose", &TsuiImageButton::StaticClass()},
        {"btnVideoDVDMaker", &TsuiImageButton::StaticClass()},
        {"btnSlideVideoMaker", &TsuiImageButton::StaticClass()},
        {"btnAudioConverter", &TsuiImageButton::StaticClass()},
        {"btnHomepage", &TsuiImageButton::StaticClass()},
    };
    ASSERT_EQ(form->ComponentCount(), 13);
    ASSERT_EQ(form->ControlCount(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(form->Components(i)->Name(), expected[i].first) << i;
        EXPECT_EQ(&form->Components(i)->ClassInfo(), expected[i].second) << expected[i].first;
        EXPECT_EQ(form->Controls(i), form->Components(i)) << "stacking order " << i;
    }
}

TEST_F(LauncherTest, TheBackgroundPictureAndTheLabels) {
    TImage* image = form->Image1();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->BoundsRect(), Bounds(0, 0, 800, 480));
    EXPECT_TRUE(image->AutoSize());
    EXPECT_EQ(image->Picture()->Width(), 800);
    EXPECT_EQ(image->Picture()->Height(), 480);
    TPicture file;
    file.LoadFromFile(VFC_ASSETS_DIR "/MainBackground.bmp");
    EXPECT_EQ(PixelsOf(*image->Picture()), PixelsOf(file));
    EXPECT_EQ(image->OnMouseDown, TMouseEvent::Bind<&TfrmMain::Image1MouseDown>(form));
    EXPECT_EQ(image->OnMouseEnter, TNotifyEvent::Bind<&TfrmMain::Image1MouseEnter>(form));

    TLabel* title = form->lblTitle();
    EXPECT_EQ(title->BoundsRect(), Bounds(335, 15, 141, 16));
    EXPECT_EQ(title->Caption(), "Velmora Free Center");
    EXPECT_EQ(title->Font()->Name(), "Tahoma");
    EXPECT_EQ(title->Font()->Height(), -13);
    EXPECT_EQ(title->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(title->Font()->Color(), clWhite);
    EXPECT_TRUE(title->Transparent());
    EXPECT_FALSE(title->Visible());

    TLabel* des = form->lblDes();
    EXPECT_EQ(des->BoundsRect(), Bounds(39, 62, 641, 24));
    EXPECT_FALSE(des->AutoSize());
    EXPECT_EQ(des->Font()->Name(), "Tahoma");
    EXPECT_EQ(des->Font()->Height(), -16);
    EXPECT_EQ(des->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(des->Font()->Color(), clWhite);
    EXPECT_TRUE(des->Transparent());
    EXPECT_TRUE(des->Visible());
}

TEST_F(LauncherTest, EveryButtonHasItsPlaceSizeTabOrderAndSharedValues) {
    ASSERT_EQ(StoredButtons().size(), 10u);
    for (const TButtonSpec& spec : StoredButtons()) {
        SCOPED_TRACE(spec.Name);
        TsuiImageButton* b = Button(spec.Name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->BoundsRect(), Bounds(spec.Left, spec.Top, spec.Width, spec.Height));
        EXPECT_EQ(b->TabOrder(), spec.TabOrder);
        EXPECT_TRUE(b->AutoSize());
        EXPECT_EQ(b->UIStyle(), FromThemeFile);
        EXPECT_FALSE(b->DrawFocused());
        EXPECT_EQ(b->FocusedRectMargin(), 2);
        EXPECT_FALSE(b->Stretch());
        EXPECT_EQ(b->MouseContinuouslyDownInterval(), 100);
        EXPECT_EQ(b->ModalResult(), 0);
        EXPECT_EQ(b->Transparent(), spec.Name == "btnClose");
        EXPECT_EQ(b->Caption(), "");
        EXPECT_TRUE(b->TabStop());
        EXPECT_FALSE(b->Default());
        EXPECT_FALSE(b->Cancel());
        EXPECT_EQ(b->PicDisabled()->Graphic(), nullptr);
        const std::pair<TPicture*, const char*> pictures[] = {{b->PicNormal(), "Normal"},
                                                              {b->PicMouseOn(), "MouseOn"},
                                                              {b->PicMouseDown(), "MouseDown"}};
        for (const auto& [picture, state] : pictures) {
            EXPECT_EQ(picture->Width(), spec.Width) << state;
            EXPECT_EQ(picture->Height(), spec.Height) << state;
            TPicture file;
            file.LoadFromFile(std::string(VFC_ASSETS_DIR "/") + spec.PictureStem + "_" + state +
                              ".bmp");
            EXPECT_EQ(PixelsOf(*picture), PixelsOf(file)) << state;
        }
        if (spec.Name == "btnClose") {
            EXPECT_TRUE(b->ParentFont()) << "the form's font";
            EXPECT_EQ(b->Font()->Style(), TFontStyles{});
            EXPECT_TRUE(b->ShowHint());
            EXPECT_FALSE(b->ParentShowHint());
            EXPECT_EQ(b->Hint(), "");
        } else {
            EXPECT_FALSE(b->ParentFont());
            EXPECT_EQ(b->Font()->Name(), "Tahoma");
            EXPECT_EQ(b->Font()->Height(), -11);
            EXPECT_EQ(b->Font()->Style(), TFontStyles{fsBold});
            EXPECT_EQ(b->Font()->Color(), clWindowText);
        }
        EXPECT_TRUE(b->OnClick) << "every button has its click handler";
        EXPECT_EQ(static_cast<bool>(b->OnMouseEnter), spec.Text != nullptr);
    }
    EXPECT_EQ(Button("btnCloseX"), nullptr);
}

TEST_F(LauncherTest, HandlersAreTheFormsMethodsOfTheButtonsNames) {
    EXPECT_EQ(Button("btnClose")->OnClick, TNotifyEvent::Bind<&TfrmMain::btnCloseClick>(form));
    EXPECT_EQ(Button("btnHomepage")->OnClick,
              TNotifyEvent::Bind<&TfrmMain::btnHomepageClick>(form));
    const std::pair<const char*, TNotifyEvent> clicks[] = {
        {"btnScreenRecorder", TNotifyEvent::Bind<&TfrmMain::btnScreenRecorderClick>(form)},
        {"btnSlideVideoMaker", TNotifyEvent::Bind<&TfrmMain::btnSlideVideoMakerClick>(form)},
        {"btnVideoDVDMaker", TNotifyEvent::Bind<&TfrmMain::btnVideoDVDMakerClick>(form)},
        {"btnVideoEditor", TNotifyEvent::Bind<&TfrmMain::btnVideoEditorClick>(form)},
        {"btnDVDRipper", TNotifyEvent::Bind<&TfrmMain::btnDVDRipperClick>(form)},
        {"btnVideoConverter", TNotifyEvent::Bind<&TfrmMain::btnVideoConverterClick>(form)},
        {"btnAudioConverter", TNotifyEvent::Bind<&TfrmMain::btnAudioConverterClick>(form)},
        {"btnAudioRecorder", TNotifyEvent::Bind<&TfrmMain::btnAudioRecorderClick>(form)},
    };
    for (const auto& [name, handler] : clicks)
        EXPECT_EQ(Button(name)->OnClick, handler) << name;
    const std::pair<const char*, TNotifyEvent> enters[] = {
        {"btnScreenRecorder", TNotifyEvent::Bind<&TfrmMain::btnScreenRecorderMouseEnter>(form)},
        {"btnSlideVideoMaker", TNotifyEvent::Bind<&TfrmMain::btnSlideVideoMakerMouseEnter>(form)},
        {"btnVideoDVDMaker", TNotifyEvent::Bind<&TfrmMain::btnVideoDVDMakerMouseEnter>(form)},
        {"btnVideoEditor", TNotifyEvent::Bind<&TfrmMain::btnVideoEditorMouseEnter>(form)},
        {"btnDVDRipper", TNotifyEvent::Bind<&TfrmMain::btnDVDRipperMouseEnter>(form)},
        {"btnVideoConverter", TNotifyEvent::Bind<&TfrmMain::btnVideoConverterMouseEnter>(form)},
        {"btnAudioConverter", TNotifyEvent::Bind<&TfrmMain::btnAudioConverterMouseEnter>(form)},
        {"btnAudioRecorder", TNotifyEvent::Bind<&TfrmMain::btnAudioRecorderMouseEnter>(form)},
    };
    for (const auto& [name, handler] : enters)
        EXPECT_EQ(Button(name)->OnMouseEnter, handler) << name;
}

TEST_F(LauncherTest, NoButtonOverlapsAnotherOrTheDescriptionLine) {
    auto overlap = [](const TRect& a, const TRect& b) {
        return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
    };
    for (const TButtonSpec& a : StoredButtons()) {
        EXPECT_FALSE(overlap(Button(a.Name)->BoundsRect(), form->lblDes()->BoundsRect())) << a.Name;
        for (const TButtonSpec& b : StoredButtons()) {
            if (&a == &b)
                continue;
            EXPECT_FALSE(overlap(Button(a.Name)->BoundsRect(), Button(b.Name)->BoundsRect()))
                << a.Name << " and " << b.Name;
        }
    }
}

} // namespace
