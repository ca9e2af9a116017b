// The state of the game in progress; it lives and dies with one game screen.
#pragma once

namespace varodex {

enum class CombatPlayer { p, q };

struct GameScreenState {
    bool restarting_screen = false;  // closing to move on: the quit question is not asked

    // The game.
    int problem_number = 0;
    int total_score = 0;
    int time_used = 0;  // Time Trial: whole seconds of the ended problems
    int board_ticks = 0;

    // The running problem.
    bool problem_ready = false;  // answers are taken only while true
    bool problem_running = false;
    bool answered_wrong = false;  // freezes the time bonus
    int problem_score = 0;
    double problem_start_time = 0;  // monotonic seconds
    int time_bonus_points = 0;
    int hint_stage = 0;
    int feedback_ticks = 0;

    // Combat.
    int p_score = 0;
    int q_score = 0;
    int answer_limit = 0;
    int steal_limit = 0;
    bool p_buzzed = false;
    bool q_buzzed = false;
    int buzz_count = 0;
    double buzz_time = 0;
    int answer_seconds = 0;
    bool steal_open = false;
    double steal_start = 0;
    int steal_seconds = 0;
};

}  // namespace varodex
