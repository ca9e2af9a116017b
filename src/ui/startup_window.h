// The borderless start-up splash; after three one-second ticks it hands over to sign-in.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "shell/startup.h"
#include "shell_widgets.h"
#include "state/shared_state.h"

namespace varodex::ui {

class StartupWindow : public QWidget {
    Q_OBJECT

  public:
    // The opening steps, the large-fonts question included, run here, before the splash is
    // shown. When the player leaves at that question the timer never starts.
    explicit StartupWindow(std::shared_ptr<StartupPresenter> presenter, QWidget* parent = nullptr);

    bool program_ended() const { return presenter_->program_ended(); }
    const StartupPresenter& presenter() const { return *presenter_; }

    static constexpr int client_width = 536;
    static constexpr int client_height = 284;
    static constexpr int tick_milliseconds = 1000;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void timer_tick();

    std::shared_ptr<StartupPresenter> presenter_;
    QTimer timer_{this};  // a child, so a host that takes the window away can stop it
};

}  // namespace varodex::ui
