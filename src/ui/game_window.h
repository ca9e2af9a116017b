// The game screen: the main window every game is played on.
#pragma once

#include <QMainWindow>

#include "state/shared_state.h"

namespace varodex::ui {

class GameWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit GameWindow(SharedState& state, QWidget* parent = nullptr);

    static constexpr int client_width = 632;
    static constexpr int client_height = 405;

private:
    SharedState& state_;
};

}  // namespace varodex::ui
