#include "players/line_scanner.h"

namespace varodex {

namespace {

// Small enough to stay in the cache while its lines are read.
constexpr std::size_t block_size = std::size_t{1} << 18;

const char* last_newline(const char* begin, const char* end) {
    for (const char* p = end; p != begin; --p) {
        if (p[-1] == '\n') return p - 1;
    }
    return nullptr;
}

}  // namespace

LineScanner::LineScanner(std::FILE* file) : file_(file), buffer_(block_size) {
    begin_ = end_ = buffer_.data();
}

bool LineScanner::next_lines(std::string_view& lines) {
    while (!at_eof_) {
        if (!refill()) {
            at_eof_ = true;
            break;
        }
        if (skipping_) {
            const auto* first = static_cast<const char*>(std::memchr(begin_, '\n', end_ - begin_));
            if (first == nullptr) {
                begin_ = end_;
                continue;
            }
            begin_ = first + 1;
            skipping_ = false;
        }
        if (const char* last = last_newline(begin_, end_)) {
            lines = std::string_view(begin_, last + 1 - begin_);
            begin_ = last + 1;
            return true;
        }
    }
    // What is left is a last line without its line end: a torn line, or a file edited by
    // hand. The tail of an overlong line is not one.
    const bool left = begin_ != end_ && !skipping_;
    lines = std::string_view(begin_, end_ - begin_);
    begin_ = end_;
    return left;
}

bool LineScanner::refill() {
    std::size_t kept = static_cast<std::size_t>(end_ - begin_);
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
    if (got > 0) first_block_ = false;
    if (got == 0) failed_ = std::ferror(file_) != 0;
    return got > 0;
}

}  // namespace varodex
