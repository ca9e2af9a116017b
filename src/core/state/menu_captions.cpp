#include "state/menu_captions.h"

#include <array>

namespace varodex {

namespace {

std::array<std::string, algebra_level_count> make_level_captions() {
    std::array<std::string, algebra_level_count> captions = {
        "Level 1  either of two functions", "Level 2  any of three functions",
        "Level 3  any of four functions",   "Level 4  any of five functions",
        "Level 5 - any of six functions",   "Level 6-  any of seven functions",
        "Level 7 - any of eight functions", "Level 8 -  any of nine functions",
        "Level 9 - any of ten functions",   "Level 10 - any of 11 functions",
    };
    // Levels 11 to 20 follow one pattern, with two blanks after the dash.
    for (int level = 11; level <= 20; ++level) {
        captions[static_cast<std::size_t>(level - 1)] = "Level " + std::to_string(level) +
                                                        " -  any of " + std::to_string(level + 1) +
                                                        " functions";
    }
    captions[20] = "Level 21 - Savantor! More Parameters";
    return captions;
}

const std::array<std::string, hint_delay_entry_count> hint_delay_captions = {
    "5  Seconds", "10 Seconds", "15 Seconds", "20 Seconds", "25 Seconds",
    "30 seconds", "35 Seconds", "40 Seconds", "45 Seconds", "50 Seconds",
    "55 Seconds", "60 Seconds", "No Hint",
};

const std::array<std::string, 3> way_captions = {"Calculate Value", "Choose Formula",
                                                 "Figure Formula and Calculate"};

const std::array<std::string, 3> kind_captions = {"Ten Problem Game", "Time Trial Game",
                                                  "Combat! Varodex Game"};

template <std::size_t N>
const std::string& pick(const std::array<std::string, N>& texts, int position) {
    static const std::string none;
    if (position < 0 || position >= static_cast<int>(N)) return none;
    return texts[static_cast<std::size_t>(position)];
}

}  // namespace

const std::string& algebra_level_menu_caption(int level) {
    static const std::array<std::string, algebra_level_count> captions = make_level_captions();
    return pick(captions, level - 1);
}

const std::string& hint_delay_menu_caption(int index) {
    return pick(hint_delay_captions, index);
}

const std::string& way_to_play_menu_caption(int way) {
    return pick(way_captions, way);
}

const std::string& game_kind_menu_caption(int kind) {
    return pick(kind_captions, kind - 1);
}

}  // namespace varodex
