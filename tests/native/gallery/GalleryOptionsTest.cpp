// The gallery's command line: accepted argument lists and what they choose, rejected ones and
// why, as tables.
#include "gallery/GalleryOptions.h"

#include <gtest/gtest.h>

namespace {

using TArgs = std::vector<std::string>;

struct TAccepted {
    TArgs Args;
    TsuiUIStyle Style;
    std::string SkinFile;
    std::string Password;
    bool Trace;
};

const TAccepted kAccepted[] = {
    {{}, DeepBlue, "", "", false},
    {{"--trace"}, DeepBlue, "", "", true},
    {{"--style", "MacOS"}, MacOS, "", "", false},
    {{"--style", "WinXP", "--trace"}, WinXP, "", "", true},
    {{"--trace", "--style", "Protein"}, Protein, "", "", true},
    {{"--style", "BlueGlass"}, BlueGlass, "", "", false},
    {{"--style", "DeepBlue"}, DeepBlue, "", "", false},
    {{"--skin", "C:\\a b\\x.skn"}, DeepBlue, "C:\\a b\\x.skn", "", false},
    {{"--skin", "x.skn", "--password", "velmora"}, DeepBlue, "x.skn", "velmora", false},
    {{"--password", "p", "--skin", "x.skn", "--trace"}, DeepBlue, "x.skn", "p", true},
    // A value is taken as it is, even when it looks like an option.
    {{"--skin", "--trace"}, DeepBlue, "--trace", "", false},
};

TEST(GalleryOptions, AcceptedCommandLinesChooseStyleSkinPasswordAndTrace) {
    for (const TAccepted& row : kAccepted) {
        const TGalleryArguments parsed = ParseGalleryArguments(row.Args);
        const auto* options = std::get_if<TGalleryOptions>(&parsed);
        ASSERT_NE(options, nullptr)
            << ::testing::PrintToString(row.Args) << ": " << std::get<TUsageError>(parsed).Reason;
        EXPECT_EQ(options->Style, row.Style) << ::testing::PrintToString(row.Args);
        EXPECT_EQ(options->SkinFile, row.SkinFile) << ::testing::PrintToString(row.Args);
        EXPECT_EQ(options->Password, row.Password) << ::testing::PrintToString(row.Args);
        EXPECT_EQ(options->Trace, row.Trace) << ::testing::PrintToString(row.Args);
    }
}

struct TRejected {
    TArgs Args;
    std::string ReasonHas;
};

const TRejected kRejected[] = {
    {{"--bogus"}, "unknown option --bogus"},
    {{"-style", "MacOS"}, "unknown option -style"},
    {{"MacOS"}, "unknown option MacOS"},
    {{"--style"}, "--style needs a value"},
    {{"--trace", "--skin"}, "--skin needs a value"},
    {{"--skin", "x.skn", "--password"}, "--password needs a value"},
    {{"--style", "Nope"}, "unknown style Nope"},
    {{"--style", "macos"}, "unknown style macos"},
    {{"--style", "FromThemeFile"}, "unknown style FromThemeFile"},
    {{"--style", ""}, "unknown style"},
    {{"--skin", ""}, "--skin needs a file name"},
    {{"--password", "p"}, "--password needs --skin"},
    {{"--style", "WinXP", "--style", "MacOS"}, "--style given twice"},
    {{"--skin", "a", "--skin", "b"}, "--skin given twice"},
    {{"--skin", "a", "--password", "p", "--password", "q"}, "--password given twice"},
};

TEST(GalleryOptions, RejectedCommandLinesSayWhatIsWrong) {
    for (const TRejected& row : kRejected) {
        const TGalleryArguments parsed = ParseGalleryArguments(row.Args);
        const auto* error = std::get_if<TUsageError>(&parsed);
        ASSERT_NE(error, nullptr) << ::testing::PrintToString(row.Args);
        EXPECT_NE(error->Reason.find(row.ReasonHas), std::string::npos)
            << ::testing::PrintToString(row.Args) << ": " << error->Reason;
    }
}

TEST(GalleryOptions, StyleNamesAndStylesMapBothWays) {
    for (const TStyleChoice& choice : kStyleChoices) {
        EXPECT_EQ(StyleFromName(choice.Name), choice.Style) << choice.Name;
        EXPECT_EQ(StyleName(choice.Style), choice.Name) << choice.Name;
    }
    EXPECT_EQ(StyleName(FromThemeFile), "FromThemeFile");
    EXPECT_FALSE(StyleFromName("FromThemeFile").has_value());
}

} // namespace
