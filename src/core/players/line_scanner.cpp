#include "players/line_scanner.h"

#include <cstring>

namespace varodex {

namespace {

constexpr std::size_t block_size = std::size_t{1} << 18;

std::string_view without_cr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

LineScanner::LineScanner(std::FILE* file) : file_(file), buffer_(block_size) {
    begin_ = end_ = buffer_.data();
}

bool LineScanner::next_slow(std::string_view& line) {
    while (true) {
        const auto* newline = static_cast<const char*>(std::memchr(begin_, '\n', end_ - begin_));
        if (newline != nullptr) {
            const std::string_view found(begin_, newline - begin_);
            begin_ = newline + 1;
            if (skipping_) {
                skipping_ = false;
                continue;
            }
            if (found.size() > longest_record_line + 1) continue;
            line = without_cr(found);
            return true;
        }
        if (at_eof_) {
            // The last line has no line end: a torn line, or a file edited by hand.
            if (begin_ == end_ || skipping_) return false;
            const std::string_view rest(begin_, end_ - begin_);
            begin_ = end_;
            if (rest.size() > longest_record_line + 1) return false;
            line = without_cr(rest);
            return true;
        }
        if (!refill()) at_eof_ = true;
    }
}

bool LineScanner::refill() {
    std::size_t kept = end_ - begin_;
    if (kept > longest_record_line + 1) {
        // Drop the start of an overlong line and pass over the rest of it.
        skipping_ = true;
        kept = 0;
    }
    std::memmove(buffer_.data(), begin_, kept);
    char* fill = buffer_.data() + kept;
    const std::size_t got = std::fread(fill, 1, buffer_.size() - kept, file_);
    begin_ = buffer_.data();
    end_ = fill + got;
    if (first_block_ && got >= 3 && std::memcmp(fill, "\xEF\xBB\xBF", 3) == 0) begin_ += 3;
    first_block_ = first_block_ && got == 0;
    if (got == 0) {
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    return true;
}

}  // namespace varodex
