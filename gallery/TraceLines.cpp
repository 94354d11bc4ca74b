#include "gallery/TraceLines.h"

std::string WithoutAccelerators(std::string_view caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        text += caption[i];
    }
    return text;
}

std::string MenuTraceLine(std::string_view caption) {
    return "menu " + WithoutAccelerators(caption);
}

std::string TitleBarTraceLine(int buttonIndex) {
    return "titlebar " + std::to_string(buttonIndex);
}

std::string StyleTraceLine(std::string_view styleName) {
    return "style " + std::string(styleName);
}
