// Reads a text file line by line through one large buffer, so that reading a big records
// file costs little more than reading its bytes.
#pragma once

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "players/record_line.h"

namespace varodex {

class LineScanner {
public:
    // The file must be open for reading; the scanner does not close it.
    explicit LineScanner(std::FILE* file);

    // The next line without its LF or CR LF; false after the last one. A byte-order mark at
    // the start of the file is passed over, and so is any line longer than
    // longest_record_line, which is never held in memory whole.
    bool next(std::string_view& line) {
        // The common case inline: a whole line of normal length in the buffer.
        if (!skipping_) {
            const auto* newline = static_cast<const char*>(std::memchr(begin_, '\n', end_ - begin_));
            if (newline != nullptr && newline - begin_ <= static_cast<long>(longest_record_line + 1)) {
                const char* start = begin_;
                std::size_t length = static_cast<std::size_t>(newline - begin_);
                begin_ = newline + 1;
                if (length > 0 && start[length - 1] == '\r') --length;
                line = std::string_view(start, length);
                return true;
            }
        }
        return next_slow(line);
    }

    // Whether reading stopped on an error rather than at the end of the file.
    bool failed() const { return failed_; }

private:
    bool next_slow(std::string_view& line);
    bool refill();

    std::FILE* file_;
    std::vector<char> buffer_;
    const char* begin_ = nullptr;
    const char* end_ = nullptr;
    bool at_eof_ = false;
    bool failed_ = false;
    bool skipping_ = false;  // inside a line that is too long
    bool first_block_ = true;
};

}  // namespace varodex
