// The program as a whole: the shared state for the run and the flow of its windows,
// start-up -> sign-in -> game screen <-> score summary, help and about beside them,
// goodbye at the end. It creates each window's presenter afresh when the window is shown.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "shell/large_fonts.h"
#include "state/shared_state.h"

namespace varodex {

class StartupPresenter;
class SignIn;
class GameScreen;
class SummaryPresenter;
class HelpViewer;
class AboutBox;
class GoodbyePresenter;

struct AppPorts {
    Clock& clock;
    Random& random;
    Sounds& sounds;
    Dialogs& dialogs;
    Printer& printer;
    PlayerRecords& records;
    DisplayScale display_scale;
    // The stored text of a help topic.
    std::function<std::string(int topic_number)> help_text;
};

// The view side: told when a window's presenter comes and goes, so it can put a window on
// the screen for it or take it away.
class AppViews {
public:
    virtual ~AppViews() = default;
    virtual void window_opened(WindowKind kind) = 0;
    virtual void window_closed(WindowKind kind) = 0;
    virtual void program_ended() = 0;
};

class App : public WindowHost {
public:
    explicit App(AppPorts ports, AppViews* views = nullptr);
    ~App() override;

    // Opens the start-up screen; unless the player leaves at once, it hands over by itself.
    void start();

    SharedState& state() { return state_; }
    const SharedState& state() const { return state_; }
    bool program_ended() const { return ended_; }

    void show_window(WindowKind kind) override;
    void close_window(WindowKind kind) override;
    bool is_open(WindowKind kind) const override;
    void end_program() override;

    // The presenter of an open window, or null. Views hold on to theirs, so a presenter
    // outlives its window's closing until its view lets go too.
    std::shared_ptr<StartupPresenter> startup() const { return startup_; }
    std::shared_ptr<SignIn> sign_in() const { return sign_in_; }
    std::shared_ptr<GameScreen> game_screen() const { return game_screen_; }
    std::shared_ptr<SummaryPresenter> summary() const { return summary_; }
    std::shared_ptr<HelpViewer> help() const { return help_; }
    std::shared_ptr<AboutBox> about() const { return about_; }
    std::shared_ptr<GoodbyePresenter> goodbye() const { return goodbye_; }

    // A window often closes itself from inside one of its own handlers, so closed
    // presenters are only let go here, once that handler has returned.
    void release_closed();

private:
    template <typename T>
    void retire(std::shared_ptr<T>& presenter);
    // Lets the window's presenter go, telling no view.
    void drop(WindowKind kind);

    SharedState state_;
    AppPorts ports_;
    AppViews* views_;
    bool ended_ = false;

    std::shared_ptr<StartupPresenter> startup_;
    std::shared_ptr<SignIn> sign_in_;
    std::shared_ptr<GameScreen> game_screen_;
    std::shared_ptr<SummaryPresenter> summary_;
    std::shared_ptr<HelpViewer> help_;
    std::shared_ptr<AboutBox> about_;
    std::shared_ptr<GoodbyePresenter> goodbye_;
    std::vector<std::shared_ptr<void>> closed_;
};

}  // namespace varodex
