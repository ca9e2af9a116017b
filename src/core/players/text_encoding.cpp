#include "players/text_encoding.h"

#include <array>
#include <cstdint>

namespace varodex {

namespace {

// Length of the UTF-8 sequence at text[i] when it is well formed (no overlong forms, no
// surrogates, nothing above U+10FFFF); 0 otherwise.
std::size_t sequence_length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const auto continuation = [&](std::size_t k) {
        return k < text.size() && (byte(k) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return continuation(i + 1) ? 2 : 0;
    if (lead < 0xF0) {
        if (!continuation(i + 1) || !continuation(i + 2)) return 0;
        const unsigned char second = byte(i + 1);
        if (lead == 0xE0 && second < 0xA0) return 0;   // overlong
        if (lead == 0xED && second >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (lead < 0xF5) {
        if (!continuation(i + 1) || !continuation(i + 2) || !continuation(i + 3)) return 0;
        const unsigned char second = byte(i + 1);
        if (lead == 0xF0 && second < 0x90) return 0;   // overlong
        if (lead == 0xF4 && second >= 0x90) return 0;  // above U+10FFFF
        return 4;
    }
    return 0;
}

char32_t decode(std::string_view text, std::size_t i, std::size_t length) {
    const auto byte = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(text[k]));
    };
    switch (length) {
        case 1:
            return byte(i);
        case 2:
            return ((byte(i) & 0x1F) << 6) | (byte(i + 1) & 0x3F);
        case 3:
            return ((byte(i) & 0x0F) << 12) | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
        default:
            return ((byte(i) & 0x07) << 18) | ((byte(i + 1) & 0x3F) << 12) |
                   ((byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
    }
}

void encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> windows_1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t lower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) return U'i';
        if (c == 0x178) return 0xFF;
        const bool even_pairs = (c < 0x138) || (c >= 0x14A && c < 0x178);
        const bool odd_pairs = (c >= 0x139 && c < 0x149) || (c >= 0x179 && c < 0x17F);
        if (even_pairs && c % 2 == 0) return c + 1;
        if (odd_pairs && c % 2 == 1) return c + 1;
        return c;
    }
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 63;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    return c;
}

}  // namespace

bool is_valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        // Most names are plain ASCII: step over it quickly.
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = sequence_length(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string windows_1252_to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80 && byte < 0xA0) {
            encode(windows_1252_high[byte - 0x80], out);
        } else {
            encode(byte, out);
        }
    }
    return out;
}

std::optional<std::string> utf8_to_windows_1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = sequence_length(text, i);
        if (length == 0) return std::nullopt;
        const char32_t c = decode(text, i, length);
        i += length;
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out += static_cast<char>(c);
            continue;
        }
        std::size_t k = 0;
        while (k < windows_1252_high.size() && windows_1252_high[k] != c) ++k;
        if (k == windows_1252_high.size()) return std::nullopt;
        out += static_cast<char>(0x80 + k);
    }
    return out;
}

std::string utf8_or_windows_1252(std::string_view text) {
    if (is_valid_utf8(text)) return std::string(text);
    return windows_1252_to_utf8(text);
}

std::size_t utf8_length(std::string_view text) {
    std::size_t count = 0;
    for (char ch : text) count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return count;
}

std::string lower_case(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = sequence_length(text, i);
        if (length == 0) {
            out += text[i++];  // not UTF-8: leave the byte alone
            continue;
        }
        encode(lower(decode(text, i, length)), out);
        i += length;
    }
    return out;
}

}  // namespace varodex
