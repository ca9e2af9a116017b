#include "state/menu_captions.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

TEST(MenuCaptions, GameScreenLevelsKeepTheirIrregularBlanksAndDashes) {
    EXPECT_EQ(algebra_level_menu_caption(1), "Level 1  either of two functions");
    EXPECT_EQ(algebra_level_menu_caption(5), "Level 5 - any of six functions");
    EXPECT_EQ(algebra_level_menu_caption(6), "Level 6-  any of seven functions");
    EXPECT_EQ(algebra_level_menu_caption(8), "Level 8 -  any of nine functions");
    EXPECT_EQ(algebra_level_menu_caption(10), "Level 10 - any of 11 functions");
    EXPECT_EQ(algebra_level_menu_caption(11), "Level 11 -  any of 12 functions");
    EXPECT_EQ(algebra_level_menu_caption(20), "Level 20 -  any of 21 functions");
    EXPECT_EQ(algebra_level_menu_caption(21), "Level 21 - Savantor! More Parameters");
    EXPECT_EQ(algebra_level_menu_caption(0), "");
    EXPECT_EQ(algebra_level_menu_caption(22), "");
}

TEST(MenuCaptions, HintDelaysWaysAndKinds) {
    EXPECT_EQ(hint_delay_menu_caption(0), "5  Seconds");
    EXPECT_EQ(hint_delay_menu_caption(5), "30 seconds");
    EXPECT_EQ(hint_delay_menu_caption(11), "60 Seconds");
    EXPECT_EQ(hint_delay_menu_caption(12), "No Hint");
    EXPECT_EQ(hint_delay_menu_caption(13), "");
    EXPECT_EQ(way_to_play_menu_caption(2), "Figure Formula and Calculate");
    EXPECT_EQ(game_kind_menu_caption(3), "Combat! Varodex Game");
    EXPECT_EQ(game_kind_menu_caption(0), "");
}

}  // namespace
}  // namespace varodex
