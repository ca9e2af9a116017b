// A window's control as data: what the game reads and changes of it. Static looks (font
// family, alignment, pictures) belong to the view.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace varodex {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour hex(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
    friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour black = Colour::hex(0x000000);
inline constexpr Colour white = Colour::hex(0xFFFFFF);
inline constexpr Colour red = Colour::hex(0xFF0000);
inline constexpr Colour green = Colour::hex(0x00FF00);
inline constexpr Colour blue = Colour::hex(0x0000FF);
inline constexpr Colour yellow = Colour::hex(0xFFFF00);
inline constexpr Colour cyan = Colour::hex(0x00FFFF);
inline constexpr Colour purple = Colour::hex(0xFF00FF);

// The mouse pointer over a control. For the game's squares it is also their clickable
// state: only a square with the hand pointer takes an answer.
enum class Pointer { normal, hand, no_drop, busy };

struct Control {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Colour fore = black;
    Colour back = white;
    double font_size = 0;  // points; 0 keeps the view's design size
    Pointer pointer = Pointer::normal;

    friend bool operator==(const Control&, const Control&) = default;
};

// A control with its caption at its design place.
inline Control placed(std::string caption, int left, int top, int width, int height,
                      Colour fore = black) {
    Control control;
    control.caption = std::move(caption);
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.fore = fore;
    return control;
}

}  // namespace varodex
