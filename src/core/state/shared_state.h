// The application-wide state every window reads and writes, with its start-up defaults,
// the menu operations that change it and the values derived when the game screen opens.
#pragma once

#include <string>
#include <vector>

namespace varodex {

// Game kinds.
inline constexpr int ten_problem_kind = 1;
inline constexpr int time_trial_kind = 2;
inline constexpr int combat_kind = 3;

// Ways to play.
inline constexpr int calculate_value_way = 0;
inline constexpr int choose_formula_way = 1;
inline constexpr int figure_formula_way = 2;

// The hint delay that means "No Hint".
inline constexpr int no_hint_delay = 1000;

// Game codes: 101..121 practise function code - 100; 202..222 are Algebra Game levels
// code - 201 (222 is the Savantor level); 201 is function 1 alone, reachable only from a
// stored record.
inline constexpr int first_practice_code = 101;
inline constexpr int last_practice_code = 121;
inline constexpr int function_one_only_code = 201;
inline constexpr int savantor_code = 222;

struct SharedState {
    int game_code = first_practice_code;
    int game_kind = ten_problem_kind;
    bool time_trial_game = false;
    bool combat_game = false;
    int way_to_play = calculate_value_way;
    int hint_delay = 30;
    bool sound_on = true;

    std::string player_name;
    std::string first_name;
    std::vector<std::string> player_names;
    int player_count = 0;

    bool new_player = true;
    bool figure_formula_played = false;
    int final_score = 0;
    int help_topic = 0;
    // Set by "Play Again": the fresh game screen starts its first problem as it opens.
    bool start_first_problem = false;

    // Derived each time the game screen opens.
    int time_trial_limit = 0;
    std::string game_title;
};

// Whether a menu choice closes the game screen and opens a fresh one.
enum class MenuEffect { restart, none };

// The menu operations; each makes its assignments and says what follows.
MenuEffect choose_practice_function(SharedState& state, int menu_index);  // 0..20
MenuEffect choose_algebra_level(SharedState& state, int menu_index);      // 1..21
MenuEffect choose_way_to_play(SharedState& state, int menu_index);        // 0..2
MenuEffect choose_ten_problem_game(SharedState& state);
MenuEffect choose_time_trial_game(SharedState& state);
MenuEffect choose_combat_game(SharedState& state);
MenuEffect choose_hint_delay(SharedState& state, int menu_index);  // 0..12
MenuEffect choose_sound(SharedState& state, int menu_index);       // 0 on, 1 off

// Writes game_kind and its two flags together so they always agree.
void set_game_kind(SharedState& state, int kind);

// The derivations made, in this order, each time the game screen opens.
void apply_time_trial_hint_rule(SharedState& state);
int derive_time_trial_limit(const SharedState& state);
std::string derive_game_title(int game_code);
std::string derive_window_title(int game_code, const std::string& game_title);
void derive_game_screen_values(SharedState& state);

// "Level " and the level number in plain digits.
std::string level_label_text(int game_code);

// The player's name up to its first blank.
std::string first_name_of(const std::string& player_name);

inline bool is_practice_code(int game_code) { return game_code < 200; }

}  // namespace varodex
