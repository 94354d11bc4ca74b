#include "TitleBarFixture.h"

TStylePicture StylePicture(TsuiUIStyle style, ThemeRow row) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), BuiltinBitmapName(style, row));
    return {bitmap.Width(), bitmap.Height(), bitmap.CopyPixels()};
}

TStylePicture StripFrame(TsuiUIStyle style, int n) {
    const TStylePicture strip = StylePicture(style, ThemeRow::TitleButtonStrip);
    const int fw = strip.Width / kStripFrames;
    const int left = n == kStripFrames ? strip.Width - fw : (n - 1) * fw;
    TStylePicture frame{fw, strip.Height, {}};
    for (int y = 0; y < strip.Height; ++y)
        for (int x = 0; x < fw; ++x)
            frame.Rgb.push_back(strip.At(left + x, y));
    return frame;
}

int Mismatches(const TPixels& shown, const TStylePicture& picture, int left, int top,
               bool transparent) {
    const uint32_t clear = picture.At(0, picture.Height - 1);
    int wrong = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const uint32_t want = picture.At(x, y);
            if (transparent && want == clear)
                continue;
            const int sx = left + x, sy = top + y;
            if (sx < 0 || sy < 0 || sx >= shown.Width || sy >= shown.Height ||
                shown.At(sx, sy) != want)
                ++wrong;
        }
    return wrong;
}

const char* StyleName(TsuiUIStyle style) {
    static const char* const names[] = {"FromThemeFile", "MacOS",   "WinXP",
                                        "DeepBlue",      "Protein", "BlueGlass"};
    return names[style];
}

void TitleBarTest::SetUpTestSuite() {
    shared = new TForm(Application);
    shared->SetBorderStyle(bsNone);
}

void TitleBarTest::TearDownTestSuite() {
    shared->Free();
    shared = nullptr;
}

void TitleBarTest::SetUp() {
    form = shared;
    form->SetWindowState(wsNormal);
    form->SetBounds(40, 40, kFormWidth, kFormHeight);
    ShowAndActivate(*form);
}

void TitleBarTest::TearDown() {
    PointerAway();
    while (form->ComponentCount() > 0)
        form->Components(form->ComponentCount() - 1)->Free();
    Application->SetMessageBoxes(nullptr);
    Application->SetLocale(nullptr);
    Application->OnException = nullptr;
    form->SetWindowState(wsNormal);
    PumpPending();
}

TsuiTitleBar* TitleBarTest::AddBar(TsuiUIStyle style) {
    bar = new TsuiTitleBar(form);
    bar->SetParent(form);
    bar->SetUIStyle(style);
    PumpPending();
    return bar;
}

int TitleBarTest::IndexOf(TsuiTitleBarBtnType type) const {
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        if (bar->Buttons()->Items(i)->ButtonType() == type)
            return i;
    return -1;
}

int TitleBarTest::CloseLeft() const {
    const int fw = bar->Buttons()->Items(IndexOf(suiClose))->PicNormal()->Width();
    // The close button's right edge: W - RightBtnXOffset - 1 (the plain form's border is 0),
    // pulled back to W - 1 when that lies further right.
    return std::min(bar->Width() - bar->RightBtnXOffset() - 1, bar->Width() - 1) - fw;
}

int TitleBarTest::RightButtonLeft(int fromRight) const {
    const int fw = bar->Buttons()->Items(IndexOf(suiClose))->PicNormal()->Width();
    return CloseLeft() - fromRight * (fw + bar->ButtonInterval() + 1);
}

TPoint TitleBarTest::ButtonCentre(int left) const {
    const TPicture* p = bar->Buttons()->Items(IndexOf(suiClose))->PicNormal();
    return {left + p->Width() / 2, bar->ButtonTop() + p->Height() / 2};
}

void TitleBarTest::HoverUntil(TPoint barPoint, int hot) {
    ASSERT_TRUE(MoveCursorUntil(bar->ClientToScreen(barPoint),
                                [&] {
                                    RenderControl(*bar);
                                    return bar->HotButton() == hot;
                                }))
        << "hot button " << bar->HotButton() << ", wanted " << hot;
}

void TitleBarTest::PointerAway() {
    MoveCursorTo({form->Left() + form->Width() / 2, form->Top() + form->Height() - 5});
    PumpPending();
}
