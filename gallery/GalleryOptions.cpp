#include "gallery/GalleryOptions.h"

#include <algorithm>

namespace {
constexpr std::string_view kStyleOption = "--style";
constexpr std::string_view kSkinOption = "--skin";
constexpr std::string_view kPasswordOption = "--password";
constexpr std::string_view kTraceOption = "--trace";
constexpr std::string_view kSkinStyleName = "FromThemeFile";
} // namespace

std::optional<TsuiUIStyle> StyleFromName(std::string_view name) {
    const auto found = std::find_if(kStyleChoices.begin(), kStyleChoices.end(),
                                    [&](const TStyleChoice& c) { return c.Name == name; });
    if (found == kStyleChoices.end())
        return std::nullopt;
    return found->Style;
}

std::string_view StyleName(TsuiUIStyle style) {
    for (const TStyleChoice& choice : kStyleChoices)
        if (choice.Style == style)
            return choice.Name;
    return kSkinStyleName;
}

TGalleryArguments ParseGalleryArguments(const std::vector<std::string>& arguments) {
    TGalleryOptions options;
    bool styleSeen = false, skinSeen = false, passwordSeen = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        if (option == kTraceOption) {
            options.Trace = true;
            continue;
        }
        if (option != kStyleOption && option != kSkinOption && option != kPasswordOption)
            return TUsageError{"unknown option " + std::string(option)};
        if (i + 1 == arguments.size())
            return TUsageError{std::string(option) + " needs a value"};
        const std::string& value = arguments[++i];
        bool& seen = option == kStyleOption  ? styleSeen
                     : option == kSkinOption ? skinSeen
                                             : passwordSeen;
        if (seen)
            return TUsageError{std::string(option) + " given twice"};
        seen = true;
        if (option == kStyleOption) {
            const std::optional<TsuiUIStyle> style = StyleFromName(value);
            if (!style)
                return TUsageError{"unknown style " + value};
            options.Style = *style;
        } else if (option == kSkinOption) {
            if (value.empty())
                return TUsageError{"--skin needs a file name"};
            options.SkinFile = value;
        } else {
            options.Password = value;
        }
    }
    if (passwordSeen && !skinSeen)
        return TUsageError{"--password needs --skin"};
    return options;
}
