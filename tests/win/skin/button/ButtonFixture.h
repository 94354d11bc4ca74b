// A shown form with picture buttons on it, and the four distinct state colours.
#pragma once

#include "skin/SUIButton.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

constexpr uint32_t kNormalRgb = 0x2040C0;
constexpr uint32_t kHoverRgb = 0x30B050;
constexpr uint32_t kPressedRgb = 0xC03020;
constexpr uint32_t kDisabledRgb = 0x808020;
constexpr uint32_t kFormRgb = 0xD4D0C8;

// One form serves the whole suite (destroying a shown window costs Wine two seconds without
// a window manager); each test starts with it empty, active and of its own colour.
class ButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A picture button on the form at (left, top), size 60 x 30 unless pictures say else.
    TsuiImageButton* AddButton(int left = 20, int top = 20, int width = 60, int height = 30);
    // Gives the button solid pictures of the four state colours, of its own size.
    void GiveStatePictures(TsuiImageButton& button, bool withDisabled = true);
    // The colour the button shows at its centre when painted now.
    uint32_t CentreColour(TsuiImageButton& button);

    inline static TForm* shared = nullptr;
    TForm* form = nullptr;
};

// Records what the button's events report, in order.
struct TButtonEventLog {
    std::vector<std::string> Entries;
    std::vector<ULONGLONG> RepeatTimes;
    void Click(TObject*) { Entries.push_back("click"); }
    void Enter(TObject*) { Entries.push_back("enter"); }
    void Exit(TObject*) { Entries.push_back("exit"); }
    void Leave(TObject*) { Entries.push_back("leave"); }
    void Repeat(TObject*) {
        Entries.push_back("repeat");
        RepeatTimes.push_back(GetTickCount64());
    }
    void Down(TObject*, TMouseButton b, TShiftState, int, int) {
        Entries.push_back(b == mbLeft ? "down" : "down:other");
    }
    void Up(TObject*, TMouseButton, TShiftState, int, int) { Entries.push_back("up"); }
    void Watch(TsuiImageButton& button);
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(Entries.begin(), Entries.end(), entry));
    }
};
