// The accelerator character of a caption: the one after a single ampersand ("&&" stands for a
// literal ampersand).
#pragma once

#include <cctype>
#include <string_view>

inline bool IsAcceleratorOf(char ch, std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
               std::toupper(static_cast<unsigned char>(ch));
    }
    return false;
}
