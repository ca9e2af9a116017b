#include "game/game_screen_texts.h"

#include <array>

namespace varodex {

namespace {

const std::string function_one_tip =
    "You are in Function One of the Individual Function Practice Game, using the Calculate "
    "Value way to play.  To play, determine which is larger, x or y?  That value is called the "
    "maximum(x,y).  Now click on that value from the purple squares with the yellow numbers.\r\n";

const std::string figure_formula_tip =
    "You are in the \"Figure Formula And Calculate\" mode.  In the prior mode you \r\n"
    "were given the formula and asked to calculate.  Now, you must first figure out \r\n"
    "what the formula is.  On this level the formula is either the Maximum(x,y) or the \r\n"
    "Minimum(x,y).  Can you tell which one it is?  Notice that the z values are always \r\n"
    "the largest of the x and y values directly above them.  The formula therefore is \r\n"
    "the Maximum(x,y).  Now find the z cube with the '?\" symbol.  From the x and y \r\n"
    "cubes above it pick the largest value.  Click now on the purple cube (4th row) \r\n"
    "with that value.  If you're right, the \"Correct\" image will flash\r\n";

const std::string welcome_text =
    "Welcome to Varodex!  You're now in the Function One of the Individual Function Practice "
    "Game, in the easiest mode, Calculate Value. (Click Start to begin).  In this mode the "
    "formula is written out for you, and you work out the missing z value from the x and y "
    "that are shown.  Take your time at first: the answers are worth more when they come "
    "quickly, but a right answer always counts more than a fast guess.\r\n"
    "\r\n"
    "The other way to play the Individual Function Practice Game is Figure Formula and "
    "Calculate, which you choose from the \"Ways To Play\" menu at the top of the screen.  "
    "There the formula is hidden: you look at the whole table of x, y and z values, figure "
    "out which formula made it, and then calculate the missing z.  Play Function One in both "
    "ways to play, then go on to Function Two and play it in both ways as well.\r\n"
    "\r\n"
    "When you are comfortable with the first two functions, try Level One of the Algebra "
    "Game, again in both ways to play.  The Algebra Game mixes several functions, so every "
    "problem can use a different formula.\r\n"
    "Next, master Level Three of the Individual Function Practice Game before moving on to "
    "Level Two of the Algebra Game.  From Level Two on the Algebra Game offers a third way to "
    "play, Choose Formula, in which you pick the formula that fits the table from five "
    "choices.\r\n"
    "\r\n"
    "After each game the score summary shows your score, your best score, your average and "
    "your rank.  Its button \"Advance To Next Suggested Game\" is a shortcut that takes you "
    "straight to the next game we recommend, so you never have to wonder what to play next.  "
    "Keep alternating between the practice functions and the levels of the Algebra Game.  "
    "Continue on until you've reached level 21 Savantor !\r\n"
    "\r\n"
    "These instructions can be read again at any time under the Help menu, where you will "
    "also find a glossary, tips and strategies, and an explanation of the scoring.  They are "
    "also in the file \"readme.txt\" that comes with the game, so you can print them and keep "
    "them beside you while you play.\r\n"
    "\r\n"
    "Finally, remember to vary the game now and then: switch between the Ten Problem Game and "
    "the Time Trial Game, set a shorter or longer hint delay, and above all try the Combat! "
    "Varodex Game option  that makes math an exciting two-player game.  Two players share one "
    "keyboard and race to buzz in with the answer.  You will find it in the Options menu, and "
    "its rules under the Help menu.  Have fun!\r\n";

const std::array<const std::string*, 3> boxes = {&function_one_tip, &figure_formula_tip,
                                                 &welcome_text};

}  // namespace

const std::string& first_visit_text(int box) {
    return *boxes.at(static_cast<std::size_t>(box));
}

}  // namespace varodex
