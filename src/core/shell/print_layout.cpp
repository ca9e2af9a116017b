#include "shell/print_layout.h"

namespace varodex {

namespace {

bool is_utf8_continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string break_for_printing(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 35 + 2);
    int column = 0;
    for (const char c : text) {
        if (c == '\r') column = 0;
        if (c == ' ' && column > print_break_column) {
            column = 0;
            result += "\r\n";
        }
        if (!is_utf8_continuation(c)) ++column;
        result += c;
    }
    return result;
}

std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool line_open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            line_open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
            line_open = true;
        }
    }
    if (line_open) lines.push_back(line);
    return lines;
}

std::vector<std::string> print_lines_for_topic(std::string_view title, std::string_view text) {
    std::vector<std::string> lines = {std::string(title), ""};
    for (std::string& line : split_lines(break_for_printing(text)))
        lines.push_back(std::move(line));
    return lines;
}

}  // namespace varodex
