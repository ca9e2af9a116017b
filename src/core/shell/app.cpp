#include "shell/app.h"

#include "game/game_screen.h"
#include "players/sign_in.h"
#include "results/summary.h"
#include "shell/about_box.h"
#include "shell/goodbye.h"
#include "shell/help_viewer.h"
#include "shell/startup.h"

namespace varodex {

App::App(AppPorts ports, AppViews* views) : ports_(std::move(ports)), views_(views) {}

App::~App() = default;

void App::start() { show_window(WindowKind::startup); }

void App::show_window(WindowKind kind) {
    if (ended_) return;
    // Every window opens afresh: a second request replaces the one that is open.
    if (is_open(kind)) close_window(kind);
    switch (kind) {
        case WindowKind::startup:
            startup_ = std::make_shared<StartupPresenter>(state_, ports_.dialogs, ports_.records,
                                                          *this, ports_.display_scale);
            break;
        case WindowKind::sign_in:
            sign_in_ = std::make_shared<SignIn>(
                state_, SignInPorts{ports_.dialogs, *this, ports_.sounds, ports_.records});
            break;
        case WindowKind::game_screen:
            game_screen_ = std::make_shared<GameScreen>(
                state_, GameScreenPorts{ports_.clock, ports_.random, ports_.sounds, ports_.dialogs,
                                        *this, ports_.records});
            break;
        case WindowKind::summary:
            summary_ = std::make_shared<SummaryPresenter>(
                state_, SummaryPorts{ports_.records, ports_.sounds, ports_.dialogs, *this});
            break;
        case WindowKind::help:
            help_ = std::make_shared<HelpViewer>(state_, ports_.help_text(state_.help_topic),
                                                 ports_.sounds, ports_.printer, ports_.dialogs,
                                                 *this);
            break;
        case WindowKind::about: about_ = std::make_shared<AboutBox>(*this); break;
        case WindowKind::goodbye: goodbye_ = std::make_shared<GoodbyePresenter>(state_, *this); break;
    }
    // The start-up screen's opening may already have ended the program (large fonts, No):
    // then no window is put on the screen.
    if (ended_) {
        drop(kind);
        return;
    }
    if (views_) views_->window_opened(kind);
}

template <typename T>
void App::retire(std::shared_ptr<T>& presenter) {
    closed_.push_back(std::move(presenter));
    presenter.reset();
}

void App::close_window(WindowKind kind) {
    if (!is_open(kind)) return;
    drop(kind);
    if (views_) views_->window_closed(kind);
}

void App::drop(WindowKind kind) {
    switch (kind) {
        case WindowKind::startup: retire(startup_); break;
        case WindowKind::sign_in: retire(sign_in_); break;
        case WindowKind::game_screen: retire(game_screen_); break;
        case WindowKind::summary: retire(summary_); break;
        case WindowKind::help: retire(help_); break;
        case WindowKind::about: retire(about_); break;
        case WindowKind::goodbye: retire(goodbye_); break;
    }
}

bool App::is_open(WindowKind kind) const {
    switch (kind) {
        case WindowKind::startup: return startup_ != nullptr;
        case WindowKind::sign_in: return sign_in_ != nullptr;
        case WindowKind::game_screen: return game_screen_ != nullptr;
        case WindowKind::summary: return summary_ != nullptr;
        case WindowKind::help: return help_ != nullptr;
        case WindowKind::about: return about_ != nullptr;
        case WindowKind::goodbye: return goodbye_ != nullptr;
    }
    return false;
}

void App::end_program() {
    if (ended_) return;
    ended_ = true;
    if (views_) views_->program_ended();
}

void App::release_closed() { closed_.clear(); }

}  // namespace varodex
