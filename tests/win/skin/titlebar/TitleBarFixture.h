// A shown plain form carrying one title bar per test, and pictures composed from the style
// bitmaps of the executable's resources.
#pragma once

#include "skin/SUITitleBar.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

constexpr int kStripFrames = 18;
constexpr int kFormWidth = 600;
constexpr int kFormHeight = 200;

// Pixels of a style bitmap as 0xRRGGBB, top-down.
struct TStylePicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Rgb;
    uint32_t At(int x, int y) const { return Rgb.at(static_cast<size_t>(y) * Width + x); }
};
TStylePicture StylePicture(TsuiUIStyle style, ThemeRow row);
// Frame n (1-based) of the style's title-button strip: n·fw from the left, the last one flush
// with the right edge.
TStylePicture StripFrame(TsuiUIStyle style, int n);

// How many pixels of `picture` at (left, top) of `shown` differ from it; pixels of the
// picture's bottom-left colour are left out when `transparent`.
int Mismatches(const TPixels& shown, const TStylePicture& picture, int left, int top,
               bool transparent);

const char* StyleName(TsuiUIStyle style);

class TitleBarTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    TsuiTitleBar* AddBar(TsuiUIStyle style = DeepBlue);
    // Index of the first button of the type.
    int IndexOf(TsuiTitleBarBtnType type) const;
    // Where the default buttons sit by the placement rule (close, maximise, minimise from the
    // right; left edges).
    int CloseLeft() const;
    int RightButtonLeft(int fromRight) const;
    // Centre of a button in bar coordinates.
    TPoint ButtonCentre(int left) const;
    // The pointer over a bar point until the bar reports the hot button.
    void HoverUntil(TPoint barPoint, int hot);
    void PointerAway();

    inline static TForm* shared = nullptr;
    TForm* form = nullptr;
    TsuiTitleBar* bar = nullptr;
};

// Records the message boxes the application shows.
class TRecordingBoxes : public TMessageBoxes {
public:
    void ShowError(HWND, const std::string& text, const std::string&) override {
        Errors.push_back(text);
    }
    void ShowInformation(HWND, const std::string&, const std::string&) override {}
    int Ask(HWND, const std::string&, const std::string&, unsigned) override { return 0; }
    std::vector<std::string> Errors;
};

// Forces the Middle-East locale answer.
class TFixedLocale : public TLocale {
public:
    explicit TFixedLocale(bool middleEast) : middleEast_(middleEast) {}
    bool IsMiddleEastLocale() const override { return middleEast_; }

private:
    bool middleEast_;
};
