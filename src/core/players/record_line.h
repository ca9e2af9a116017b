// One line of the records file: seven comma-separated fields, texts in double quotes,
// Booleans as #TRUE#/#FALSE#, ended by CR LF. How a record is written, how a line is read
// back, and which names the format can hold.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "players/game_record.h"

namespace varodex {

// A name has at most this many characters, so that a line stays short.
inline constexpr std::size_t longest_player_name = 200;

// Longer lines are damage, not records: a valid line is well under a kilobyte.
inline constexpr std::size_t longest_record_line = 4096;

enum class NameFit { fits, double_quote, control_character, too_long, not_utf8 };

// Whether the name can be written between quotes on one line and read back the same. An
// empty name fits.
NameFit check_record_name(std::string_view name);

// A date of the form mm-dd-yyyy (digits only; the calendar is not checked).
bool is_record_date(std::string_view date);

// The record as one line with its CR LF. The name must fit and the date be a record date.
std::string format_record_line(const GameRecord& record);

// The fields of a line as they stand in the file, the name not yet decoded. The views point
// into the line.
struct RecordFields {
    std::string_view name;
    std::string_view date;
    int game_code = 0;
    bool time_trial_game = false;
    int score = 0;
    int hint_delay = 0;
    int way_to_play = 0;
};

// Reads a line without its line end. Blanks in front of a field and after it are allowed;
// anything else that is not the written form (a missing or extra field, a number that is
// not a 32-bit integer, another Boolean, a control character, an unclosed quote) makes the
// line unreadable and gives nullopt.
std::optional<RecordFields> parse_record_fields(std::string_view line);

// The name of a parsed line in UTF-8: as it stands, or read as Windows-1252 when the line
// is not valid UTF-8.
std::string record_name_text(std::string_view raw_name);

// Tells whether the raw name of a line stands for one given name (valid UTF-8): the name's
// own bytes, or its Windows-1252 bytes on a line that is not UTF-8. Compares bytes only,
// so a reader passes over other players' lines at little cost.
class NameMatcher {
  public:
    explicit NameMatcher(std::string_view name);

    bool matches(std::string_view raw_name) const {
        return raw_name == name_ || (has_legacy_ && raw_name == legacy_);
    }

  private:
    std::string name_;
    std::string legacy_;
    bool has_legacy_ = false;
};

// The whole record of a line, the name decoded.
std::optional<GameRecord> parse_record_line(std::string_view line);

// The quoted name at the start of a line, or nullopt when the line does not start with one.
// Lets a reader pass over other players' lines without reading all their fields.
std::optional<std::string_view> leading_record_name(std::string_view line);

}  // namespace varodex
