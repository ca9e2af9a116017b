// Reads a text file through one large buffer, a run of whole lines at a time, so that
// reading a big records file costs little more than reading its bytes.
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

    // The next run of whole lines, each with its LF; the last line of the file may lack it.
    // The view is valid until the next call; false after the end of the file. A byte-order
    // mark at the start is passed over, and so is a line too long to be a record, which is
    // never held in memory whole.
    bool next_lines(std::string_view& lines);

    // Whether reading stopped on an error rather than at the end of the file.
    bool failed() const { return failed_; }

  private:
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

// Calls visit(line) for each line of a run, without its LF or CR LF, passing over lines too
// long to be a record.
template <typename Visit>
void for_each_line(std::string_view lines, Visit&& visit) {
    const char* p = lines.data();
    const char* const end = p + lines.size();
    while (p < end) {
        const auto* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
        const char* line_end = newline != nullptr ? newline : end;
        std::size_t length = static_cast<std::size_t>(line_end - p);
        if (length <= longest_record_line + 1) {
            if (length > 0 && p[length - 1] == '\r') --length;
            visit(std::string_view(p, length));
        }
        p = line_end + 1;
    }
}

}  // namespace varodex
