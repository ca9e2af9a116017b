#include "shell/large_fonts.h"

#include <array>

namespace varodex {

bool desktop_uses_large_fonts(DisplayScale scale) {
    return scale.logical_dpi * scale.device_pixel_ratio > largest_small_fonts_dpi;
}

std::string large_fonts_message_text() {
    static const std::array<const char*, 11> lines = {
        "Varodex requires small fonts (the default windows setting) to display properly.",
        "",
        "To change your fonts:",
        "1.  Right click anywhere on your Desktop",
        "2.  Select Properties",
        "3.  Click on Settings",
        "4.  click on the advanced button",
        "5. Select small fonts",
        "",
        "Click on yes if you'd like to continue the game anyway",
        "Click on no if you'd like to exit the game and adjust your screen settings",
    };
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\r';
        text += lines[i];
    }
    return text;
}

MessageBoxRequest large_fonts_message() {
    return {large_fonts_message_text(), "Please Change Screen Resolution", DialogIcon::exclamation,
            DialogButtons::yes_no, DialogButton::yes};
}

}  // namespace varodex
