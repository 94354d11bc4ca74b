// The lines the gallery prints for the events it handles (--trace). Portable.
#pragma once

#include <string>
#include <string_view>

// A menu caption as the user reads it: each '&' marks the next character and goes, "&&" is
// one '&'.
std::string WithoutAccelerators(std::string_view caption);

// "menu CAPTION", "titlebar INDEX", "style NAME".
std::string MenuTraceLine(std::string_view caption);
std::string TitleBarTraceLine(int buttonIndex);
std::string StyleTraceLine(std::string_view styleName);
