// The gallery's command line: which built-in style to start in, an optional skin file with its
// password, and whether handled events are traced on standard output. Portable.
#pragma once

#include "skin/SUIStyle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

constexpr std::string_view kGalleryUsage =
    "usage: ToolkitGallery [--style MacOS|WinXP|DeepBlue|Protein|BlueGlass] "
    "[--skin FILE [--password P]] [--trace]";

struct TGalleryOptions {
    TsuiUIStyle Style = DeepBlue;
    std::string SkinFile; // empty: no skin
    std::string Password;
    bool Trace = false;
};

// What was wrong with the command line, in a few words.
struct TUsageError {
    std::string Reason;
};

using TGalleryArguments = std::variant<TGalleryOptions, TUsageError>;

// The arguments after the program name.
TGalleryArguments ParseGalleryArguments(const std::vector<std::string>& arguments);

// The five built-in styles a user can choose, in menu order.
struct TStyleChoice {
    TsuiUIStyle Style;
    std::string_view Name;
};
constexpr std::array<TStyleChoice, 5> kStyleChoices{{{MacOS, "MacOS"},
                                                     {WinXP, "WinXP"},
                                                     {DeepBlue, "DeepBlue"},
                                                     {Protein, "Protein"},
                                                     {BlueGlass, "BlueGlass"}}};

// The exact name of a built-in style; none for any other text.
std::optional<TsuiUIStyle> StyleFromName(std::string_view name);
// "MacOS" .. "BlueGlass"; "FromThemeFile" for a skin.
std::string_view StyleName(TsuiUIStyle style);
