#include <gtest/gtest.h>

#include "shell/about_box.h"
#include "shell/goodbye.h"
#include "support/fakes.h"

namespace varodex {
namespace {

using testing::WindowRecorder;

TEST(AboutBox, ShowsTheMakerTheProgramAndTheVersion) {
    WindowRecorder windows;
    const AboutBox about(windows);
    EXPECT_EQ(about.screen().window_caption, " About Varodex");
    EXPECT_EQ(about.screen().maker_label.caption, "Brindlemark's");
    EXPECT_EQ(about.screen().title_label.caption, "Varodex");
    EXPECT_EQ(about.screen().version_label.caption, "Version 4.0");
    EXPECT_EQ(about.screen().company_label.caption, "Brindlemark");
    // Top to bottom in that order.
    EXPECT_LT(about.screen().maker_label.top, about.screen().title_label.top);
    EXPECT_LT(about.screen().title_label.top, about.screen().version_label.top);
    EXPECT_LT(about.screen().version_label.top, about.screen().company_label.top);
    EXPECT_TRUE(windows.events.empty());
}

TEST(AboutBox, BackgroundTitleAndMakerCloseIt) {
    WindowRecorder windows;
    AboutBox about(windows);
    for (void (AboutBox::*click)() : {&AboutBox::background_click, &AboutBox::title_label_click,
                                      &AboutBox::maker_label_click}) {
        windows.show_window(WindowKind::about);
        (about.*click)();
        EXPECT_FALSE(windows.is_open(WindowKind::about));
    }
    EXPECT_FALSE(windows.ended);
}

struct GreetingCase {
    std::string first_name;
    std::string greeting;
};

class GoodbyeGreeting : public ::testing::TestWithParam<GreetingCase> {};

TEST_P(GoodbyeGreeting, GreetsTheFirstName) {
    SharedState state;
    state.first_name = GetParam().first_name;
    WindowRecorder windows;
    const GoodbyePresenter goodbye(state, windows);
    EXPECT_EQ(goodbye.screen().goodbye_label.caption, GetParam().greeting);
    EXPECT_EQ(goodbye.screen().enjoy_label.caption, "Hope you enjoyed playing!");
    EXPECT_EQ(goodbye.screen().CONTINUE_COMMAND.caption, "Exit");
    EXPECT_EQ(goodbye.screen().window_caption, "  Varodex");
    EXPECT_FALSE(windows.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Names, GoodbyeGreeting,
    ::testing::Values(GreetingCase{"", "Goodbye, !!!"}, GreetingCase{"Ada", "Goodbye, Ada!!!"},
                      GreetingCase{first_name_of("Mary Jo Smith"), "Goodbye, Mary!!!"}));

TEST(Goodbye, ExitOrClosingEndsTheProgram) {
    SharedState state;
    {
        WindowRecorder windows;
        GoodbyePresenter goodbye(state, windows);
        goodbye.CONTINUE_COMMAND_click();
        EXPECT_TRUE(windows.ended);
        EXPECT_TRUE(goodbye.program_ended());
    }
    {
        WindowRecorder windows;
        GoodbyePresenter goodbye(state, windows);
        goodbye.window_closing();
        EXPECT_TRUE(windows.ended);
    }
}

}  // namespace
}  // namespace varodex
