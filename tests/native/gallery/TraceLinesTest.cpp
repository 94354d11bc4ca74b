// Trace lines: captions lose their accelerator marks as the user reads them.
#include "gallery/TraceLines.h"

#include <gtest/gtest.h>

namespace {

struct TCaption {
    const char* Caption;
    const char* Shown;
};

const TCaption kCaptions[] = {
    {"&Copy", "Copy"},
    {"C&opy", "Copy"},
    {"Copy", "Copy"},
    {"Save &As...", "Save As..."},
    {"Fish && &Chips", "Fish & Chips"},
    {"&&", "&"},
    {"Trailing&", "Trailing"},
    {"&&&x", "&x"},
    {"", ""},
};

TEST(TraceLines, MenuLinesShowTheCaptionWithoutAcceleratorMarks) {
    for (const TCaption& row : kCaptions) {
        EXPECT_EQ(WithoutAccelerators(row.Caption), row.Shown) << row.Caption;
        EXPECT_EQ(MenuTraceLine(row.Caption), std::string("menu ") + row.Shown) << row.Caption;
    }
}

TEST(TraceLines, TitleBarAndStyleLines) {
    EXPECT_EQ(TitleBarTraceLine(4), "titlebar 4");
    EXPECT_EQ(TitleBarTraceLine(12), "titlebar 12");
    EXPECT_EQ(StyleTraceLine("BlueGlass"), "style BlueGlass");
}

} // namespace
