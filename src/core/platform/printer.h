// Printing a help topic on the default printer.
#pragma once

#include <string>
#include <vector>

namespace varodex {

struct PrintResult {
    bool ok = true;
    std::string error;  // what went wrong, for the player, when not ok
};

class Printer {
public:
    virtual ~Printer() = default;
    // Prints the lines one below the other as one document.
    virtual PrintResult print_lines(const std::string& document_name,
                                    const std::vector<std::string>& lines) = 0;
};

}  // namespace varodex
