// UTF-8 checks and conversions for names: the records file is UTF-8, but files written by
// older copies hold Windows-1252.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varodex {

bool is_valid_utf8(std::string_view text);

// Every byte as its Windows-1252 character, written in UTF-8. The five bytes the code page
// leaves undefined keep their own code points (U+0081, U+008D, U+008F, U+0090, U+009D).
std::string windows_1252_to_utf8(std::string_view text);

// The same characters in Windows-1252, when the code page has them all.
std::optional<std::string> utf8_to_windows_1252(std::string_view text);

// The text itself when it is valid UTF-8, otherwise read as Windows-1252.
std::string utf8_or_windows_1252(std::string_view text);

// Characters (code points) of valid UTF-8 text.
std::size_t utf8_length(std::string_view text);

// Lower case for the letters of the Latin, Greek and Cyrillic alphabets; anything else is
// kept as it is. The text must be valid UTF-8.
std::string lower_case(std::string_view text);

}  // namespace varodex
