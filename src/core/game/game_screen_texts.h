// The fixed texts the game screen shows.
#pragma once

#include <string>

namespace varodex {

// Captions of the start button.
inline const std::string start_caption = "start";
inline const std::string next_problem_caption = "Next Problem";
inline const std::string play_again_caption = "Play Again";
inline const std::string show_scores_caption = "show scores";

// The instruction line.
inline const std::string click_purple_squares_text =
    "Click on the correct answer from the purple squares below.";
inline const std::string click_checkboxes_text =
    "Click on the correct answer from the checkboxes below.";
inline const std::string next_problem_instruction = "Please click on next problem button.";
inline const std::string show_scores_instruction =
    "Now click on the show scores button to see your results.";
inline const std::string play_again_instruction =
    "Click on the Play Again button to start another game.";

inline const std::string skip_problem_caption = "Skip Problem";
inline const std::string wrong_answer_text = "Sorry, you are wrong.  The correct answer is 18.";
inline const std::string combat_answer_explanation_text =
    "The correct answer is shown above.  Please click on the next problem button.";
inline const std::string p_combat_instructions_text =
    "P Player - if you see the answer, press the \"P\" key. ";
inline const std::string q_combat_instructions_text =
    "Q Player - if you see the answer, press the \"Q\" key. ";

// Combat's instruction line.
inline const std::string p_answer_instruction = "Player P please click on the correct answer.";
inline const std::string q_answer_instruction = "Player Q please click on the correct answer.";
inline const std::string p_too_long_instruction = "Sorry, Player P, you took too long to answer.";
inline const std::string q_too_long_instruction = "Sorry, Player Q, you took too long to answer.";
inline const std::string steal_time_up_instruction = "Sorry, your steal time is up.";

}  // namespace varodex
