#include "players/record_line.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

#include "players/text_encoding.h"

namespace varodex {

namespace {

bool is_control(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// A cursor over one line. Every step returns false when the line is not in the format.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : p_(line.data()), end_(line.data() + line.size()) {}

    bool quoted(std::string_view& out) {
        skip_blanks();
        if (p_ == end_ || *p_ != '"') return false;
        ++p_;
        const auto* close = static_cast<const char*>(std::memchr(p_, '"', end_ - p_));
        if (close == nullptr) return false;
        for (const char* q = p_; q != close; ++q) {
            if (is_control(static_cast<unsigned char>(*q))) return false;
        }
        out = std::string_view(p_, close - p_);
        p_ = close + 1;
        return true;
    }

    bool integer(int& out) {
        skip_blanks();
        const char* start = p_;
        if (p_ != end_ && *p_ == '-') ++p_;
        const char* digits = p_;
        while (p_ != end_ && *p_ >= '0' && *p_ <= '9') ++p_;
        // Eleven digits and more never fit 32 bits; stop before the sum could overflow.
        if (p_ == digits || p_ - digits > 10) return false;
        std::int64_t value = 0;
        for (const char* q = digits; q != p_; ++q) value = value * 10 + (*q - '0');
        if (*start == '-') value = -value;
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            return false;
        out = static_cast<int>(value);
        return true;
    }

    bool boolean(bool& out) {
        skip_blanks();
        const std::string_view rest(p_, end_ - p_);
        if (rest.starts_with("#TRUE#")) {
            out = true;
            p_ += 6;
            return true;
        }
        if (rest.starts_with("#FALSE#")) {
            out = false;
            p_ += 7;
            return true;
        }
        return false;
    }

    bool comma() {
        skip_blanks();
        if (p_ == end_ || *p_ != ',') return false;
        ++p_;
        return true;
    }

    bool at_end() {
        skip_blanks();
        return p_ == end_;
    }

  private:
    void skip_blanks() {
        while (p_ != end_ && *p_ == ' ') ++p_;
    }

    const char* p_;
    const char* end_;
};

}  // namespace

NameFit check_record_name(std::string_view name) {
    if (!is_valid_utf8(name)) return NameFit::not_utf8;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == '"') return NameFit::double_quote;
        if (is_control(byte)) return NameFit::control_character;
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F in UTF-8.
        if (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0)
            return NameFit::control_character;
    }
    if (utf8_length(name) > longest_player_name) return NameFit::too_long;
    return NameFit::fits;
}

bool is_record_date(std::string_view date) {
    if (date.size() != 10 || date[2] != '-' || date[5] != '-') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (date[i] < '0' || date[i] > '9') return false;
    }
    return true;
}

std::string format_record_line(const GameRecord& record) {
    std::string line;
    line.reserve(record.player_name.size() + 48);
    line += '"';
    line += record.player_name;
    line += "\",\"";
    line += record.date_played;
    line += "\",";
    line += std::to_string(record.game_code);
    line += record.time_trial_game ? ",#TRUE#," : ",#FALSE#,";
    line += std::to_string(record.score);
    line += ',';
    line += std::to_string(record.hint_delay);
    line += ',';
    line += std::to_string(record.way_to_play);
    line += "\r\n";
    return line;
}

std::optional<RecordFields> parse_record_fields(std::string_view line) {
    RecordFields fields;
    LineReader reader(line);
    if (reader.quoted(fields.name) && reader.comma() && reader.quoted(fields.date) &&
        is_record_date(fields.date) && reader.comma() && reader.integer(fields.game_code) &&
        reader.comma() && reader.boolean(fields.time_trial_game) && reader.comma() &&
        reader.integer(fields.score) && reader.comma() && reader.integer(fields.hint_delay) &&
        reader.comma() && reader.integer(fields.way_to_play) && reader.at_end())
        return fields;
    return std::nullopt;
}

std::string record_name_text(std::string_view raw_name) {
    return utf8_or_windows_1252(raw_name);
}

NameMatcher::NameMatcher(std::string_view name) : name_(name) {
    // A line in Windows-1252 holds the name in those bytes; they only count when they are
    // not UTF-8 themselves, else the line reads as UTF-8 and means something else.
    if (auto legacy = utf8_to_windows_1252(name);
        legacy && *legacy != name_ && !is_valid_utf8(*legacy)) {
        legacy_ = std::move(*legacy);
        has_legacy_ = true;
    }
}

std::optional<GameRecord> parse_record_line(std::string_view line) {
    const auto fields = parse_record_fields(line);
    if (!fields) return std::nullopt;
    return GameRecord{record_name_text(fields->name),
                      std::string(fields->date),
                      fields->game_code,
                      fields->time_trial_game,
                      fields->score,
                      fields->hint_delay,
                      fields->way_to_play};
}

std::optional<std::string_view> leading_record_name(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && line[start] == ' ') ++start;
    if (start == line.size() || line[start] != '"') return std::nullopt;
    const std::size_t close = line.find('"', start + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(start + 1, close - start - 1);
}

}  // namespace varodex
