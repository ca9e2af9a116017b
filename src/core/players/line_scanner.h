// Reads a text file line by line through one large buffer, so that reading a big records
// file costs little more than reading its bytes.
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace varodex {

class LineScanner {
public:
    // The file must be open for reading; the scanner does not close it.
    explicit LineScanner(std::FILE* file);

    // The next line without its LF or CR LF; false after the last one. A byte-order mark at
    // the start of the file is passed over, and so is any line longer than
    // longest_record_line, which is never held in memory whole.
    bool next(std::string_view& line);

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

}  // namespace varodex
