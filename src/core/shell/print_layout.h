// How a help topic is laid out on paper: its title, an empty line, then the text with a
// line break at the first blank after more than 70 characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varodex {

inline constexpr int print_break_column = 70;

// Inserts CR LF before the first blank met once more than 70 characters have been counted
// since the last break; that blank starts the next line. The count restarts at every
// carriage return of the text. Characters are counted, not bytes, so ² counts once.
std::string break_for_printing(std::string_view text);

// Splits at CR LF, CR or LF; a line end at the very end opens no further line.
std::vector<std::string> split_lines(std::string_view text);

// The lines handed to the printer: the title, an empty line, the broken text.
std::vector<std::string> print_lines_for_topic(std::string_view title, std::string_view text);

}  // namespace varodex
