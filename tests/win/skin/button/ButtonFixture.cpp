#include "ButtonFixture.h"

void ButtonTest::SetUpTestSuite() {
    shared = new TForm(Application);
    shared->SetBorderStyle(bsNone);
}

void ButtonTest::TearDownTestSuite() {
    shared->Free();
    shared = nullptr;
}

void ButtonTest::SetUp() {
    form = shared;
    form->SetColor(ColorOf(kFormRgb));
    form->SetBounds(100, 100, 400, 300);
    form->SetEnabled(true);
    form->SetModalResult(mrNone);
    ShowAndActivate(*form);
}

void ButtonTest::TearDown() {
    while (form->ComponentCount() > 0)
        form->Components(form->ComponentCount() - 1)->Free();
    Application->OnException = nullptr;
    PumpPending();
}

void TButtonEventLog::Watch(TsuiImageButton& button) {
    button.OnClick = TNotifyEvent::Bind<&TButtonEventLog::Click>(this);
    button.OnMouseEnter = TNotifyEvent::Bind<&TButtonEventLog::Enter>(this);
    button.OnMouseExit = TNotifyEvent::Bind<&TButtonEventLog::Exit>(this);
    button.OnMouseContinuouslyDown = TNotifyEvent::Bind<&TButtonEventLog::Repeat>(this);
    button.OnMouseDown = TMouseEvent::Bind<&TButtonEventLog::Down>(this);
    button.OnMouseUp = TMouseEvent::Bind<&TButtonEventLog::Up>(this);
}

TsuiImageButton* ButtonTest::AddButton(int left, int top, int width, int height) {
    auto* button = new TsuiImageButton(form);
    button->SetBounds(left, top, width, height);
    button->SetParent(form);
    PumpPending();
    return button;
}

void ButtonTest::GiveStatePictures(TsuiImageButton& button, bool withDisabled) {
    TPicture picture;
    FillPicture(picture, button.Width(), button.Height(), kNormalRgb);
    button.SetPicNormal(&picture);
    FillPicture(picture, button.Width(), button.Height(), kHoverRgb);
    button.SetPicMouseOn(&picture);
    FillPicture(picture, button.Width(), button.Height(), kPressedRgb);
    button.SetPicMouseDown(&picture);
    if (withDisabled) {
        FillPicture(picture, button.Width(), button.Height(), kDisabledRgb);
        button.SetPicDisabled(&picture);
    }
}

uint32_t ButtonTest::CentreColour(TsuiImageButton& button) {
    return RenderControl(button).At(button.Width() / 2, button.Height() / 2);
}
