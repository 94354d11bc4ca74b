#include "framework/StdCtrls.h"
#include "skin/SUIPublic.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class EllipsizeTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fill(bitmap, 10, 10, clWhite);
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("Tahoma");
        canvas->Font()->SetHeight(-11);
    }
    int Width(const std::string& s) { return canvas->TextWidth(s); }
    TBitmap bitmap;
    TCanvas* canvas = nullptr;
};

TEST_F(EllipsizeTextTest, AFittingTextIsUnchanged) {
    const std::string text = "Video Converter";
    std::string result = "stale";
    EllipsizeText(canvas, text, Width(text), result);
    EXPECT_EQ(result, text);
}

TEST_F(EllipsizeTextTest, TooNarrowForOneCharacterGivesTheFirstCharacterAndDots) {
    std::string result;
    EllipsizeText(canvas, "Velmora", 2, result);
    EXPECT_EQ(result, "V...");
}

TEST_F(EllipsizeTextTest, TheShortestPrefixWhoseWidthReachesTheLimit) {
    const std::string text = "Velmora Free Center";
    const int maxWidth = Width("Velmora F...") - 1;
    std::string result;
    EllipsizeText(canvas, text, maxWidth, result);
    ASSERT_GT(result.size(), 3u);
    const std::string prefix = result.substr(0, result.size() - 3);
    EXPECT_EQ(result.substr(result.size() - 3), "...");
    EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0);
    EXPECT_GE(Width(result), maxWidth); // may overshoot by part of a character
    EXPECT_LT(Width(prefix.substr(0, prefix.size() - 1) + "..."), maxWidth);
    EXPECT_EQ(result, "Velmora F...");
}

TEST_F(EllipsizeTextTest, ATextWhoseShortenedFormsStayNarrowerComesBackWhole) {
    // Needs a last character wider than "...": look for one among wide glyphs and sizes.
    auto findText = [&]() -> std::string {
        for (int height : {-11, -24, -48})
            for (const char* wide : {"W", "M", "\x97", "@"}) {
                canvas->Font()->SetHeight(height);
                const std::string candidate = std::string("i") + wide;
                if (Width(candidate) > Width("i...") + 1)
                    return candidate;
            }
        return {};
    };
    const std::string text = findText();
    ASSERT_FALSE(text.empty()) << "no glyph of the font is wider than three dots";
    const int maxWidth = Width("i...") + 1;
    std::string result;
    EllipsizeText(canvas, text, maxWidth, result);
    EXPECT_EQ(result, text);
}

TEST(HasNamedProperty, StoredPropertiesOfTheClassAndItsAncestorsInAnyCase) {
    TLabel label(nullptr);
    EXPECT_TRUE(HasNamedProperty(&label, "Caption"));
    EXPECT_TRUE(HasNamedProperty(&label, "cApTiOn"));
    EXPECT_TRUE(HasNamedProperty(&label, "Tag"));          // from TComponent
    EXPECT_FALSE(HasNamedProperty(&label, "ClientWidth")); // run-time only, not stored
    EXPECT_FALSE(HasNamedProperty(&label, "UIStyle"));
    EXPECT_FALSE(HasNamedProperty(nullptr, "Caption"));
    TForm form(nullptr);
    EXPECT_TRUE(HasNamedProperty(&form, "ClientWidth")); // stored by forms
}

} // namespace
